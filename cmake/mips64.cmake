# 64-bit big-endian MIPS Linux, n64 ABI (Debian mips64).
set(LINKKIT_PROCESSOR mips64)
set(LINKKIT_TRIPLET mips64-linux-gnuabi64)
set(LINKKIT_QEMU qemu-mips64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
