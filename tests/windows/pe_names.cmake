# The names of PE/COFF objects, programs and DLLs, as the MinGW-w64 tools show them; included
# by the scripts of the tests that check them.

function(nm_names out options file)
  execute_process(COMMAND ${NM} -P ${options} ${file} OUTPUT_VARIABLE dump
    COMMAND_ERROR_IS_FATAL ANY)
  string(REPLACE "\n" ";" lines "${dump}")
  set(names "")
  foreach(line ${lines})
    string(REGEX REPLACE " .*" "" name "${line}")
    if(NOT name STREQUAL "" AND NOT name MATCHES ":$")
      list(APPEND names ${name})
    endif()
  endforeach()
  list(SORT names)
  set(${out} "${names}" PARENT_SCOPE)
endfunction()

# The names in the "[Ordinal/Name Pointer] Table" of a DLL's export directory.
function(exported_names out file)
  execute_process(COMMAND ${OBJDUMP} -p ${file} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n(\t\\[ *[0-9]+\\] [^\n]+\n)*" table
    "${dump}")
  string(REGEX MATCHALL "\t[[][ 0-9]+[]] [^\n]+" names "${table}")
  list(TRANSFORM names REPLACE "^\t[[][ 0-9]+[]] " "")
  list(SORT names)
  set(${out} "${names}" PARENT_SCOPE)
endfunction()

# The names that a program imports from one DLL, from every import entry that names it (a
# linker may write several).
function(imported_names out file dll)
  execute_process(COMMAND ${OBJDUMP} -p ${file} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCHALL "DLL Name: ${dll}\n[^\n]*\n(\t[0-9a-f]+[\t ]+[0-9]+ +[^\n]+\n)*" blocks
    "${dump}")
  string(REGEX MATCHALL "\t[0-9a-f]+[\t ]+[0-9]+ +[^\n]+" entries "${blocks}")
  list(TRANSFORM entries REPLACE "^\t[0-9a-f]+[\t ]+[0-9]+ +" "")
  list(SORT entries)
  set(${out} "${entries}" PARENT_SCOPE)
endfunction()

# The DLLs that a program or DLL imports from, each once, in lower case (Windows's names are
# not).
function(imported_dlls out file)
  execute_process(COMMAND ${OBJDUMP} -p ${file} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCHALL "DLL Name: [^\n]+" dlls "${dump}")
  list(TRANSFORM dlls REPLACE "DLL Name: " "")
  list(TRANSFORM dlls TOLOWER)
  list(REMOVE_DUPLICATES dlls)
  list(SORT dlls)
  set(${out} "${dlls}" PARENT_SCOPE)
endfunction()
