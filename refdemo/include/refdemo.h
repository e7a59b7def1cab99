/* The by-reference routines of refdemo, for callers in C, C++ and any language that
   calls C: an integer, a double and a record handed over by address. */
#ifndef REFDEMO_H
#define REFDEMO_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32) && defined(REFDEMO_BUILDING_DLL)
#define REFDEMO_API __declspec(dllexport)
#elif defined(_WIN32) && !defined(REFDEMO_STATIC)
#define REFDEMO_API __declspec(dllimport)
#elif defined(__GNUC__)
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

/* The record as the platform's C compiler lays it out. 32-bit x86 Linux aligns a double
   in a record to 4 bytes; x86-64 and 32-bit Windows align it to 8. A caller in another
   language must lay its record out the same way. */
#if defined(__i386__) && !defined(_WIN32)
#define REFDEMO_C_D_OFFSET 4
#define REFDEMO_RECORD_SIZE 12
#elif defined(__x86_64__) || defined(_M_X64) || defined(_WIN32)
#define REFDEMO_C_D_OFFSET 8
#define REFDEMO_RECORD_SIZE 16
#else
#error "refdemo.h: the record layout of this platform is not known"
#endif

#ifdef __cplusplus
static_assert(offsetof(c_record, c_i) == 0, "c_i leads the record");
static_assert(offsetof(c_record, c_d) == REFDEMO_C_D_OFFSET, "c_d offset");
static_assert(sizeof(c_record) == REFDEMO_RECORD_SIZE, "c_record size");
#else
_Static_assert(offsetof(c_record, c_i) == 0, "c_i leads the record");
_Static_assert(offsetof(c_record, c_d) == REFDEMO_C_D_OFFSET, "c_d offset");
_Static_assert(sizeof(c_record) == REFDEMO_RECORD_SIZE, "c_record size");
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
