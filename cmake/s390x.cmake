# 64-bit IBM Z Linux (Debian s390x), big-endian.
set(LINKKIT_PROCESSOR s390x)
set(LINKKIT_TRIPLET s390x-linux-gnu)
set(LINKKIT_QEMU qemu-s390x)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
