/* pascalrt: the small Pascal-style run-time that greetprog and module Foo are built on.

   A program starts it with _p_initialize, runs its initialisers (_p_DoInitProc), writes
   lines to Output with _p_Internal_Write, and finishes it with _p_finalize. Every failed or
   malformed write leaves a non-zero code in _p_InOutRes; _p_CheckInOutRes reports a
   pending code on standard error and ends the process with that code as its status.

   Output goes through the C library's stdout stream, so lines written here and lines a C
   caller writes with printf come out in call order. Like the C library's unlocked calls,
   the run-time expects to be used from one thread. */
#ifndef PASCALRT_H
#define PASCALRT_H

#include <stdint.h>

/* On Windows a program links the static library as it is; one that uses libpascalrt.dll
   defines PASCALRT_DLL, so that the variables are imported from the DLL: a routine is
   reached through the import library's stub, a variable only through the DLL's import
   table entry, which dllimport names. */
#if defined(_WIN32) && defined(PASCALRT_BUILDING_DLL)
#define PASCALRT_API __declspec(dllexport)
#elif defined(_WIN32) && defined(PASCALRT_DLL)
#define PASCALRT_API __declspec(dllimport)
#elif defined(__GNUC__) && !defined(_WIN32)
#define PASCALRT_API __attribute__((visibility("default")))
#else
#define PASCALRT_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* A file variable. The run-time has one open file, Output, on the stdout stream. */
typedef struct pascalrt_file {
  int32_t descriptor;
} pascalrt_file;

/* The flags of a write. 784 (0x310) is the value every writer of the kit passes: a plain,
   unformatted write of text items to a text file. It is the only kind of write this
   run-time has; other values write the same way. */
#define PASCALRT_WRITE_PLAIN 784

/* Item codes of _p_Internal_Write. */
#define PASCALRT_ITEM_TEXT 17     /* followed by (const char *text, int32_t length) */
#define PASCALRT_ITEM_LINE_END 22 /* no data: one line feed */

/* Codes left in _p_InOutRes, and the exit status of a process that reports them. */
#define PASCALRT_E_WRITE_FAILED 101    /* disk write error */
#define PASCALRT_E_FILE_NOT_OUTPUT 105 /* file not open for output */
#define PASCALRT_E_UNKNOWN_ITEM 120    /* unknown write item */
#define PASCALRT_E_NEGATIVE_LENGTH 121 /* negative text length */
#define PASCALRT_E_NULL_TEXT 122       /* null text address */
#define PASCALRT_E_NEGATIVE_COUNT 123  /* negative item count */

PASCALRT_API extern pascalrt_file _p_Output;
PASCALRT_API extern int32_t _p_InOutRes;
PASCALRT_API extern int32_t __GPC_RTS_VERSION_20030830__; /* 20030830 */

/* Keeps the process's arguments; the first argument's last path component names the
   program in reports. A second call changes nothing. */
PASCALRT_API void _p_initialize(int32_t argc, char** argv, char** envp);

/* Runs each registered initialisation procedure once, in the order of registration. */
PASCALRT_API void _p_DoInitProc(void);

/* Registers an initialisation procedure for _p_DoInitProc. Returns 0, or -1 when the
   registry (PASCALRT_MAX_INIT_PROCS entries, in static storage) is full. */
#define PASCALRT_MAX_INIT_PROCS 32
PASCALRT_API int32_t _p_AddInitProc(void (*proc)(void));

/* Writes count items to file. While _p_InOutRes holds a code, writes nothing. */
PASCALRT_API void _p_Internal_Write(const pascalrt_file* file, int32_t flags, int32_t count, ...);

/* Returns at once when _p_InOutRes is 0; otherwise reports it on standard error and ends
   the process with it as the exit status. */
PASCALRT_API void _p_CheckInOutRes(void);

/* Flushes Output. When that flush, or any write to stdout since the start, failed, or a
   code is pending, reports as _p_CheckInOutRes does and ends the process. A second call
   is harmless. */
PASCALRT_API void _p_finalize(void);

/* One line of text to Output, checked, as every line writer of the kit does it. */
static inline void pascalrt_write_line(const char* text, int32_t length) {
  _p_Internal_Write(&_p_Output, PASCALRT_WRITE_PLAIN, 2, PASCALRT_ITEM_TEXT, text, length,
                    PASCALRT_ITEM_LINE_END);
  if (_p_InOutRes != 0)
    _p_CheckInOutRes();
}

#ifdef __cplusplus
}
#endif

#endif
