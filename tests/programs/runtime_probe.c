/* Calls the run-time as its arguments say, one action each, in order. */
#include "pascalrt.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

enum { most = 4096 };

/* A stdout buffer of exactly the size asked for, so that the sanitizers see a write past it. */
static char* buffer_of(size_t size) {
  char* buffer = malloc(size);
  if (buffer == NULL)
    abort();
  return buffer;
}
static char text[most];
static char name[most + 1];

static size_t size_of(const char* action, size_t skip) {
  long size = strtol(action + skip, NULL, 10);
  return size >= 0 && size <= most ? (size_t)size : most;
}

static void initialize_named(char* argv0) {
  static char* argv[2];
  argv[0] = argv0;
  _p_initialize(1, argv, NULL);
}

int main(int argc, char** argv, char** envp) {
  static char other_name[] = "/elsewhere/other";
  static const pascalrt_file other_file = {1};
  for (int n = 1; n < argc; ++n) {
    const char* action = argv[n];
    if (strcmp(action, "init") == 0)
      _p_initialize(argc, argv, envp);
    else if (strcmp(action, "init-other") == 0)
      initialize_named(other_name);
    else if (strncmp(action, "name=", 5) == 0)
      initialize_named(strcpy(name, action + 5));
    else if (strncmp(action, "long-name=", 10) == 0)
      initialize_named(memset(name, 'n', size_of(action, 10)));
    else if (strcmp(action, "null-name") == 0)
      initialize_named(NULL);
    else if (strcmp(action, "null-argv") == 0)
      _p_initialize(1, NULL, NULL);
    else if (strcmp(action, "argc0") == 0)
      _p_initialize(0, argv, envp);
    else if (strcmp(action, "line") == 0)
      pascalrt_write_line("probe line", 10);
    else if (strncmp(action, "text=", 5) == 0)
      pascalrt_write_line(memset(text, 't', size_of(action, 5)), (int32_t)size_of(action, 5));
    else if (strcmp(action, "text-lf") == 0)
      pascalrt_write_line("a\nb", 3);
    else if (strcmp(action, "printf") == 0)
      printf("C line\n");
    else if (strncmp(action, "partial=", 8) == 0)
      printf("%.*s", (int)size_of(action, 8), (char*)memset(text, 'p', size_of(action, 8)));
    else if (strncmp(action, "lbf=", 4) == 0)
      setvbuf(stdout, buffer_of(size_of(action, 4)), _IOLBF, size_of(action, 4));
    else if (strncmp(action, "fbf=", 4) == 0)
      setvbuf(stdout, buffer_of(size_of(action, 4)), _IOFBF, size_of(action, 4));
    else if (strcmp(action, "nbf") == 0)
      setvbuf(stdout, NULL, _IONBF, 0);
    else if (strcmp(action, "other-file") == 0)
      _p_Internal_Write(&other_file, PASCALRT_WRITE_PLAIN, 1, PASCALRT_ITEM_LINE_END);
    else if (strcmp(action, "negative-length") == 0)
      _p_Internal_Write(&_p_Output, PASCALRT_WRITE_PLAIN, 1, PASCALRT_ITEM_TEXT, "x", -1);
    else if (strcmp(action, "negative-count") == 0)
      _p_Internal_Write(&_p_Output, PASCALRT_WRITE_PLAIN, -1);
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
