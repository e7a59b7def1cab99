# shellcheck shell=sh disable=SC2086 # moves holds several options
# Sourced by the routines and module-foo scripts, with OBJDUMP and OBJCOPY.

# finish_object OBJECT: what Free Pascal's object of a unit needs to show C the unit's names
# alone, with its constants read-only.
# - Free Pascal's position-independent code puts the text of its string constants in
#   writable .data.rel sections on some processors (aarch64, for one), where a program could
#   overwrite it; x86-64's goes to .rodata. Each such section that holds no relocation moves
#   to .rodata, read-only, where the linker then places it.
# - The unit's own fpc_geteipasecx (i386, pic.inc) is local to it.
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
}
