# c_w1 and c_world in Nim, for C callers. The three references may name overlapping
# storage (a record's own c_i handed as i): they are pointers, read and written in the
# order of the stores. printf, the C library's own, prints each line and each double as %lf.

type CRecord {.bycopy.} = object
  c_i: int32
  c_d: float64

proc printf(format: cstring) {.importc, header: "<stdio.h>", varargs.}

proc c_world() {.exportc, dynlib, cdecl.} =
  printf("\nHello World from C\n")

proc c_w1(i: ptr int32, d: ptr float64, r: ptr CRecord) {.exportc, dynlib, cdecl.} =
  printf("Now in function c_w1\n")
  printf("Hello again from C i = %i\n%lfXXX\n", i[], d[])
  i[] = 56
  d[] = 3.1415
  printf("My record c_i = %i, c_d = %lf\n", r.c_i, r.c_d)
  r.c_i = 42
  r.c_d = 1.2345
  printf("My record changed to c_i = %i, c_d = %lf\n", r.c_i, r.c_d)
  printf("Leaving C\n")

include start
