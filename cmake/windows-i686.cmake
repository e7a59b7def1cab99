# 32-bit Windows with Debian's MinGW-w64 toolchain; wine runs the programs, tests included.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
# The compilers with POSIX threads: GoogleTest needs std::mutex, which those with Win32
# threads lack. The kit's programs and DLLs use no threads and import no thread DLL.
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
find_program(LINKKIT_WINE wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${LINKKIT_WINE})
