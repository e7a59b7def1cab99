(* The kit from OCaml through ctypes: c_w1 by reference with pointers to values that ctypes
   allocates, a ctypes structure for the record, and module Foo on the run-time, its
   variable I through foreign_value. The calls are bindings.ml's, made by the C stubs that
   ctypes generated from it (kit_generated.ml is their OCaml side). *)
open Ctypes
open Bindings
open Make (Kit_generated)

(* Printf writes through OCaml's own buffer and the kit through the C library's: each is
   flushed before the other writes. *)
let kit_done () = ignore (fflush null)

(* The run-time keeps the vector it is handed: a value of the top level lives as long as
   the program. *)
let args = Array.map (fun a -> CArray.of_string a) Sys.argv

let argv =
  CArray.of_list (ptr char)
    (Array.to_list (Array.map CArray.start args) @ [ from_voidp char null ])

let envp = CArray.make (ptr char) 1 ~initial:(from_voidp char null)

let () =
  p_initialize (Int32.of_int (Array.length Sys.argv)) (CArray.start argv) (CArray.start envp);
  let int_value = allocate int32_t 3l in
  let real_value = allocate double 7.23 in
  let record = make c_record in
  setf record c_i 21l;
  setf record c_d 87.234;
  c_world ();
  c_w1 int_value real_value (addr record);
  kit_done ();
  Printf.printf "left behind: %ld %.4f %ld %.4f\n%!" !@int_value !@real_value
    (getf record c_i) (getf record c_d);

  init_foo ();
  init_foo ();
  let i_before = !@foo_i in
  Printf.printf "I before: %ld\n%!" i_before;
  let x = allocate int32_t 0l in
  helloworld ();
  hello x;
  hello foo_i;
  kit_done ();
  Printf.printf "x = %ld, I = %ld\n%!" !@x !@foo_i;
  p_finalize ();

  if (!@int_value, !@real_value, getf record c_i, getf record c_d, !@x, i_before, !@foo_i)
     <> (56l, 3.1415, 42l, 1.2345, 99l, 0l, 99l)
  then (
    prerr_endline "caller: a value left behind is wrong";
    exit 1)
