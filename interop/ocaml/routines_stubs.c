/* c_w1 and c_world for C, and the C library's printf for routines.ml. */
#include "refdemo.h"
#include "rt.h"

#include <caml/alloc.h>
#include <caml/bigarray.h>
#include <caml/callback.h>
#include <caml/memory.h>

#include <stdio.h>

value routines_print_text(value text);
value routines_print_numbers(value format, value integer, value real);

value routines_print_text(value text) {
  printf("%s", String_val(text));
  return Val_unit;
}

value routines_print_numbers(value format, value integer, value real) {
  printf(String_val(format), (int)Int32_val(integer), Double_val(real));
  return Val_unit;
}

void c_world(void) {
  ocaml_enter();
  caml_callback(ocaml_closure("c_world"), Val_unit);
  ocaml_leave();
}

/* A Bigarray of one element over the caller's storage: OCaml neither copies nor frees it. */
static value view(int kind, void* address) {
  return caml_ba_alloc_dims(kind | CAML_BA_C_LAYOUT, 1, address, (intnat)1);
}

void c_w1(int32_t* i, double* d, c_record* r) {
  ocaml_enter();
  CAMLparam0();
  CAMLlocalN(arguments, 4);
  arguments[0] = view(CAML_BA_INT32, i);
  arguments[1] = view(CAML_BA_FLOAT64, d);
  arguments[2] = view(CAML_BA_INT32, &r->c_i);
  arguments[3] = view(CAML_BA_FLOAT64, &r->c_d);
  caml_callbackN(ocaml_closure("c_w1"), 4, arguments);
  ocaml_leave();
  CAMLdrop;
}
