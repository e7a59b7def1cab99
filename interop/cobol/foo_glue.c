/* What module Foo's COBOL cannot write: a variable that C names (I), and the addresses of
   the run-time's two variables, which the COBOL code takes into POINTER items. */
#include "foo_glue.h"

#include "pascalrt.h"

#include <string.h>

int32_t I;

void foo_runtime(unsigned char* output, unsigned char* inoutres) {
  const pascalrt_file* file = &_p_Output;
  int32_t* result = &_p_InOutRes;
  memcpy(output, &file, sizeof file);
  memcpy(inoutres, &result, sizeof result);
}
