/* What the COBOL caller needs of C. Its lines: DISPLAY writes them on the C library's
   stdout, the kit's own stream, and flushes it without looking at the result, so a failed
   write and its errno were lost and the kit's run-time could only say "disk write error"
   at the end. caller_say writes and flushes each line, with the kit's lines before it, and
   says why when that fails. (cobc's own declarations of C library functions clash with the
   C library's headers, which libcob.h includes: the C library is called from here.) */
#include <errno.h>
#include <signal.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

void caller_say(const char* line);
void caller_give_back_signals(void);

/* cob_init, which cobc's main calls before the program starts, puts libcob's handlers on
   the signals that were not ignored (SIGPIPE among them: a write into a pipe whose reader
   has gone then ends the process with "caught signal" and status 13). A loaded library may
   have put its own handler where the signal was ignored (Go's run-time does, and passes on
   a signal that is not its own as it was found). The program gives back what it was started
   with, as these saved it before main. */
static struct sigaction saved[NSIG];

__attribute__((constructor)) static void save_signals(void) {
  for (int signal = 1; signal < NSIG; ++signal)
    sigaction(signal, NULL, &saved[signal]);
}

void caller_give_back_signals(void) {
  for (int signal = 1; signal < NSIG; ++signal)
    sigaction(signal, &saved[signal], NULL);
}

void caller_say(const char* line) {
  if (puts(line) >= 0 && fflush(NULL) == 0)
    return;
  /* One line, as the kit's run-time says it; what the buffer still holds is dropped, not
     written again at exit. */
  const int cause = errno;
  fprintf(stderr, "caller: write error: %s\n", strerror(cause));
  _exit(1);
}
