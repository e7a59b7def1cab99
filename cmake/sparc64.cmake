# 64-bit SPARC Linux, big-endian (Debian sparc64).
set(LINKKIT_PROCESSOR sparc64)
set(LINKKIT_TRIPLET sparc64-linux-gnu)
set(LINKKIT_QEMU qemu-sparc64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
