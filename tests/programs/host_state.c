/* A C program on the run-time whose first call into module Foo is Helloworld (no init_Foo):
   whatever that call starts must leave the program's own state as it was. It compares the
   signal dispositions, the alternate signal stack, the number of threads, the locale and
   the floating-point rounding and traps before and after the call, reports each difference
   on standard error and fails. The program traps invalid operations, division by zero and
   overflow, as a Pascal program does, where the processor can: a run-time that computes
   under those traps without masking them first kills it with SIGFPE. */
#define _GNU_SOURCE /* feenableexcept, fegetexcept */
#include "foo.h"
#include "pascalrt.h"

#include <dirent.h>
#include <fenv.h>
#include <locale.h>
#include <signal.h>
#include <stdio.h>
#include <string.h>

static int threads(void) {
  int count = 0;
  DIR* tasks = opendir("/proc/self/task");
  if (tasks == NULL)
    return -1;
  for (struct dirent* entry; (entry = readdir(tasks)) != NULL;)
    count += entry->d_name[0] != '.';
  closedir(tasks);
  return count;
}

/* Debian 12's qemu-ppc (7.2), which runs the 32-bit POWER tests, stops glibc's fegetexcept,
   fegetround and feenableexcept there with SIGILL (qemu 10.0 runs them). */
#if defined(__powerpc__) && !defined(__powerpc64__)
static const int checks_floating_point = 0;
#else
static const int checks_floating_point = 1;
#endif

static void on_signal(int signal) {
  (void)signal;
}

int main(int argc, char** argv, char** envp) {
  /* A handler of the program's own, which a run-time must not take over. */
  struct sigaction own = {0};
  own.sa_handler = on_signal;
  sigaction(SIGUSR1, &own, NULL);
  struct sigaction before[32];
  int known[32] = {0};
  for (int signal = 1; signal < 32; ++signal)
    known[signal] = sigaction(signal, NULL, &before[signal]) == 0;
  stack_t stack_before;
  sigaltstack(NULL, &stack_before);
  const int threads_before = threads();
  char locale_before[256];
  snprintf(locale_before, sizeof locale_before, "%s", setlocale(LC_ALL, NULL));
  int traps_before = 0;
  int rounding_before = 0;
  if (checks_floating_point) {
    /* Flags raised before are no trap of the call's (libcob's start, before main, leaves
       the invalid and division flags of 32-bit x86 raised): clear them first, as a Pascal
       program's start does. */
    feclearexcept(FE_ALL_EXCEPT);
    feenableexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    traps_before = fegetexcept();
    rounding_before = fegetround();
  }

  _p_initialize(argc, argv, envp);
  Helloworld();

  int differences = 0;
  for (int signal = 1; signal < 32; ++signal) {
    struct sigaction now;
    if (known[signal] && sigaction(signal, NULL, &now) == 0 &&
        (now.sa_handler != before[signal].sa_handler ||
         (now.sa_flags & SA_ONSTACK) != (before[signal].sa_flags & SA_ONSTACK))) {
      fprintf(stderr, "the disposition of signal %d (%s) changed\n", signal, strsignal(signal));
      ++differences;
    }
  }
  stack_t stack_now;
  sigaltstack(NULL, &stack_now);
  if ((stack_now.ss_flags & SS_DISABLE) != (stack_before.ss_flags & SS_DISABLE) ||
      stack_now.ss_sp != stack_before.ss_sp) {
    fputs("the alternate signal stack changed\n", stderr);
    ++differences;
  }
  if (threads() != threads_before) {
    fprintf(stderr, "%d threads, %d before\n", threads(), threads_before);
    ++differences;
  }
  if (strcmp(setlocale(LC_ALL, NULL), locale_before) != 0) {
    fprintf(stderr, "the locale changed to %s\n", setlocale(LC_ALL, NULL));
    ++differences;
  }
  if (checks_floating_point && (fegetexcept() != traps_before || fegetround() != rounding_before)) {
    fprintf(stderr, "the floating-point traps changed to %#x, rounding to %#x\n", fegetexcept(),
            fegetround());
    ++differences;
  }
  _p_finalize();
  return differences != 0;
}
