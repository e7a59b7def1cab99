# cmake -D PROGRAM=... [-D ARGS=...] -D GOLDEN=... [-D SKIP_LAYOUT_LINE=ON] -P run_and_compare.cmake
include(${CMAKE_CURRENT_LIST_DIR}/compare.cmake)
expect_output(${PROGRAM} ${GOLDEN} ${ARGS})
