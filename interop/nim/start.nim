# Included by routines.nim and foo.nim: Nim's run-time (the system module's initialisation,
# NimMain) starts when the library is loaded, since the C program that calls in knows
# nothing of Nim. The build keeps the name local.
proc NimMain() {.importc, cdecl.}

proc nimStartAtLoad() {.exportc: "nim_start_at_load", cdecl,
    codegenDecl: "__attribute__((constructor)) $# $#$#".} =
  NimMain()
