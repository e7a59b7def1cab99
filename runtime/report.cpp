#include "runtime.h"

#include <stdio.h>
#include <stdio_ext.h>
#include <stdlib.h>
#include <string.h>

static int exit_status(int32_t code) { return code > 0 && code < 126 ? code : 1; }

void pascalrt::report_and_exit() {
  const int32_t code = _p_InOutRes;
  const int cause = failure_cause();
  if (cause != 0)
    fprintf(stderr, "%s: error %d: %s: %s\n", program_name(), code, error_text(code),
            strerror(cause));
  else
    fprintf(stderr, "%s: error %d: %s\n", program_name(), code, error_text(code));
  // What stdout refused is dropped, so that exit's flush does not try it a second time.
  if (code == PASCALRT_E_WRITE_FAILED)
    __fpurge(stdout);
  exit(exit_status(code));
}
