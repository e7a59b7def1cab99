# 64-bit little-endian POWER Linux (Debian ppc64el).
set(LINKKIT_PROCESSOR ppc64le)
set(LINKKIT_TRIPLET powerpc64le-linux-gnu)
set(LINKKIT_QEMU qemu-ppc64le)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
