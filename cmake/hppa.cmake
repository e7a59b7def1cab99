# 32-bit PA-RISC Linux (Debian hppa), big-endian: clang has no backend for it.
set(LINKKIT_PROCESSOR hppa)
set(LINKKIT_TRIPLET hppa-linux-gnu)
set(LINKKIT_QEMU qemu-hppa)
set(LINKKIT_ROOT_PRESET hppa)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross-gcc.cmake)
