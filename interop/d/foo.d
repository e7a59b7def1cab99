// Module Foo in D, on the kit's run-time: the run-time's names are declared as C's, and
// _p_Internal_Write as the variadic C function it is.
module foo;

extern (C):

struct pascalrt_file {
  int descriptor;
}

extern __gshared const pascalrt_file _p_Output;
extern __gshared int _p_InOutRes;
void _p_Internal_Write(const(pascalrt_file)* file, int flags, int count, ...);
void _p_CheckInOutRes();

enum int writePlain = 784, itemText = 17, itemLineEnd = 22;

// One C variable (__gshared), not D's per-thread storage.
__gshared int I = 0;

private __gshared ubyte initialised = 0;

// A D string literal lies in read-only data and ends in a zero byte beyond its length.
private void writeLine(string text) {
  _p_Internal_Write(&_p_Output, writePlain, 2, itemText, text.ptr, cast(int) text.length,
                    itemLineEnd);
  if (_p_InOutRes != 0)
    _p_CheckInOutRes();
}

void Helloworld() {
  writeLine("Hello world in Pascal");
}

// The store comes after the write and its check.
void Hello(int* x) {
  writeLine("Hello1");
  *x = 99;
}

void init_Foo() {
  if (initialised == 0)
    initialised = 1;
}

// druntime starts when the library is loaded and finishes when it is unloaded, or at the
// process's exit: the C host calls only its own run-time and the module. The build keeps
// the two local. rt_init and rt_term count their calls, so another D library may do the
// same.
int rt_init();
int rt_term();

pragma(crt_constructor) void foo_start_druntime() {
  rt_init();
}

pragma(crt_destructor) void foo_finish_druntime() {
  rt_term();
}
