/* GHC's run-time system for the library's C entries: each entry calls haskell_enter
   before its Haskell code and haskell_leave after it. */
#ifndef LINKKIT_HASKELL_RTS_H
#define LINKKIT_HASKELL_RTS_H

void haskell_enter(void);
void haskell_leave(void);

#endif
