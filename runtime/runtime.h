// Internal helpers of the run-time, shared by its translation units.
#ifndef PASCALRT_RUNTIME_H
#define PASCALRT_RUNTIME_H

#include "pascalrt.h"

#include <errno.h>
#include <stddef.h>
#include <stdio.h>
#include <string.h>

#ifdef _WIN32
// Windows's C library has no unlocked stdio calls; the locking ones write the same bytes.
inline size_t fwrite_unlocked(const void* data, size_t size, size_t count, FILE* stream) {
  return fwrite(data, size, count, stream);
}
inline int ferror_unlocked(FILE* stream) {
  return ferror(stream);
}
inline int putc_unlocked(int c, FILE* stream) {
  return putc(c, stream);
}
#endif

namespace pascalrt {

// The lowest write layer: writes to the stdout stream and records a failure. Both share
// stdout's buffer with printf, so call order is kept; the unlocked calls pay for no lock in
// a single-threaded program. The common case is inline in the item decoder.
//
// Every C library function the run-time calls costs a program that links it a symbol
// lookup at each start (about 700 instructions, with immediate binding), used or not; so
// the run-time calls few of them, and copies short texts and scans names itself.

// Leaves code in _p_InOutRes unless a code is pending already: the first failure is the
// one reported. cause is the errno value behind it, or 0.
void fail(int32_t code, int cause);
int failure_cause();

void put_text_through_stdio(const char* text, size_t length);

// Texts of up to 64 bytes are copied inline: two overlapping copies of a fixed size cover
// any length from that size to twice it, and fixed-size copies compile to plain loads and
// stores. Longer texts go through stdio.
inline bool copy_short(char* to, const char* from, size_t length) {
  if (length >= 16 && length <= 32) {
    memcpy(to, from, 16);
    memcpy(to + length - 16, from + length - 16, 16);
  } else if (length > 32 && length <= 64) {
    memcpy(to, from, 32);
    memcpy(to + length - 32, from + length - 32, 32);
  } else if (length >= 8 && length < 16) {
    memcpy(to, from, 8);
    memcpy(to + length - 8, from + length - 8, 8);
  } else if (length < 8) {
    for (size_t n = 0; n < length; ++n)
      to[n] = from[n];
  } else {
    return false;
  }
  return true;
}

inline void put_text(const char* text, size_t length) {
#ifdef __GLIBC__
  // Bounded as putc_unlocked's own fast path is: glibc's buffer has room only while the
  // write pointer stands below the write end. A line-buffered or unbuffered stream keeps
  // the write end at or below the write pointer, so its text takes stdio's own path and is
  // flushed as the C library flushes it; only then is the difference the room left.
  FILE* out = stdout;
  if (out->_IO_write_ptr < out->_IO_write_end &&
      static_cast<size_t>(out->_IO_write_end - out->_IO_write_ptr) >= length &&
      copy_short(out->_IO_write_ptr, text, length)) {
    out->_IO_write_ptr += length;
    return;
  }
#endif
  put_text_through_stdio(text, length);
}

// putc_unlocked's own fast path is the inline store into a buffer with room.
inline void put_line_end() {
  if (putc_unlocked('\n', stdout) == EOF)
    fail(PASCALRT_E_WRITE_FAILED, errno);
}

const char* error_text(int32_t code);
struct Name {
  const char* text;
  size_t length;
};
Name program_name();

// Writes the pending code's report on stderr and ends the process.
[[noreturn]] void report_and_exit();

} // namespace pascalrt

#endif
