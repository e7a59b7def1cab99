/* OCaml's run-time for the library's C entries: each entry calls ocaml_enter before its
   OCaml code and ocaml_leave after it. */
#ifndef LINKKIT_OCAML_RT_H
#define LINKKIT_OCAML_RT_H

#define CAML_NAME_SPACE
#include <caml/mlvalues.h>

void ocaml_enter(void);
void ocaml_leave(void);
/* The closure that the OCaml code registered under name. */
value ocaml_closure(const char* name);

#endif
