#include "runtime.h"

static void (*procs[PASCALRT_MAX_INIT_PROCS])(void);
static int32_t registered;
static int32_t done;

int32_t _p_AddInitProc(void (*proc)(void)) {
  if (proc == nullptr || registered == PASCALRT_MAX_INIT_PROCS)
    return -1;
  procs[registered++] = proc;
  return 0;
}

// A procedure counts as run before it is called, so that one which calls _p_DoInitProc,
// or registers another, sees each of them run once.
void _p_DoInitProc(void) {
  while (done < registered)
    procs[done++]();
}
