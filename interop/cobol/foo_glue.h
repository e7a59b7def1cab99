/* The prototypes of the C functions that foo.cbl calls: cobc generates its calls without
   declarations of its own (-fno-gen-c-decl-static-call) and includes this file, so that
   each call, the variadic one above all, is made through a prototype. A BY REFERENCE
   argument arrives as unsigned char *. */
#ifndef FOO_GLUE_H
#define FOO_GLUE_H

#include <stdint.h>

extern int32_t I;
void foo_runtime(unsigned char* output, unsigned char* inoutres);

#endif
