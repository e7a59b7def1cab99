#include "runtime.h"

// The end of a run: what is still buffered must reach stdout, and a line lost on the way,
// by this run-time or by a C caller's printf, makes the run fail.
void _p_finalize(void) {
  if (fflush(stdout) != 0)
    pascalrt::fail(PASCALRT_E_WRITE_FAILED, errno);
  else if (ferror_unlocked(stdout))
    pascalrt::fail(PASCALRT_E_WRITE_FAILED, 0);
  _p_CheckInOutRes();
}
