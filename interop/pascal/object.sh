# shellcheck shell=sh disable=SC2086 # moves and names hold several options
# Sourced by the routines and module-foo scripts, with OBJDUMP, READELF and OBJCOPY.

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
