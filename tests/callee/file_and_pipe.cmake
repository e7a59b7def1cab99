# Runs a program with standard output on a file, then on a pipe (cat at its other end puts
# the bytes in a file), and compares each whole output with a golden file; each run must
# exit with status 0 and write nothing on standard error.
# cmake -D PROGRAM=... -D GOLDEN=... [-D EMULATOR=...] -P file_and_pipe.cmake
get_filename_component(name ${PROGRAM} NAME)
set(file ${CMAKE_CURRENT_BINARY_DIR}/${name}.out)
file(READ ${GOLDEN} expected HEX)
foreach(sink file pipe)
  set(reader)
  if(sink STREQUAL "pipe")
    set(reader COMMAND cat)
  endif()
  execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${reader} OUTPUT_FILE ${file}
    ERROR_VARIABLE err RESULTS_VARIABLE statuses)
  file(READ ${file} out HEX)
  file(READ ${file} text)
  file(REMOVE ${file})
  if(NOT out STREQUAL expected)
    message(FATAL_ERROR "${PROGRAM}: output to a ${sink} differs from ${GOLDEN}\n--- got:\n"
      "${text}---\n--- in hexadecimal:\n${out}\n--- expected:\n${expected}")
  endif()
  if(NOT statuses MATCHES "^0(;0)?$" OR NOT err STREQUAL "")
    message(FATAL_ERROR
      "${PROGRAM}: into a ${sink}, exit status ${statuses}, standard error:\n${err}")
  endif()
endforeach()
