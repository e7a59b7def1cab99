# Motorola 68k Linux (Debian m68k), big-endian, built by gcc: its System V ABI aligns int and
# double to 2 bytes in a record, as Debian's C library was built; clang 14 aligns a double
# to 8 there.
set(LINKKIT_PROCESSOR m68k)
set(LINKKIT_TRIPLET m68k-linux-gnu)
set(LINKKIT_QEMU qemu-m68k)
set(LINKKIT_ROOT_PRESET m68k)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross-gcc.cmake)
# clang 14, which lays the record out otherwise: a caller that it builds must be refused.
set(LINKKIT_DISAGREEING_COMPILER clang-14 --target=m68k-linux-gnu)
