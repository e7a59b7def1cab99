# A build script called without its two arguments says so in one line and fails.
# cmake -D SCRIPT=interop/<language>/<contract> -P usage.cmake
execute_process(COMMAND sh ${SCRIPT} only-one OUTPUT_VARIABLE out ERROR_VARIABLE err
  RESULT_VARIABLE status)
if(NOT status EQUAL 2)
  message(FATAL_ERROR "${SCRIPT} with one argument: exit status ${status}, expected 2")
endif()
if(NOT err STREQUAL "${SCRIPT}: expected PREFIX and WORKDIR, got 1 arguments\n" OR
   NOT out STREQUAL "")
  message(FATAL_ERROR "${SCRIPT} with one argument wrote:\n${out}${err}")
endif()
