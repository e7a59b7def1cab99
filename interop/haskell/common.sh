# shellcheck shell=sh disable=SC2034,SC2154
# Shared by routines and module-foo, which set source and prefix and use the rest.
# GHC compiles the Haskell for GHC's shared libraries (-dynamic), position-independent, so
# that one object goes into the archive and the shared library and a C program stays PIE
# (Debian's static Haskell libraries are not position-independent).

# haskell_object OUT KEEP HASKELL C...: compiles HASKELL (a module's foreign exports) and
# the C files of the entries, with rts.c, into one object OUT whose only global names are
# those of the comma-separated list KEEP.
haskell_object() {
  out=$1 keep=$2 haskell=$3
  shift 3
  ghc -c -O -dynamic -fPIC -Wall -Werror -outputdir . -stubdir . -I"$prefix/include" \
    "$haskell"
  objects=$(basename "${haskell%.*}").o
  # GHC 9.0's 32-bit x86 code ends the object's unwinding table with an entry whose start
  # has no relocation: ld rejects the table ("error in Foo.o(.eh_frame)") and makes no
  # .eh_frame_hdr search table for the whole program. Nothing unwinds through Haskell code.
  if ghc --info | grep -q '"target arch","ArchX86"'; then
    ${OBJCOPY:-objcopy} --remove-section .eh_frame "$objects"
  fi
  for c in "$source/rts.c" "$@"; do
    ghc -c -optc-O2 -optc-Wall -optc-Wextra -optc-Werror -optc-fPIC -I. -I"$source" \
      -I"$prefix/include" -I"$source/../../refdemo/include" \
      -I"$source/../../greetmod/include" -o "$(basename "$c" .c)_c.o" "$c"
    objects="$objects $(basename "$c" .c)_c.o"
  done
  # shellcheck disable=SC2086
  one_object "$out" "$keep" $objects
}

# GHC's shared libraries that the object needs, the RTS among them, each with its folder
# as a run path. The RTS refers to base without naming it as needed: each library stays
# needed even where the program links --as-needed.
version=$(ghc --numeric-version)
libraries=-Wl,--push-state,--no-as-needed
for package in base ghc-bignum ghc-prim rts; do
  folder=$(ghc-pkg field "$package" library-dirs --simple-output)
  for library in $(ghc-pkg field "$package" hs-libraries --simple-output); do
    libraries="$libraries -L$folder -Wl,-rpath,$folder -l$library-ghc$version"
  done
done
libraries="$libraries -Wl,--pop-state"
# GHC's run-time keeps what a library hands it (its closures, its finish at exit) until
# hs_exit, which the last library's exit handler runs: a library unloaded before then (a
# dlclose, as LuaJIT and mono do at their end) left the RTS reading unmapped memory, and
# the program died of SIGSEGV. A dlclose leaves these libraries mapped.
nodelete=-Wl,-z,nodelete
