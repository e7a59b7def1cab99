// The kit from Java through JNA: c_w1 by reference with IntByReference, DoubleByReference
// and a Structure (which JNA hands over by address), and module Foo on the run-time, its
// variable I through the address that JNA finds for it.
import com.sun.jna.Library;
import com.sun.jna.Native;
import com.sun.jna.NativeLibrary;
import com.sun.jna.Pointer;
import com.sun.jna.Structure;
import com.sun.jna.ptr.DoubleByReference;
import com.sun.jna.ptr.IntByReference;
import java.io.FileDescriptor;
import java.io.FileOutputStream;
import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.util.Locale;

public class Caller {
  @Structure.FieldOrder({"c_i", "c_d"})
  public static class CRecord extends Structure {
    public int c_i;
    public double c_d;
  }

  public interface Refdemo extends Library {
    void c_world();

    void c_w1(IntByReference i, DoubleByReference d, CRecord r);
  }

  public interface Pascalrt extends Library {
    void _p_initialize(int argc, Pointer argv, Pointer envp);

    void _p_finalize();
  }

  public interface Foo extends Library {
    void init_Foo();

    void Helloworld();

    void Hello(Pointer x);
  }

  public interface LibC extends Library {
    int fflush(Pointer stream);

    String strerror(int error);
  }

  static LibC libc;

  // A failed write of standard output, in one line as the kit's run-time says it; what the
  // C library's buffer still holds is dropped, not written again at exit.
  static void writeFailed(String cause) {
    System.err.println("caller: write error: " + cause);
    Runtime.getRuntime().halt(1);
  }

  // The kit writes through the C library's buffer, which is flushed before Java writes.
  static void kitDone() {
    if (libc.fflush(null) != 0) {
      writeFailed(libc.strerror(Native.getLastError()));
    }
  }

  // System.out keeps only a flag when a write fails, not its cause: Java's lines go to the
  // file descriptor unbuffered, whose IOException says the system's words.
  static final FileOutputStream out = new FileOutputStream(FileDescriptor.out);

  static void say(String format, Object... values) {
    try {
      out.write(String.format(Locale.ROOT, format, values).getBytes(StandardCharsets.UTF_8));
    } catch (IOException error) {
      writeFailed(error.getMessage());
    }
  }

  public static void main(String[] args) {
    String libdir = args[0];
    // libgreetmod.so finds libpascalrt.so beside itself; loading it first, by its path, gives
    // this program the run-time's own calls too, from the one copy of it in the process.
    Pascalrt pascalrt = Native.load(libdir + "/libpascalrt.so", Pascalrt.class);
    Refdemo refdemo = Native.load(libdir + "/librefdemo.so", Refdemo.class);
    Foo foo = Native.load(libdir + "/libgreetmod.so", Foo.class);
    Pointer I = NativeLibrary.getInstance(libdir + "/libgreetmod.so").getGlobalVariableAddress("I");
    libc = Native.load("c", LibC.class);

    // Java hands a program no C argument vector; the run-time then names the program itself.
    pascalrt._p_initialize(0, null, null);
    IntByReference intValue = new IntByReference(3);
    DoubleByReference realValue = new DoubleByReference(7.23);
    CRecord record = new CRecord();
    record.c_i = 21;
    record.c_d = 87.234;
    refdemo.c_world();
    refdemo.c_w1(intValue, realValue, record);
    kitDone();
    say("left behind: %d %.4f %d %.4f%n", intValue.getValue(),
        realValue.getValue(), record.c_i, record.c_d);

    foo.init_Foo();
    foo.init_Foo();
    int iBefore = I.getInt(0);
    say("I before: %d%n", iBefore);
    IntByReference x = new IntByReference(0);
    foo.Helloworld();
    foo.Hello(x.getPointer());
    foo.Hello(I);
    kitDone();
    say("x = %d, I = %d%n", x.getValue(), I.getInt(0));
    pascalrt._p_finalize();

    if (intValue.getValue() != 56 || realValue.getValue() != 3.1415 || record.c_i != 42
        || record.c_d != 1.2345 || x.getValue() != 99 || iBefore != 0 || I.getInt(0) != 99) {
      System.err.println("caller: a value left behind is wrong");
      System.exit(1);
    }
  }
}
