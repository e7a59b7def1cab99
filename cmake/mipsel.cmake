# 32-bit little-endian MIPS Linux, o32 ABI (Debian mipsel).
set(LINKKIT_PROCESSOR mipsel)
set(LINKKIT_TRIPLET mipsel-linux-gnu)
set(LINKKIT_QEMU qemu-mipsel)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
