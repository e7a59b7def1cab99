{ What the test host of module Foo writes, with writeln alone. With an argument N, N lines
  of Helloworld's text. }
program foo_host;
var
  n, code: longint;
  i, x: longint;
begin
  if ParamCount > 0 then
  begin
    Val(ParamStr(1), n, code);
    while n > 0 do
    begin
      writeln('Hello world in Pascal');
      Dec(n);
    end;
    Exit;
  end;
  i := 0;
  x := 5;
  writeln('C: I = ', i);
  writeln('Hello world in Pascal');
  writeln('C: between');
  writeln('Hello1');
  x := 99;
  writeln('C: x = ', x);
  writeln('Hello1');
  i := 99;
  writeln('C: I = ', i);
end.
