# 32-bit big-endian POWER Linux (Debian powerpc).
set(LINKKIT_PROCESSOR ppc)
set(LINKKIT_TRIPLET powerpc-linux-gnu)
set(LINKKIT_QEMU qemu-ppc)
# clang's driver looks for a 32-bit POWER target's C library in lib32 folders, which on an
# x86-64 machine hold the i386 multilib's; Debian's cross libraries are in /usr/<triplet>/lib.
# Secure PLT keeps the program's PLT out of writable, executable memory, as gcc does.
set(LINKKIT_CROSS_FLAGS -B/usr/${LINKKIT_TRIPLET}/lib -msecure-plt)
set(LINKKIT_CROSS_LINK_FLAGS -L/usr/${LINKKIT_TRIPLET}/lib)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
