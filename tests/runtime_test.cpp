// The real run-time in this process: decoding of write items, the pending result, a
// failing stream and the registry of initialisation procedures.
#include "pascalrt.h"
#include "support/process.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#ifdef _WIN32
#include <io.h>
#else
#include <stdio_ext.h>
#include <unistd.h>
#endif

#include <gtest/gtest.h>

#include <string>

using linkkit_test::capture_stdout;

namespace {

pascalrt_file other_file = {1};

struct WriteCase {
  const char* name;
  void (*write)();
  std::string out;
  int32_t result;
};

// Each bad item stops the write at that item; what came before it is written.
const WriteCase write_cases[] = {
    {"text_and_line_end", [] { _p_Internal_Write(&_p_Output, 784, 2, 17, "Hello", 5, 22); },
     "Hello\n", 0},
    {"exactly_length_bytes", [] { _p_Internal_Write(&_p_Output, 784, 1, 17, "abcdef", 3); }, "abc",
     0},
    {"text_with_zero_bytes", [] { _p_Internal_Write(&_p_Output, 784, 1, 17, "a\0b", 3); },
     std::string("a\0b", 3), 0},
    {"empty_text", [] { _p_Internal_Write(&_p_Output, 784, 2, 17, "", 0, 22); }, "\n", 0},
    {"many_items",
     [] { _p_Internal_Write(&_p_Output, 784, 5, 17, "a", 1, 22, 22, 17, "bc", 2, 22); },
     "a\n\nbc\n", 0},
    {"count_zero", [] { _p_Internal_Write(&_p_Output, 784, 0); }, "", 0},
    {"other_flags", [] { _p_Internal_Write(&_p_Output, 0, 1, 22); }, "\n", 0},
    {"unknown_code", [] { _p_Internal_Write(&_p_Output, 784, 3, 17, "ab", 2, 18, 22); }, "ab",
     PASCALRT_E_UNKNOWN_ITEM},
    {"negative_length", [] { _p_Internal_Write(&_p_Output, 784, 2, 17, "ab", -1, 22); }, "",
     PASCALRT_E_NEGATIVE_LENGTH},
    {"null_text",
     [] { _p_Internal_Write(&_p_Output, 784, 2, 17, static_cast<const char*>(nullptr), 0, 22); },
     "", PASCALRT_E_NULL_TEXT},
    // Never read: a read through the null address would end this test.
    {"null_text_with_length",
     [] { _p_Internal_Write(&_p_Output, 784, 2, 17, static_cast<const char*>(nullptr), 5, 22); },
     "", PASCALRT_E_NULL_TEXT},
    {"other_file", [] { _p_Internal_Write(&other_file, 784, 2, 17, "ab", 2, 22); }, "",
     PASCALRT_E_FILE_NOT_OUTPUT},
    {"null_file", [] { _p_Internal_Write(nullptr, 784, 1, 22); }, "", PASCALRT_E_FILE_NOT_OUTPUT},
    {"negative_count", [] { _p_Internal_Write(&_p_Output, 784, -2, 22, 22); }, "",
     PASCALRT_E_NEGATIVE_COUNT},
    // Two faults in one write: the one that comes first in the arguments is reported.
    {"null_text_with_negative_length",
     [] { _p_Internal_Write(&_p_Output, 784, 2, 17, static_cast<const char*>(nullptr), -1, 22); },
     "", PASCALRT_E_NULL_TEXT},
    {"other_file_with_negative_count", [] { _p_Internal_Write(&other_file, 784, -1, 22); }, "",
     PASCALRT_E_FILE_NOT_OUTPUT},
    {"null_file_with_negative_count", [] { _p_Internal_Write(nullptr, 784, -1, 22); }, "",
     PASCALRT_E_FILE_NOT_OUTPUT},
};

void PrintTo(const WriteCase& c, std::ostream* out) {
  *out << c.name;
}

class InternalWrite : public testing::TestWithParam<WriteCase> {
protected:
  void SetUp() override { _p_InOutRes = 0; }
  void TearDown() override { _p_InOutRes = 0; }
};

TEST_P(InternalWrite, WritesItsItemsOrLeavesADistinctCode) {
  const WriteCase& c = GetParam();
  EXPECT_EQ(capture_stdout(c.write), c.out);
  EXPECT_EQ(_p_InOutRes, c.result);
}

INSTANTIATE_TEST_SUITE_P(Items, InternalWrite, testing::ValuesIn(write_cases),
                         [](const auto& info) { return std::string(info.param.name); });

// A caller may store any code, a negative one too: each one stops every later write.
class InternalWriteWhileAResultIsPending : public testing::TestWithParam<int32_t> {
protected:
  void TearDown() override { _p_InOutRes = 0; }
};

TEST_P(InternalWriteWhileAResultIsPending, WritesNothingAndKeepsTheFirstCode) {
  const int32_t pending = GetParam();
  _p_InOutRes = pending;
  EXPECT_EQ(capture_stdout([] { _p_Internal_Write(&_p_Output, 784, 2, 17, "ab", 2, 22); }), "");
  _p_Internal_Write(&_p_Output, 784, 1, 99);
  EXPECT_EQ(_p_InOutRes, pending);
  _p_Internal_Write(&other_file, 784, 1, 22);
  EXPECT_EQ(_p_InOutRes, pending);
  _p_Internal_Write(&_p_Output, 784, -1);
  EXPECT_EQ(_p_InOutRes, pending);
}

INSTANTIATE_TEST_SUITE_P(Codes, InternalWriteWhileAResultIsPending,
                         testing::Values(PASCALRT_E_NULL_TEXT, -5, INT32_MIN),
                         [](const auto& info) {
                           return info.param < 0 ? "minus_" + std::to_string(-int64_t{info.param})
                                                 : std::to_string(info.param);
                         });

// A descriptor that refuses every write: a full device, or on Windows a pipe without reader.
int refusing_descriptor() {
#ifdef _WIN32
  int ends[2];
  if (_pipe(ends, 4096, _O_BINARY) != 0)
    return -1;
  _close(ends[0]);
  return ends[1];
#else
  return open("/dev/full", O_WRONLY);
#endif
}

// Drops what stdout still holds; Windows's C library drops it when a flush fails.
void discard_stdout() {
#ifdef _WIN32
  fflush(stdout);
#else
  __fpurge(stdout);
#endif
  clearerr(stdout);
}

TEST(InternalWriteOnAFailingStream, LeavesTheWriteErrorCode) {
  const std::string big(1 << 17, 'x'); // larger than stdout's buffer: written during the call
  fflush(stdout);
  int saved = dup(1);
  int refusing = refusing_descriptor();
  ASSERT_GE(refusing, 0);
  dup2(refusing, 1);
  close(refusing);
  _p_InOutRes = 0;
  _p_Internal_Write(&_p_Output, 784, 2, 17, big.data(), static_cast<int32_t>(big.size()), 22);
  const int32_t result = _p_InOutRes;
  discard_stdout();
  dup2(saved, 1);
  close(saved);
  _p_InOutRes = 0;
  EXPECT_EQ(result, PASCALRT_E_WRITE_FAILED);
}

#ifdef __linux__ // fopencookie is the C library's own way to inject a failure here
// A stream that refuses its first write and takes the rest: nothing after a failed item
// may reach it.
struct FailsOnce {
  int writes = 0;
  std::string taken;
};

ssize_t write_failing_once(void* cookie, const char* bytes, size_t size) {
  auto* sink = static_cast<FailsOnce*>(cookie);
  if (sink->writes++ == 0) {
    errno = EIO;
    return -1;
  }
  sink->taken.append(bytes, size);
  return static_cast<ssize_t>(size);
}

TEST(InternalWriteOnAStreamThatFailsOnce, WritesNothingAfterTheItemThatFailed) {
  FailsOnce sink;
  FILE* failing = fopencookie(&sink, "w", {nullptr, write_failing_once, nullptr, nullptr});
  ASSERT_NE(failing, nullptr);
  setvbuf(failing, nullptr, _IONBF, 0);
  FILE* const saved = stdout;
  stdout = failing;
  _p_InOutRes = 0;
  _p_Internal_Write(&_p_Output, 784, 3, 17, "first", 5, 17, "second", 6, 22);
  const int32_t result = _p_InOutRes;
  const std::string taken = sink.taken;
  stdout = saved;
  fclose(failing);
  _p_InOutRes = 0;
  EXPECT_EQ(result, PASCALRT_E_WRITE_FAILED);
  EXPECT_EQ(taken, "");
}
#endif

std::string init_log;

// The registry is the process's own: one test fills it, up to the documented 32. A registry
// array one entry short shows under the asan preset.
TEST(InitProcs, RunEachOnceInOrderAndThe33rdIsRefusedChangingNothing) {
  ASSERT_EQ(_p_AddInitProc([] {
              init_log += "A(";
              _p_AddInitProc([] { init_log += "C"; });
              _p_DoInitProc();
              init_log += ")";
            }),
            0);
  ASSERT_EQ(_p_AddInitProc([] { init_log += "B"; }), 0);
  _p_DoInitProc();
  _p_DoInitProc();
  EXPECT_EQ(init_log, "A(BC)");

  init_log.clear();
  EXPECT_EQ(_p_AddInitProc(nullptr), -1);
  for (int n = 4; n <= 32; ++n)
    ASSERT_EQ(_p_AddInitProc([] { init_log += "."; }), 0) << "procedure " << n;
  EXPECT_EQ(_p_AddInitProc([] { init_log += "33rd"; }), -1);
  EXPECT_EQ(_p_AddInitProc([] { init_log += "34th"; }), -1);
  _p_DoInitProc();
  _p_DoInitProc();
  EXPECT_EQ(init_log, std::string(29, '.'));
}

} // namespace

namespace {

TEST(RuntimeVariables, OutputIsStandardOutputAndTheMarkerHoldsItsDate) {
  EXPECT_EQ(_p_Output.descriptor, 1);
  EXPECT_EQ(__GPC_RTS_VERSION_20030830__, 20030830);
}

} // namespace
