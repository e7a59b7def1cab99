# cmake -D READELF=... -D PROGRAM=... -P fully_static.cmake: no dynamic loader, no library.
execute_process(COMMAND ${READELF} -l -d ${PROGRAM} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
if(dump MATCHES "INTERP|NEEDED")
  message(FATAL_ERROR "${PROGRAM} is linked dynamically:\n${dump}")
endif()
