# cmake -D NM=... -D OBJDUMP=... -D AR=... -D STAGE=... -D POINTER_SIZE=4|8
#   -D FOO_HOST_DLL=... -D GREETPROG_LTO=... -P symbols.cmake
# The names as a Windows linker sees them: a cdecl name carries a leading underscore in a
# 32-bit object and none in a 64-bit one; a DLL's export table names its routines plainly.
cmake_minimum_required(VERSION 3.25)
if(POINTER_SIZE EQUAL 4)
  set(c _)
else()
  set(c "")
endif()
set(failures "")

include(${CMAKE_CURRENT_LIST_DIR}/pe_names.cmake)

macro(expect what got expected)
  set(want ${expected})
  list(SORT want)
  if(NOT "${got}" STREQUAL "${want}")
    list(APPEND failures "${what}:\n  got      ${got}\n  expected ${want}")
  endif()
endmacro()

macro(expect_contains what got expected)
  set(have "${got}")
  foreach(name ${expected})
    if(NOT name IN_LIST have)
      list(APPEND failures "${what}: ${name} missing from ${got}")
    endif()
  endforeach()
endmacro()

# Module Foo: one object, its four names defined, four of the run-time's referred to.
set(archive ${STAGE}/lib/libgreetmod.a)
execute_process(COMMAND ${AR} t ${archive} OUTPUT_VARIABLE members COMMAND_ERROR_IS_FATAL ANY)
expect("members of ${archive}" "${members}" "foo.cpp.obj\n")
nm_names(defined "-g;--defined-only" ${archive})
# A 64-bit object may reach data of another object through a .refptr.<name> pointer of its
# own, merged by the linker; one may stand for each run-time variable the module reads.
set(refptrs ${defined})
list(FILTER refptrs INCLUDE REGEX "^\\.refptr\\.")
list(FILTER defined EXCLUDE REGEX "^\\.refptr\\.(_p_Output|_p_InOutRes)$")
message(STATUS "module Foo's .refptr pointers: ${refptrs}")
if(c STREQUAL "_" AND refptrs)
  list(APPEND failures "a 32-bit object has .refptr pointers: ${refptrs}")
endif()
expect("defined by module Foo" "${defined}" "${c}I;${c}Helloworld;${c}Hello;${c}init_Foo")
nm_names(undefined "-u" ${archive})
expect("referred to by module Foo" "${undefined}"
  "${c}_p_Output;${c}_p_Internal_Write;${c}_p_InOutRes;${c}_p_CheckInOutRes")

# greetprog keeps its reference to the marker, and so the marker itself, also when it is
# optimised across objects and stripped of unused sections.
nm_names(defined "--defined-only" ${STAGE}/bin/greetprog.exe)
expect_contains("greetprog.exe" "${defined}"
  "${c}main;${c}init_pascal_main_program;${c}pascal_main_program;${c}__GPC_RTS_VERSION_20030830__")
nm_names(defined "--defined-only" ${GREETPROG_LTO})
expect_contains("greetprog_lto.exe" "${defined}" "${c}__GPC_RTS_VERSION_20030830__")

# The DLLs export their routines and variables by their plain names, and nothing else.
exported_names(names ${STAGE}/bin/librefdemo.dll)
expect("exported by librefdemo.dll" "${names}" "c_w1;c_world")
exported_names(names ${STAGE}/bin/libgreetmod.dll)
expect("exported by libgreetmod.dll" "${names}" "I;Helloworld;Hello;init_Foo")
exported_names(names ${STAGE}/bin/libpascalrt.dll)
expect("exported by libpascalrt.dll" "${names}" "_p_initialize;_p_DoInitProc;_p_AddInitProc;\
_p_finalize;_p_Internal_Write;_p_CheckInOutRes;_p_Output;_p_InOutRes;__GPC_RTS_VERSION_20030830__")

# A program on the DLLs imports the variables from them as well as the routines.
imported_names(names ${FOO_HOST_DLL} libgreetmod.dll)
expect("imported by foo_host_dll from libgreetmod.dll" "${names}" "I;Helloworld;Hello;init_Foo")
imported_names(names ${FOO_HOST_DLL} libpascalrt.dll)
expect_contains("imported by foo_host_dll from libpascalrt.dll" "${names}"
  "_p_initialize;_p_finalize")
imported_names(names ${STAGE}/bin/libgreetmod.dll libpascalrt.dll)
expect("imported by libgreetmod.dll" "${names}"
  "_p_Output;_p_Internal_Write;_p_InOutRes;_p_CheckInOutRes")

if(failures)
  string(JOIN "\n" text ${failures})
  message(FATAL_ERROR "${text}")
endif()
