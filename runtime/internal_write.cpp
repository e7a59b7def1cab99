#include "runtime.h"

#include <stdarg.h>

static void write_text(const char* text, int32_t length) {
  if (text == nullptr)
    pascalrt::fail(PASCALRT_E_NULL_TEXT, 0);
  else if (length < 0)
    pascalrt::fail(PASCALRT_E_NEGATIVE_LENGTH, 0);
  else
    pascalrt::put_text(text, static_cast<size_t>(length));
}

void _p_Internal_Write(const pascalrt_file* file, int32_t flags, int32_t count, ...) {
  (void)flags; // every writer of the kit passes PASCALRT_WRITE_PLAIN, the only kind there is
  if (_p_InOutRes != 0)
    return;
  if (file != &_p_Output)
    return pascalrt::fail(PASCALRT_E_FILE_NOT_OUTPUT, 0);
  if (count < 0)
    return pascalrt::fail(PASCALRT_E_NEGATIVE_COUNT, 0);

  va_list items;
  va_start(items, count);
  // An unknown code says nothing of what follows it, so decoding stops at the first failure.
  for (int32_t n = 0; n < count && _p_InOutRes == 0; ++n) {
    switch (va_arg(items, int32_t)) {
    case PASCALRT_ITEM_TEXT: {
      const char* text = va_arg(items, const char*);
      write_text(text, va_arg(items, int32_t));
      break;
    }
    case PASCALRT_ITEM_LINE_END:
      pascalrt::put_line_end();
      break;
    default:
      pascalrt::fail(PASCALRT_E_UNKNOWN_ITEM, 0);
    }
  }
  va_end(items);
}
