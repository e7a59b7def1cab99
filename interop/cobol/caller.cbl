>>SOURCE FORMAT IS FREE
*> The kit from GnuCOBOL: c_w1 by reference through CALL ... USING BY REFERENCE, a record
*> whose padding the build takes from refdemo.h for the target, and module Foo on the
*> run-time, its variable I through a LINKAGE item laid over the address dlsym gives.
IDENTIFICATION DIVISION.
PROGRAM-ID. caller.

DATA DIVISION.
WORKING-STORAGE SECTION.
01 INT-VALUE PIC S9(9) COMP-5 VALUE 3.
01 REAL-VALUE COMP-2 VALUE 7.23.
*> COBOL lays a record out without gaps; C aligns c_d. The build writes the FILLER that
*> stands for C's gap on this target (none on 32-bit x86 Linux, 4 bytes on x86-64).
01 C-RECORD.
   05 C-I PIC S9(9) COMP-5 VALUE 21.
   COPY "c-d-padding.cpy".
   05 C-D COMP-2 VALUE 87.234.
01 X PIC S9(9) COMP-5 VALUE 0.
01 I-BEFORE PIC S9(9) COMP-5.
01 I-ADDRESS USAGE POINTER.
01 NO-POINTER USAGE POINTER VALUE NULL.
01 NO-ARGUMENTS PIC S9(9) COMP-5 VALUE 0.
01 I-NAME PIC X(2) VALUE Z"I".
*> Numbers as the other callers print them: edited, then trimmed.
01 SHOWN-INT PIC -(9)9.
01 SHOWN-REAL PIC -(9)9.9999.
01 SHOWN-C-I PIC -(9)9.
01 SHOWN-C-D PIC -(9)9.9999.
01 THREE-POINT-1415 COMP-2 VALUE 3.1415.
01 ONE-POINT-2345 COMP-2 VALUE 1.2345.
*> A line for caller_say, ended by a NUL.
01 OUT-LINE PIC X(80).
LINKAGE SECTION.
01 FOO-I PIC S9(9) COMP-5.

PROCEDURE DIVISION.
    CALL STATIC "caller_give_back_signals"
    *> COBOL hands a program no C argument vector; the run-time then names it itself.
    CALL STATIC "_p_initialize" USING BY VALUE NO-ARGUMENTS NO-POINTER NO-POINTER
    CALL STATIC "c_world"
    CALL STATIC "c_w1" USING BY REFERENCE INT-VALUE REAL-VALUE C-RECORD
    *> DISPLAY writes through the C library's stdout, the kit's own stream, but flushes it
    *> without looking at the result: caller_say writes and flushes each line, and says why
    *> when that fails.
    MOVE INT-VALUE TO SHOWN-INT
    COMPUTE SHOWN-REAL ROUNDED = REAL-VALUE
    MOVE C-I TO SHOWN-C-I
    COMPUTE SHOWN-C-D ROUNDED = C-D
    STRING "left behind: " FUNCTION TRIM(SHOWN-INT) " " FUNCTION TRIM(SHOWN-REAL) " "
        FUNCTION TRIM(SHOWN-C-I) " " FUNCTION TRIM(SHOWN-C-D) X"00"
        DELIMITED BY SIZE INTO OUT-LINE
    CALL STATIC "caller_say" USING BY REFERENCE OUT-LINE

    CALL STATIC "init_Foo"
    CALL STATIC "init_Foo"
    CALL STATIC "dlsym" USING BY VALUE NO-POINTER BY REFERENCE I-NAME
        RETURNING I-ADDRESS
    SET ADDRESS OF FOO-I TO I-ADDRESS
    MOVE FOO-I TO I-BEFORE SHOWN-INT
    STRING "I before: " FUNCTION TRIM(SHOWN-INT) X"00" DELIMITED BY SIZE INTO OUT-LINE
    CALL STATIC "caller_say" USING BY REFERENCE OUT-LINE
    CALL STATIC "Helloworld"
    CALL STATIC "Hello" USING BY REFERENCE X
    CALL STATIC "Hello" USING BY REFERENCE FOO-I
    MOVE X TO SHOWN-INT
    MOVE FOO-I TO SHOWN-C-I
    STRING "x = " FUNCTION TRIM(SHOWN-INT) ", I = " FUNCTION TRIM(SHOWN-C-I) X"00"
        DELIMITED BY SIZE INTO OUT-LINE
    CALL STATIC "caller_say" USING BY REFERENCE OUT-LINE
    CALL STATIC "_p_finalize"

    IF INT-VALUE NOT = 56 OR REAL-VALUE NOT = THREE-POINT-1415 OR C-I NOT = 42
            OR C-D NOT = ONE-POINT-2345 OR X NOT = 99 OR I-BEFORE NOT = 0 OR FOO-I NOT = 99
        DISPLAY "caller: a value left behind is wrong" UPON SYSERR
        STOP RUN RETURNING 1
    END-IF
    STOP RUN RETURNING 0.

