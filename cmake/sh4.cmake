# SuperH SH-4 Linux (Debian sh4), little-endian: clang has no backend for it.
set(LINKKIT_PROCESSOR sh4)
set(LINKKIT_TRIPLET sh4-linux-gnu)
set(LINKKIT_QEMU qemu-sh4)
set(LINKKIT_ROOT_PRESET sh4)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross-gcc.cmake)
