/* A C program on the run-time whose first call into module Foo is Helloworld (no init_Foo):
   whatever that call starts must leave the program's own state as it was. It compares the
   signal dispositions, the alternate signal stack, the number of threads and the locale
   before and after the call, reports each difference on standard error and fails. */
#include "foo.h"
#include "pascalrt.h"

#include <dirent.h>
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
  _p_finalize();
  return differences != 0;
}
