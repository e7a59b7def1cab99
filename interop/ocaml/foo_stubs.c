/* Module Foo for C: I, the exported routines around the OCaml code (foo.ml), and what the
   OCaml code cannot do itself: read-only texts, the run-time's variables, the variadic
   call. */
#include "foo.h"
#include "pascalrt.h"
#include "rt.h"

#include <caml/alloc.h>
#include <caml/bigarray.h>
#include <caml/callback.h>
#include <caml/memory.h>

int32_t I;

static const char hello_world[] = "Hello world in Pascal";
static const char hello1[] = "Hello1";

value foo_texts(value unit);
value foo_in_out_res(value unit);
value foo_internal_write(value text);
value foo_check_in_out_res(value unit);

/* A Bigarray over storage that OCaml neither copies nor frees. */
static value view(int kind, const void* address, intnat length) {
  return caml_ba_alloc_dims(kind | CAML_BA_C_LAYOUT, 1, (void*)address, length);
}

value foo_texts(value unit) {
  CAMLparam1(unit);
  CAMLlocal3(pair, first, second);
  first = view(CAML_BA_UINT8, hello_world, (intnat)(sizeof hello_world - 1));
  second = view(CAML_BA_UINT8, hello1, (intnat)(sizeof hello1 - 1));
  pair = caml_alloc_tuple(2);
  Store_field(pair, 0, first);
  Store_field(pair, 1, second);
  CAMLreturn(pair);
}

value foo_in_out_res(value unit) {
  (void)unit;
  return view(CAML_BA_INT32, &_p_InOutRes, 1);
}

value foo_internal_write(value text) {
  _p_Internal_Write(&_p_Output, PASCALRT_WRITE_PLAIN, 2, PASCALRT_ITEM_TEXT,
                    (const char*)Caml_ba_data_val(text), (int32_t)Caml_ba_array_val(text)->dim[0],
                    PASCALRT_ITEM_LINE_END);
  return Val_unit;
}

value foo_check_in_out_res(value unit) {
  (void)unit;
  _p_CheckInOutRes();
  return Val_unit;
}

void Helloworld(void) {
  ocaml_enter();
  caml_callback(ocaml_closure("Helloworld"), Val_unit);
  ocaml_leave();
}

void Hello(int32_t* x) {
  ocaml_enter();
  caml_callback(ocaml_closure("Hello"), view(CAML_BA_INT32, x, 1));
  ocaml_leave();
}

void init_Foo(void) {
  ocaml_enter();
  caml_callback(ocaml_closure("init_Foo"), Val_unit);
  ocaml_leave();
}
