/* Module Foo for C: I, and the run-time system around the Haskell code (Foo.hs). */
#include "Foo_stub.h"
#include "foo.h"
#include "rts.h"

int32_t I;

void Helloworld(void) {
  haskell_enter();
  foo_helloworld();
  haskell_leave();
}

void Hello(int32_t* x) {
  haskell_enter();
  foo_hello(x);
  haskell_leave();
}

void init_Foo(void) {
  haskell_enter();
  foo_init();
  haskell_leave();
}
