# Runs a program and compares its whole standard output with a golden file, byte for byte;
# its exit status and standard error are checked apart from it. EMULATOR, where set, runs
# programs that the host cannot start itself. The output goes through a file: a variable
# would have CMake turn each carriage return and line feed into a line feed alone. With
# SKIP_LAYOUT_LINE, a record_probe whose target has no stated layout: its first line must
# give a layout, any layout.
function(expect_output program golden)
  string(RANDOM LENGTH 12 tag)
  set(captured ${CMAKE_CURRENT_BINARY_DIR}/expect_output-${tag}.out)
  execute_process(COMMAND ${EMULATOR} ${program} ${ARGN} OUTPUT_FILE ${captured}
    ERROR_VARIABLE err RESULT_VARIABLE status)
  file(READ ${captured} text)
  if(SKIP_LAYOUT_LINE)
    if(NOT text MATCHES "^c_record: c_d at offset [0-9]+, [0-9]+ bytes\n")
      message(FATAL_ERROR "${program}: no layout line first\n--- got:\n${text}---")
    endif()
    message(STATUS "${CMAKE_MATCH_0}")
    string(LENGTH "${CMAKE_MATCH_0}" skip)
    file(READ ${captured} out HEX OFFSET ${skip})
  else()
    file(READ ${captured} out HEX)
  endif()
  file(REMOVE ${captured})
  file(READ ${golden} expected HEX)
  if(NOT out STREQUAL expected)
    message(FATAL_ERROR "${program}: output differs from ${golden}\n--- got:\n${text}---\n"
      "--- in hexadecimal:\n${out}\n--- expected:\n${expected}")
  endif()
  if(NOT status STREQUAL "0")
    message(FATAL_ERROR "${program}: exit status ${status}, expected 0")
  endif()
  if(NOT err STREQUAL "")
    message(FATAL_ERROR "${program}: wrote on standard error:\n${err}")
  endif()
endfunction()
