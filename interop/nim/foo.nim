# Module Foo in Nim, on the kit's run-time: the run-time's names come from its header, and
# _p_Internal_Write is called as the variadic C function it is.

type PascalrtFile {.importc: "pascalrt_file", header: "pascalrt.h".} = object

var pOutput {.importc: "_p_Output", header: "pascalrt.h".}: PascalrtFile
var pInOutRes {.importc: "_p_InOutRes", header: "pascalrt.h".}: int32

proc internalWrite(file: ptr PascalrtFile, flags, count: int32) {.importc: "_p_Internal_Write",
    header: "pascalrt.h", varargs.}
proc checkInOutRes() {.importc: "_p_CheckInOutRes", header: "pascalrt.h".}

const
  writePlain = 784'i32
  itemText = 17'i32
  itemLineEnd = 22'i32

# No initial value: a zero-filled C variable, not one that NimMain would set.
var I {.exportc: "I", dynlib.}: int32

var initialised: uint8

# A constant string handed as a cstring is a C literal: read-only, with its zero byte
# beyond the length.
proc writeLine(text: cstring, length: int32) =
  internalWrite(addr pOutput, writePlain, 2'i32, itemText, text, length, itemLineEnd)
  if pInOutRes != 0:
    checkInOutRes()

proc Helloworld() {.exportc: "Helloworld", dynlib, cdecl.} =
  const text = "Hello world in Pascal"
  writeLine(text, text.len)

# The store comes after the write and its check.
proc Hello(x: ptr int32) {.exportc: "Hello", dynlib, cdecl.} =
  const text = "Hello1"
  writeLine(text, text.len)
  x[] = 99

proc init_Foo() {.exportc: "init_Foo", dynlib, cdecl.} =
  if initialised == 0:
    initialised = 1

include start
