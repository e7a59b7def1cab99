--  The kit from Ada: c_w1 by reference through in out parameters of an imported C
--  procedure, a Convention C record, and module Foo on the run-time, its variable I
--  imported as a C object.
with Ada.Text_IO;      use Ada.Text_IO;
with Ada.Command_Line;
with Ada.Exceptions;
with Ada.Strings.Fixed;
with Interfaces;       use Interfaces;
with Interfaces.C;     use Interfaces.C;
with System;

procedure Caller is
   type C_Record is record
      C_I : Integer_32;
      C_D : double;
   end record with Convention => C;

   procedure C_World with Import, Convention => C, External_Name => "c_world";
   procedure C_W1 (I : in out Integer_32; D : in out double; R : in out C_Record)
     with Import, Convention => C, External_Name => "c_w1";
   procedure P_Initialize (Argc : int; Argv, Envp : System.Address)
     with Import, Convention => C, External_Name => "_p_initialize";
   procedure P_Finalize with Import, Convention => C, External_Name => "_p_finalize";
   procedure Init_Foo with Import, Convention => C, External_Name => "init_Foo";
   procedure Helloworld with Import, Convention => C, External_Name => "Helloworld";
   procedure Hello (X : in out Integer_32)
     with Import, Convention => C, External_Name => "Hello";

   Foo_I : Integer_32 with Import, Convention => C, External_Name => "I";

   --  The program's own arguments, as GNAT's start-up keeps them.
   GNAT_Argc : int with Import, Convention => C, External_Name => "gnat_argc";
   GNAT_Argv : System.Address with Import, Convention => C, External_Name => "gnat_argv";
   GNAT_Envp : System.Address with Import, Convention => C, External_Name => "gnat_envp";

   package Double_IO is new Float_IO (double);

   Int_Value : Integer_32 := 3;
   Real_Value : double := 7.23;
   Rec : C_Record := (C_I => 21, C_D => 87.234);
   X : Integer_32 := 0;

   function Image (Value : Integer_32) return String is
     (Ada.Strings.Fixed.Trim (Integer_32'Image (Value), Ada.Strings.Left));

   procedure Put_Fixed (Value : double) is
   begin
      Double_IO.Put (Value, Fore => 1, Aft => 4, Exp => 0);
   end Put_Fixed;

--  GNAT's Text_IO writes Standard_Output through the C library's stdout, the stream the
--  kit writes to, so its lines and the kit's keep their order with no flush between them.
begin
   P_Initialize (GNAT_Argc, GNAT_Argv, GNAT_Envp);
   C_World;
   C_W1 (Int_Value, Real_Value, Rec);
   Put ("left behind: " & Image (Int_Value) & " ");
   Put_Fixed (Real_Value);
   Put (" " & Image (Rec.C_I) & " ");
   Put_Fixed (Rec.C_D);
   New_Line;

   Init_Foo;
   Init_Foo;
   Put_Line ("I before: " & Image (Foo_I));
   Helloworld;
   Hello (X);
   Hello (Foo_I);
   Put_Line ("x = " & Image (X) & ", I = " & Image (Foo_I));
   P_Finalize;

   if Int_Value /= 56 or else Real_Value /= 3.1415 or else Rec.C_I /= 42
     or else Rec.C_D /= 1.2345 or else X /= 99 or else Foo_I /= 99
   then
      Put_Line (Standard_Error, "caller: a value left behind is wrong");
      Ada.Command_Line.Set_Exit_Status (1);
   end if;
exception
   --  A failed write of standard output, in one line as the kit's run-time says it; GNAT's
   --  message for the exception is the system's words for the errno. Left to GNAT, the
   --  exception would be reported after an empty line, with its name.
   when Failure : Device_Error =>
      Put_Line (Standard_Error,
                "caller: write error: " & Ada.Exceptions.Exception_Message (Failure));
      Ada.Command_Line.Set_Exit_Status (1);
end Caller;
