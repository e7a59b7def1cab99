## The kit from Nim: c_w1 by reference through var parameters, the record as refdemo.h's
## own c_record, and module Foo on the run-time, its variable I imported from foo.h.
import std/[os, strformat]

type CRecord {.importc: "c_record", header: "refdemo.h".} = object
  c_i: int32
  c_d: float64

{.push importc, cdecl.}
proc c_world() {.header: "refdemo.h".}
proc c_w1(i: var int32, d: var float64, r: var CRecord) {.header: "refdemo.h".}
proc init_Foo() {.header: "foo.h".}
proc Helloworld() {.header: "foo.h".}
proc Hello(x: var int32) {.header: "foo.h".}
var I {.header: "foo.h".}: int32
{.pop.}
proc p_initialize(argc: int32, argv, envp: cstringArray) {.importc: "_p_initialize",
    header: "pascalrt.h", cdecl.}
proc p_finalize() {.importc: "_p_finalize", header: "pascalrt.h", cdecl.}

proc puts(text: cstring): cint {.importc, header: "<stdio.h>".}
proc fflush(stream: File): cint {.importc, header: "<stdio.h>".}
proc strerror(error: cint): cstring {.importc, header: "<string.h>".}
proc quit_at_once(status: cint) {.importc: "_exit", header: "<unistd.h>".}
var errno {.importc, header: "<errno.h>".}: cint

# A failed write of standard output, in one line as the kit's run-time says it; what the
# buffer still holds is dropped, not written again at exit.
proc writeFailed() =
  let cause = $strerror(errno)
  stderr.write "caller: write error: " & cause & "\n"
  stderr.flushFile
  quit_at_once(1)

# echo writes through the C library's stdout, the kit's own stream, but flushes it without
# looking at the result: each line goes there with puts, and the flush is checked.
proc say(line: string) =
  if puts(line) < 0 or fflush(nil) != 0:
    writeFailed()

# The run-time keeps the vector it is handed: it is never freed.
let args = allocCStringArray(@[paramStr(0)] & commandLineParams())
p_initialize(int32(paramCount() + 1), args, nil)

var
  intValue = 3'i32
  realValue = 7.23
  record = CRecord(c_i: 21, c_d: 87.234)
c_world()
c_w1(intValue, realValue, record)
say &"left behind: {intValue} {realValue:.4f} {record.c_i} {record.c_d:.4f}"

init_Foo()
init_Foo()
let iBefore = I
say &"I before: {iBefore}"
var x = 0'i32
Helloworld()
Hello(x)
Hello(I)
say &"x = {x}, I = {I}"
p_finalize()

if intValue != 56 or realValue != 3.1415 or record.c_i != 42 or record.c_d != 1.2345 or
    x != 99 or iBefore != 0 or I != 99:
  stderr.writeLine "caller: a value left behind is wrong"
  quit 1
