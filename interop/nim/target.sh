# shellcheck shell=sh disable=SC2086 # CFLAGS holds several options
# Sourced by build, routines and module-foo, with CC and CFLAGS.

# nim_cpu: prints Nim's name of the processor that CC and CFLAGS build for (nothing for the
# host's), which Nim's own code must know: the C compiler names it, in quotes, which keep it
# from being a macro (i386 and mips are).
nim_cpu() {
  ${CC:-cc} $CFLAGS -E -P - <<'EOF' | tail -n 1 | tr -d '"'
#if defined(__i386__)
"i386"
#elif defined(__aarch64__)
"arm64"
#elif defined(__arm__)
"arm"
#elif defined(__riscv)
"riscv64"
#elif defined(__powerpc64__) && defined(__LITTLE_ENDIAN__)
"powerpc64el"
#elif defined(__powerpc64__)
"powerpc64"
#elif defined(__powerpc__)
"powerpc"
#elif defined(__mips__) && _MIPS_SIM == _ABI64 && defined(__MIPSEL__)
"mips64el"
#elif defined(__mips__) && _MIPS_SIM == _ABI64
"mips64"
#elif defined(__mips__) && _MIPS_SIM == _ABIO32 && defined(__MIPSEL__)
"mipsel"
#elif defined(__mips__) && _MIPS_SIM == _ABIO32
"mips"
#elif defined(__sparc__) && defined(__arch64__)
"sparc64"
#elif defined(__m68k__)
"m68k"
#elif defined(__hppa__)
"hppa"
#endif
EOF
}
