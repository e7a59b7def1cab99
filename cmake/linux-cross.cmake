# Linux on another processor, cross-built by clang for LINKKIT_TRIPLET against Debian's cross
# C library (libc6-dev-<arch>-cross), linked by that target's binutils (binutils-<triplet>),
# run by qemu's user-mode emulator LINKKIT_QEMU. A target's own file sets those two, and
# LINKKIT_CROSS_FLAGS (compiling and linking) and LINKKIT_CROSS_LINK_FLAGS where clang's
# driver needs telling where the target's files are, and includes this one.
#
# No CMAKE_SYSROOT: Debian's cross libc.so is a linker script naming absolute paths, which a
# sysroot would prefix again; clang finds /usr/<triplet> for its target by itself.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${LINKKIT_PROCESSOR})
set(CMAKE_C_COMPILER clang-14)
set(CMAKE_CXX_COMPILER clang++-14)
set(CMAKE_C_COMPILER_TARGET ${LINKKIT_TRIPLET})
set(CMAKE_CXX_COMPILER_TARGET ${LINKKIT_TRIPLET})
list(JOIN LINKKIT_CROSS_FLAGS " " flags)
set(CMAKE_C_FLAGS_INIT "${flags}")
set(CMAKE_CXX_FLAGS_INIT "${flags}")
list(JOIN LINKKIT_CROSS_LINK_FLAGS " " flags)
foreach(kind EXE SHARED MODULE)
  set(CMAKE_${kind}_LINKER_FLAGS_INIT "${flags}")
endforeach()
foreach(tool ar nm objcopy objdump ranlib readelf strip)
  string(TOUPPER ${tool} name)
  set(CMAKE_${name} /usr/bin/${LINKKIT_TRIPLET}-${tool})
endforeach()

# The emulator finds the target's loader and C library under its prefix (LINKKIT_QEMU_PREFIX,
# by default the cross C library's folder), not through machine-wide binfmt_misc settings.
# A target that no emulator runs has none, and is built alone.
if(LINKKIT_QEMU)
  find_program(LINKKIT_EMULATOR_PROGRAM ${LINKKIT_QEMU} REQUIRED)
  if(NOT LINKKIT_QEMU_PREFIX)
    set(LINKKIT_QEMU_PREFIX /usr/${LINKKIT_TRIPLET})
  endif()
  set(CMAKE_CROSSCOMPILING_EMULATOR ${LINKKIT_EMULATOR_PROGRAM} -L ${LINKKIT_QEMU_PREFIX})
endif()
