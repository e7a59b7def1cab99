{ refdemo's eight lines, written with writeln. }
program refdemo;
type
  c_record = record
    c_i: longint;
    c_d: double;
  end;

procedure c_w1(var i: longint; var d: double; var r: c_record);
begin
  writeln('Now in function c_w1');
  writeln('Hello again from C i = ', i);
  writeln(d:0:6, 'XXX');
  i := 56;
  d := 3.1415;
  writeln('My record c_i = ', r.c_i, ', c_d = ', r.c_d:0:6);
  r.c_i := 42;
  r.c_d := 1.2345;
  writeln('My record changed to c_i = ', r.c_i, ', c_d = ', r.c_d:0:6);
  writeln('Leaving C');
end;

var
  integer_value: longint;
  real_value: double;
  rec: c_record;
begin
  writeln('This is the main program in C');
  integer_value := 3;
  real_value := 7.23;
  rec.c_i := 21;
  rec.c_d := 87.234;
  c_w1(integer_value, real_value, rec);
  writeln('End of program');
end.
