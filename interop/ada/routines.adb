pragma Restrictions (No_Elaboration_Code);
with Interfaces.C; use Interfaces.C;
with System;

package body Routines is
   --  The C library's own formatting gives %lf's rendering for every double, and its stdout
   --  is the stream that the C caller writes to. Each profile of printf that is used is
   --  one import; C_Variadic_1 makes every parameter after the format a variadic argument.
   procedure Printf (Format : System.Address)
     with Import, Convention => C_Variadic_1, External_Name => "printf";
   procedure Printf (Format : System.Address; I : Integer_32; D : double)
     with Import, Convention => C_Variadic_1, External_Name => "printf";

   World : constant String := ASCII.LF & "Hello World from C" & ASCII.LF & ASCII.NUL;
   Entry_Line : constant String := "Now in function c_w1" & ASCII.LF & ASCII.NUL;
   Handed : constant String :=
     "Hello again from C i = %i" & ASCII.LF & "%lfXXX" & ASCII.LF & ASCII.NUL;
   Record_Line : constant String := "My record c_i = %i, c_d = %lf" & ASCII.LF & ASCII.NUL;
   Changed : constant String :=
     "My record changed to c_i = %i, c_d = %lf" & ASCII.LF & ASCII.NUL;
   Leaving : constant String := "Leaving C" & ASCII.LF & ASCII.NUL;

   procedure C_World is
   begin
      Printf (World'Address);
   end C_World;

   procedure C_W1
     (I : not null access Integer_32; D : not null access double;
      R : not null access C_Record) is
   begin
      Printf (Entry_Line'Address);
      Printf (Handed'Address, I.all, D.all);
      I.all := 56;
      D.all := 3.1415;
      Printf (Record_Line'Address, R.C_I, R.C_D);
      R.C_I := 42;
      R.C_D := 1.2345;
      Printf (Changed'Address, R.C_I, R.C_D);
      Printf (Leaving'Address);
   end C_W1;
end Routines;
