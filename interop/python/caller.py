"""The kit from Python: c_w1 by reference through ctypes.byref, a ctypes Structure for the
record, and module Foo on the run-time, its variable I through in_dll.

python3 caller.py LIBDIR [ARGS...]: LIBDIR holds the kit's shared libraries.
"""
import ctypes
import os
import sys

libdir = sys.argv[1]
# libgreetmod.so finds libpascalrt.so beside itself; loading it first, by its path, gives
# this program the run-time's own calls too, from the one copy of it in the process.
pascalrt = ctypes.CDLL(os.path.join(libdir, "libpascalrt.so"))
refdemo = ctypes.CDLL(os.path.join(libdir, "librefdemo.so"))
foo = ctypes.CDLL(os.path.join(libdir, "libgreetmod.so"))
libc = ctypes.CDLL(None, use_errno=True)


class CRecord(ctypes.Structure):
    _fields_ = [("c_i", ctypes.c_int32), ("c_d", ctypes.c_double)]


for function in (refdemo.c_world, refdemo.c_w1, foo.init_Foo, foo.Helloworld, foo.Hello,
                 pascalrt._p_initialize, pascalrt._p_finalize):
    function.restype = None
refdemo.c_w1.argtypes = [ctypes.POINTER(ctypes.c_int32), ctypes.POINTER(ctypes.c_double),
                         ctypes.POINTER(CRecord)]
foo.Hello.argtypes = [ctypes.POINTER(ctypes.c_int32)]
pascalrt._p_initialize.argtypes = [ctypes.c_int32, ctypes.POINTER(ctypes.c_char_p),
                                   ctypes.POINTER(ctypes.c_char_p)]
I = ctypes.c_int32.in_dll(foo, "I")


def write_failed(cause):
    """A failed write of standard output, in one line as the kit's run-time says it; what
    the buffers still hold is dropped, not written again at exit."""
    sys.stderr.write(f"caller: write error: {os.strerror(cause)}\n")
    sys.stderr.flush()
    os._exit(1)


def report(kind, error, trace):
    if issubclass(kind, OSError) and error.errno:
        write_failed(error.errno)
    sys.__excepthook__(kind, error, trace)


sys.excepthook = report


def kit_done():
    """print and the kit have buffers of their own: each is flushed before the other writes."""
    if libc.fflush(None) != 0:
        write_failed(ctypes.get_errno())


def python_done():
    sys.stdout.flush()


# The run-time keeps the vector it is handed: it lives as long as the program.
argv = (ctypes.c_char_p * (len(sys.argv) + 1))(*[a.encode() for a in sys.argv], None)
envp = (ctypes.c_char_p * 1)(None)
pascalrt._p_initialize(len(sys.argv), argv, envp)

int_value = ctypes.c_int32(3)
real_value = ctypes.c_double(7.23)
record = CRecord(21, 87.234)
refdemo.c_world()
refdemo.c_w1(ctypes.byref(int_value), ctypes.byref(real_value), ctypes.byref(record))
kit_done()
print(f"left behind: {int_value.value} {real_value.value:.4f} {record.c_i} {record.c_d:.4f}")

foo.init_Foo()
foo.init_Foo()
i_before = I.value
print(f"I before: {i_before}")
python_done()
x = ctypes.c_int32(0)
foo.Helloworld()
foo.Hello(ctypes.byref(x))
foo.Hello(ctypes.byref(I))
kit_done()
print(f"x = {x.value}, I = {I.value}")
python_done()
pascalrt._p_finalize()

if (int_value.value, real_value.value, record.c_i, record.c_d, x.value, i_before,
        I.value) != (56, 3.1415, 42, 1.2345, 99, 0, 99):
    sys.exit("caller: a value left behind is wrong")
