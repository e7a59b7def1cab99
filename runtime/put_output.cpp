#include "runtime.h"

void pascalrt::put_text_through_stdio(const char* text, size_t length) {
#ifdef __GLIBC__
  // glibc's fwrite counts bytes it has buffered as written even when the flush that a line
  // end forces fails; the stream's error flag, newly set, tells of it while errno still
  // holds the cause.
  const bool failed_before = ferror_unlocked(stdout) != 0;
  if (fwrite_unlocked(text, 1, length, stdout) != length ||
      (!failed_before && ferror_unlocked(stdout) != 0))
    fail(PASCALRT_E_WRITE_FAILED, errno);
#else
  if (fwrite_unlocked(text, 1, length, stdout) != length)
    fail(PASCALRT_E_WRITE_FAILED, errno);
#endif
}
