/* The by-reference routines of refdemo, for callers in C, C++ and any language that
   calls C: an integer, a double and a record handed over by address. */
#ifndef REFDEMO_H
#define REFDEMO_H

#include <stddef.h>
#include <stdint.h>

/* On Windows a program that uses librefdemo.dll may define REFDEMO_DLL, as
   linkkit::refdemo does, and calls the routines through the DLL's import table directly,
   not through the import library's stubs. */
#if defined(_WIN32) && defined(REFDEMO_BUILDING_DLL)
#define REFDEMO_API __declspec(dllexport)
#elif defined(_WIN32) && defined(REFDEMO_DLL)
#define REFDEMO_API __declspec(dllimport)
#elif defined(__GNUC__) && !defined(_WIN32)
#define REFDEMO_API __attribute__((visibility("default")))
#else
#define REFDEMO_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef struct c_record {
  int32_t c_i;
  double c_d;
} c_record;

/* The record as the platform's ABI lays it out. 32-bit x86 Linux aligns a double in a
   record to 4 bytes, and so does SuperH; the m68k System V ABI aligns int and double to 2
   (clang 14 does not follow it there: a record built by clang and one built by gcc
   disagree, and this check stops a clang build). x86-64 (x32 too), 32-bit and 64-bit
   Windows, 64-bit and 32-bit (EABI, hard and soft float) ARM, 64-bit RISC-V, 32-bit and
   64-bit POWER, IBM Z, MIPS (o32, n32, n64), SPARC and PA-RISC align it to 8. Where the
   layout is known it is checked here; elsewhere the record is what the C compiler makes of
   it. A caller in another language must lay its record out the same way. */
#if (defined(__i386__) && !defined(_WIN32)) || defined(__sh__) || defined(__m68k__)
#define REFDEMO_C_D_OFFSET 4
#define REFDEMO_RECORD_SIZE 12
#elif defined(_WIN32) || defined(__x86_64__) || defined(__aarch64__) ||                            \
    (defined(__arm__) && defined(__ARM_EABI__)) || (defined(__riscv) && __riscv_xlen == 64) ||     \
    defined(__powerpc__) || defined(__s390x__) || defined(__mips__) || defined(__sparc__) ||      \
    defined(__hppa__)
#define REFDEMO_C_D_OFFSET 8
#define REFDEMO_RECORD_SIZE 16
#endif

#ifdef REFDEMO_RECORD_SIZE
#ifdef __cplusplus
static_assert(offsetof(c_record, c_i) == 0, "c_i leads the record");
static_assert(offsetof(c_record, c_d) == REFDEMO_C_D_OFFSET, "c_d offset");
static_assert(sizeof(c_record) == REFDEMO_RECORD_SIZE, "c_record size");
#else
_Static_assert(offsetof(c_record, c_i) == 0, "c_i leads the record");
_Static_assert(offsetof(c_record, c_d) == REFDEMO_C_D_OFFSET, "c_d offset");
_Static_assert(sizeof(c_record) == REFDEMO_RECORD_SIZE, "c_record size");
#endif
#endif

/* Prints an empty line, then "Hello World from C". */
REFDEMO_API void c_world(void);

/* Prints *i, *d and *r, stores 56 in *i and 3.1415 in *d, then 42 and 1.2345 in the record,
   and prints the record again. All three addresses must be valid; they may overlap. */
REFDEMO_API void c_w1(int32_t* i, double* d, c_record* r);

#ifdef __cplusplus
}
#endif

#endif
