#include "runtime.h"

#include <stdlib.h>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

// The report is put together here and written with one call: one line, whole, even on an
// unbuffered stderr, and without printf's formatting machinery in every static program.
struct Line {
  static constexpr size_t most = 512;
  // Twice the longest line: when its own write fails, glibc 2.36's fwrite goes on to read as
  // many bytes again beyond the ones it was handed (_IO_new_file_xsputn).
  char text[2 * most];
  size_t length = 0;

  void add(const char* part) {
    while (*part != '\0' && length < most - 1)
      text[length++] = *part++;
  }

  void add(const char* part, size_t size) {
    while (size-- > 0 && length < most - 1)
      text[length++] = *part++;
  }

  void add(int32_t number) {
    char digits[12];
    char* at = digits + sizeof digits;
    *--at = '\0';
    int64_t rest = number < 0 ? -static_cast<int64_t>(number) : number;
    do {
      *--at = static_cast<char>('0' + rest % 10);
      rest /= 10;
    } while (rest != 0);
    if (number < 0)
      *--at = '-';
    add(at);
  }
};

int exit_status(int32_t code) {
  return code > 0 && code < 126 ? code : 1;
}

} // namespace

void pascalrt::report_and_exit() {
  const int32_t code = _p_InOutRes;
  const int cause = failure_cause();
  // A name may be of any length; a file name is at most 255 bytes, and the rest of the
  // line always fits beside that.
  const Name name = program_name();
  Line line;
  line.add(name.text, name.length < 255 ? name.length : 255);
  line.add(": error ");
  line.add(code);
  line.add(": ");
  line.add(error_text(code));
  if (cause != 0) {
    line.add(": ");
    line.add(strerror(cause));
  }
  line.text[line.length++] = '\n';
#ifdef _WIN32
  _setmode(_fileno(stderr), _O_BINARY); // the report ends in a line feed alone
#endif
  fwrite_unlocked(line.text, 1, line.length, stderr);
  exit(exit_status(code));
}
