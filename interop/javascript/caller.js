// The kit from Node.js through koffi: c_w1 by reference with _Inout_ pointers (a one-element
// array for a number, an object for the record), and module Foo on the run-time, its
// variable I through a typed array laid over the C variable.
//
// node caller.js LIBDIR [ARGS...]: LIBDIR holds the kit's shared libraries.
'use strict';
const path = require('path');
const koffi = require('koffi');

const libdir = process.argv[2];
// libgreetmod.so finds libpascalrt.so beside itself; loading it first, by its path, gives
// this program the run-time's own calls too, from the one copy of it in the process.
const pascalrt = koffi.load(path.join(libdir, 'libpascalrt.so'));
const refdemo = koffi.load(path.join(libdir, 'librefdemo.so'));
const foo = koffi.load(path.join(libdir, 'libgreetmod.so'));
const libc = koffi.load('libc.so.6');

koffi.struct('c_record', { c_i: 'int32_t', c_d: 'double' });
const c_world = refdemo.func('void c_world(void)');
const c_w1 = refdemo.func(
    'void c_w1(_Inout_ int32_t *i, _Inout_ double *d, _Inout_ c_record *r)');
const p_initialize = pascalrt.func('void _p_initialize(int32_t argc, char **argv, char **envp)');
const p_finalize = pascalrt.func('void _p_finalize(void)');
const init_Foo = foo.func('void init_Foo(void)');
const Helloworld = foo.func('void Helloworld(void)');
const Hello = foo.func('void Hello(_Inout_ int32_t *x)');
// A typed array hands koffi its own memory; this one's memory is module Foo's I.
const I = new Int32Array(koffi.view(foo.symbol('I', 'int32_t'), koffi.sizeof('int32_t')));
const fflush = libc.func('int fflush(void *stream)');

// console.log writes to a pipe at once; the kit's lines wait in the C library's stdout
// buffer, which must be flushed before JavaScript writes again.
function kitDone() {
  fflush(null);
}

// Node hands a program no C argument vector; the run-time then names the program itself.
p_initialize(0, null, null);
const intValue = [3];
const realValue = [7.23];
const record = { c_i: 21, c_d: 87.234 };
c_world();
c_w1(intValue, realValue, record);
kitDone();
console.log(`left behind: ${intValue[0]} ${realValue[0].toFixed(4)} ${record.c_i} ` +
            `${record.c_d.toFixed(4)}`);

init_Foo();
init_Foo();
const iBefore = I[0];
console.log(`I before: ${iBefore}`);
const x = new Int32Array([0]);
Helloworld();
Hello(x);
Hello(I);
kitDone();
console.log(`x = ${x[0]}, I = ${I[0]}`);
p_finalize();

if (intValue[0] !== 56 || realValue[0] !== 3.1415 || record.c_i !== 42 ||
    record.c_d !== 1.2345 || x[0] !== 99 || iBefore !== 0 || I[0] !== 99) {
  console.error('caller: a value left behind is wrong');
  process.exitCode = 1;
}
