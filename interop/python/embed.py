"""embed.py CONTRACT SOURCE C: writes C, the C source of the contract's library, with cffi's
embedding mode: the C entries, which start an interpreter on the first call and run
SOURCE (routines.py or foo.py), and the C declarations that SOURCE uses.

cffi's entries are python_<name>; the contract's names are C functions around them. Before
the first call they keep the interpreter from the program's environment (PYTHONHOME,
PYTHONPATH, PYTHONVERBOSE... are another Python's affair) and from the user's site
directory, as python3 -E -s; after it they put the program's locale back: Py_InitializeEx
sets LC_CTYPE from the environment."""
import sys

import cffi

KEEP_LOCALE = """
#include <Python.h>
#include <dlfcn.h>
#include <locale.h>
#include <stdlib.h>
#include <string.h>

static int python_started;

static char *python_locale_before(void) {
    if (python_started)
        return NULL;
    python_started = 1;
    /* Read by Py_InitializeEx alone; a running interpreter (a Python program that loaded
       this library) is left as it is. */
    Py_IgnoreEnvironmentFlag = 1;
    Py_NoUserSiteDirectory = 1;
    /* The extension modules that the interpreter imports (_cffi_backend) take Python's
       names from the process's global scope: in a program that loaded this library with
       RTLD_LOCAL (LuaJIT's ffi.load, koffi) libpython's names were in none, and the import
       failed. libpython's are made global. */
    Dl_info python;
    if (!Py_IsInitialized() && dladdr((void *)Py_InitializeEx, &python) && python.dli_fname)
        dlopen(python.dli_fname, RTLD_NOW | RTLD_NOLOAD | RTLD_GLOBAL);
    const char *locale = setlocale(LC_ALL, NULL);
    return locale ? strdup(locale) : NULL;
}

static void python_locale_after(char *saved) {
    if (saved) {
        setlocale(LC_ALL, saved);
        free(saved);
    }
}
"""


def entry(declaration, name, arguments=""):
    """The C entry NAME around cffi's python_NAME, with the C DECLARATION's parameters."""
    return f"""
void python_{name}({declaration});
void {name}({declaration}) {{
    char *saved = python_locale_before();
    python_{name}({arguments});
    python_locale_after(saved);
}}
"""


contract, source, output = sys.argv[1:]
ffi = cffi.FFI()
if contract == "routines":
    ffi.cdef("""
        typedef struct { int32_t c_i; double c_d; ...; } c_record;
        int printf(const char *format, ...);
    """)
    ffi.embedding_api("""
        void python_c_world(void);
        void python_c_w1(int32_t *i, double *d, c_record *r);
    """)
    ffi.set_source("_linkkit_routines", '#include "refdemo.h"\n#include <stdio.h>\n' +
                   KEEP_LOCALE + entry("void", "c_world") +
                   entry("int32_t *i, double *d, c_record *r", "c_w1", "i, d, r"))
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
        void python_Helloworld(void);
        void python_Hello(int32_t *x);
        void python_init_Foo(void);
    """)
    ffi.set_source("_linkkit_foo", """
        #include "pascalrt.h"
        int32_t I;
        static const char hello_world[] = "Hello world in Pascal";
        static const char hello1[] = "Hello1";
    """ + KEEP_LOCALE + entry("void", "Helloworld") + entry("int32_t *x", "Hello", "x") +
                   entry("void", "init_Foo"))
with open(source, encoding="utf-8") as code:
    ffi.embedding_init_code(code.read())
ffi.emit_c_code(output)
