// Module Foo's object, linked with the recording run-time: the calls it makes, in order,
// with their arguments exactly. The kit's own module and each language's are tested so.
#include "foo.h"
#include "pascalrt.h"
#include "recorded_line_write.h"
#include "recording_runtime.h"

#include <gtest/gtest.h>

namespace {

using recording::calls;
using recording::names;

class RecordedFoo : public testing::Test {
protected:
  void SetUp() override { recording::reset(); }
};

TEST_F(RecordedFoo, HelloworldWritesItsLine) {
  Helloworld();
  ASSERT_EQ(names(), std::vector<std::string>{"_p_Internal_Write"});
  expect_line_write(calls[0], "Hello world in Pascal");
}

TEST_F(RecordedFoo, HelloStoresOnlyAfterTheWriteAndItsCheck) {
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

TEST_F(RecordedFoo, ExportedIntegerStartsAtZeroAndHelloSetsIt) {
  EXPECT_EQ(I, 0);
  Hello(&I);
  EXPECT_EQ(I, 99);
  I = 0;
}

TEST_F(RecordedFoo, InitFooWritesNothing) {
  for (int n = 0; n < 3; ++n) {
    init_Foo();
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(I, 0);
  }
}

} // namespace
