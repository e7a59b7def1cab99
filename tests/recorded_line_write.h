// What the recording run-time must have seen of one run-time line write.
#ifndef LINKKIT_TESTS_RECORDED_LINE_WRITE_H
#define LINKKIT_TESTS_RECORDED_LINE_WRITE_H

#include "pascalrt.h"
#include "recording_runtime.h"

#include <gtest/gtest.h>

inline void expect_line_write(const recording::Call& call, const std::string& text) {
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

#endif
