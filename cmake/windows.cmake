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
find_program(LINKKIT_WINE wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${LINKKIT_WINE})
