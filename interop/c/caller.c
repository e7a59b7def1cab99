/* A C program that uses the whole kit: c_w1 and c_world by reference, and module Foo on the
   run-time, with its own printf lines in between. */
#include "foo.h"
#include "pascalrt.h"
#include "refdemo.h"

#include <stdio.h>

int main(int argc, char** argv, char** envp) {
  _p_initialize(argc, argv, envp);
  int32_t integer = 3;
  double real = 7.23;
  c_record record = {21, 87.234};
  c_world();
  c_w1(&integer, &real, &record);
  printf("left behind: %d %.4f %d %.4f\n", (int)integer, real, (int)record.c_i, record.c_d);

  init_Foo();
  init_Foo();
  const int32_t i_before = I;
  printf("I before: %d\n", (int)i_before);
  int32_t x = 0;
  Helloworld();
  Hello(&x);
  Hello(&I);
  printf("x = %d, I = %d\n", (int)x, (int)I);
  _p_finalize();

  if (integer != 56 || real != 3.1415 || record.c_i != 42 || record.c_d != 1.2345 || x != 99 ||
      i_before != 0 || I != 99) {
    fputs("caller: a value left behind is wrong\n", stderr);
    return 1;
  }
  return 0;
}
