pragma Restrictions (No_Elaboration_Code);
with System;

package body Foo is
   type Pascalrt_File is record
      Descriptor : Integer_32;
   end record with Convention => C, Suppress_Initialization;

   P_Output : aliased Pascalrt_File with Import, Convention => C, External_Name => "_p_Output";
   P_InOutRes : Integer_32 with Import, Convention => C, External_Name => "_p_InOutRes";

   --  The variadic write as one fixed profile: C_Variadic_3 passes the three named
   --  parameters as C's fixed ones and the other four as its variadic arguments, so on
   --  x86-64 the call sets %al as a variadic call must.
   procedure P_Internal_Write
     (File : System.Address; Flags, Count : Integer_32; Text_Code : Integer_32;
      Text : System.Address; Length : Integer_32; Line_End_Code : Integer_32)
     with Import, Convention => C_Variadic_3, External_Name => "_p_Internal_Write";
   procedure P_CheckInOutRes with Import, Convention => C, External_Name => "_p_CheckInOutRes";

   Write_Plain : constant := 784;
   Item_Text : constant := 17;
   Item_Line_End : constant := 22;

   --  Static constants, so read-only; each ends in its zero byte, which Length leaves out.
   Hello_World : constant String := "Hello world in Pascal" & ASCII.NUL;
   Hello1 : constant String := "Hello1" & ASCII.NUL;

   Initialised : Unsigned_8 := 0;

   procedure Write_Line (Text : System.Address; Length : Integer_32) is
   begin
      P_Internal_Write (P_Output'Address, Write_Plain, 2, Item_Text, Text, Length,
                        Item_Line_End);
      if P_InOutRes /= 0 then
         P_CheckInOutRes;
      end if;
   end Write_Line;

   procedure Helloworld is
   begin
      Write_Line (Hello_World'Address, Hello_World'Length - 1);
   end Helloworld;

   procedure Hello (X : not null access Integer_32) is
   begin
      Write_Line (Hello1'Address, Hello1'Length - 1);
      X.all := 99;
   end Hello;

   procedure Init_Foo is
   begin
      if Initialised = 0 then
         Initialised := 1;
      end if;
   end Init_Foo;
end Foo;
