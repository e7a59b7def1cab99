# 64-bit RISC-V Linux (Debian riscv64).
set(LINKKIT_PROCESSOR riscv64)
set(LINKKIT_TRIPLET riscv64-linux-gnu)
set(LINKKIT_QEMU qemu-riscv64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
# clang hands bitcode to binutils' ld through the LLVM plugin, which must be told the
# float ABI that the other objects carry, or ld refuses to merge them.
set(LINKKIT_LTO_LINK_OPTIONS -Wl,-plugin-opt=-target-abi=lp64d)
