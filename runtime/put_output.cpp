#include "runtime.h"

void pascalrt::put_text_through_stdio(const char* text, size_t length) {
#ifdef __GLIBC__
  // Byte by byte, never through fwrite: when a write that glibc's fwrite makes itself fails,
  // it goes on to copy from beyond the end of the caller's bytes (glibc 2.36,
  // _IO_new_file_xsputn), and on a line-buffered stream it counts bytes whose flush failed
  // as written. putc reads its one byte and reports every failed flush.
  for (size_t n = 0; n < length; ++n)
    if (putc_unlocked(text[n], stdout) == EOF)
      return fail(PASCALRT_E_WRITE_FAILED, errno);
#else
  if (fwrite_unlocked(text, 1, length, stdout) != length)
    fail(PASCALRT_E_WRITE_FAILED, errno);
#endif
}
