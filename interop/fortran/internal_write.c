/* What Fortran cannot do for module Foo. _p_Internal_Write is variadic, and a call through
   a fixed Fortran interface leaves %al unset, which x86-64 requires of a variadic call. And
   a bind(c) variable is a definition in Fortran (gfortran makes it a common symbol), where
   the module must only refer to the run-time's _p_Output and _p_InOutRes: linked without
   the run-time, it would silently get zero-filled variables of its own. foo.f90 takes the
   address of _p_Output and the value of _p_InOutRes from here, and hands over the seven
   arguments, which this passes on as C makes the call. The module's build turns these
   names local. */
#include "pascalrt.h"

const pascalrt_file* foo_output(void);
int32_t foo_inoutres(void);
void foo_internal_write(const pascalrt_file* file, int32_t flags, int32_t count, int32_t text_code,
                        const char* text, int32_t length, int32_t line_end_code);

const pascalrt_file* foo_output(void) {
  return &_p_Output;
}

int32_t foo_inoutres(void) {
  return _p_InOutRes;
}

void foo_internal_write(const pascalrt_file* file, int32_t flags, int32_t count, int32_t text_code,
                        const char* text, int32_t length, int32_t line_end_code) {
  _p_Internal_Write(file, flags, count, text_code, text, length, line_end_code);
}
