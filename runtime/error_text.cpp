#include "runtime.h"

const char* pascalrt::error_text(int32_t code) {
  switch (code) {
  case PASCALRT_E_WRITE_FAILED:
    return "disk write error";
  case PASCALRT_E_FILE_NOT_OUTPUT:
    return "file not open for output";
  case PASCALRT_E_UNKNOWN_ITEM:
    return "unknown write item";
  case PASCALRT_E_NEGATIVE_LENGTH:
    return "negative text length";
  case PASCALRT_E_NULL_TEXT:
    return "null text address";
  case PASCALRT_E_NEGATIVE_COUNT:
    return "negative item count";
  default:
    return "I/O error";
  }
}
