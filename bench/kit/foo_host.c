/* The kit's host of module Foo as the benchmark measures it: what bench/c/foo_host.c does,
   on the run-time and module Foo. With an argument N, N lines of Helloworld. */
#include "foo.h"
#include "pascalrt.h"

#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv, char** envp) {
  _p_initialize(argc, argv, envp);
  init_Foo();
  if (argc > 1) {
    for (long n = strtol(argv[1], NULL, 10); n > 0; --n)
      Helloworld();
    _p_finalize();
    return 0;
  }
  printf("C: I = %d\n", (int)I);
  Helloworld();
  printf("C: between\n");
  int32_t x = 5;
  Hello(&x);
  printf("C: x = %d\n", (int)x);
  Hello(&I);
  printf("C: I = %d\n", (int)I);
  _p_finalize();
  return 0;
}
