#include "runtime.h"

#ifdef _WIN32
#include <windows.h>
#endif

int32_t _p_InOutRes = 0;

static int pending_cause;

void pascalrt::fail(int32_t code, int cause) {
  if (_p_InOutRes != 0)
    return;
#ifdef _WIN32
  // Windows's C library turns a write into a pipe whose reader has gone into EINVAL; the
  // system's own error, still the last one, tells it apart.
  const DWORD system_error = GetLastError();
  if (code == PASCALRT_E_WRITE_FAILED && cause == EINVAL &&
      (system_error == ERROR_NO_DATA || system_error == ERROR_BROKEN_PIPE ||
       system_error == ERROR_PIPE_NOT_CONNECTED))
    cause = EPIPE;
#endif
  _p_InOutRes = code;
  pending_cause = cause;
}

int pascalrt::failure_cause() {
  return pending_cause;
}
