# c_w1 and c_world in Python, for C callers. cffi's embedding mode (embed.py) compiles the C
# entries; on the first call one of them starts an interpreter and runs this file, then
# calls the function that it names. The references are cffi pointers into the caller's
# storage: each read and store goes to that storage at once, in the order written, so a
# record's own field handed as i or d shows each store. The lines go through the C
# library's printf, which formats the doubles as %lf does and keeps the lines on the
# caller's stdout; its variadic arguments are cdata of the types that printf reads.
from _linkkit_routines import ffi, lib


def print_numbers(form, integer, real):
    lib.printf(form, ffi.cast("int", integer), ffi.cast("double", real))


@ffi.def_extern("python_c_world")
def c_world():
    lib.printf(b"\nHello World from C\n")


@ffi.def_extern("python_c_w1")
def c_w1(i, d, r):
    lib.printf(b"Now in function c_w1\n")
    print_numbers(b"Hello again from C i = %i\n%lfXXX\n", i[0], d[0])
    i[0] = 56
    d[0] = 3.1415
    print_numbers(b"My record c_i = %i, c_d = %lf\n", r.c_i, r.c_d)
    r.c_i = 42
    r.c_d = 1.2345
    print_numbers(b"My record changed to c_i = %i, c_d = %lf\n", r.c_i, r.c_d)
    lib.printf(b"Leaving C\n")
