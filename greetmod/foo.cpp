#include "foo.h"

#include "pascalrt.h"

int32_t I;

static unsigned char initialised;
static const char hello_world[] = "Hello world in Pascal";
static const char hello1[] = "Hello1";

void Helloworld(void) {
  pascalrt_write_line(hello_world, sizeof hello_world - 1);
}

void Hello(int32_t* x) {
  pascalrt_write_line(hello1, sizeof hello1 - 1);
  *x = 99;
}

void init_Foo(void) {
  if (initialised == 0)
    initialised = 1;
}
