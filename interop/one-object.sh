# shellcheck shell=sh disable=SC2086 # CFLAGS holds several options
# Sourced by the languages' routines and module-foo scripts, with CC, CFLAGS and OBJCOPY:
# a module whose language brings code and names of its own shows C its contract's names
# alone; and the library's shared form for CC's target, Windows's among them.

# keep_global OBJECT NAMES: makes every global name of OBJECT local but the comma-separated
# NAMES. i386's position-independent code calls thunks of a group that the linker keeps
# once per program: they stay global (and hidden), lest a call reach a discarded copy.
# For Windows: 64-bit code reaches data through pointers (.refptr.<name>) in sections that
# the linker keeps once per program by their name: the object's become sections of its
# own, lest another object's copy be dropped for one whose name it can no longer reach.
# And the object's own export directives (.drectve) go: a DLL made of it exports its
# global names, the NAMES alone.
keep_global() {
  keep="--wildcard --keep-global-symbol=__x86.get_pc_thunk.*"
  c=$(c_prefix)
  for name in $(echo "$2" | tr , ' '); do keep="$keep --keep-global-symbol=$c$name"; done
  ! windows || keep="$keep --set-section-flags .rdata\$.refptr.*=alloc,load,readonly,data,contents
    --remove-section .drectve"
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

# windows: whether CC builds for Windows (a MinGW-w64 compiler).
windows() {
  case $(${CC:-cc} -dumpmachine) in
  *-mingw32) return 0 ;;
  esac
  return 1
}

# shared_library NAME NAMES ARGUMENT...: the shared form of libNAME, linked by CC from the
# ARGUMENTs (objects, then what they need), every name resolved: libNAME.so, or for
# Windows the DLL libNAME.dll, whose link leaves no name open anyway. The DLL exports the
# comma-separated NAMES alone, as its module-definition file libNAME.def lists them (the
# linker would also export its own helpers of data imported from another DLL), and holds
# GCC's support library, so that it needs no DLL that Windows lacks.
shared_library() {
  name=$1 exports=$2
  shift 2
  if windows; then
    { echo EXPORTS; echo "$exports" | tr , '\n'; } >"lib$name.def"
    ${CC:-cc} $CFLAGS -shared -static-libgcc -o "lib$name.dll" "lib$name.def" "$@"
  else
    ${CC:-cc} $CFLAGS -shared -Wl,-z,defs -Wl,-soname,"lib$name.so" -o "lib$name.so" "$@"
  fi
}

# mingw_printf OBJECT: for Windows, OBJECT's calls of the C library's printf go to MinGW's
# own printf, the one that the kit's C++ code prints with (g++ chooses it), so that its
# doubles come out as the kit's do, whatever msvcrt.dll's printf would make of them.
mingw_printf() {
  if windows; then
    c=$(c_prefix)
    ${OBJCOPY:-objcopy} --redefine-sym "${c}printf=${c}__mingw_printf" "$1"
  fi
}

# c_prefix: what the object files of CC's target put before a C name: an underscore for
# 32-bit Windows, nothing elsewhere.
c_prefix() {
  if windows && [ "$(printf '__SIZEOF_POINTER__\n' | ${CC:-cc} $CFLAGS -E -P - | tail -n 1)" = 4 ]
  then
    echo _
  fi
}
