# Builds a caller with its language's own tool, then runs it and compares its output.
# cmake -D BUILD=interop/<language>/build -D PREFIX=... -D WORKDIR=... -D GOLDEN=...
#   [-D EMULATOR=...] [-D IN_ROOT=...] -P interop.cmake
# IN_ROOT, where set, is the command that builds and runs the caller in a Debian root of the
# target's own, whose programs the host starts as it starts the target's.
include(${CMAKE_CURRENT_LIST_DIR}/compare.cmake)
file(REMOVE_RECURSE ${WORKDIR})
execute_process(COMMAND ${IN_ROOT} sh ${BUILD} ${PREFIX} ${WORKDIR} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${BUILD} failed (${status})")
endif()
if(IN_ROOT)
  set(EMULATOR ${IN_ROOT})
endif()
# A Windows linker names the program caller.exe (a C# caller.exe is mono's, run by caller).
set(program ${WORKDIR}/caller)
if(NOT EXISTS ${program})
  set(program ${program}.exe)
endif()
expect_output(${program} ${GOLDEN})
