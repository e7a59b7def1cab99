# Runs a program and compares its whole standard output with a golden file, byte for byte;
# its exit status and standard error are checked apart from it. EMULATOR, where set, runs
# programs that the host cannot start itself. With SKIP_LAYOUT_LINE, a record_probe whose
# target has no stated layout: its first line must give a layout, any layout.
function(expect_output program golden)
  execute_process(COMMAND ${EMULATOR} ${program} ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err
    RESULT_VARIABLE status)
  file(READ ${golden} expected)
  if(SKIP_LAYOUT_LINE)
    if(NOT out MATCHES "^c_record: c_d at offset [0-9]+, [0-9]+ bytes\n")
      message(FATAL_ERROR "${program}: no layout line first\n--- got:\n${out}---")
    endif()
    message(STATUS "${CMAKE_MATCH_0}")
    string(REGEX REPLACE "^[^\n]*\n" "" out "${out}")
  endif()
  if(NOT out STREQUAL expected)
    message(FATAL_ERROR "${program}: output differs from ${golden}\n--- got:\n${out}---")
  endif()
  if(NOT status STREQUAL "0")
    message(FATAL_ERROR "${program}: exit status ${status}, expected 0")
  endif()
  if(NOT err STREQUAL "")
    message(FATAL_ERROR "${program}: wrote on standard error:\n${err}")
  endif()
endfunction()
