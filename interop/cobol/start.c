/* GnuCOBOL's run-time, started when the library is loaded and finished at exit: a C
   program calls neither cob_init nor cob_tidy. cob_init also installs libcob's signal
   handlers (SIGPIPE among them: a write into a closed pipe would end the process with a
   message and status 13 instead of the signal) and sets every locale category from the
   environment; both are the C program's own affair, so they are put back as they were. */
#include <locale.h>
#include <signal.h>
#include <stddef.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* libcob.h needs size_t and FILE declared before it. */
#include <libcob.h>

__attribute__((constructor)) static void start_cobol(void) {
  static struct sigaction saved[NSIG];
  for (int signal = 1; signal < NSIG; ++signal)
    sigaction(signal, NULL, &saved[signal]);
  const char* locale = setlocale(LC_ALL, NULL);
  char* saved_locale = locale ? strdup(locale) : NULL;
  cob_init(0, NULL);
  if (saved_locale) {
    setlocale(LC_ALL, saved_locale);
    free(saved_locale);
  }
  for (int signal = 1; signal < NSIG; ++signal)
    sigaction(signal, &saved[signal], NULL);
}

__attribute__((destructor)) static void finish_cobol(void) {
  if (cob_is_initialized())
    cob_tidy();
}
