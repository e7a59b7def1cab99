# shellcheck shell=sh disable=SC2034,SC2154
# Shared by routines and module-foo, which set source and use the rest. PYTHON (python3 by
# default) generates the C with its cffi, and the library embeds that interpreter's
# libpython, found at run time through a run path.
python=${PYTHON:-python3}
config() {
  "$python" -c "import sysconfig; print(sysconfig.$1)"
}
libdir=$(config 'get_config_var("LIBDIR")')
libraries="-L$libdir -Wl,-rpath,$libdir -lpython$(config 'get_config_var("LDVERSION")')"

# python_object OUT KEEP CONTRACT SOURCE INCLUDE: writes the C that cffi's embedding mode
# makes of SOURCE (embed.py), and compiles it into the object OUT, whose only global names
# are those of the comma-separated list KEEP. cffi's generated C is held to -Wall alone.
python_object() {
  out=$1 keep=$2
  "$python" "$source/embed.py" "$3" "$4" "$3_cffi.c" >/dev/null
  ${CC:-cc} -c -O2 -fPIC -Wall -Werror -I"$(config 'get_paths()["include"]')" -I"$5" \
    -o "$out" "$3_cffi.c"
  keep_global "$out" "$keep"
}
