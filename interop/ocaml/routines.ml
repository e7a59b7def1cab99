(* c_w1 and c_world in OCaml, for C callers: routines_stubs.c exports them, hands each
   reference over as a Bigarray that views the caller's storage in place (a record's own
   field handed as i or d is then the same storage twice), and starts the run-time. Each
   store goes straight to that storage, in the order written. The lines go through the C
   library's printf, which formats the doubles as %lf does. *)
open Bigarray

type int32_ref = (int32, int32_elt, c_layout) Array1.t
type double_ref = (float, float64_elt, c_layout) Array1.t

external print_text : string -> unit = "routines_print_text"
external print_numbers : string -> int32 -> float -> unit = "routines_print_numbers"

let c_world () = print_text "\nHello World from C\n"

let c_w1 (i : int32_ref) (d : double_ref) (c_i : int32_ref) (c_d : double_ref) =
  print_text "Now in function c_w1\n";
  print_numbers "Hello again from C i = %i\n%lfXXX\n" i.{0} d.{0};
  i.{0} <- 56l;
  d.{0} <- 3.1415;
  print_numbers "My record c_i = %i, c_d = %lf\n" c_i.{0} c_d.{0};
  c_i.{0} <- 42l;
  c_d.{0} <- 1.2345;
  print_numbers "My record changed to c_i = %i, c_d = %lf\n" c_i.{0} c_d.{0};
  print_text "Leaving C\n"

let () =
  Callback.register "c_world" c_world;
  Callback.register "c_w1" c_w1
