# The names that a language's two archives and two DLLs give a C program and take from it,
# as a Windows linker sees them: a cdecl name carries a leading underscore in a 32-bit
# object and none in a 64-bit one, and a DLL exports and imports names plainly. Names that
# C cannot spell (Go's, with a '.'; a 64-bit object's .refptr.<name> pointers to data) are
# the language's affair. A language whose module needs names of its own run-time on
# Windows lists them in interop/<language>/module-foo.windows.extern-names, one a line.
# cmake -D NM=... -D AR=... -D OBJDUMP=... -D POINTER_SIZE=4|8 -D ROUTINES=librefdemo.a
#   -D MODULE=libgreetmod.a -D SHARED_ROUTINES=librefdemo.dll -D SHARED_MODULE=libgreetmod.dll
#   [-D EXTERN_NAMES=file] -P symbols_windows.cmake

cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../windows/pe_names.cmake)
if(POINTER_SIZE EQUAL 4)
  set(c _)
else()
  set(c "")
endif()

# names(FILE TYPES OUT): the global names of FILE whose nm type is one of TYPES, as C names
# them: a reference through a DLL's import table (__imp_<name>, undefined) counts as one to
# the name, and a 32-bit object's leading underscore and stdcall's @<bytes of arguments> go
# (a name without the underscore is not C's). A definition of such a pointer keeps its
# whole name. nm without bfd's plugins, as in symbols.cmake.
function(names file types out)
  execute_process(COMMAND ${NM} --plugin /dev/null -P -g ${file} OUTPUT_VARIABLE lines
    ERROR_VARIABLE errors RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${NM} ${file} failed: ${errors}")
  endif()
  string(REPLACE "\n" ";" lines "${lines}")
  set(result)
  foreach(line ${lines})
    if(line MATCHES "^(__imp_)?${c}([A-Za-z_][A-Za-z0-9_]*)(@[0-9]+)? ([A-Za-z]) " AND
        CMAKE_MATCH_4 IN_LIST types)
      if(CMAKE_MATCH_1 AND NOT CMAKE_MATCH_4 STREQUAL "U")
        list(APPEND result __imp_${c}${CMAKE_MATCH_2})
      else()
        list(APPEND result ${CMAKE_MATCH_2})
      endif()
    endif()
  endforeach()
  list(SORT result)
  list(REMOVE_DUPLICATES result)
  set(${out} "${result}" PARENT_SCOPE)
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/archive_names.cmake)
set(own_runtime ${module_referred})
list(REMOVE_ITEM own_runtime ${runtime_names} ${extern_names})
expect("${MODULE} refers, beyond the kit's run-time and ${EXTERN_NAMES}, to" "${own_runtime}" "")
names(${MODULE} "U" module_undefined)
set(kit_runtime ${module_undefined})
list(FILTER kit_runtime INCLUDE REGEX "^_p_")
expect("${MODULE} refers to" "${kit_runtime}" "${runtime_names}")

# The DLLs export the contract's names alone, and libgreetmod.dll takes the run-time's from
# the kit's libpascalrt.dll, which a program then loads beside it. Beyond that, each needs
# only what Windows itself has: no DLL of the language's run-time or of GCC beside it.
exported_names(routines_exported ${SHARED_ROUTINES})
expect("${SHARED_ROUTINES} exports" "${routines_exported}" "c_w1;c_world")
exported_names(module_exported ${SHARED_MODULE})
expect("${SHARED_MODULE} exports" "${module_exported}" "${module_names}")
imported_names(module_imported ${SHARED_MODULE} libpascalrt.dll)
expect("${SHARED_MODULE} imports from libpascalrt.dll" "${module_imported}" "${runtime_names}")
foreach(dll ${SHARED_ROUTINES} ${SHARED_MODULE})
  imported_dlls(imports ${dll})
  list(FILTER imports EXCLUDE REGEX
    "^(kernel32|msvcrt|user32|advapi32|ntdll|api-ms-win-crt-.*)\\.dll$")
  if(dll STREQUAL SHARED_MODULE)
    expect("${dll} imports, beyond Windows's own DLLs," "${imports}" "libpascalrt.dll")
  else()
    expect("${dll} imports, beyond Windows's own DLLs," "${imports}" "")
  endif()
endforeach()
