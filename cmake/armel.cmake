# 32-bit ARM Linux, EABI soft-float (Debian armel): a double travels in core registers.
set(LINKKIT_PROCESSOR arm)
set(LINKKIT_TRIPLET arm-linux-gnueabi)
set(LINKKIT_QEMU qemu-arm)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
# binutils' ld, through the LLVM plugin, crashes on ARM bitcode; lld links it.
set(LINKKIT_LTO_LINK_OPTIONS -fuse-ld=lld-14)
# ARMv5, Debian armel's processor, has no atomic instructions: clang calls libatomic for the
# C++ library's atomics (GoogleTest's), where gcc would inline the kernel's helpers.
set(CMAKE_CXX_STANDARD_LIBRARIES_INIT -latomic)
