/* OCaml's run-time starts on the first call of one of the library's routines, which runs
   the OCaml module's top level (it registers the closures), and finishes at exit. Each
   library holds a run-time of its own, its names made local, so that two OCaml libraries
   can share a program. caml_startup installs a SIGSEGV handler for stack overflows, run on
   an alternate signal stack that it registers: the C program's dispositions and alternate
   stack are put back (a stack overflow in OCaml code is then the program's SIGSEGV).
   OCAMLRUNPARAM and CAMLRUNPARAM in the program's environment are hidden from it: they
   would have the run-time print on stderr (v=0x3ff) or change its heap. A
   process that exits inside a call (the run-time's _p_CheckInOutRes does, on a failed
   write) skips caml_shutdown, which would run OCaml code inside the OCaml code that made
   the call; nothing of ours is buffered in OCaml's channels.
   OCaml's code runs with every floating-point exception masked (feholdexcept), and the
   caller's environment is put back as it was when the outermost call returns: a caller may
   trap invalid operations (a Pascal program's run-time does), and on 32-bit x86 OCaml's
   own start-up loads a signalling NaN (Stdlib.nan) through the x87 stack. */
#include "rt.h"

#include <caml/callback.h>
#include <caml/memory.h>

#include <fenv.h>
#include <signal.h>
#include <stdlib.h>
#include <string.h>

static const char* const parameters[] = {"OCAMLRUNPARAM", "CAMLRUNPARAM"};

static int started;
static int calls_running;
static fenv_t caller_environment;

static void finish_ocaml(void) {
  if (calls_running == 0) {
    feholdexcept(&caller_environment);
    caml_shutdown();
    fesetenv(&caller_environment);
  }
}

void ocaml_enter(void) {
  if (calls_running == 0)
    feholdexcept(&caller_environment);
  if (!started) {
    started = 1;
    static struct sigaction saved[NSIG];
    stack_t saved_stack;
    sigaltstack(NULL, &saved_stack);
    for (int signal = 1; signal < NSIG; ++signal)
      sigaction(signal, NULL, &saved[signal]);
    static char_os program[] = "linkkit";
    static char_os* arguments[] = {program, NULL};
    char* saved_parameters[2];
    for (int n = 0; n < 2; ++n) {
      const char* value = getenv(parameters[n]);
      saved_parameters[n] = value ? strdup(value) : NULL;
      unsetenv(parameters[n]);
    }
    caml_startup(arguments);
    for (int n = 0; n < 2; ++n) {
      if (saved_parameters[n]) {
        setenv(parameters[n], saved_parameters[n], 1);
        free(saved_parameters[n]);
      }
    }
    for (int signal = 1; signal < NSIG; ++signal)
      sigaction(signal, &saved[signal], NULL);
    sigaltstack(&saved_stack, NULL);
    atexit(finish_ocaml);
  }
  ++calls_running;
}

void ocaml_leave(void) {
  if (--calls_running == 0)
    fesetenv(&caller_environment);
}

value ocaml_closure(const char* name) {
  return *caml_named_value(name);
}
