# cmake -D COMPILER=... -D SOURCE=... -D INCLUDES=... -D EXPECTED=... -P disagreeing_compiler.cmake
# A compiler that lays the record out unlike the target's ABI (COMPILER, a list of words)
# must refuse to compile SOURCE, a caller that includes refdemo.h, with EXPECTED among its
# complaints: refdemo.h's layout check stops it before it can pass the kit garbage.
set(include_options)
foreach(folder IN LISTS INCLUDES)
  list(APPEND include_options -I${folder})
endforeach()
execute_process(COMMAND ${COMPILER} -fsyntax-only ${include_options} ${SOURCE}
  RESULT_VARIABLE status ERROR_VARIABLE complaints OUTPUT_VARIABLE output)
if(status EQUAL 0)
  message(FATAL_ERROR "${COMPILER} compiled ${SOURCE}: its record layout went unnoticed")
endif()
string(FIND "${complaints}${output}" "${EXPECTED}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${COMPILER} refused ${SOURCE}, but not for the record's layout "
    "(\"${EXPECTED}\" missing):\n${complaints}${output}")
endif()
