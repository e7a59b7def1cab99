# cmake -D OBJDUMP=... -D PROGRAM=... [-D ALLOWED=dll;...] -P imports.cmake: the program or
# DLL imports from Windows's own DLLs alone (no C++ or GCC run-time DLL beside it), or from
# the kit's DLLs named in ALLOWED.
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
list(TRANSFORM imports REPLACE "DLL Name: " "")
foreach(dll ${imports})
  string(TOLOWER ${dll} dll)
  if(NOT dll MATCHES "^(kernel32|msvcrt|user32|advapi32|ntdll|api-ms-win-crt-.*)\\.dll$" AND
      NOT dll IN_LIST ALLOWED)
    message(FATAL_ERROR "${PROGRAM} imports ${dll}, which Windows does not have")
  endif()
endforeach()
message(STATUS "${PROGRAM} imports ${imports}")
