// The run-time under calls in every order a C program may make them: runtime_probe's
// actions, the sink of its standard output, and what it must give.
#ifndef LINKKIT_TESTS_RUNTIME_PROBE_CASES_H
#define LINKKIT_TESTS_RUNTIME_PROBE_CASES_H

#include "support/process.h"

#include <ostream>
#include <string>
#include <vector>

namespace linkkit_test {

struct ProbeCase {
  const char* name;
  std::vector<std::string> actions;
  Sink sink;
  const char* out;
  const char* err;
  int status;
};

inline const ProbeCase probe_cases[] = {
    {"finalize_twice", {"init", "line", "finalize", "finalize"}, Sink::file, "probe line\n", "", 0},
    {"write_before_initialize",
     {"line", "finalize"},
     Sink::dev_full,
     "",
     "pascalrt: error 101: disk write error: No space left on device\n",
     101},
    {"initialize_twice",
     {"init", "init-other", "line", "finalize"},
     Sink::dev_full,
     "",
     "runtime_probe: error 101: disk write error: No space left on device\n",
     101},
    {"check_with_nothing_pending",
     {"init", "check", "line", "finalize"},
     Sink::file,
     "probe line\n",
     "",
     0},
    {"check_keeps_written_lines",
     {"init", "line", "pending=120", "check"},
     Sink::file,
     "probe line\n",
     "runtime_probe: error 120: unknown write item\n",
     120},
    {"finalize_reports_pending",
     {"init", "line", "pending=122", "finalize"},
     Sink::file,
     "probe line\n",
     "runtime_probe: error 122: null text address\n",
     122},
    {"status_kept_below_126",
     {"init", "pending=256", "check"},
     Sink::file,
     "",
     "runtime_probe: error 256: I/O error\n",
     1},
    {"negative_code",
     {"init", "pending=-2147483648", "check"},
     Sink::file,
     "",
     "runtime_probe: error -2147483648: I/O error\n",
     1},
    {"lost_printf_line_fails_finalize",
     {"init", "printf", "finalize"},
     Sink::dev_full,
     "",
     "runtime_probe: error 101: disk write error: No space left on device\n",
     101},
    {"printf_and_lines_in_call_order",
     {"init", "printf", "line", "printf", "finalize"},
     Sink::pipe,
     "C line\nprobe line\nC line\n",
     "",
     0},
};

inline void PrintTo(const ProbeCase& c, std::ostream* out) {
  *out << c.name;
}

} // namespace linkkit_test

#endif
