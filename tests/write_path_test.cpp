// The run-time's write path against the bytes that a program meant to write: a random mix
// of printf fragments, run-time writes and module Foo's lines from fixed seeds, for stdout
// on a file, a pipe and a terminal under every kind of buffering.
// Seed 0 writes every text length. LINKKIT_WRITE_SEEDS=N (or A-B) runs seeds 1..N (A..B)
// after it instead of the first three.
#include "support/process.h"

#include <stdlib.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <regex>
#include <tuple>

using namespace linkkit_test;

namespace {

std::vector<long> seeds() {
  long first = 1, last = 3;
  if (const char* range = getenv("LINKKIT_WRITE_SEEDS"); range != nullptr && *range != '\0') {
    char* end = nullptr;
    last = strtol(range, &end, 10);
    if (*end == '-') {
      first = last;
      last = strtol(end + 1, nullptr, 10);
    }
  }
  std::vector<long> all = {0};
  for (long seed = first; seed <= last; ++seed)
    all.push_back(seed);
  return all;
}

const char* const modes[] = {"default", "line",   "none",    "line:64",
                             "full:1",  "full:7", "full:64", "full:100"};

class DifferentialWrite : public testing::TestWithParam<std::tuple<Sink, const char*>> {};

TEST_P(DifferentialWrite, EveryByteArrivesOnceInCallOrder) {
  const auto [sink, mode] = GetParam();
  char expected_path[] = "/tmp/linkkit-expected-XXXXXX";
  const int fd = mkstemp(expected_path);
  ASSERT_GE(fd, 0);
  close(fd);
  for (long seed : seeds()) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const Outcome run = run_program({WRITE_FUZZ, std::to_string(seed), mode, expected_path}, sink);
    std::string expected = read_file(expected_path);
    if (sink == Sink::terminal)
      expected = std::regex_replace(expected, std::regex("\n"), "\r\n");
    ASSERT_GT(expected.size(), 1000u);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.out.size(), expected.size());
    EXPECT_TRUE(run.out == expected)
        << "first difference at byte "
        << std::mismatch(run.out.begin(), run.out.end(), expected.begin()).first - run.out.begin();
  }
  unlink(expected_path);
}

INSTANTIATE_TEST_SUITE_P(Buffering, DifferentialWrite,
                         testing::Combine(testing::Values(Sink::file, Sink::pipe, Sink::terminal),
                                          testing::ValuesIn(modes)),
                         [](const auto& info) {
                           const Sink sink = std::get<0>(info.param);
                           std::string name = sink == Sink::file   ? "file_"
                                              : sink == Sink::pipe ? "pipe_"
                                                                   : "terminal_";
                           for (const char* at = std::get<1>(info.param); *at != '\0'; ++at)
                             name += *at == ':' ? '_' : *at;
                           return name;
                         });

} // namespace
