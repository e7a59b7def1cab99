# Module Foo in Python, on the kit's run-time. cffi's embedding mode (embed.py) compiles
# the C entries; on the first call one of them starts an interpreter and runs this file.
# Python defines no variable that C can name and keeps its texts in writable objects: I
# and the two texts, read-only with their zero byte, are C's. Each line is the seven-
# argument write, its variadic arguments cdata of the types the run-time reads, then the
# check of the pending I/O result, read from the run-time's variable at that moment.
from _linkkit_foo import ffi, lib

WRITE_PLAIN = 784
ITEM_TEXT = 17
ITEM_LINE_END = 22


def write_line(text, length):
    lib._p_Internal_Write(ffi.addressof(lib, "_p_Output"), WRITE_PLAIN, 2,
                          ffi.cast("int32_t", ITEM_TEXT), ffi.cast("const char *", text),
                          ffi.cast("int32_t", length), ffi.cast("int32_t", ITEM_LINE_END))
    if lib._p_InOutRes != 0:
        lib._p_CheckInOutRes()


@ffi.def_extern("python_Helloworld")
def Helloworld():
    write_line(lib.hello_world, 21)


@ffi.def_extern("python_Hello")
def Hello(x):
    write_line(lib.hello1, 6)
    x[0] = 99


initialised = False


@ffi.def_extern("python_init_Foo")
def init_Foo():
    global initialised
    if not initialised:
        initialised = True
