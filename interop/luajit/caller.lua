-- The kit from LuaJIT: c_w1 by reference through its FFI's pointers, a C struct for the
-- record, and module Foo on the run-time, its variable I as an external array of one.
--
-- luajit caller.lua LIBDIR [ARGS...]: LIBDIR holds the kit's shared libraries.
local ffi = require("ffi")

ffi.cdef [[
typedef struct c_record { int32_t c_i; double c_d; } c_record;
void c_world(void);
void c_w1(int32_t *i, double *d, c_record *r);
void _p_initialize(int32_t argc, char **argv, char **envp);
void _p_finalize(void);
void init_Foo(void);
void Helloworld(void);
void Hello(int32_t *x);
extern int32_t I[1];
]]

local libdir = arg[1]
-- libgreetmod.so finds libpascalrt.so beside itself: loading it first, by its path, gives
-- this program the run-time's own calls from the one copy of it in the process.
local pascalrt = ffi.load(libdir .. "/libpascalrt.so")
local refdemo = ffi.load(libdir .. "/librefdemo.so")
local foo = ffi.load(libdir .. "/libgreetmod.so")

-- The run-time keeps the vector it is handed: it lives as long as the program.
local args = { [0] = arg[0], unpack(arg) }
local argv = ffi.new("char *[?]", #args + 2)
local keep = {}
for n = 0, #args do
  keep[n] = ffi.new("char[?]", #args[n] + 1, args[n])
  argv[n] = keep[n]
end
local envp = ffi.new("char *[1]")
pascalrt._p_initialize(#args + 1, argv, envp)

local int_value = ffi.new("int32_t[1]", 3)
local real_value = ffi.new("double[1]", 7.23)
local record = ffi.new("c_record", 21, 87.234)
refdemo.c_world()
refdemo.c_w1(int_value, real_value, record)
-- io.write goes through the C library's stdout, the kit's own stream: nothing to flush.
io.write(string.format("left behind: %d %.4f %d %.4f\n", int_value[0], real_value[0],
  record.c_i, record.c_d))

foo.init_Foo()
foo.init_Foo()
local i_before = foo.I[0]
io.write(string.format("I before: %d\n", i_before))
local x = ffi.new("int32_t[1]", 0)
foo.Helloworld()
foo.Hello(x)
foo.Hello(foo.I)
io.write(string.format("x = %d, I = %d\n", x[0], foo.I[0]))
pascalrt._p_finalize()

if int_value[0] ~= 56 or real_value[0] ~= 3.1415 or record.c_i ~= 42 or record.c_d ~= 1.2345
    or x[0] ~= 99 or i_before ~= 0 or foo.I[0] ~= 99 then
  io.stderr:write("caller: a value left behind is wrong\n")
  os.exit(1)
end
