# shellcheck shell=sh disable=SC2086 # CFLAGS holds several options
# Sourced by routines and module-foo, with CC and CFLAGS, in WORKDIR.

# c_archive NAME FILE...: NAME.a, Go's C archive of the files, for the C compiler's target
# (GOARCH as build finds it). Go's run-time starts from the archive's constructor, at load.
c_archive() {
  name=$1
  shift
  target() { printf '%s\n' "$1" | ${CC:-cc} $CFLAGS -E -P - | tail -n 1; }
  for arch in __i386__=386 __aarch64__=arm64 __arm__=arm __riscv=riscv64 __powerpc64__=ppc64le \
    __s390x__=s390x; do
    [ "$(target "${arch%=*}")" = "${arch%=*}" ] || export GOARCH="${arch#*=}"
  done
  case $(${CC:-cc} -dumpmachine) in
  *-mingw32) export GOOS=windows ;;
  esac
  # cgo's own glue declares a variable that it leaves unused in a call without arguments.
  CC="${CC:-cc} $CFLAGS" CGO_ENABLED=1 \
    CGO_CFLAGS="-O2 -Wall -Werror -Wno-unused-variable -I${prefix:-.}/include" \
    go build -buildmode=c-archive -o "$name.a" "$@"
}
