# Included by routines.nim and foo.nim: Nim's run-time (the system module's initialisation,
# NimMain) starts when the library is loaded, since the C program that calls in knows
# nothing of Nim. The build keeps the name local. On Windows the system module makes stdin,
# stdout and stderr binary as it starts: the C program's own modes are put back.
proc NimMain() {.importc, cdecl.}

when defined(windows):
  proc setmode(fd, mode: cint): cint {.importc: "_setmode", header: "<io.h>".}
  var textMode {.importc: "_O_TEXT", header: "<fcntl.h>".}: cint

proc nimStartAtLoad() {.exportc: "nim_start_at_load", cdecl,
    codegenDecl: "__attribute__((constructor)) $# $#$#".} =
  when defined(windows):
    # _setmode answers with the mode that it replaces (-1 for a descriptor not open).
    var modes: array[3, cint]
    for fd in 0'i32 .. 2'i32:
      modes[fd] = setmode(fd, textMode)
      if modes[fd] != -1:
        discard setmode(fd, modes[fd])
  NimMain()
  when defined(windows):
    for fd in 0'i32 .. 2'i32:
      if modes[fd] != -1:
        discard setmode(fd, modes[fd])
