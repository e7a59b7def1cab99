// The kit from C# on mono: c_w1 by reference through ref parameters of DllImport methods, a
// sequential struct for the record, and module Foo on the run-time, its variable I through
// a pointer that dlsym gives.
using System;
using System.Runtime.InteropServices;

[StructLayout(LayoutKind.Sequential)]
struct CRecord {
  public int c_i;
  public double c_d;
}

static unsafe class Caller {
  [DllImport("refdemo")] static extern void c_world();
  [DllImport("refdemo")] static extern void c_w1(ref int i, ref double d, ref CRecord r);
  [DllImport("pascalrt")] static extern void _p_initialize(int argc, IntPtr argv, IntPtr envp);
  [DllImport("pascalrt")] static extern void _p_finalize();
  [DllImport("greetmod")] static extern void init_Foo();
  [DllImport("greetmod")] static extern void Helloworld();
  [DllImport("greetmod")] static extern void Hello(ref int x);
  [DllImport("libc")] static extern int fflush(IntPtr stream);
  [DllImport("libdl.so.2")] static extern IntPtr dlopen(string file, int mode);
  [DllImport("libdl.so.2")] static extern IntPtr dlsym(IntPtr handle, string name);

  // Console writes through a buffer of its own and the kit through the C library's: each is
  // flushed before the other writes.
  static void KitDone() { fflush(IntPtr.Zero); }

  static int Main() {
    // The run-time keeps the vector it is handed: it lives as long as the process.
    string[] args = Environment.GetCommandLineArgs();
    IntPtr argv = Marshal.AllocHGlobal(IntPtr.Size * (args.Length + 1));
    for (int n = 0; n < args.Length; n++)
      Marshal.WriteIntPtr(argv, n * IntPtr.Size, Marshal.StringToHGlobalAnsi(args[n]));
    Marshal.WriteIntPtr(argv, args.Length * IntPtr.Size, IntPtr.Zero);
    IntPtr envp = Marshal.AllocHGlobal(IntPtr.Size);
    Marshal.WriteIntPtr(envp, IntPtr.Zero);
    _p_initialize(args.Length, argv, envp);

    const int RTLD_NOW = 2;
    int* I = (int*)dlsym(dlopen("libgreetmod.so", RTLD_NOW), "I");

    int intValue = 3;
    double realValue = 7.23;
    var record = new CRecord { c_i = 21, c_d = 87.234 };
    c_world();
    c_w1(ref intValue, ref realValue, ref record);
    KitDone();
    Console.WriteLine(FormattableString.Invariant(
        $"left behind: {intValue} {realValue:F4} {record.c_i} {record.c_d:F4}"));

    init_Foo();
    init_Foo();
    int iBefore = *I;
    Console.WriteLine($"I before: {iBefore}");
    Console.Out.Flush();
    int x = 0;
    Helloworld();
    Hello(ref x);
    Hello(ref *I);
    KitDone();
    Console.WriteLine($"x = {x}, I = {*I}");
    Console.Out.Flush();
    _p_finalize();

    if (intValue != 56 || realValue != 3.1415 || record.c_i != 42 || record.c_d != 1.2345 ||
        x != 99 || iBefore != 0 || *I != 99) {
      Console.Error.WriteLine("caller: a value left behind is wrong");
      return 1;
    }
    return 0;
  }
}
