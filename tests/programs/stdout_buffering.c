/* Preloaded into a program (LD_PRELOAD), sets the buffering of its stdout before main
   runs, as LINKKIT_STDOUT says: "none" or "line". */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

__attribute__((constructor)) static void set_stdout_buffering(void) {
  const char* mode = getenv("LINKKIT_STDOUT");
  if (mode != NULL && strcmp(mode, "none") == 0)
    setvbuf(stdout, NULL, _IONBF, 0);
  else if (mode != NULL && strcmp(mode, "line") == 0)
    setvbuf(stdout, NULL, _IOLBF, 0);
}
