# 32-bit ARM Linux with hardware floating point (Debian armhf).
set(LINKKIT_PROCESSOR arm)
set(LINKKIT_TRIPLET arm-linux-gnueabihf)
set(LINKKIT_QEMU qemu-arm)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
# binutils' ld, through the LLVM plugin, miscounts the symbols of ARM bitcode ("Number of
# symbols in input file has increased"); lld links it.
set(LINKKIT_LTO_LINK_OPTIONS -fuse-ld=lld-14)
