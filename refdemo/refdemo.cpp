#include "refdemo.h"

#include <errno.h>
#include <stdio.h>
#include <string.h>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

// REFDEMO_DRIVER_ONLY builds the driver alone, to be linked with these routines written in
// another language.
#ifndef REFDEMO_DRIVER_ONLY
extern "C" void c_world(void) {
  printf("\nHello World from C\n");
}

extern "C" void c_w1(int32_t* i, double* d, c_record* r) {
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
#endif

#ifndef REFDEMO_LIBRARY
// Windows's C library turns a write into a pipe whose reader has gone into EINVAL; the
// system's own error, still the last one, tells it apart.
static int write_error_cause(void) {
#ifdef _WIN32
  const DWORD system_error = GetLastError();
  if (errno == EINVAL && (system_error == ERROR_NO_DATA || system_error == ERROR_BROKEN_PIPE ||
                          system_error == ERROR_PIPE_NOT_CONNECTED))
    return EPIPE;
#endif
  return errno;
}

// stdout's error indicator is the one record of a lost line; the run is reported as failed
// here, once, after the last line has been flushed.
static int report_lost_output(void) {
  int cause_known = fflush(stdout) != 0;
  if (!cause_known && !ferror(stdout))
    return 0;
#ifdef _WIN32
  // Windows's C library writes each printf to an unbuffered stdout at once: the write that
  // failed was a printf's, and errno still holds its cause.
  cause_known = errno != 0;
#endif
  if (cause_known)
    fprintf(stderr, "refdemo: write error: %s\n", strerror(write_error_cause()));
  else
    fputs("refdemo: write error\n", stderr);
  return 1;
}

int main(void) {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  printf("This is the main program in C\n");
  int32_t integer = 3;
  double real = 7.23;
  c_record record = {21, 87.234};
  c_w1(&integer, &real, &record);
  printf("End of program\n");
  return report_lost_output();
}
#endif
