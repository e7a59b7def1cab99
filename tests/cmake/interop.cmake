# Builds a caller with its language's own tool, then runs it and compares its output.
# cmake -D BUILD=interop/<language>/build -D PREFIX=... -D WORKDIR=... -D GOLDEN=...
#   [-D EMULATOR=...] -P interop.cmake
include(${CMAKE_CURRENT_LIST_DIR}/compare.cmake)
file(REMOVE_RECURSE ${WORKDIR})
execute_process(COMMAND sh ${BUILD} ${PREFIX} ${WORKDIR} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${BUILD} failed (${status})")
endif()
# A Windows linker names the program caller.exe (a C# caller.exe is mono's, run by caller).
set(program ${WORKDIR}/caller)
if(NOT EXISTS ${program})
  set(program ${program}.exe)
endif()
expect_output(${program} ${GOLDEN})
