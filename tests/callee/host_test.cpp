// The C host of module Foo linked with one language's module: the run-time of that
// language, started inside the module, must leave the program's own behaviour alone: how
// it reports a lost line and exits (inside a call, while that run-time runs), how it dies
// of SIGPIPE, and its signals, threads, locale and floating-point rounding and traps.
#include "support/process.h"

#include <signal.h>

#include <regex>

#include <gtest/gtest.h>

using namespace linkkit_test;

namespace {

std::string name_of(const std::string& path) {
  return path.substr(path.find_last_of('/') + 1);
}

TEST(ForeignModule, ReportsALostLineOnceAndExitsInsideTheCall) {
  const std::pair<Sink, const char*> faults[] = {
      {Sink::dev_full, "No space left on device"},
      {Sink::closed, "Bad file descriptor"},
      {Sink::broken_pipe_ignored, "Broken pipe"},
  };
  for (const auto& [sink, cause] : faults) {
    SCOPED_TRACE(cause);
    const Outcome run = run_program({FOO_HOST, "5000"}, sink);
    EXPECT_EQ(run.err, name_of(FOO_HOST) + ": error 101: disk write error: " + cause + "\n");
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.status, 101);
  }
}

#ifndef RUNTIME_OWNS_SIGNALS
TEST(ForeignModule, DiesOfSigpipeWithoutACoreWhenThePipeHasNoReader) {
  const Outcome run = run_program({FOO_HOST, "5000"}, Sink::broken_pipe);
  EXPECT_FALSE(run.exited);
  EXPECT_EQ(run.status, SIGPIPE);
  EXPECT_FALSE(run.core_dumped);
  EXPECT_EQ(run.err, "");
}
#else
// A run-time that keeps its own SIGPIPE handler (Go's) turns the signal into a failed
// write, which the kit's run-time reports as any other.
TEST(ForeignModule, ReportsABrokenPipeWhereItsRunTimeKeepsTheSignal) {
  const Outcome run = run_program({FOO_HOST, "5000"}, Sink::broken_pipe);
  EXPECT_EQ(run.err, name_of(FOO_HOST) + ": error 101: disk write error: Broken pipe\n");
  EXPECT_TRUE(run.exited);
  EXPECT_EQ(run.status, 101);
}
#endif

// Settings for the run-times in the program's environment that would have them write on
// stderr: they belong to programs in those languages, not to a C program.
TEST(ForeignModule, WritesAsEverWhateverTheEnvironmentSetsForRunTimes) {
  const Outcome run = run_program({FOO_HOST}, Sink::pipe,
                                  {"GHCRTS=-s", "OCAMLRUNPARAM=v=0x3ff", "PYTHONVERBOSE=1"});
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, read_file(source_file("golden/foo_host.out")));
  EXPECT_TRUE(run.exited);
  EXPECT_EQ(run.status, 0);
}

// C.UTF-8 in the environment: a run-time that sets the locale from it shows.
#ifndef RUNTIME_OWNS_SIGNALS
TEST(ForeignModule, LeavesSignalsThreadsAndLocaleAsTheProgramHadThem) {
  const Outcome run = run_program({HOST_STATE}, Sink::pipe, {"LC_ALL=C.UTF-8"});
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "Hello world in Pascal\n");
  EXPECT_TRUE(run.exited);
  EXPECT_EQ(run.status, 0);
}
#else
// Its threads are the run-time's documented cost (its handlers are in place before main,
// when it is loaded). They are started from the library's constructor on a thread of their
// own, so that on a loaded machine they may all be running before main counts them: the
// probe may report them, and nothing else.
TEST(ForeignModule, SaysWhatItsRunTimeAddsToTheProgram) {
  const Outcome run = run_program({HOST_STATE}, Sink::pipe, {"LC_ALL=C.UTF-8"});
  const std::regex threads("[0-9]+ threads, [0-9]+ before\n");
  EXPECT_EQ(std::regex_replace(run.err, threads, ""), "");
  EXPECT_EQ(run.out, "Hello world in Pascal\n");
  EXPECT_TRUE(run.exited);
  EXPECT_EQ(run.status, run.err.empty() ? 0 : 1);
}
#endif

} // namespace
