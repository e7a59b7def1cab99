# Runs a caller that its language's build script built, and compares its output.
# cmake -D WORKDIR=... -D GOLDEN=... [-D EMULATOR=...] [-D IN_ROOT=...] -P interop.cmake
# IN_ROOT, where set, is the command that runs the caller in a Debian root of the target's
# own, whose programs the host starts as it starts the target's.
include(${CMAKE_CURRENT_LIST_DIR}/compare.cmake)
if(IN_ROOT)
  set(EMULATOR ${IN_ROOT})
endif()
# A Windows linker names the program caller.exe (a C# caller.exe is mono's, run by caller).
set(program ${WORKDIR}/caller)
if(NOT EXISTS ${program})
  set(program ${program}.exe)
endif()
expect_output(${program} ${GOLDEN})
