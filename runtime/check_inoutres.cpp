#include "runtime.h"

void _p_CheckInOutRes(void) {
  if (_p_InOutRes != 0)
    pascalrt::report_and_exit();
}
