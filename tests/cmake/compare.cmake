# Runs a program and compares its whole standard output with a golden file, byte for byte;
# its exit status and standard error are checked apart from it. EMULATOR, where set, runs
# programs that the host cannot start itself.
function(expect_output program golden)
  execute_process(COMMAND ${EMULATOR} ${program} ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err
    RESULT_VARIABLE status)
  file(READ ${golden} expected)
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
