#include "runtime.h"

#include <string.h>

static bool started;
static int32_t argument_count;
static char** arguments;
static char** environment;

void _p_initialize(int32_t argc, char** argv, char** envp) {
  if (started)
    return;
  started = true;
  argument_count = argc;
  arguments = argv;
  environment = envp;
}

const char* pascalrt::program_name() {
  if (argument_count < 1 || arguments == nullptr || arguments[0] == nullptr ||
      arguments[0][0] == '\0')
    return "pascalrt";
  const char* slash = strrchr(arguments[0], '/');
  return slash != nullptr && slash[1] != '\0' ? slash + 1 : arguments[0];
}
