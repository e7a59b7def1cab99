# shellcheck shell=sh disable=SC2034,SC2086,SC2154
# CFLAGS holds several flags; the scripts that source this set source and use the rest.
# Shared by routines and module-foo: compiles COBOL for a C caller. cobc generates C and
# compiles it with CC and CFLAGS (-m32 for 32-bit x86); Debian's 32-bit libcob
# (libcob4:i386) has no libcob.so, so libcob is named by its file.
export COB_CC="${CC:-gcc}"
libcob=-l:libcob.so.4

# cobol_object OBJECT SOURCE [cobc arguments]: position-independent, so that the same
# object goes into the archive and the shared library. start.c starts the run-time at load;
# -fimplicit-init starts it in the first program called should another library's
# constructor call one before that. Calls are made through the prototypes of the
# headers included, not through declarations of cobc's own. Every BY REFERENCE argument is
# an unsigned char * to cobc, and a literal ends in the x"00" that the COBOL adds.
cobol_object() {
  object=$1 cobol=$2
  shift 2
  cobc -c -O2 -free -Wall -Werror -fimplicit-init -fno-gen-c-decl-static-call \
    -A "$CFLAGS -fPIC -Werror -Wno-incompatible-pointer-types -Wno-format-contains-nul" \
    "$@" -o "$object" "$cobol"
}

# start_object OBJECT: the run-time's start and finish (start.c).
start_object() {
  ${CC:-cc} $CFLAGS -c -O2 -fPIC -Wall -Wextra -Werror -o "$1" "$source/start.c"
}

