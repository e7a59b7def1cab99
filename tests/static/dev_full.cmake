# cmake -D PROGRAM=... -D MESSAGE=... -D STATUS=... -P dev_full.cmake: with standard output
# on /dev/full, the program says so in one line and fails with STATUS.
execute_process(COMMAND sh -c "exec \"$0\" >/dev/full" ${PROGRAM} ERROR_VARIABLE err
  RESULT_VARIABLE status)
string(REPLACE "\\n" "\n" MESSAGE "${MESSAGE}")
if(NOT err STREQUAL MESSAGE OR NOT status EQUAL STATUS)
  message(FATAL_ERROR "${PROGRAM} on /dev/full: status ${status}, stderr:\n${err}")
endif()
