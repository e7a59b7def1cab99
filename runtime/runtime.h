// Internal helpers of the run-time, shared by its translation units.
#ifndef PASCALRT_RUNTIME_H
#define PASCALRT_RUNTIME_H

#include "pascalrt.h"

#include <errno.h>
#include <stddef.h>
#include <stdio.h>
#include <string.h>

namespace pascalrt {

// The lowest write layer: writes to the stdout stream and records a failure. Both share
// stdout's buffer with printf, so call order is kept; the unlocked calls pay for no lock in
// a single-threaded program. The common case is inline in the item decoder.
void fail(int32_t code, int cause);
void put_text_through_stdio(const char* text, size_t length);

inline void put_text(const char* text, size_t length) {
#ifdef __GLIBC__
  // glibc's FILE shows how much room its buffer has left: putc_unlocked's own fast path
  // reads the same two pointers. A line-buffered or unbuffered stream shows none, so its
  // text takes the full path and is flushed as the C library flushes it.
  FILE* out = stdout;
  if (static_cast<size_t>(out->_IO_write_end - out->_IO_write_ptr) >= length) {
    char* to = out->_IO_write_ptr;
    // A text of a usual line's length is two overlapping fixed-size copies, done inline.
    if (length >= 16 && length <= 32) {
      memcpy(to, text, 16);
      memcpy(to + length - 16, text + length - 16, 16);
    } else {
      memcpy(to, text, length);
    }
    out->_IO_write_ptr = to + length;
    return;
  }
#endif
  put_text_through_stdio(text, length);
}

inline void put_line_end() {
  if (putc_unlocked('\n', stdout) == EOF)
    fail(PASCALRT_E_WRITE_FAILED, errno);
}

// fail leaves code in _p_InOutRes unless a code is pending already: the first failure is
// the one reported. cause is the errno value behind it, or 0.
int failure_cause();

const char* error_text(int32_t code);
const char* program_name();

// Writes the pending code's report on stderr and ends the process.
[[noreturn]] void report_and_exit();

} // namespace pascalrt

#endif
