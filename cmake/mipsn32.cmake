# 64-bit big-endian MIPS Linux with 32-bit pointers, n32 ABI (Debian mipsn32).
set(LINKKIT_PROCESSOR mips64)
set(LINKKIT_TRIPLET mips64-linux-gnuabin32)
set(LINKKIT_QEMU qemu-mipsn32)
# Debian has no n32 cross compiler of its own: its C library's headers and start files are
# in /usr/<triplet>, but the gcc support and C++ libraries are the n32 multilib of the n64
# cross compiler's, which clang's driver does not find for this triplet by itself.
set(gcc_n32 /usr/lib/gcc-cross/mips64-linux-gnuabi64/12/n32)
set(LINKKIT_CROSS_FLAGS -isystem /usr/${LINKKIT_TRIPLET}/include -B${gcc_n32}
  -B/usr/${LINKKIT_TRIPLET}/lib)
set(LINKKIT_CROSS_LINK_FLAGS -L${gcc_n32} -L/usr/mips64-linux-gnuabi64/lib32
  -L/usr/${LINKKIT_TRIPLET}/lib)
# The n32 loader, C library and C++ library that programs run with are that multilib's too,
# in the n64 folder's lib32, where the n32 loader looks (/lib32).
set(LINKKIT_QEMU_PREFIX /usr/mips64-linux-gnuabi64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
