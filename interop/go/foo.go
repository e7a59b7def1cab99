// Module Foo in Go, on the kit's run-time. cgo cannot call a variadic C function: the
// seven-argument call to _p_Internal_Write is made by internal_write below, a static
// function of the preamble that the module's build keeps local.
package main

/*
#include "pascalrt.h"

static inline void internal_write(const pascalrt_file* file, int32_t flags, int32_t count,
                                  int32_t text_code, const char* text, int32_t length,
                                  int32_t line_end_code) {
  _p_Internal_Write(file, flags, count, text_code, text, length, line_end_code);
}
*/
import "C"

import "unsafe"

const (
	writePlain  = 784
	itemText    = 17
	itemLineEnd = 22
)

// Go's string constants lie in read-only data; each ends in its zero byte, which the
// length leaves out.
const (
	helloWorld = "Hello world in Pascal\x00"
	hello1     = "Hello1\x00"
)

var initialised uint8

func writeLine(text string) {
	data := *(**C.char)(unsafe.Pointer(&text))
	C.internal_write(&C._p_Output, writePlain, 2, itemText, data, C.int32_t(len(text)-1),
		itemLineEnd)
	if C._p_InOutRes != 0 {
		C._p_CheckInOutRes()
	}
}

//export Helloworld
func Helloworld() {
	writeLine(helloWorld)
}

// The store comes after the write and its check.
//
//export Hello
func Hello(x *C.int32_t) {
	writeLine(hello1)
	*x = 99
}

//export init_Foo
func init_Foo() {
	if initialised == 0 {
		initialised = 1
	}
}

// A C archive is built from a main package; the C program's main is the one that runs.
func main() {}
