# shellcheck shell=sh disable=SC2086 # CFLAGS holds several options
# Sourced by the languages' routines and module-foo scripts, with CC, CFLAGS and OBJCOPY:
# a module whose language brings code and names of its own shows C its contract's names alone.

# keep_global OBJECT NAMES: makes every global name of OBJECT local but the comma-separated
# NAMES. i386's position-independent code calls thunks of a group that the linker keeps
# once per program: they stay global (and hidden), lest a call reach a discarded copy.
keep_global() {
  keep="--wildcard --keep-global-symbol=__x86.get_pc_thunk.*"
  for name in $(echo "$2" | tr , ' '); do keep="$keep --keep-global-symbol=$name"; done
  ${OBJCOPY:-objcopy} $keep "$1"
}

# one_object OUT NAMES INPUT...: the INPUTs (objects, or archives whose members all count)
# linked into one relocatable object OUT, common symbols given their space, whose only
# global names are NAMES.
one_object() {
  out=$1 names=$2
  shift 2
  ${CC:-cc} $CFLAGS -r -nostdlib -Wl,-d -o "$out" -Wl,--whole-archive "$@" -Wl,--no-whole-archive
  keep_global "$out" "$names"
}
