(* Module Foo in OCaml, on the kit's run-time: foo_stubs.c exports the routines, defines I
   (OCaml defines no variable that C can name) and starts the run-time. OCaml keeps its
   string constants in writable data, so the texts are C's, read-only with their zero
   byte, seen as Bigarrays; the run-time's _p_InOutRes is seen so too, and read after each
   write. The variadic call itself is made in C (foo_internal_write). *)
open Bigarray

type text = (char, int8_unsigned_elt, c_layout) Array1.t
type int32_ref = (int32, int32_elt, c_layout) Array1.t

external texts : unit -> text * text = "foo_texts"
external in_out_res : unit -> int32_ref = "foo_in_out_res"
(* _p_Internal_Write(&_p_Output, 784, 2, 17, text, its length, 22). *)
external internal_write : text -> unit = "foo_internal_write"
external check_in_out_res : unit -> unit = "foo_check_in_out_res"

let hello_world, hello1 = texts ()
let pending = in_out_res ()

let write_line text =
  internal_write text;
  if pending.{0} <> 0l then check_in_out_res ()

let helloworld () = write_line hello_world

let hello (x : int32_ref) =
  write_line hello1;
  x.{0} <- 99l

let initialised = ref false
let init_foo () = if not !initialised then initialised := true

let () =
  Callback.register "Helloworld" helloworld;
  Callback.register "Hello" hello;
  Callback.register "init_Foo" init_foo
