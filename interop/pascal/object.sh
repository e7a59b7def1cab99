# shellcheck shell=sh disable=SC2086 # moves and names hold several options
# Sourced by the routines and module-foo scripts, after ../one-object.sh, in WORKDIR, with
# CC, OBJDUMP, READELF and OBJCOPY.

# compile_unit SOURCE OUTDIR [OPTION...]: Free Pascal's object of the unit SOURCE in OUTDIR,
# finished for C programs, for CC's target. For Windows (CC a MinGW-w64 compiler) the units
# that it uses come from ./units (windows_units), and GNU as of the MinGW-w64 toolchain
# assembles: Free Pascal's own assembler ties each routine to its unwinding data by a
# relocation of no size, which MinGW's linker refuses in a DLL ("0-bit reloc in dll").
compile_unit() {
  unit=$1 out=$2
  shift 2
  mkdir -p "$out"
  if windows; then
    windows_units
    fpc -P$cpu -T$os -n -O2 -v0w -Sew -Aas -XP"$machine-" -Fuunits -FU"$out" "$@" "$unit" >&2
    # Its sections of constants (.rodata.<name>) GNU as makes writable, and the linker
    # would keep each apart: they join .rdata, read-only.
    object=$out/$(basename "$unit" .pas).o
    moves=$(${OBJDUMP:-objdump} -h "$object" | awk '$2 ~ /^\.rodata\./ {
      print "--rename-section " $2 "=.rdata$" substr($2, 9) ",alloc,load,readonly,data,contents"
    }')
    [ -z "$moves" ] || ${OBJCOPY:-objcopy} $moves "$object"
  else
    fpc -O2 -Cg -v0w -Sew -FU"$out" "$@" "$unit" >&2
    finish_object "$out/$(basename "$unit" .pas).o"
  fi
}

# windows_units: the Windows units that the kit's units use (system, objpas, ctypes), built
# once into ./units from Debian's Free Pascal sources (fpc-source), since Debian packages
# them for Linux alone; sets machine, cpu and os for CC's target.
windows_units() {
  machine=$(${CC:-cc} -dumpmachine)
  case $machine in
  x86_64-*) cpu=x86_64 os=win64 ;;
  *) cpu=i386 os=win32 ;;
  esac
  [ ! -f units/ctypes.ppu ] || return 0
  rtl=/usr/share/fpcsrc/$(fpc -iV)/rtl
  mkdir -p units
  # The system unit first, with the options that only it takes. Its sources turn their own
  # warnings on: the compiler's words go to a log, shown where it fails.
  system="-Us -Sg"
  for rtl_unit in "$os/system.pp" objpas/objpas.pp inc/ctypes.pp; do
    fpc -P$cpu -T$os -n -v0 $system -FEunits -Fuunits -Fi"$rtl/inc" -Fi"$rtl/$cpu" \
      -Fi"$rtl/win" -Fi"$rtl/$os" -Fi"$rtl/objpas" "$rtl/$rtl_unit" >units/fpc.log ||
      { cat units/fpc.log >&2; return 1; }
    system=
  done
}

# finish_object OBJECT: what Free Pascal's object of a unit needs for C programs, which see
# the unit's public names alone, and its constants read-only.
# - Free Pascal's position-independent code puts the text of its string constants in
#   writable .data.rel sections on some processors (aarch64, ppc64el), where a program could
#   overwrite it; x86-64's goes to .rodata. Each such section that holds no relocation moves
#   to .rodata, read-only, where the linker then places it.
# - The unit's own fpc_geteipasecx (i386, pic.inc) is local to it.
# - On 64-bit POWER a routine sets up its table of contents from its own address, which a
#   call from the same program does not give: such a call enters past that set-up, at the
#   local entry point that the symbol carries. Free Pascal gives it to a routine's own
#   (decorated) name alone, not to its public name: the public name gives way to the
#   decorated one, which takes its place.
finish_object() {
  # objdump -h gives a section's number and name on one line, its flags on the next.
  moves=$(${OBJDUMP:-objdump} -h "$1" | awk '
    /^ *[0-9]+ / { name = $2; next }
    name ~ /^\.data\.rel\.n__\$.*\$_Ld[0-9]+$/ && !/RELOC/ {
      print "--rename-section " name "=.rodata." substr(name, 11) \
        ",alloc,load,readonly,data,contents"
    }
    { name = "" }')
  ${OBJCOPY:-objcopy} --localize-symbol=fpc_geteipasecx $moves "$1"
  # A global routine with a local entry point and a global routine without one at the same
  # place: "public-name decorated-name".
  names=$(${READELF:-readelf} -sW "$1" | awk '
    $4 == "FUNC" && $5 == "GLOBAL" {
      at = $(NF - 1) " " $2
      if ($7 == "[<localentry>:") entry[at] = $NF; else public[at] = $NF
    }
    END { for (at in entry) if (at in public) print public[at], entry[at] }')
  if [ -n "$names" ]; then
    # shellcheck disable=SC2046
    ${OBJCOPY:-objcopy} $(echo "$names" | awk '{ print "--strip-symbol=" $1 }') "$1"
    # shellcheck disable=SC2046
    ${OBJCOPY:-objcopy} $(echo "$names" | awk '{ print "--redefine-sym=" $2 "=" $1 }') "$1"
  fi
}
