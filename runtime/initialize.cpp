#include "runtime.h"

static bool started;
static int32_t argument_count;
static char** arguments;

// The arguments name the program in reports; nothing in the run-time reads the environment.
void _p_initialize(int32_t argc, char** argv, char** envp) {
  (void)envp;
  if (started)
    return;
  started = true;
  argument_count = argc;
  arguments = argv;
}

const char* pascalrt::program_name() {
  if (argument_count < 1 || arguments == nullptr || arguments[0] == nullptr ||
      arguments[0][0] == '\0')
    return "pascalrt";
  const char* name = arguments[0];
  for (const char* at = arguments[0]; at[0] != '\0'; ++at)
    if (at[0] == '/' && at[1] != '\0')
      name = at + 1;
  return name;
}
