// The kit from Go through cgo: c_w1 by reference with Go pointers, the record as C's own
// C.c_record from refdemo.h, and module Foo on the run-time, its variable I as C.I.
package main

/*
#cgo pkg-config: refdemo greetmod
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include "foo.h"
#include "pascalrt.h"
#include "refdemo.h"
*/
import "C"

import (
	"errors"
	"fmt"
	"os"
	"syscall"
	"unsafe"
)

// A failed write of standard output, in one line as the kit's run-time says it; what the
// C library's buffer still holds is dropped, not written again at exit.
func writeFailed(err error) {
	text := err.Error()
	// In the C library's words, as the kit's run-time gives them (Go's are lower case).
	var cause syscall.Errno
	if errors.As(err, &cause) {
		text = C.GoString(C.strerror(C.int(cause)))
	}
	fmt.Fprintf(os.Stderr, "caller: write error: %s\n", text)
	os.Exit(1)
}

// fmt writes straight to the file, unbuffered; the kit's lines wait in the C library's
// stdout buffer, which must be flushed before Go writes again.
func kitDone() {
	if status, err := C.fflush(nil); status != 0 {
		writeFailed(err)
	}
}

func say(format string, values ...any) {
	if _, err := fmt.Printf(format, values...); err != nil {
		writeFailed(err)
	}
}

func main() {
	// The run-time keeps the vector it is handed: it is never freed.
	argv := C.malloc(C.size_t(len(os.Args)+1) * C.size_t(unsafe.Sizeof((*C.char)(nil))))
	args := unsafe.Slice((**C.char)(argv), len(os.Args)+1)
	for n, a := range os.Args {
		args[n] = C.CString(a)
	}
	args[len(os.Args)] = nil
	var envp [1]*C.char
	C._p_initialize(C.int32_t(len(os.Args)), &args[0], &envp[0])

	intValue := C.int32_t(3)
	realValue := C.double(7.23)
	record := C.c_record{c_i: 21, c_d: 87.234}
	C.c_world()
	C.c_w1(&intValue, &realValue, &record)
	kitDone()
	say("left behind: %d %.4f %d %.4f\n", intValue, realValue, record.c_i, record.c_d)

	C.init_Foo()
	C.init_Foo()
	iBefore := C.I
	say("I before: %d\n", iBefore)
	x := C.int32_t(0)
	C.Helloworld()
	C.Hello(&x)
	C.Hello(&C.I)
	kitDone()
	say("x = %d, I = %d\n", x, C.I)
	C._p_finalize()

	if intValue != 56 || realValue != 3.1415 || record.c_i != 42 || record.c_d != 1.2345 ||
		x != 99 || iBefore != 0 || C.I != 99 {
		fmt.Fprintln(os.Stderr, "caller: a value left behind is wrong")
		os.Exit(1)
	}
}
