# shellcheck shell=sh disable=SC2034,SC2154
# Shared by routines and module-foo, which set source and prefix and use the rest.

# ocaml_object OUT KEEP ML C...: compiles ML with OCaml's run-time (position-independent,
# -output-complete-obj) and the C files, with rt.c, into one object OUT whose only global
# names are those of the comma-separated list KEEP: the run-time's own names are local, so
# that each library has its run-time and two OCaml libraries can share a program.
ocaml_object() {
  out=$1 keep=$2 ml=$3
  shift 3
  cp "$ml" .
  ocamlfind ocamlopt -w +a-4-70 -warn-error +a -package bigarray -output-complete-obj \
    -runtime-variant _pic -o ocaml_part.o "$(basename "$ml")"
  where=$(ocamlfind ocamlc -where)
  objects=ocaml_part.o
  for c in "$source/rt.c" "$@"; do
    ${CC:-cc} -c -O2 -fPIC -Wall -Wextra -Werror -I"$where" -I"$source" -I"$prefix/include" \
      -I"$source/../../refdemo/include" -I"$source/../../greetmod/include" \
      -o "$(basename "$c" .c)_c.o" "$c"
    objects="$objects $(basename "$c" .c)_c.o"
  done
  # shellcheck disable=SC2086
  one_object "$out" "$keep" $objects
}

# What OCaml's run-time takes from the C program beside the C library.
libraries="-lm -ldl"
