// The kit from C++: the installed headers, found with find_package. std::cout is
// synchronised with C's stdio by default, so its lines and the kit's keep their order.
#include "foo.h"
#include "pascalrt.h"
#include "refdemo.h"

#include <iomanip>
#include <iostream>

int main(int argc, char** argv, char** envp) {
  _p_initialize(argc, argv, envp);
  int32_t integer = 3;
  double real = 7.23;
  c_record record = {21, 87.234};
  c_world();
  c_w1(&integer, &real, &record);
  std::cout << std::fixed << std::setprecision(4) << "left behind: " << integer << ' ' << real
            << ' ' << record.c_i << ' ' << record.c_d << '\n';

  init_Foo();
  init_Foo();
  const int32_t i_before = I;
  std::cout << "I before: " << i_before << '\n';
  int32_t x = 0;
  Helloworld();
  Hello(&x);
  Hello(&I);
  std::cout << "x = " << x << ", I = " << I << '\n';
  _p_finalize();

  if (integer != 56 || real != 3.1415 || record.c_i != 42 || record.c_d != 1.2345 || x != 99 ||
      i_before != 0 || I != 99) {
    std::cerr << "caller: a value left behind is wrong\n";
    return 1;
  }
  return 0;
}
