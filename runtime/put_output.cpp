#include "runtime.h"

#include <errno.h>
#include <stdio.h>

// The unlocked calls share stdout's buffer with printf, so call order is kept, without
// paying for a lock per call in a single-threaded program.
void pascalrt::put_text(const char* text, size_t length) {
  if (fwrite_unlocked(text, 1, length, stdout) != length)
    fail(PASCALRT_E_WRITE_FAILED, errno);
}

void pascalrt::put_line_end() {
  if (putc_unlocked('\n', stdout) == EOF)
    fail(PASCALRT_E_WRITE_FAILED, errno);
}
