--  Module Foo in Ada, on the kit's run-time. The unit has no elaboration code, so its
--  names work without adainit, which the C host of the module never calls.
pragma Restrictions (No_Elaboration_Code);
with Interfaces; use Interfaces;

package Foo is
   I : aliased Integer_32 := 0 with Export, Convention => C, External_Name => "I";

   procedure Helloworld with Export, Convention => C, External_Name => "Helloworld";
   procedure Hello (X : not null access Integer_32)
     with Export, Convention => C, External_Name => "Hello";
   procedure Init_Foo with Export, Convention => C, External_Name => "init_Foo";
end Foo;
