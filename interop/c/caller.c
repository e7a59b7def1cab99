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
  printf("I before: %d\n", (int)I);
  int32_t x = 0;
  Helloworld();
  Hello(&x);
  Hello(&I);
  printf("x = %d, I = %d\n", (int)x, (int)I);
  _p_finalize();
  return 0;
}
