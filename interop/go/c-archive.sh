# shellcheck shell=sh disable=SC2086 # CFLAGS holds several options
# Sourced by routines and module-foo, with CC and CFLAGS, in WORKDIR, after target.sh.

# c_archive NAME FILE...: NAME.a, Go's C archive of the files, for the C compiler's target
# (GOARCH as build finds it). Go's run-time starts from the archive's constructor, at load.
c_archive() {
  name=$1
  shift
  go_target
  # cgo's own glue declares a variable that it leaves unused in a call without arguments.
  CC="${CC:-cc} $CFLAGS" CGO_ENABLED=1 \
    CGO_CFLAGS="-O2 -Wall -Werror -Wno-unused-variable -I${prefix:-.}/include" \
    go build -buildmode=c-archive -o "$name.a" "$@"
}
