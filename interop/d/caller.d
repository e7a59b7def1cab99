// The kit from D: c_w1 by reference through ref parameters of extern(C) functions, a D
// struct for the record (laid out as C's), and module Foo on the run-time, its variable I
// as an extern(C) __gshared variable.
import core.runtime : Runtime;
import core.stdc.stdio : fputs, printf, stderr;
import core.stdc.stdlib : exit;

struct c_record
{
    int c_i;
    double c_d;
}

extern (C)
{
    void c_world();
    void c_w1(ref int i, ref double d, ref c_record r);
    void _p_initialize(int argc, char** argv, char** envp);
    void _p_finalize();
    void init_Foo();
    void Helloworld();
    void Hello(ref int x);
    extern __gshared int I;
}

// D's run-time alone, not its standard library: GCC builds no Phobos for some processors
// (64-bit POWER). printf is the C library's, the kit's own stream: nothing to flush.
void main()
{
    auto args = Runtime.cArgs;
    char*[1] envp = [null];
    _p_initialize(args.argc, args.argv, envp.ptr);

    int intValue = 3;
    double realValue = 7.23;
    auto record = c_record(21, 87.234);
    c_world();
    c_w1(intValue, realValue, record);
    printf("left behind: %d %.4f %d %.4f\n", intValue, realValue, record.c_i, record.c_d);

    init_Foo();
    init_Foo();
    immutable iBefore = I;
    printf("I before: %d\n", iBefore);
    int x = 0;
    Helloworld();
    Hello(x);
    Hello(I);
    printf("x = %d, I = %d\n", x, I);
    _p_finalize();

    if (intValue != 56 || realValue != 3.1415 || record.c_i != 42 || record.c_d != 1.2345
            || x != 99 || iBefore != 0 || I != 99)
    {
        fputs("caller: a value left behind is wrong\n", stderr);
        exit(1);
    }
}
