(* The kit as ctypes describes it: the record, whose fields ctypes places by C's alignment
   rules, and the routines and module Foo's I as a functor over how calls are made.
   generate.ml hands it to ctypes' stub generator, which writes the C that makes each call;
   caller.ml applies it to the OCaml side of that C. *)
open Ctypes

type c_record

let c_record : c_record structure typ = structure "c_record"
let c_i = field c_record "c_i" int32_t
let c_d = field c_record "c_d" double
let () = seal c_record

module Make (F : FOREIGN) = struct
  open F

  let c_world = foreign "c_world" (void @-> returning void)

  let c_w1 =
    foreign "c_w1" (ptr int32_t @-> ptr double @-> ptr c_record @-> returning void)

  let p_initialize =
    foreign "_p_initialize"
      (int32_t @-> ptr (ptr char) @-> ptr (ptr char) @-> returning void)

  let p_finalize = foreign "_p_finalize" (void @-> returning void)
  let init_foo = foreign "init_Foo" (void @-> returning void)
  let helloworld = foreign "Helloworld" (void @-> returning void)
  let hello = foreign "Hello" (ptr int32_t @-> returning void)
  let foo_i = foreign_value "I" int32_t
  let fflush = foreign "fflush" (ptr void @-> returning int)
end
