# Builds the consumer with the C compiler and pkg-config alone, against the installed kit,
# then runs it. cmake -D CC=... -D CFLAGS=... -D PREFIX=... -D SOURCE=... -D BINARY=...
#   -D GOLDEN=... -P pkgconfig_consumer.cmake
include(${CMAKE_CURRENT_LIST_DIR}/compare.cmake)
set(ENV{PKG_CONFIG_PATH} ${PREFIX}/lib/pkgconfig)
execute_process(COMMAND pkg-config --cflags --libs refdemo greetmod
  OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
separate_arguments(flags UNIX_COMMAND "${flags}")
separate_arguments(cflags UNIX_COMMAND "${CFLAGS}")
execute_process(COMMAND ${CC} ${cflags} -o ${BINARY} ${SOURCE} ${flags}
  COMMAND_ERROR_IS_FATAL ANY)
expect_output(${BINARY} ${GOLDEN})
