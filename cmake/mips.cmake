# 32-bit big-endian MIPS Linux, o32 ABI (Debian mips).
set(LINKKIT_PROCESSOR mips)
set(LINKKIT_TRIPLET mips-linux-gnu)
set(LINKKIT_QEMU qemu-mips)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
