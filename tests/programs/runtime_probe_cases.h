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
  std::string out;
  std::string err;
  int status;
};

inline const std::string no_space = ": error 101: disk write error: No space left on device\n";

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
    // The longest number a report writes: a digit buffer one byte short shows under the
    // asan preset.
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
    // Each code's report.
    {"report_105",
     {"init", "other-file", "check"},
     Sink::file,
     "",
     "runtime_probe: error 105: file not open for output\n",
     105},
    {"report_121",
     {"init", "negative-length", "check"},
     Sink::file,
     "",
     "runtime_probe: error 121: negative text length\n",
     121},
    {"report_123",
     {"init", "negative-count", "check"},
     Sink::file,
     "",
     "runtime_probe: error 123: negative item count\n",
     123},
    {"status_125",
     {"init", "pending=125", "check"},
     Sink::file,
     "",
     "runtime_probe: error 125: I/O error\n",
     125},
    {"status_126",
     {"init", "pending=126", "check"},
     Sink::file,
     "",
     "runtime_probe: error 126: I/O error\n",
     1},
    {"small_negative_code",
     {"init", "pending=-5", "check"},
     Sink::file,
     "",
     "runtime_probe: error -5: I/O error\n",
     1},
    {"first_failure_kept",
     {"init", "printf", "other-file", "finalize"},
     Sink::dev_full,
     "",
     "runtime_probe: error 105: file not open for output\n",
     105},
    // A negative code that the caller stored is pending as any other: no later failure
    // replaces it, and the next checked line reports it before anything more is written.
    {"negative_code_kept_over_failing_writes",
     {"init", "pending=-5", "other-file", "negative-count", "negative-length", "check"},
     Sink::file,
     "",
     "runtime_probe: error -5: I/O error\n",
     1},
    {"negative_code_kept_over_a_failing_flush",
     {"init", "printf", "pending=-5", "finalize"},
     Sink::dev_full,
     "",
     "runtime_probe: error -5: I/O error\n",
     1},
    {"negative_code_ends_the_run_at_the_next_line",
     {"init", "pending=-5", "line", "printf", "finalize"},
     Sink::file,
     "",
     "runtime_probe: error -5: I/O error\n",
     1},
    // The program's name in reports.
    {"bare_name",
     {"name=runtime_probe", "nbf", "line"},
     Sink::dev_full,
     "",
     "runtime_probe" + no_space,
     101},
    {"trailing_slash", {"name=a/b/", "nbf", "line"}, Sink::dev_full, "", "b" + no_space, 101},
    {"one_letter_and_slash", {"name=a/", "nbf", "line"}, Sink::dev_full, "", "a" + no_space, 101},
    {"root", {"name=///", "nbf", "line"}, Sink::dev_full, "", "/" + no_space, 101},
    {"empty_name", {"name=", "nbf", "line"}, Sink::dev_full, "", "pascalrt" + no_space, 101},
    {"argc_0", {"argc0", "nbf", "line"}, Sink::dev_full, "", "pascalrt" + no_space, 101},
    {"null_argv", {"null-argv", "nbf", "line"}, Sink::dev_full, "", "pascalrt" + no_space, 101},
    {"null_name", {"null-name", "nbf", "line"}, Sink::dev_full, "", "pascalrt" + no_space, 101},
    {"name_of_254_bytes",
     {"long-name=254", "nbf", "line"},
     Sink::dev_full,
     "",
     std::string(254, 'n') + no_space,
     101},
    {"name_of_255_bytes",
     {"long-name=255", "nbf", "line"},
     Sink::dev_full,
     "",
     std::string(255, 'n') + no_space,
     101},
    {"long_name_shortened",
     {"long-name=601", "nbf", "line"},
     Sink::dev_full,
     "",
     std::string(255, 'n') + no_space,
     101},
};

inline void PrintTo(const ProbeCase& c, std::ostream* out) {
  *out << c.name;
}

} // namespace linkkit_test

#endif
