#include "runtime.h"

int32_t _p_InOutRes = 0;

static int pending_cause;

void pascalrt::fail(int32_t code, int cause) {
  if (_p_InOutRes != 0)
    return;
  _p_InOutRes = code;
  pending_cause = cause;
}

int pascalrt::failure_cause() {
  return pending_cause;
}
