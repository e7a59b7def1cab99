# What record_probe prints on this platform: the record's layout as the C compiler lays it
# out (a double in a record is aligned to 4 bytes on 32-bit x86 Linux, to 8 on x86-64 and
# on Windows), then c_w1's lines, the same everywhere.
function(linkkit_record_probe_expected out)
  if(WIN32 OR CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(layout "c_record: c_d at offset 8, 16 bytes\n")
  else()
    set(layout "c_record: c_d at offset 4, 12 bytes\n")
  endif()
  file(READ ${PROJECT_SOURCE_DIR}/tests/golden/formats.out formats)
  file(WRITE ${out} "${layout}${formats}")
endfunction()
