// c_w1 and c_world called in this process through librefdemo: the kit's own, and each
// other language's (tests/callee).
#include "refdemo.h"
#include "support/process.h"

#include <float.h>
#include <math.h>
#include <stdio.h>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include <gtest/gtest.h>

using linkkit_test::capture_stdout;

namespace {

const char* const record_lines = "My record changed to c_i = 42, c_d = 1.234500\n"
                                 "Leaving C\n";

TEST(CW1, PrintsWhatItIsHandedAndLeavesItsConstants) {
  int32_t integer = 3;
  double real = 7.23;
  c_record record = {21, 87.234};
  EXPECT_EQ(capture_stdout([&] { c_w1(&integer, &real, &record); }),
            std::string("Now in function c_w1\n"
                        "Hello again from C i = 3\n"
                        "7.230000XXX\n"
                        "My record c_i = 21, c_d = 87.234000\n") +
                record_lines);
  EXPECT_EQ(integer, 56);
  EXPECT_EQ(real, 3.1415);
  EXPECT_EQ(record.c_i, 42);
  EXPECT_EQ(record.c_d, 1.2345);
}

TEST(CW1, PrintsOtherValuesInTheSameFormats) {
  int32_t integer = -2147483647 - 1;
  double real = -0.5;
  c_record record = {2147483647, 1e15};
  EXPECT_EQ(capture_stdout([&] { c_w1(&integer, &real, &record); }),
            std::string("Now in function c_w1\n"
                        "Hello again from C i = -2147483648\n"
                        "-0.500000XXX\n"
                        "My record c_i = 2147483647, c_d = 1000000000000000.000000\n") +
                record_lines);
}

std::string as_lf(double value) {
  char text[400];
  snprintf(text, sizeof text, "%lf", value);
  return text;
}

// Signs, zeros, ties, carries, the longest and the shortest doubles, infinities and NaNs.
TEST(CW1, PrintsEveryDoubleAsPrintfsLfDoes) {
  const double values[] = {0.5,
                           -0.5,
                           1e15,
                           -0.0,
                           0.0,
                           123456.0000005,
                           0.0078125,
                           0.0234375,
                           2.5e-7,
                           9.9999995,
                           -999999.9999995,
                           1e300,
                           DBL_MAX,
                           -DBL_MAX,
                           DBL_MIN,
                           4.9e-324,
                           1e22,
                           9007199254740993.0,
                           INFINITY,
                           -INFINITY,
                           NAN,
                           -NAN};
  for (double value : values) {
    SCOPED_TRACE(as_lf(value));
    int32_t integer = 1;
    double real = value;
    c_record record = {2, value};
    EXPECT_EQ(capture_stdout([&] { c_w1(&integer, &real, &record); }),
              "Now in function c_w1\n"
              "Hello again from C i = 1\n" +
                  as_lf(value) + "XXX\n" + "My record c_i = 2, c_d = " + as_lf(value) + "\n" +
                  record_lines);
  }
}

TEST(CW1, StoresToTheIntegerComeBeforeTheRecordIsPrinted) {
  double real = 7.23;
  c_record record = {21, 87.234};
  const std::string out = capture_stdout([&] { c_w1(&record.c_i, &real, &record); });
  EXPECT_NE(out.find("Hello again from C i = 21\n"), std::string::npos);
  EXPECT_NE(out.find("My record c_i = 56, c_d = 87.234000\n"), std::string::npos);
  EXPECT_EQ(record.c_i, 42);
  EXPECT_EQ(real, 3.1415);
}

TEST(CW1, StoresToTheDoubleComeBeforeTheRecordIsPrinted) {
  int32_t integer = 3;
  c_record record = {21, 87.234};
  const std::string out = capture_stdout([&] { c_w1(&integer, &record.c_d, &record); });
  EXPECT_NE(out.find("\n87.234000XXX\n"), std::string::npos);
  EXPECT_NE(out.find("My record c_i = 21, c_d = 3.141500\n"), std::string::npos);
  EXPECT_EQ(record.c_d, 1.2345);
  EXPECT_EQ(integer, 56);
}

TEST(CWorld, PrintsAnEmptyLineThenTheGreeting) {
  EXPECT_EQ(capture_stdout([] { c_world(); }), "\nHello World from C\n");
}

#ifdef _WIN32
// Windows's C library starts a program's standard streams in text mode; a language's
// run-time that starts when its library is loaded must leave them so.
TEST(CW1Library, LeavesTheStandardStreamsInTextMode) {
  for (int descriptor : {0, 1, 2}) {
    const int mode = _setmode(descriptor, _O_TEXT); // the mode that it replaces
    _setmode(descriptor, mode);
    EXPECT_EQ(mode, _O_TEXT) << "descriptor " << descriptor;
  }
}
#endif

// The build states the layout of each target it knows, apart from the header.
#ifdef LINKKIT_RECORD_SIZE
TEST(CRecord, HasTheLayoutThatTheHeaderAndTheBuildState) {
  EXPECT_EQ(offsetof(c_record, c_d), static_cast<size_t>(LINKKIT_RECORD_C_D_OFFSET));
  EXPECT_EQ(sizeof(c_record), static_cast<size_t>(LINKKIT_RECORD_SIZE));
  EXPECT_EQ(REFDEMO_C_D_OFFSET, LINKKIT_RECORD_C_D_OFFSET);
  EXPECT_EQ(REFDEMO_RECORD_SIZE, LINKKIT_RECORD_SIZE);
}
#endif

} // namespace
