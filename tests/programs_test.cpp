// The installed programs and the C hosts of the run-time, run as a user runs them, with
// standard output on every kind of sink.
#include "programs/runtime_probe_cases.h"
#include "support/process.h"

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <regex>

using namespace linkkit_test;

namespace {

struct Program {
  const char* name;
  std::string path;
  const char* golden;
  const char* failure_prefix; // how its report of a lost line begins
  int failure_status;
  const char* unbuffered_failure; // its report when stdout was not fully buffered
};

std::vector<Program> programs() {
  return {{"refdemo", installed("bin/refdemo"), "refdemo.out", "refdemo: write error: ", 1,
           "refdemo: write error\n"},
          {"greetprog", installed("bin/greetprog"), "greetprog.out",
           "greetprog: error 101: disk write error: ", 101,
           "greetprog: error 101: disk write error: No space left on device\n"},
          {"foo_host", FOO_HOST, "foo_host.out", "foo_host: error 101: disk write error: ", 101,
           "foo_host: error 101: disk write error: No space left on device\n"}};
}

void PrintTo(const Program& program, std::ostream* out) {
  *out << program.name;
}

std::string golden(const Program& program) {
  return read_file(source_file(std::string("golden/") + program.golden));
}

std::string as_on_a_terminal(const std::string& text) {
  return std::regex_replace(text, std::regex("\n"), "\r\n");
}

class EachProgram : public testing::TestWithParam<Program> {};

TEST_P(EachProgram, WritesItsLinesExactlyToAFileAPipeAndATerminal) {
  const Program& program = GetParam();
  for (Sink sink : {Sink::file, Sink::pipe, Sink::terminal, Sink::dev_null}) {
    SCOPED_TRACE(static_cast<int>(sink));
    const Outcome run = run_program({program.path}, sink);
    const std::string expected = sink == Sink::dev_null   ? ""
                                 : sink == Sink::terminal ? as_on_a_terminal(golden(program))
                                                          : golden(program);
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.status, 0);
  }
}

TEST_P(EachProgram, ReportsALostLineOnceAndFails) {
  const Program& program = GetParam();
  const std::pair<Sink, const char*> faults[] = {
      {Sink::dev_full, "No space left on device"},
      {Sink::closed, "Bad file descriptor"},
      {Sink::read_only, "Bad file descriptor"},
      {Sink::broken_pipe_ignored, "Broken pipe"},
  };
  for (const auto& [sink, cause] : faults) {
    SCOPED_TRACE(cause);
    const Outcome run = run_program({program.path}, sink);
    EXPECT_EQ(run.err, program.failure_prefix + std::string(cause) + "\n");
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.status, program.failure_status);
  }
}

// Each failed write on an unbuffered or line-buffered stdout leaves only the stream's error
// flag behind; the last flush has nothing left to fail on.
TEST_P(EachProgram, ReportsALineLostWhileStdoutWasNotFullyBuffered) {
  const Program& program = GetParam();
  for (const char* mode : {"none", "line"}) {
    SCOPED_TRACE(mode);
    const Outcome run =
        run_program({program.path}, Sink::dev_full,
                    {"LD_PRELOAD=" STDOUT_BUFFERING, std::string("LINKKIT_STDOUT=") + mode});
    EXPECT_EQ(run.err, program.unbuffered_failure);
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.status, program.failure_status);
  }
}

TEST_P(EachProgram, WritesNothingTwiceWhenTheSinkFillsUpMidLine) {
  const Program& program = GetParam();
  const Outcome run = run_program({program.path}, Sink::file_of_20_bytes);
  EXPECT_EQ(run.out, golden(program).substr(0, 20));
  EXPECT_EQ(run.err, program.failure_prefix + std::string("File too large\n"));
  EXPECT_TRUE(run.exited);
  EXPECT_EQ(run.status, program.failure_status);
}

