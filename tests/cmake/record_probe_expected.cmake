# The record's layout that the kit states for the target being built: c_d's offset and the
# record's size, or nothing for a target whose layout the kit does not state. A double in a
# record is aligned to 4 bytes on 32-bit x86 Linux and on SuperH, to 2 on m68k (so c_d sits
# at 4 in 12 bytes on the three); to 8 on x86-64, on Windows and on every other Linux target
# that the kit is built for.
function(linkkit_record_layout offset_var size_var)
  set(processor ${CMAKE_SYSTEM_PROCESSOR})
  set(offset "")
  set(size "")
  if(WIN32)
    set(offset 8)
    set(size 16)
  elseif(processor MATCHES "^(x86_64|AMD64|i.86)$")
    # The i386 preset builds with -m32 on an x86-64 host, which names the host's processor.
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      set(offset 4)
      set(size 12)
    else()
      set(offset 8)
      set(size 16)
    endif()
  elseif(processor MATCHES "^(m68k|sh4)$")
    set(offset 4)
    set(size 12)
  elseif(processor MATCHES "^(aarch64|arm.*|riscv64|ppc64le|ppc64|ppc|s390x|mips.*|sparc64|hppa)$")
    set(offset 8)
    set(size 16)
  endif()
  set(${offset_var} ${offset} PARENT_SCOPE)
  set(${size_var} ${size} PARENT_SCOPE)
endfunction()

# What record_probe prints on this target: the record's layout, then c_w1's lines, the same
# everywhere. Where the kit states no layout, the probe's layout line is left unchecked
# (LINKKIT_RECORD_LAYOUT_KNOWN is then false).
function(linkkit_record_probe_expected out)
  linkkit_record_layout(offset size)
  file(READ ${PROJECT_SOURCE_DIR}/tests/golden/formats.out formats)
  if(size)
    set(layout "c_record: c_d at offset ${offset}, ${size} bytes\n")
    set(LINKKIT_RECORD_LAYOUT_KNOWN ON PARENT_SCOPE)
  else()
    message(STATUS "The record's layout on ${CMAKE_SYSTEM_PROCESSOR} is not stated: "
      "record_layout_and_formats checks the formats alone")
    set(layout "")
    set(LINKKIT_RECORD_LAYOUT_KNOWN OFF PARENT_SCOPE)
  endif()
  file(WRITE ${out} "${layout}${formats}")
endfunction()
