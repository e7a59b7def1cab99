// c_w1 and c_world in D, for C callers. The three references may name overlapping storage
// (a record's own c_i handed as i): they are pointers, read and written in the order of
// the stores. printf, the C library's own, prints each line and each double as %lf.
module routines;

import core.stdc.stdio : printf;

extern (C):

struct c_record {
  int c_i;
  double c_d;
}

void c_world() {
  printf("\nHello World from C\n");
}

void c_w1(int* i, double* d, c_record* r) {
  printf("Now in function c_w1\n");
  printf("Hello again from C i = %i\n%lfXXX\n", *i, *d);
  *i = 56;
  *d = 3.1415;
  printf("My record c_i = %i, c_d = %lf\n", r.c_i, r.c_d);
  r.c_i = 42;
  r.c_d = 1.2345;
  printf("My record changed to c_i = %i, c_d = %lf\n", r.c_i, r.c_d);
  printf("Leaving C\n");
}

// druntime starts when the library is loaded and finishes when it is unloaded, or at the
// process's exit: the C program that calls in knows nothing of D. The build keeps the two
// local. rt_init and rt_term count their calls, so another D library may do the same.
int rt_init();
int rt_term();

pragma(crt_constructor) void routines_start_druntime() {
  rt_init();
}

pragma(crt_destructor) void routines_finish_druntime() {
  rt_term();
}
