/* The one call that Fortran cannot make: _p_Internal_Write is variadic, and a call through
   a fixed Fortran interface leaves %al unset, which x86-64 requires of a variadic call.
   foo.f90 hands over the seven arguments and this makes the call as C makes it. The
   module's build turns this name local. */
#include "pascalrt.h"

void foo_internal_write(const pascalrt_file* file, int32_t flags, int32_t count, int32_t text_code,
                        const char* text, int32_t length, int32_t line_end_code);

void foo_internal_write(const pascalrt_file* file, int32_t flags, int32_t count, int32_t text_code,
                        const char* text, int32_t length, int32_t line_end_code) {
  _p_Internal_Write(file, flags, count, text_code, text, length, line_end_code);
}
