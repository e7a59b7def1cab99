// c_w1 and c_world in Go, for C callers (built as a C archive and as a shared library).
// Every line goes onto the C library's stdout, the caller's own stream, so that it stays in
// order with the caller's printf lines; cgo cannot call printf (variadic), so Go builds the
// line and the double's text comes from strfromd, which formats as printf's %lf does.
package main

/*
// strfromd is declared by C23's name for it. Windows's C library has none: there MinGW's
// own snprintf stands in for it, with the conversions of MinGW's printf, which the kit's
// C++ code prints with.
#ifdef _WIN32
#define __USE_MINGW_ANSI_STDIO 1
#endif
#define __STDC_WANT_IEC_60559_BFP_EXT__ 1
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

#ifdef _WIN32
static inline int strfromd(char* text, size_t size, const char* format, double value) {
  return snprintf(text, size, format, value);
}
#endif

// The C library's stdout, which Windows's headers give as a call that cgo cannot name.
static inline void put(const char* text) {
  fputs(text, stdout);
}

typedef struct c_record {
  int32_t c_i;
  double c_d;
} c_record;
*/
import "C"

import (
	"strconv"
	"unsafe"
)

// %lf is %f; strfromd takes no length modifier.
var lf = [...]byte{'%', '.', '6', 'f', 0}

// One line, built in place; the longest, with -DBL_MAX, is 356 bytes.
type line struct {
	text [512]byte
	n    int
}

func (l *line) str(s string) *line {
	l.n += copy(l.text[l.n:], s)
	return l
}

func (l *line) int(v C.int32_t) *line {
	l.n = len(strconv.AppendInt(l.text[:l.n], int64(v), 10))
	return l
}

func (l *line) double(v C.double) *line {
	room := len(l.text) - l.n
	l.n += int(C.strfromd((*C.char)(unsafe.Pointer(&l.text[l.n])), C.size_t(room),
		(*C.char)(unsafe.Pointer(&lf[0])), v))
	return l
}

func (l *line) put() {
	l.text[l.n] = 0
	C.put((*C.char)(unsafe.Pointer(&l.text[0])))
	l.n = 0
}

//export c_world
func c_world() {
	var l line
	l.str("\nHello World from C\n").put()
}

// The three pointers may name overlapping storage (the record's own c_i as i): every read
// and store goes through them, in this order, and Go does not assume they are apart.
//
//export c_w1
func c_w1(i *C.int32_t, d *C.double, r *C.c_record) {
	var l line
	l.str("Now in function c_w1\n").put()
	l.str("Hello again from C i = ").int(*i).str("\n").double(*d).str("XXX\n").put()
	*i = 56
	*d = 3.1415
	l.str("My record c_i = ").int(r.c_i).str(", c_d = ").double(r.c_d).str("\n").put()
	r.c_i = 42
	r.c_d = 1.2345
	l.str("My record changed to c_i = ").int(r.c_i).str(", c_d = ").double(r.c_d).str("\n").put()
	l.str("Leaving C\n").put()
}

// A C archive is built from a main package; the C program's main is the one that runs.
func main() {}
