#include "pascalrt.h"

// The program's initialiser and body, with the plain names a Pascal program's have.
extern "C" {
void init_pascal_main_program(void);
void pascal_main_program(void);
}

static unsigned char initialised;
static const char greeting[] = "Hello world from a Pascal program";

void init_pascal_main_program(void) {
  if (initialised != 0)
    return;
  initialised = 1;
  _p_DoInitProc();
}

void pascal_main_program(void) {
  pascalrt_write_line(greeting, sizeof greeting - 1);
}

int main(int argc, char** argv, char** envp) {
  // A volatile read stays in the program however it is optimised, and with it the link
  // against a run-time that defines the marker.
  (void)*static_cast<volatile int32_t*>(&__GPC_RTS_VERSION_20030830__);
  _p_initialize(argc, argv, envp);
  init_pascal_main_program();
  pascal_main_program();
  _p_finalize();
  return 0;
}
