#include "runtime.h"

#include <stdarg.h>

// Writes the items until one fails; an unknown code says nothing of what follows it. The
// caller has found no result pending, so only a write that failed stops the loop.
static void write_items(va_list items, int32_t count) {
  for (; count > 0; --count) {
    const int32_t code = va_arg(items, int32_t);
    if (code == PASCALRT_ITEM_TEXT) {
      const char* text = va_arg(items, const char*);
      const int32_t length = va_arg(items, int32_t);
      if (text == nullptr)
        return pascalrt::fail(PASCALRT_E_NULL_TEXT, 0);
      if (length < 0)
        return pascalrt::fail(PASCALRT_E_NEGATIVE_LENGTH, 0);
      pascalrt::put_text(text, static_cast<size_t>(length));
    } else if (code == PASCALRT_ITEM_LINE_END) {
      pascalrt::put_line_end();
    } else {
      return pascalrt::fail(PASCALRT_E_UNKNOWN_ITEM, 0);
    }
    if (_p_InOutRes != 0)
      return;
  }
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
  write_items(items, count);
  va_end(items);
}
