# Linux on a processor that clang does not serve as the target's own C library was built:
# built by Debian's gcc cross compiler for LINKKIT_TRIPLET, which lives in a root of the kit's
# own (LINKKIT_ROOT_PRESET's, tools/target-root) since installing it beside the host's
# multilib compilers would remove them; the root is amd64 and needs no emulation. The
# programs run under qemu's user-mode emulator LINKKIT_QEMU, with Debian's cross C library
# (libc6-dev-<arch>-cross, on the host too) as its prefix. A target's own file sets those
# three and includes this one.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${LINKKIT_PROCESSOR})
get_filename_component(linkkit_top ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)
set(CMAKE_C_COMPILER ${linkkit_top}/tools/root-compiler ${LINKKIT_ROOT_PRESET}
  ${LINKKIT_TRIPLET}-gcc-12)
set(CMAKE_CXX_COMPILER ${linkkit_top}/tools/root-compiler ${LINKKIT_ROOT_PRESET}
  ${LINKKIT_TRIPLET}-g++-12)
foreach(tool ar nm objcopy objdump ranlib readelf strip)
  string(TOUPPER ${tool} name)
  set(CMAKE_${name} /usr/bin/${LINKKIT_TRIPLET}-${tool})
endforeach()

find_program(LINKKIT_EMULATOR_PROGRAM ${LINKKIT_QEMU} REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${LINKKIT_EMULATOR_PROGRAM} -L /usr/${LINKKIT_TRIPLET})
