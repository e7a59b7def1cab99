*> c_w1 and c_world in COBOL, for C callers. Each line goes through the C library's printf,
*> which formats the doubles as %lf does and keeps the lines on the caller's stdout, in
*> order. The three arguments are the caller's storage itself (BY REFERENCE), so each MOVE
*> stores through it at once and a record's own field handed as I or D shows the store.
IDENTIFICATION DIVISION.
PROGRAM-ID. c_w1.
DATA DIVISION.
WORKING-STORAGE SECTION.
*> libcob turns the decimal 3.1415 into the double one unit in the last place below C's
*> (0x1.921cac083126ep+1, not ...6fp+1), in a MOVE, a COMPUTE or a VALUE alike: the two
*> doubles are given as their IEEE-754 images, and a COMP-2 MOVE copies the bytes.
01 BITS-3-1415 PIC S9(18) COMP-5 VALUE 4614256447914709615.
01 VALUE-3-1415 REDEFINES BITS-3-1415 COMP-2.
01 BITS-1-2345 PIC S9(18) COMP-5 VALUE 4608238512912635789.
01 VALUE-1-2345 REDEFINES BITS-1-2345 COMP-2.
LINKAGE SECTION.
01 I PIC S9(9) COMP-5.
01 D COMP-2.
01 R.
   05 C-I PIC S9(9) COMP-5.
   COPY "c-d-padding.cpy".
   05 C-D COMP-2.
PROCEDURE DIVISION USING BY REFERENCE I D R RETURNING OMITTED.
    CALL STATIC "printf" USING BY REFERENCE "Now in function c_w1" & x"0A00"
      END-CALL
    CALL STATIC "printf" USING
      BY REFERENCE "Hello again from C i = %i" & x"0A" & "%lfXXX" & x"0A00"
      BY VALUE I D END-CALL
    MOVE 56 TO I
    MOVE VALUE-3-1415 TO D
    CALL STATIC "printf" USING BY REFERENCE "My record c_i = %i, c_d = %lf" & x"0A00"
      BY VALUE C-I C-D END-CALL
    MOVE 42 TO C-I
    MOVE VALUE-1-2345 TO C-D
    CALL STATIC "printf" USING
      BY REFERENCE "My record changed to c_i = %i, c_d = %lf" & x"0A00"
      BY VALUE C-I C-D END-CALL
    CALL STATIC "printf" USING BY REFERENCE "Leaving C" & x"0A00"
      END-CALL
    GOBACK.
END PROGRAM c_w1.

IDENTIFICATION DIVISION.
PROGRAM-ID. c_world.
PROCEDURE DIVISION RETURNING OMITTED.
    CALL STATIC "printf" USING BY REFERENCE x"0A" & "Hello World from C" & x"0A00"
      END-CALL
    GOBACK.
END PROGRAM c_world.
