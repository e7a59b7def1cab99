/* c_w1 and c_world for C: the run-time system around the Haskell code (Routines.hsc). */
#include "Routines_stub.h"
#include "refdemo.h"
#include "rts.h"

void c_world(void) {
  haskell_enter();
  routines_c_world();
  haskell_leave();
}

void c_w1(int32_t* i, double* d, c_record* r) {
  haskell_enter();
  routines_c_w1(i, d, r);
  haskell_leave();
}
