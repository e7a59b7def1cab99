# What the kit's own targets are built with; linkkit_target applies all of it.

# Warnings, as errors.
function(linkkit_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow -Wcast-qual
    -Wformat=2 -Wundef -Wmissing-declarations -Wwrite-strings -Wvla
    $<$<COMPILE_LANGUAGE:CXX>:-Wold-style-cast -Wzero-as-null-pointer-constant>
    $<$<COMPILE_LANG_AND_ID:CXX,GNU>:-Wuseless-cast> # gcc alone has it
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

function(linkkit_sanitize target)
  if(LINKKIT_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined
      -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# What dpkg-buildflags gives a Debian package with hardening=+all; PIE is the compiler's default.
function(linkkit_harden target)
  if(LINKKIT_HARDEN)
    target_compile_options(${target} PRIVATE -fstack-protector-strong)
    target_compile_definitions(${target} PRIVATE _FORTIFY_SOURCE=2)
    target_link_options(${target} PRIVATE -Wl,-z,relro -Wl,-z,now -Wl,-z,noexecstack)
  endif()
endfunction()

# What every target of the kit itself gets.
function(linkkit_target target)
  target_compile_features(${target} PRIVATE cxx_std_17)
  linkkit_warnings(${target})
  linkkit_plain_c_abi(${target})
  linkkit_sanitize(${target})
  linkkit_harden(${target})
  if(WIN32)
    # Nothing beside the program but what Windows itself has.
    target_link_options(${target} PRIVATE -static-libgcc)
  endif()
endfunction()
