// greetprog's own object, linked with the recording run-time: the calls it makes, in order,
// with their arguments exactly. Module Foo's are in recorded_foo_test.cpp.
#include "pascalrt.h"
#include "recorded_line_write.h"
#include "recording_runtime.h"

#include <gtest/gtest.h>

extern "C" {
int greetprog_main(int argc, char** argv, char** envp); // greetprog's main, renamed
void init_pascal_main_program(void);
void pascal_main_program(void);
}

namespace {

using recording::calls;
using recording::names;

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

} // namespace
