# Warnings for the kit's own targets, as errors.
function(linkkit_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow -Wcast-qual
    -Wformat=2 -Wundef -Wmissing-declarations -Wwrite-strings -Wvla
    $<$<COMPILE_LANGUAGE:CXX>:-Wold-style-cast -Wuseless-cast -Wzero-as-null-pointer-constant>
    $<$<COMPILE_LANGUAGE:C>:-Wstrict-prototypes -Wmissing-prototypes>)
  set_target_properties(${target} PROPERTIES COMPILE_WARNING_AS_ERROR ON)
endfunction()

# The kit's C++ sources use no part of the C++ library, and their programs and libraries
# are linked by the C driver, so they need the C library alone.
function(linkkit_plain_c_abi target)
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions -fno-rtti -fno-threadsafe-statics>)
  get_target_property(type ${target} TYPE)
  if(NOT type STREQUAL "OBJECT_LIBRARY" AND NOT type STREQUAL "STATIC_LIBRARY")
    set_target_properties(${target} PROPERTIES LINKER_LANGUAGE C)
  endif()
endfunction()
