# 64-bit ARM Linux (Debian arm64).
set(LINKKIT_PROCESSOR aarch64)
set(LINKKIT_TRIPLET aarch64-linux-gnu)
set(LINKKIT_QEMU qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
