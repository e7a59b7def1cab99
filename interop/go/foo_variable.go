// Module Foo's exported integer. cgo exports functions alone, so I is defined in C, in
// a file of its own: a file with //export lines may only declare in its preamble.
package main

/*
#include <stdint.h>

int32_t I;
*/
import "C"
