# The names that a language's two archives and two shared libraries give a C program and
# take from it. Names that a C program cannot spell (with a '$' or a '.': Free Pascal's and
# Go's own) are the language's affair. A language whose module needs names of its own
# run-time lists them in interop/<language>/module-foo.extern-names, one a line.
# cmake -D NM=... -D AR=... -D READELF=... -D ROUTINES=librefdemo.a -D MODULE=libgreetmod.a
#   -D SHARED_ROUTINES=librefdemo.so -D SHARED_MODULE=libgreetmod.so [-D EXTERN_NAMES=file]
#   -P symbols.cmake

cmake_minimum_required(VERSION 3.25)
# names(FILE TYPES OUT [nm options]): the global names of FILE whose nm type is one of TYPES.
# nm handed a plugin looks for no other: without one it loads every plugin of bfd-plugins,
# LLVM's among them, a tenth of a second a call; none is for the objects here, which are no
# compiler's intermediate code (and which nm would then fail to read).
function(names file types out)
  execute_process(COMMAND ${NM} --plugin /dev/null -P -g ${ARGN} ${file} OUTPUT_VARIABLE lines
    ERROR_VARIABLE errors RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${NM} ${file} failed: ${errors}")
  endif()
  string(REPLACE "\n" ";" lines "${lines}")
  set(result)
  foreach(line ${lines})
    if(line MATCHES "^([A-Za-z_][A-Za-z0-9_]*) ([A-Za-z]) " AND CMAKE_MATCH_2 IN_LIST types)
      list(APPEND result ${CMAKE_MATCH_1})
    endif()
  endforeach()
  list(SORT result)
  list(REMOVE_DUPLICATES result)
  set(${out} "${result}" PARENT_SCOPE)
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/archive_names.cmake)
set(own_runtime ${module_referred})
# Position-independent code refers to the table that the linker itself makes. The C
# compiler's own support library (libgcc) gives every program the rest: on 32-bit ARM its
# __aeabi_* helpers, the ABI's personality routines among them, which a function's unwinding
# entry names (GNAT emits such entries whatever the options); on 32-bit processors the
# 64-bit divisions; on SPARC V9, which multiplies no 64-bit numbers into 128 bits, that
# multiplication (Nim checks its integer arithmetic for overflow with it). The C library
# gives the stack protector's guard (a variable on aarch64) and, on i386, its local entry.
list(REMOVE_ITEM own_runtime ${runtime_names} ${extern_names} _GLOBAL_OFFSET_TABLE_
  __divdi3 __moddi3 __udivdi3 __umoddi3 __multi3 __stack_chk_fail_local __stack_chk_guard)
list(FILTER own_runtime EXCLUDE REGEX "^__aeabi_")
expect("${MODULE} refers, beyond the kit's run-time and ${EXTERN_NAMES}, to" "${own_runtime}" "")
names(${MODULE} "U" module_undefined)
set(kit_runtime ${module_undefined})
list(FILTER kit_runtime INCLUDE REGEX "^_p_")
expect("${MODULE} refers to" "${kit_runtime}" "${runtime_names}")

# The shared libraries export the same names, and libgreetmod.so takes the run-time's from
# libpascalrt.so, which it names, at load.
# The linker's own marks of a library's data end (ld gives them where no version script
# hides them) are not the language's.
set(linker_marks __bss_start _edata _end)
names(${SHARED_ROUTINES} "${defined}" routines_exported -D --defined-only)
list(REMOVE_ITEM routines_exported ${linker_marks})
expect("${SHARED_ROUTINES} exports" "${routines_exported}" "c_w1;c_world")
names(${SHARED_MODULE} "${defined}" module_exported -D --defined-only)
list(REMOVE_ITEM module_exported ${linker_marks})
expect("${SHARED_MODULE} exports" "${module_exported}" "${module_names}")
names(${SHARED_MODULE} "U" module_imported -D)
list(FILTER module_imported INCLUDE REGEX "^_p_")
expect("${SHARED_MODULE} imports" "${module_imported}" "${runtime_names}")
execute_process(COMMAND ${READELF} -d ${SHARED_MODULE} OUTPUT_VARIABLE dynamic)
if(NOT dynamic MATCHES "\\(NEEDED\\)[^\n]*\\[libpascalrt\\.so\\.[0-9]+\\]")
  message(SEND_ERROR "${SHARED_MODULE} does not name libpascalrt.so:\n${dynamic}")
endif()
