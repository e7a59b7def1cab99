/* greetprog's line, written with puts. */
#include <stdio.h>

int main(void) {
  puts("Hello world from a Pascal program");
  return 0;
}
