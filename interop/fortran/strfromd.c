/* strfromd for Windows, whose C library lacks it (glibc has it from C23's draft): the double
   formatted by MinGW's own printf conversions, the ones the kit's C++ code prints with.
   The routines' build keeps the name local to their object. */
#define __USE_MINGW_ANSI_STDIO 1
#include <stdio.h>

int strfromd(char* text, size_t size, const char* format, double value);

int strfromd(char* text, size_t size, const char* format, double value) {
  return snprintf(text, size, format, value);
}
