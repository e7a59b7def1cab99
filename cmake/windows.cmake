# Windows with Debian's MinGW-w64 toolchain for CMAKE_SYSTEM_PROCESSOR, which the including
# toolchain file sets; wine runs the programs, tests included.
set(CMAKE_SYSTEM_NAME Windows)
set(triplet ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
# The compilers with POSIX threads: GoogleTest needs std::mutex, which those with Win32
# threads lack. The kit's programs and DLLs use no threads and import no thread DLL.
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# wine's launcher starts its 32-bit loader, which starts a 64-bit program again in wine64:
# where the kernel cannot run 32-bit x86 itself (qemu-i386 then runs the loader) that costs
# most of a second a start. wine64 starts a 64-bit program itself.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  find_program(LINKKIT_WINE64 wine64 PATHS /usr/lib/wine REQUIRED)
  set(LINKKIT_WINE ${LINKKIT_WINE64})
else()
  find_program(LINKKIT_WINE wine REQUIRED)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${LINKKIT_WINE})
