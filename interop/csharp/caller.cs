// The kit from C# on mono: c_w1 by reference through ref parameters of DllImport methods, a
// sequential struct for the record, and module Foo on the run-time, its variable I through
// a pointer that dlsym gives.
using System;
using System.Runtime.InteropServices;
using System.Text;

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
  [DllImport("libc", SetLastError = true)] static extern int fflush(IntPtr stream);
  [DllImport("libc", SetLastError = true)]
  static extern IntPtr write(int fd, byte* data, IntPtr count);
  [DllImport("libc")] static extern IntPtr strerror(int error);
  [DllImport("libc")] static extern void _exit(int status);
  [DllImport("libdl.so.2")] static extern IntPtr dlopen(string file, int mode);
  [DllImport("libdl.so.2")] static extern IntPtr dlsym(IntPtr handle, string name);

  // A failed write of standard output, in one line as the kit's run-time says it; what the
  // buffers still hold is dropped, not written again at exit.
  static void WriteFailed(int cause) {
    string words = Marshal.PtrToStringAnsi(strerror(cause));
    Console.Error.Write("caller: write error: " + words + "\n");
    Console.Error.Flush();
    _exit(1);
  }

  // The kit writes through the C library's buffer, which is flushed before C# writes.
  static void KitDone() {
    if (fflush(IntPtr.Zero) != 0)
      WriteFailed(Marshal.GetLastWin32Error());
  }

  // Console's IOException names mono's own texts ("Disk full"), not the errno: the lines go to
  // the file descriptor with write, unbuffered.
  static void Say(string line) {
    byte[] bytes = Encoding.UTF8.GetBytes(line + "\n");
    fixed (byte* start = bytes) {
      for (long done = 0; done < bytes.Length;) {
        long written = (long)write(1, start + done, (IntPtr)(bytes.Length - done));
        if (written < 0)
          WriteFailed(Marshal.GetLastWin32Error());
        done += written;
      }
    }
  }

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
    Say(FormattableString.Invariant(
        $"left behind: {intValue} {realValue:F4} {record.c_i} {record.c_d:F4}"));

    init_Foo();
    init_Foo();
    int iBefore = *I;
    Say($"I before: {iBefore}");
    int x = 0;
    Helloworld();
    Hello(ref x);
    Hello(ref *I);
    KitDone();
    Say($"x = {x}, I = {*I}");
    _p_finalize();

    if (intValue != 56 || realValue != 3.1415 || record.c_i != 42 || record.c_d != 1.2345 ||
        x != 99 || iBefore != 0 || *I != 99) {
      Console.Error.WriteLine("caller: a value left behind is wrong");
      return 1;
    }
    return 0;
  }
}
