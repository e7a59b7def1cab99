{ c_w1 and c_world in Free Pascal, for C callers. Pascal lets two variable parameters
  name one variable, so the record's own field handed as i or d is legal here, and each
  store is made where it stands. }
unit routines;
{$mode objfpc}
{$packrecords c}

interface

{ C callers reach the routines by their public names; a Pascal caller would use the kit's
  own declarations. }

implementation

uses ctypes;

{$I pic.inc}

type
  c_record = record
    c_i: cint32;
    c_d: cdouble;
  end;

{ The C library's own formatting gives %lf's rendering for every double, and its stdout is
  the stream that the C caller writes to. }
function printf(format: PChar): cint; cdecl; varargs; external name 'printf';

procedure c_world; cdecl; public name 'c_world';
begin
  printf(#10'Hello World from C'#10);
end;

procedure c_w1(var i: cint32; var d: cdouble; var r: c_record); cdecl; public name 'c_w1';
begin
  printf('Now in function c_w1'#10);
  printf('Hello again from C i = %i'#10'%lfXXX'#10, i, d);
  i := 56;
  d := 3.1415;
  printf('My record c_i = %i, c_d = %lf'#10, r.c_i, r.c_d);
  r.c_i := 42;
  r.c_d := 1.2345;
  printf('My record changed to c_i = %i, c_d = %lf'#10, r.c_i, r.c_d);
  printf('Leaving C'#10);
end;

end.
