# shellcheck shell=sh disable=SC2086 # CFLAGS holds several options
# Sourced by build and c-archive.sh, with CC and CFLAGS.

# go_target: exports GOARCH (and GOARM) for the processor that CC and CFLAGS build for, and
# GOOS=windows for a MinGW-w64 compiler; cgo builds for the C compiler's target. The C
# compiler names Go's processor, in quotes, which keep it from being a macro (mips is), and
# its floating point where Go must be told (GOARM=5: ARM EABI without a floating-point
# unit, as Debian's armel).
go_target() {
  arch=$(${CC:-cc} $CFLAGS -E -P - <<'EOF' | tail -n 1 | tr -d '"'
#if defined(__i386__)
"386"
#elif defined(__aarch64__)
"arm64"
#elif defined(__arm__) && defined(__SOFTFP__)
"arm 5"
#elif defined(__arm__)
"arm"
#elif defined(__riscv)
"riscv64"
#elif defined(__powerpc64__) && defined(__LITTLE_ENDIAN__)
"ppc64le"
#elif defined(__s390x__)
"s390x"
#elif defined(__mips__) && _MIPS_SIM == _ABI64 && defined(__MIPSEL__)
"mips64le"
#elif defined(__mips__) && _MIPS_SIM == _ABI64
"mips64"
#elif defined(__mips__) && _MIPS_SIM == _ABIO32 && defined(__MIPSEL__)
"mipsle"
#elif defined(__mips__) && _MIPS_SIM == _ABIO32
"mips"
#endif
EOF
  )
  if [ -n "$arch" ]; then
    export GOARCH="${arch% *}"
    [ "$arch" = "$GOARCH" ] || export GOARM="${arch#* }"
  fi
  case $(${CC:-cc} -dumpmachine) in
  *-mingw32) export GOOS=windows ;;
  esac
}
