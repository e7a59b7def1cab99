# Fully static programs against musl (Debian: musl-tools). musl-tools has no C++ library
# or headers; the kit's C++ sources include C headers only, so g++ compiles them against
# musl's headers through musl-gcc's own specs, and the C driver links them.
#
# musl's static start-up applies no RELRO (only a dynamic loader would), so the RELRO
# segment's page alignment would buy nothing but padding; a separate code segment would
# pad too. The stack protector, which musl supports, stays.
set(musl_specs /usr/lib/x86_64-linux-musl/musl-gcc.specs)
set(CMAKE_C_COMPILER musl-gcc)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_C_FLAGS_INIT "-fstack-protector-strong")
set(CMAKE_CXX_FLAGS_INIT "-specs ${musl_specs} -nostdinc++ -fstack-protector-strong")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,-z,norelro -Wl,-z,noseparate-code")
