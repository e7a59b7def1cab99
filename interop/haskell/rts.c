/* GHC's run-time system starts on the first call of one of the library's routines and
   finishes at exit. Its options keep it to itself in a C program: -V0 starts no ticker
   thread (and no timer signal), --install-signal-handlers=no leaves SIGINT, SIGPIPE and
   the others to the program; GHCRTS in the environment is ignored, silently (with
   RtsOptsNone the RTS would warn of it on stderr). hs_init sets LC_CTYPE
   from the environment: the program's locale is put back. A process that exits
   inside a call (the run-time's _p_CheckInOutRes does, on a failed write) skips hs_exit:
   it would run Haskell code again from inside a foreign call, and nothing of ours is
   buffered on Haskell's side. */
#include "rts.h"

#include <Rts.h>
#include <locale.h>
#include <stdlib.h>
#include <string.h>

static int started;
static int calls_running;

static void finish_haskell(void) {
  if (calls_running == 0)
    hs_exit();
}

void haskell_enter(void) {
  if (!started) {
    started = 1;
    RtsConfig config = defaultRtsConfig;
    config.rts_opts_enabled = RtsOptsIgnoreAll;
    config.rts_opts = "-V0 --install-signal-handlers=no";
    static char program[] = "linkkit";
    static char* arguments[] = {program, NULL};
    int argc = 1;
    char** argv = arguments;
    const char* locale = setlocale(LC_ALL, NULL);
    char* saved_locale = locale ? strdup(locale) : NULL;
    hs_init_ghc(&argc, &argv, config);
    if (saved_locale) {
      setlocale(LC_ALL, saved_locale);
      free(saved_locale);
    }
    atexit(finish_haskell);
  }
  ++calls_running;
}

void haskell_leave(void) {
  --calls_running;
}
