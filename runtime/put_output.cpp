#include "runtime.h"

void pascalrt::put_text_through_stdio(const char* text, size_t length) {
  if (fwrite_unlocked(text, 1, length, stdout) != length)
    fail(PASCALRT_E_WRITE_FAILED, errno);
}
