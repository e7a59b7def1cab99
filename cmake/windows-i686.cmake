# 32-bit Windows with Debian's MinGW-w64 toolchain, run under wine.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/windows.cmake)
