# The names that a language's two archives give a C program and take from it. Names that
# a C program cannot spell (with a '$': Free Pascal's own) are the language's affair.
# cmake -D NM=... -D AR=... -D ROUTINES=librefdemo.a -D MODULE=libgreetmod.a -P symbols.cmake

cmake_minimum_required(VERSION 3.25)
# names(ARCHIVE TYPES OUT): the global names of ARCHIVE whose nm type is one of TYPES.
function(names archive types out)
  execute_process(COMMAND ${NM} -P -g ${archive} OUTPUT_VARIABLE lines RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${NM} ${archive} failed")
  endif()
  string(REPLACE "\n" ";" lines "${lines}")
  set(result)
  foreach(line ${lines})
    if(line MATCHES "^([A-Za-z_][A-Za-z0-9_]*) ([A-Za-z]) " AND CMAKE_MATCH_2 IN_LIST types)
      list(APPEND result ${CMAKE_MATCH_1})
    endif()
  endforeach()
  list(SORT result)
  set(${out} "${result}" PARENT_SCOPE)
endfunction()

function(expect what got expected)
  list(SORT expected)
  if(NOT got STREQUAL expected)
    message(SEND_ERROR "${what}: ${got}, expected ${expected}")
  endif()
endfunction()

set(defined T D B R G S V W)
# A common symbol (gfortran's bind(c) variables) is a tentative definition that the
# run-time's own definition takes over: the module still takes the name from the run-time.
set(referred U C)

names(${ROUTINES} "${defined}" routines_defined)
expect("${ROUTINES} defines" "${routines_defined}" "c_w1;c_world")

execute_process(COMMAND ${AR} t ${MODULE} OUTPUT_VARIABLE members)
string(REGEX MATCHALL "[^\n]+" members "${members}")
list(LENGTH members count)
if(NOT count EQUAL 1)
  message(SEND_ERROR "${MODULE} holds ${count} objects (${members}), not one")
endif()
names(${MODULE} "${defined}" module_defined)
expect("${MODULE} defines" "${module_defined}" "Hello;Helloworld;I;init_Foo")
names(${MODULE} "${referred}" module_referred)
expect("${MODULE} refers to" "${module_referred}"
  "_p_CheckInOutRes;_p_InOutRes;_p_Internal_Write;_p_Output")
