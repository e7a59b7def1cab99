{ The kit from Free Pascal: c_w1 by reference through var parameters, a C-laid-out
  record, and module Foo on the run-time, its variable I through cvar. }
program caller;
{$mode objfpc}
{$packrecords c}
{ The kit's three shared libraries (so that another build of them, another language's, can
  stand in for them at run time), the C library, whose stdio the kit writes through, and
  the C compiler's support library: fpc calls the linker itself, and the kit can need
  routines of libgcc that a C compiler would have linked (64-bit division on 32-bit ARM). }
{$linklib greetmod}
{$linklib pascalrt}
{$linklib refdemo}
{$linklib c}
{$linklib gcc}

uses ctypes;

type
  c_record = record
    c_i: cint32;
    c_d: cdouble;
  end;

procedure c_world; cdecl; external;
procedure c_w1(var i: cint32; var d: cdouble; var r: c_record); cdecl; external;
procedure _p_initialize(argc: cint32; argv: PPChar; envp: PPChar); cdecl; external;
procedure _p_finalize; cdecl; external;
procedure init_Foo; cdecl; external;
procedure Helloworld; cdecl; external;
procedure Hello(var x: cint32); cdecl; external;
function fflush(stream: pointer): cint; cdecl; external;

var
  I: cint32; cvar; external; { module Foo's integer }
  int_value, x: cint32;
  real_value: cdouble;
  rec: c_record;

{ writeln and the kit have buffers of their own: each is flushed before the other writes. }
procedure kit_done;
begin
  fflush(nil);
end;

begin
  _p_initialize(argc, argv, envp);
  int_value := 3;
  real_value := 7.23;
  rec.c_i := 21;
  rec.c_d := 87.234;
  c_world;
  c_w1(int_value, real_value, rec);
  kit_done;
  writeln('left behind: ', int_value, ' ', real_value:0:4, ' ', rec.c_i, ' ', rec.c_d:0:4);
  Flush(Output);

  init_Foo;
  init_Foo;
  writeln('I before: ', I);
  Flush(Output);
  x := 0;
  Helloworld;
  Hello(x);
  Hello(I);
  kit_done;
  writeln('x = ', x, ', I = ', I);
  Flush(Output);
  _p_finalize;

  if (int_value <> 56) or (real_value <> cdouble(3.1415)) or (rec.c_i <> 42)
     or (rec.c_d <> cdouble(1.2345)) or (x <> 99) or (I <> 99) then
  begin
    writeln(StdErr, 'caller: a value left behind is wrong');
    Halt(1);
  end;
end.
