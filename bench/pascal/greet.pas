program greet;
begin
  writeln('Hello world from a Pascal program');
end.