TEST_P(EachProgram, DiesOfSigpipeWithoutACoreWhenThePipeHasNoReader) {
  const Outcome run = run_program({GetParam().path}, Sink::broken_pipe);
  EXPECT_FALSE(run.exited);
  EXPECT_EQ(run.status, SIGPIPE);
  EXPECT_FALSE(run.core_dumped);
  EXPECT_EQ(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(Kit, EachProgram, testing::ValuesIn(programs()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Refdemo, IgnoresItsArguments) {
  const Outcome run = run_program({installed("bin/refdemo"), "-x", "--help", ""});
  EXPECT_EQ(run.out, read_file(source_file("golden/refdemo.out")));
  EXPECT_EQ(run.out.find("\n\n"), std::string::npos);
  EXPECT_EQ(run.status, 0);
}

TEST(Greetprog, IgnoresItsArguments) {
  const Outcome run = run_program({installed("bin/greetprog"), "-x", "--help", ""});
  EXPECT_EQ(run.out, "Hello world from a Pascal program\n");
  EXPECT_EQ(run.status, 0);
}

TEST(FooHost, WritesAMillionLinesIntoAPipeWithNothingLost) {
  const Outcome run = run_program({FOO_HOST, "1000000"}, Sink::pipe);
  EXPECT_EQ(run.status, 0);
  ASSERT_EQ(run.out.size(), 22u * 1000000);
  std::string expected;
  for (int n = 0; n < 1000; ++n)
    expected += "Hello world in Pascal\n";
  for (size_t at = 0; at < run.out.size(); at += expected.size())
    ASSERT_EQ(run.out.compare(at, expected.size(), expected), 0) << "at byte " << at;
}

// Reads the terminal until text has come, or the program has ended and closed it.
std::string read_terminal_until(int terminal, const std::string& text = "\x01 at the end") {
  std::string seen;
  char buffer[256];
  // Only a guard against hanging: a line-buffered program answers at once.
  while (seen.find(text) == std::string::npos) {
    pollfd ready = {terminal, POLLIN, 0};
    if (poll(&ready, 1, 60000) != 1)
      break;
    const ssize_t n = read(terminal, buffer, sizeof buffer);
    if (n <= 0)
      break;
    seen.append(buffer, static_cast<size_t>(n));
  }
  return seen;
}

TEST(FooHost, ShowsEachLineOnATerminalAsSoonAsItIsWritten) {
  const std::vector<std::string> command = on_host({FOO_HOST, "wait"});
  std::vector<char*> argv;
  for (const std::string& word : command)
    argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  int terminal = -1;
  const pid_t pid = forkpty(&terminal, nullptr, nullptr, nullptr);
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    execv(argv[0], argv.data());
    _exit(127);
  }
  // The program now waits for a line of input, its first line still unflushed unless the
  // terminal made stdout line-buffered.
  const std::string first = read_terminal_until(terminal, "\r\n");
  EXPECT_EQ(first, "Hello world in Pascal\r\n");
  ASSERT_EQ(write(terminal, "\n", 1), 1);
  const std::string rest = read_terminal_until(terminal);
  EXPECT_EQ(rest, "\r\nHello1\r\n"); // the terminal's echo of our line, then Hello's line
  close(terminal);
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// The run-time on buffers a C caller set up itself, and on a terminal.
const ProbeCase buffering_cases[] = {
    // A write that failed while stdout was unbuffered or line-buffered: only the stream's
    // error flag remembers it, and the last flush has nothing left to fail on.
    {"lost_unbuffered_printf",
     {"init", "nbf", "printf", "finalize"},
     Sink::dev_full,
     "",
     "runtime_probe: error 101: disk write error\n",
     101},
    {"lost_line_buffered_printf",
     {"init", "lbf=256", "printf", "finalize"},
     Sink::dev_full,
     "",
     "runtime_probe: error 101: disk write error\n",
     101},
    {"lost_unbuffered_line",
     {"init", "nbf", "line", "printf", "finalize"},
     Sink::dev_full,
     "",
     "runtime_probe" + no_space,
     101},
    {"lost_long_text",
     {"init", "fbf=64", "text=100"},
     Sink::dev_full,
     "",
     "runtime_probe" + no_space,
     101},
    // Lines after a partial line of the C caller's, on line-buffered streams.
    {"partial_line_then_line_on_a_terminal",
     {"init", "partial=1020", "text=21", "finalize"},
     Sink::terminal,
     std::string(1020, 'p') + std::string(21, 't') + "\r\n",
     "",
     0},
    {"partial_lines_then_line_in_a_small_line_buffer",
     {"init", "lbf=64", "partial=1", "partial=50", "text=40", "finalize"},
     Sink::pipe,
     std::string(51, 'p') + std::string(40, 't') + "\n",
     "",
     0},
    {"empty_line_and_line_feed_in_a_text_line_buffered",
     {"init", "lbf=64", "partial=3", "text=0", "text-lf", "finalize"},
     Sink::pipe,
     "ppp\na\nb\n",
     "",
     0},
    {"line_feed_in_a_text_on_a_terminal",
     {"init", "text-lf", "text=0", "finalize"},
     Sink::terminal,
     "a\r\nb\r\n\r\n",
     "",
     0},
};

class RuntimeProbe : public testing::TestWithParam<ProbeCase> {};

TEST_P(RuntimeProbe, GivesTheDocumentedOutputMessageAndStatus) {
  const ProbeCase& c = GetParam();
  std::vector<std::string> argv = {RUNTIME_PROBE};
  argv.insert(argv.end(), c.actions.begin(), c.actions.end());
  const Outcome run = run_program(argv, c.sink);
  EXPECT_EQ(run.out, c.out);
  EXPECT_EQ(run.err, c.err);
  EXPECT_TRUE(run.exited);
  EXPECT_EQ(run.status, c.status);
}

INSTANTIATE_TEST_SUITE_P(Calls, RuntimeProbe, testing::ValuesIn(probe_cases),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(Buffering, RuntimeProbe, testing::ValuesIn(buffering_cases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
