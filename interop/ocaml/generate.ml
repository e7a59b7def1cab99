(* generate C ML: writes the C stubs of Bindings.Make into C and their OCaml side into ML.
   The stubs include the kit's headers, so that the C compiler checks each description
   against the routine's own prototype. *)
let write path print =
  let channel = open_out path in
  let formatter = Format.formatter_of_out_channel channel in
  print formatter;
  Format.pp_print_flush formatter ();
  close_out channel

let () =
  match Sys.argv with
  | [| _; c; ml |] ->
      write c (fun formatter ->
          List.iter (Format.fprintf formatter "#include %s\n")
            [ "<stdio.h>"; "\"refdemo.h\""; "\"foo.h\""; "\"pascalrt.h\"" ];
          Cstubs.write_c formatter ~prefix:"kit" (module Bindings.Make));
      write ml (fun formatter ->
          Cstubs.write_ml formatter ~prefix:"kit" (module Bindings.Make))
  | _ ->
      prerr_endline "usage: generate C ML";
      exit 2
