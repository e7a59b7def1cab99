# x86-64 Linux with 32-bit pointers (Debian x32). Built, not run: see its entry in targets.toml.
set(LINKKIT_PROCESSOR x86_64)
set(LINKKIT_TRIPLET x86_64-linux-gnux32)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
