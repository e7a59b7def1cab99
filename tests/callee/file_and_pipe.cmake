# Runs a program with standard output on a file, then on a pipe, and compares each whole
# output with a golden file; exit status and standard error apart.
# cmake -D PROGRAM=... -D GOLDEN=... [-D EMULATOR=...] -P file_and_pipe.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/compare.cmake)
get_filename_component(name ${PROGRAM} NAME)
set(file ${CMAKE_CURRENT_BINARY_DIR}/${name}.out)
execute_process(COMMAND ${EMULATOR} ${PROGRAM} OUTPUT_FILE ${file} ERROR_VARIABLE err
  RESULT_VARIABLE status)
file(READ ${file} out)
file(READ ${GOLDEN} expected)
file(REMOVE ${file})
if(NOT out STREQUAL expected)
  message(FATAL_ERROR "${PROGRAM}: output to a file differs from ${GOLDEN}\n--- got:\n${out}---")
endif()
if(NOT status STREQUAL "0" OR NOT err STREQUAL "")
  message(FATAL_ERROR "${PROGRAM}: into a file, exit status ${status}, standard error:\n${err}")
endif()
expect_output(${PROGRAM} ${GOLDEN})
