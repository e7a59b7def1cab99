/* Calls the run-time as its arguments say, one action each, in order. */
#include "pascalrt.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char** argv, char** envp) {
  static char other_name[] = "/elsewhere/other";
  static char* other_argv[] = {other_name, NULL};
  for (int n = 1; n < argc; ++n) {
    const char* action = argv[n];
    if (strcmp(action, "init") == 0)
      _p_initialize(argc, argv, envp);
    else if (strcmp(action, "init-other") == 0)
      _p_initialize(1, other_argv, NULL);
    else if (strcmp(action, "line") == 0)
      pascalrt_write_line("probe line", 10);
    else if (strcmp(action, "printf") == 0)
      printf("C line\n");
    else if (strncmp(action, "pending=", 8) == 0)
      _p_InOutRes = (int32_t)strtol(action + 8, NULL, 10);
    else if (strcmp(action, "check") == 0)
      _p_CheckInOutRes();
    else if (strcmp(action, "finalize") == 0)
      _p_finalize();
    else {
      fprintf(stderr, "runtime_probe: unknown action %s\n", action);
      return 2;
    }
  }
  return 0;
}
