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

uses baseunix, ctypes;

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
function strerror(error: cint): PChar; cdecl; external;
function __errno_location: pcint; cdecl; external; { the C library's errno }

var
  I: cint32; cvar; external; { module Foo's integer }
  int_value, x: cint32;
  line: string;
  real_value: cdouble;
  rec: c_record;

{ A failed write of standard output, in one line as the kit's run-time says it; what the
  buffers still hold is dropped, not written again at exit. }
procedure write_failed(cause: cint);
begin
  writeln(StdErr, 'caller: write error: ', strerror(cause));
  Flush(StdErr);
  FpExit(1);
end;

{ The kit writes through the C library's stdout buffer, which is flushed before Pascal
  writes; its errno is the C library's, apart from Free Pascal's own. }
procedure kit_done;
begin
  if fflush(nil) <> 0 then
    write_failed(__errno_location^);
end;

{ A failed writeln is a run-time error with an address, or with I/O checks off a code
  alone: the errno of the failed write is gone by then. The caller's lines go out with
  fpwrite, unbuffered, and a failure is reported with its errno. }
procedure say(const line: string);
var
  text: string;
  done, written: ssize_t;
begin
  text := line + #10;
  done := 0;
  while done < length(text) do
  begin
    written := fpwrite(1, text[done + 1], length(text) - done);
    if written < 0 then
      write_failed(fpgeterrno);
    done := done + written;
  end;
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
  WriteStr(line, 'left behind: ', int_value, ' ', real_value:0:4, ' ', rec.c_i, ' ', rec.c_d:0:4);
  say(line);

  init_Foo;
  init_Foo;
  WriteStr(line, 'I before: ', I);
  say(line);
  x := 0;
  Helloworld;
  Hello(x);
  Hello(I);
  kit_done;
  WriteStr(line, 'x = ', x, ', I = ', I);
  say(line);
  _p_finalize;

  if (int_value <> 56) or (real_value <> cdouble(3.1415)) or (rec.c_i <> 42)
     or (rec.c_d <> cdouble(1.2345)) or (x <> 99) or (I <> 99) then
  begin
    writeln(StdErr, 'caller: a value left behind is wrong');
    Halt(1);
  end;
end.
