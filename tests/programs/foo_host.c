/* A C program on the run-time that uses module Foo, its own printf lines in between.
   With an argument N it writes Helloworld's line N times instead; with "wait", it writes
   Helloworld's line, waits for a line on standard input, then writes Hello's. */
#include "foo.h"
#include "pascalrt.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char** argv, char** envp) {
  _p_initialize(argc, argv, envp);
  init_Foo();
  init_Foo();
  if (argc > 1 && strcmp(argv[1], "wait") == 0) {
    Helloworld();
    while (getchar() > '\n') {
    }
    Hello(&I);
    _p_finalize();
    return 0;
  }
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
