# 64-bit big-endian POWER Linux, ELFv1 ABI: a function's address is its descriptor (Debian ppc64).
set(LINKKIT_PROCESSOR ppc64)
set(LINKKIT_TRIPLET powerpc64-linux-gnu)
set(LINKKIT_QEMU qemu-ppc64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
