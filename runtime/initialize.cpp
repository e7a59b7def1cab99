#include "runtime.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

static bool started;
static int32_t argument_count;
static char** arguments;

// The arguments name the program in reports; nothing in the run-time reads the environment.
void _p_initialize(int32_t argc, char** argv, char** envp) {
  (void)envp;
  if (started)
    return;
  started = true;
#ifdef _WIN32
  // The run-time owns stdout: in binary mode its lines, and a C caller's printf lines on the
  // same stream, end in a line feed alone, as everywhere else.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  argument_count = argc;
  arguments = argv;
}

#ifdef _WIN32
// A Windows path may use either slash, and a drive letter; the program's name is the last
// component without its ".exe", as the program is called on a command line.
static bool separator(char c) {
  return c == '/' || c == '\\' || c == ':';
}
#else
static bool separator(char c) {
  return c == '/';
}
#endif

// The last component of the first argument, as basename(1) finds it: "a/b/" names b.
pascalrt::Name pascalrt::program_name() {
  if (argument_count < 1 || arguments == nullptr || arguments[0] == nullptr)
    return {"pascalrt", 8};
  const char* const path = arguments[0];
  const char* end = path;
  while (*end != '\0')
    ++end;
  while (end > path + 1 && separator(end[-1]))
    --end;
  const char* start = end;
  while (start > path && !separator(start[-1]))
    --start;
  if (start == end)
    return end > path ? Name{end - 1, 1} : Name{"pascalrt", 8};
  size_t length = static_cast<size_t>(end - start);
#ifdef _WIN32
  if (length > 4 && end[-4] == '.' && (end[-3] | 0x20) == 'e' && (end[-2] | 0x20) == 'x' &&
      (end[-1] | 0x20) == 'e')
    length -= 4;
#endif
  return {start, length};
}
