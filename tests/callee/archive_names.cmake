# The names that a language's two archives define and take, checked alike for every object
# format. Included by symbols.cmake and symbols_windows.cmake, which define
# names(FILE TYPES OUT) for their format first; leaves module_referred (what module Foo's
# object refers to, common symbols included) and extern_names (EXTERN_NAMES's lines).
function(expect what got expected)
  list(SORT expected)
  if(NOT got STREQUAL expected)
    message(SEND_ERROR "${what}: ${got}, expected ${expected}")
  endif()
endfunction()

set(defined T D B R G S V W)
set(runtime_names _p_CheckInOutRes _p_InOutRes _p_Internal_Write _p_Output)
set(module_names Hello Helloworld I init_Foo)

names(${ROUTINES} "${defined}" routines_defined)
expect("${ROUTINES} defines" "${routines_defined}" "c_w1;c_world")

execute_process(COMMAND ${AR} t ${MODULE} OUTPUT_VARIABLE members)
string(REGEX MATCHALL "[^\n]+" members "${members}")
list(LENGTH members count)
if(NOT count EQUAL 1)
  message(SEND_ERROR "${MODULE} holds ${count} objects (${members}), not one")
endif()
names(${MODULE} "${defined}" module_defined)
expect("${MODULE} defines" "${module_defined}" "${module_names}")
# Undefined alone: a common symbol (C) would be a zero-filled variable of the module's own
# wherever the kit's run-time is not linked in.
names(${MODULE} "U;C" module_referred)
set(extern_names)
if(EXTERN_NAMES)
  file(STRINGS ${EXTERN_NAMES} extern_names)
endif()
