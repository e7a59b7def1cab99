# 64-bit little-endian MIPS Linux, n64 ABI (Debian mips64el).
set(LINKKIT_PROCESSOR mips64el)
set(LINKKIT_TRIPLET mips64el-linux-gnuabi64)
set(LINKKIT_QEMU qemu-mips64el)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
