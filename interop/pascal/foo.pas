{ Module Foo in Free Pascal, on the kit's run-time. The unit has no initialization part, so
  it needs none of Free Pascal's start-up and none of its run-time library. }
unit foo;
{$mode objfpc}
{$packrecords c}

interface

implementation

uses ctypes;

{$I pic.inc}

const
  write_plain = 784;
  item_text = 17;
  item_line_end = 22;
  hello_world = 'Hello world in Pascal';
  hello1 = 'Hello1';

var
  I: cint32; public name 'I';
  initialised: cuint8;
{ A Windows DLL imports the variables from the run-time's DLL through its import table:
  Free Pascal reaches other data by 32-bit displacements, which could not reach a DLL
  loaded farther away. }
{$ifdef PASCALRT_DLL}
  _p_Output: record descriptor: cint32; end; external 'libpascalrt.dll' name '_p_Output';
  _p_InOutRes: cint32; external 'libpascalrt.dll' name '_p_InOutRes';
{$else}
  _p_Output: record descriptor: cint32; end; external name '_p_Output';
  _p_InOutRes: cint32; external name '_p_InOutRes';
{$endif}

{ Declared varargs, as the run-time defines it: on x86-64 the call then tells the callee in
  %al how many vector registers carry arguments. }
procedure _p_Internal_Write(f: pointer; flags, count: cint32); cdecl; varargs;
  external name '_p_Internal_Write';
procedure _p_CheckInOutRes; cdecl; external name '_p_CheckInOutRes';

{ A string constant handed as PChar stays read-only, with its zero byte after it. }
procedure write_line(text: PChar; length: cint32);
begin
  _p_Internal_Write(@_p_Output, write_plain, 2, cint32(item_text), text, length,
    cint32(item_line_end));
  if _p_InOutRes <> 0 then
    _p_CheckInOutRes;
end;

procedure Helloworld; cdecl; public name 'Helloworld';
begin
  write_line(hello_world, Length(hello_world));
end;

procedure Hello(var x: cint32); cdecl; public name 'Hello';
begin
  write_line(hello1, Length(hello1));
  x := 99;
end;

procedure init_Foo; cdecl; public name 'init_Foo';
begin
  if initialised = 0 then
    initialised := 1;
end;

end.
