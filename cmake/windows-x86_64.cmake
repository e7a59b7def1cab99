# 64-bit Windows with Debian's MinGW-w64 toolchain, run under wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/windows.cmake)
