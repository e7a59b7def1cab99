// A run-time for tests only: the names that greetprog and module Foo call, each of which
// records the call and its arguments instead of doing the work.
#ifndef LINKKIT_TESTS_RECORDING_RUNTIME_H
#define LINKKIT_TESTS_RECORDING_RUNTIME_H

#include <stdint.h>

#include <functional>
#include <string>
#include <vector>

namespace recording {

struct Call {
  std::string name;
  std::vector<intptr_t> args;
  std::string text;     // the text item of a write, as many bytes as its length
  bool text_terminated; // a zero byte follows the text
  bool text_read_only;  // the text lies in memory that the program cannot write
};

extern std::vector<Call> calls;
extern int32_t result_after_write; // left in _p_InOutRes by every write
extern std::function<void()> on_write, on_check, on_do_init_proc;

void reset();

// The names of the calls recorded so far, in order.
std::vector<std::string> names();

// Until its next read, the version marker is unreadable: that read is recorded as a call
// named "marker", in its place among the others.
void watch_marker();

} // namespace recording

#endif
