"""embed.py CONTRACT SOURCE C: writes C, the C source of the contract's library, with cffi's
embedding mode: the C entries, which start an interpreter on the first call and run
SOURCE (routines.py or foo.py), and the C declarations that SOURCE uses."""
import sys

import cffi

contract, source, output = sys.argv[1:]
ffi = cffi.FFI()
if contract == "routines":
    ffi.cdef("""
        typedef struct { int32_t c_i; double c_d; ...; } c_record;
        int printf(const char *format, ...);
    """)
    ffi.embedding_api("""
        void c_world(void);
        void c_w1(int32_t *i, double *d, c_record *r);
    """)
    ffi.set_source("_linkkit_routines", '#include "refdemo.h"\n#include <stdio.h>\n')
else:
    ffi.cdef("""
        typedef struct { ...; } pascalrt_file;
        extern pascalrt_file _p_Output;
        extern int32_t _p_InOutRes;
        void _p_Internal_Write(const pascalrt_file *file, int32_t flags, int32_t count, ...);
        void _p_CheckInOutRes(void);
        extern const char hello_world[];
        extern const char hello1[];
    """)
    ffi.embedding_api("""
        extern int32_t I;
        void Helloworld(void);
        void Hello(int32_t *x);
        void init_Foo(void);
    """)
    ffi.set_source("_linkkit_foo", """
        #include "pascalrt.h"
        int32_t I;
        static const char hello_world[] = "Hello world in Pascal";
        static const char hello1[] = "Hello1";
    """)
with open(source, encoding="utf-8") as code:
    ffi.embedding_init_code(code.read())
ffi.emit_c_code(output)
