/* Module Foo: an exported integer, two line writers and a run-once initialiser, for
   programs on the pascalrt run-time (start it with _p_initialize first). */
#ifndef FOO_H
#define FOO_H

#include <stdint.h>

/* On Windows a program that uses libgreetmod.dll defines FOO_DLL (and PASCALRT_DLL): I is
   data and must be imported from the DLL. */
#if defined(_WIN32) && defined(FOO_BUILDING_DLL)
#define FOO_API __declspec(dllexport)
#elif defined(_WIN32) && defined(FOO_DLL)
#define FOO_API __declspec(dllimport)
#elif defined(__GNUC__) && !defined(_WIN32)
#define FOO_API __attribute__((visibility("default")))
#else
#define FOO_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* 0 at load; the module itself never reads or writes it. */
FOO_API extern int32_t I;

/* Writes the line "Hello world in Pascal". */
FOO_API void Helloworld(void);

/* Writes the line "Hello1", then stores 99 in *x. */
FOO_API void Hello(int32_t* x);

/* The module's initialiser: any number of calls, only the first one counts. */
FOO_API void init_Foo(void);

#ifdef __cplusplus
}
#endif

#endif
