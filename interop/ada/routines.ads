--  c_w1 and c_world in Ada, for C callers. An in out parameter of an elementary type is
--  passed by copy as far as Ada goes, so its store need not reach the caller before the
--  return, after the record's; the three references are access parameters instead, whose
--  stores are made where they stand, and which may designate overlapping objects.
pragma Restrictions (No_Elaboration_Code); -- callable without adainit
with Interfaces; use Interfaces;
with Interfaces.C;

package Routines is
   --  Aliased components: only then may an access value designate one, so only then must
   --  the compiler assume that I or D designates a field of R (without, GNAT moves the
   --  read of R.C_I before the store through I).
   type C_Record is record
      C_I : aliased Integer_32;
      C_D : aliased Interfaces.C.double;
   end record with Convention => C, Suppress_Initialization; -- no init procedure to export

   procedure C_World with Export, Convention => C, External_Name => "c_world";
   procedure C_W1
     (I : not null access Integer_32; D : not null access Interfaces.C.double;
      R : not null access C_Record)
     with Export, Convention => C, External_Name => "c_w1";
end Routines;
