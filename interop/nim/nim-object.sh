# shellcheck shell=sh disable=SC2086 # CFLAGS holds several options
# Sourced by routines and module-foo, with CC and CFLAGS, in WORKDIR, after target.sh.

# nim_object OUT SOURCE NAME...: SOURCE and the parts of Nim's library that it uses,
# compiled by CC for its target (as build finds it) into one relocatable object, in which
# only the NAMEs stay global: Nim's own names are the object's affair. Memory is managed by
# ARC (no collector to start or stop), and Nim installs no signal handlers of its own: a
# library must leave the C program's signals alone. For Windows (CC a MinGW-w64 compiler)
# the C library's printf is MinGW's own, the one that the kit's C++ code prints with.
nim_object() {
  out=$1 nim_source=$2
  shift 2
  cpu=$(nim_cpu) cc=gcc os='' defines=''
  [ -z "$cpu" ] || { cc=$cpu.linux.gcc; cpu=--cpu:$cpu; }
  if windows; then
    os=--os:windows cc=gcc defines=-D__USE_MINGW_ANSI_STDIO=1
  fi
  nim c --hints:off --verbosity:0 $cpu $os --app:staticlib --noMain \
    -d:release --mm:arc -d:noSignalHandler --$cc.exe:"${CC:-gcc}" \
    --$cc.linkerexe:"${CC:-gcc}" --nimcache:nimcache \
    --passC:"$CFLAGS $defines -fPIC -I${prefix:-.}/include" -o:"$out.a" "$nim_source" >&2
  names=$(echo "$@" | tr ' ' ,)
  one_object "$out" "$names" "$out.a"
}
