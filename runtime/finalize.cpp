#include "runtime.h"

// The end of a run: what is still buffered must reach stdout, and a line lost on the way,
// by this run-time or by a C caller's printf, makes the run fail.
void _p_finalize(void) {
  if (fflush(stdout) != 0)
    pascalrt::fail(PASCALRT_E_WRITE_FAILED, errno);
  else if (ferror_unlocked(stdout))
#ifdef _WIN32
    // Windows's C library writes a printf to an unbuffered stdout at once: the write that
    // failed was that one, and errno still holds its cause.
    pascalrt::fail(PASCALRT_E_WRITE_FAILED, errno);
#else
    pascalrt::fail(PASCALRT_E_WRITE_FAILED, 0);
#endif
  _p_CheckInOutRes();
}
