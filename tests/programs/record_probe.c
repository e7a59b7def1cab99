/* Prints the record's layout as this platform's compiler makes it, then has c_w1 print
   values beyond the usual ones: its formats must give the same text on every platform. */
#include "refdemo.h"

#include <stddef.h>
#include <stdio.h>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(void) {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  printf("c_record: c_d at offset %u, %u bytes\n", (unsigned)offsetof(c_record, c_d),
         (unsigned)sizeof(c_record));
  const struct {
    int32_t i;
    double d;
    c_record r;
  } cases[] = {
      {-7, -0.5, {-2147483647 - 1, 1e15}},
      {2147483647, 1180591620717411303424.0, {0, -123456789.987654321}},
      {0, 0.0000004, {-1, 2.5e-7}},
  };
  for (size_t n = 0; n < sizeof cases / sizeof cases[0]; ++n) {
    int32_t i = cases[n].i;
    double d = cases[n].d;
    c_record r = cases[n].r;
    c_w1(&i, &d, &r);
  }
  return fflush(stdout) == 0 ? 0 : 1;
}
