# 32-bit x86 ELF, built by the host's gcc through its multilib (Debian: g++-multilib).
# The programs run on an x86-64 host, natively where its kernel allows.
set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_C_FLAGS_INIT -m32)
set(CMAKE_CXX_FLAGS_INIT -m32)
set(CMAKE_EXE_LINKER_FLAGS_INIT -m32)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -m32)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -m32)

# A kernel built without 32-bit support cannot start these programs; qemu's user-mode
# emulator (Debian: qemu-user) then runs them, tests included.
execute_process(COMMAND /lib/ld-linux.so.2 --version RESULT_VARIABLE native_status
  OUTPUT_QUIET ERROR_QUIET)
if(NOT native_status EQUAL 0)
  find_program(LINKKIT_I386_EMULATOR qemu-i386 REQUIRED)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${LINKKIT_I386_EMULATOR})
endif()

