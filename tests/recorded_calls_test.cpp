// greetprog's and module Foo's own objects, linked with the recording run-time: the calls
// they make, in order, with their arguments exactly.
#include "foo.h"
#include "pascalrt.h"
#include "recording_runtime.h"

#include <gtest/gtest.h>

extern "C" {
int greetprog_main(int argc, char** argv, char** envp); // greetprog's main, renamed
void init_pascal_main_program(void);
void pascal_main_program(void);
}

namespace {

using recording::calls;

std::vector<std::string> names() {
  std::vector<std::string> result;
  for (const recording::Call& call : calls)
    result.push_back(call.name);
  return result;
}

void expect_line_write(const recording::Call& call, const std::string& text) {
  ASSERT_EQ(call.name, "_p_Internal_Write");
  ASSERT_EQ(call.args.size(), 7u);
  EXPECT_EQ(call.args[0], reinterpret_cast<intptr_t>(&_p_Output));
  EXPECT_EQ(call.args[1], 784);
  EXPECT_EQ(call.args[2], 2);
  EXPECT_EQ(call.args[3], 17);
  EXPECT_EQ(call.args[5], static_cast<intptr_t>(text.size()));
  EXPECT_EQ(call.args[6], 22);
  EXPECT_EQ(call.text, text);
  EXPECT_TRUE(call.text_terminated);
  EXPECT_TRUE(call.text_read_only);
}

class Recorded : public testing::Test {
protected:
  void SetUp() override { recording::reset(); }
};

// The initialiser's flag lives as long as the process, so its whole life is one test.
TEST_F(Recorded, GreetprogMainStartsInitialisesWritesAndFinishesInOrder) {
  char arg0[] = "greetprog", arg1[] = "--an-argument";
  char* argv[] = {arg0, arg1, nullptr};
  char env0[] = "KEY=value";
  char* envp[] = {env0, nullptr};
  int nested_init_calls = 0;
  recording::on_do_init_proc = [&] {
    init_pascal_main_program(); // from within the initialisation procedures: returns at once
    ++nested_init_calls;
  };

  recording::watch_marker();
  const int status = greetprog_main(2, argv, envp);

  EXPECT_EQ(status, 0);
  EXPECT_EQ(nested_init_calls, 1);
  ASSERT_EQ(names(), (std::vector<std::string>{"marker", "_p_initialize", "_p_DoInitProc",
                                               "_p_Internal_Write", "_p_finalize"}));
  EXPECT_EQ(calls[1].args, (std::vector<intptr_t>{2, reinterpret_cast<intptr_t>(argv),
                                                  reinterpret_cast<intptr_t>(envp)}));
  expect_line_write(calls[3], "Hello world from a Pascal program");

  calls.clear();
  init_pascal_main_program();
  init_pascal_main_program();
  EXPECT_TRUE(calls.empty());
}

TEST_F(Recorded, ProgramBodyChecksThePendingResultOnlyWhenItIsSet) {
  pascal_main_program();
  EXPECT_EQ(names(), std::vector<std::string>{"_p_Internal_Write"});

  calls.clear();
  recording::result_after_write = 101;
  pascal_main_program();
  ASSERT_EQ(names(), (std::vector<std::string>{"_p_Internal_Write", "_p_CheckInOutRes"}));
  EXPECT_EQ(calls[1].args, std::vector<intptr_t>{101});
}

TEST_F(Recorded, HelloworldWritesItsLine) {
  Helloworld();
  ASSERT_EQ(names(), std::vector<std::string>{"_p_Internal_Write"});
  expect_line_write(calls[0], "Hello world in Pascal");
}

TEST_F(Recorded, HelloStoresOnlyAfterTheWriteAndItsCheck) {
  for (int32_t result : {0, 2}) {
    recording::reset();
    recording::result_after_write = result;
    int32_t x = 5;
    std::vector<int32_t> seen;
    recording::on_write = recording::on_check = [&] { seen.push_back(x); };
    Hello(&x);
    EXPECT_EQ(x, 99);
    expect_line_write(calls.at(0), "Hello1");
    EXPECT_EQ(calls.size(), result == 0 ? 1u : 2u);
    EXPECT_EQ(seen, std::vector<int32_t>(calls.size(), 5));
  }
}

TEST_F(Recorded, ExportedIntegerStartsAtZeroAndHelloSetsIt) {
  EXPECT_EQ(I, 0);
  Hello(&I);
  EXPECT_EQ(I, 99);
  I = 0;
}

TEST_F(Recorded, InitFooWritesNothing) {
  for (int n = 0; n < 3; ++n) {
    init_Foo();
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(I, 0);
  }
}

} // namespace
