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

// The last component of the first argument, as basename(1) finds it: "a/b/" names b.
pascalrt::Name pascalrt::program_name() {
  if (argument_count < 1 || arguments == nullptr || arguments[0] == nullptr)
    return {"pascalrt", 8};
  const char* end = arguments[0];
  while (*end != '\0')
    ++end;
  while (end > arguments[0] + 1 && end[-1] == '/')
    --end;
  const char* start = end;
  while (start > arguments[0] && start[-1] != '/')
    --start;
  if (start == end)
    return end > arguments[0] ? Name{"/", 1} : Name{"pascalrt", 8};
  return {start, static_cast<size_t>(end - start)};
}
