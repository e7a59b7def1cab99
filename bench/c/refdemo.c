/* refdemo's eight lines, written as a plain C program would write them. */
#include <stdint.h>
#include <stdio.h>

typedef struct c_record {
  int32_t c_i;
  double c_d;
} c_record;

void c_w1(int32_t* i, double* d, c_record* r);

void c_w1(int32_t* i, double* d, c_record* r) {
  printf("Now in function c_w1\n");
  printf("Hello again from C i = %i\n%lfXXX\n", *i, *d);
  *i = 56;
  *d = 3.1415;
  printf("My record c_i = %i, c_d = %lf\n", r->c_i, r->c_d);
  r->c_i = 42;
  r->c_d = 1.2345;
  printf("My record changed to c_i = %i, c_d = %lf\n", r->c_i, r->c_d);
  printf("Leaving C\n");
}

int main(void) {
  printf("This is the main program in C\n");
  int32_t integer = 3;
  double real = 7.23;
  c_record record = {21, 87.234};
  c_w1(&integer, &real, &record);
  printf("End of program\n");
  return 0;
}
