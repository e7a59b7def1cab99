// The Windows programs under wine with standard output on each sink that wine can give
// them: wine hands a Linux descriptor to the program as its standard output handle.
#include "programs/runtime_probe_cases.h"
#include "support/process.h"

#include <gtest/gtest.h>

#include <stdlib.h>

using namespace linkkit_test;

namespace {

// A wineserver and its services started here, apart from every program's pipes: one that a
// program's start brought up would hold its stderr open for seconds after it ended.
class Wineserver : public testing::Environment {
  void SetUp() override {
    // (wineserver -p fails when a server is up already: wineboot then uses that one.)
    ASSERT_EQ(system("{ '" WINESERVER
                     "' -p10 || :; } </dev/null >/dev/null 2>&1 && '" WINE
                     "' wineboot --init </dev/null >/dev/null 2>&1"),
              0);
  }
};

const testing::Environment* const wineserver = testing::AddGlobalTestEnvironment(new Wineserver);

struct Program {
  const char* name;
  std::string path;
  const char* golden;
  const char* failure_prefix; // how its report of a lost line begins
  int failure_status;
};

std::vector<Program> programs() {
  return {
      {"refdemo", installed("bin/refdemo.exe"), "refdemo.out", "refdemo: write error: ", 1},
      {"greetprog", installed("bin/greetprog.exe"), "greetprog.out",
       "greetprog: error 101: disk write error: ", 101},
      {"foo_host", PROGRAMS "/foo_host.exe", "foo_host.out",
       "foo_host: error 101: disk write error: ", 101},
      {"foo_host_dll", PROGRAMS "/foo_host_dll.exe", "foo_host.out",
       "foo_host_dll: error 101: disk write error: ", 101},
  };
}

void PrintTo(const Program& program, std::ostream* out) {
  *out << program.name;
}

class EachProgram : public testing::TestWithParam<Program> {};

TEST_P(EachProgram, WritesItsLinesExactlyToAFileAPipeAndDevNull) {
  const Program& program = GetParam();
  const std::string golden = read_file(source_file(std::string("golden/") + program.golden));
  for (Sink sink : {Sink::file, Sink::pipe, Sink::dev_null}) {
    SCOPED_TRACE(static_cast<int>(sink));
    const Outcome run = run_program({program.path}, sink);
    EXPECT_EQ(run.out, sink == Sink::dev_null ? "" : golden);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.status, 0);
  }
}

// Windows has no SIGPIPE: a pipe without reader is a failed write, whatever the signal's
// disposition in the process that started wine.
TEST_P(EachProgram, ReportsALostLineOnceAndFails) {
  const Program& program = GetParam();
  const std::pair<Sink, const char*> faults[] = {
      {Sink::dev_full, "No space left on device"}, {Sink::closed, "Bad file descriptor"},
      {Sink::read_only, "Bad file descriptor"},    {Sink::broken_pipe_ignored, "Broken pipe"},
      {Sink::broken_pipe, "Broken pipe"},
  };
  for (const auto& [sink, cause] : faults) {
    SCOPED_TRACE(cause);
    const Outcome run = run_program({program.path}, sink);
    EXPECT_EQ(run.err, program.failure_prefix + std::string(cause) + "\n");
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.status, program.failure_status);
  }
}

INSTANTIATE_TEST_SUITE_P(Kit, EachProgram, testing::ValuesIn(programs()),
                         [](const auto& info) { return std::string(info.param.name); });

// Windows's C library has no unlocked calls and no glibc buffer to write into: every line
// takes the stdio path.
TEST(FooHost, WritesManyLinesIntoAPipeWithNothingLost) {
  for (const char* host : {"/foo_host.exe", "/foo_host_dll.exe"}) {
    SCOPED_TRACE(host);
    const Outcome run = run_program({PROGRAMS + std::string(host), "200000"}, Sink::pipe);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    ASSERT_EQ(run.out.size(), 22u * 200000);
    const std::string line = "Hello world in Pascal\n";
    for (size_t at = 0; at < run.out.size(); at += line.size())
      ASSERT_EQ(run.out.compare(at, line.size(), line), 0) << "at byte " << at;
  }
}

class RuntimeProbe : public testing::TestWithParam<ProbeCase> {};

TEST_P(RuntimeProbe, GivesTheDocumentedOutputMessageAndStatus) {
  const ProbeCase& c = GetParam();
  std::vector<std::string> argv = {PROGRAMS "/runtime_probe.exe"};
  argv.insert(argv.end(), c.actions.begin(), c.actions.end());
  const Outcome run = run_program(argv, c.sink);
  EXPECT_EQ(run.out, c.out);
  EXPECT_EQ(run.err, c.err);
  EXPECT_TRUE(run.exited);
  EXPECT_EQ(run.status, c.status);
}

INSTANTIATE_TEST_SUITE_P(Calls, RuntimeProbe, testing::ValuesIn(probe_cases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
