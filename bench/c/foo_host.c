/* What the test host of module Foo writes, written with printf and puts alone. With an
   argument N, N lines of Helloworld's text with puts. */
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv) {
  if (argc > 1) {
    for (long n = strtol(argv[1], NULL, 10); n > 0; --n)
      puts("Hello world in Pascal");
    return 0;
  }
  int i = 0, x = 5;
  printf("C: I = %d\n", i);
  puts("Hello world in Pascal");
  printf("C: between\n");
  puts("Hello1");
  x = 99;
  printf("C: x = %d\n", x);
  puts("Hello1");
  i = 99;
  printf("C: I = %d\n", i);
  return 0;
}
