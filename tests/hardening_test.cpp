// The installed programs and libraries carry the hardening of a Debian package, as
// Debian's checksec reads it from the files.
#include "support/process.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

using linkkit_test::command_output;
using linkkit_test::installed;

namespace {

std::string field(const std::string& json, const std::string& name) {
  std::smatch match;
  const std::regex pattern("\"" + name + "\":\"([^\"]*)\"");
  return std::regex_search(json, match, pattern) ? match[1].str() : "<missing>";
}

bool compiled_with(const std::string& file, const std::string& option) {
  return command_output(std::string(LINKKIT_READELF) + " --debug-dump=info " + file)
             .find(" " + option) != std::string::npos;
}

class Hardened : public testing::TestWithParam<const char*> {};

TEST_P(Hardened, HasFullRelroNxPieCanariesAndFortifiedCalls) {
  const std::string file = installed(GetParam());
  const std::string report = command_output("checksec --output=json --file=" + file);
  const bool library = file.find("/lib/") != std::string::npos;
  EXPECT_EQ(field(report, "relro"), "full");
  EXPECT_EQ(field(report, "nx"), "yes");
  EXPECT_EQ(field(report, "pie"), library ? "dso" : "yes");
  EXPECT_EQ(field(report, "rpath"), "no");
  // A library none of whose functions holds a buffer on its stack has no canary to show.
  if (field(report, "canary") != "yes") {
    EXPECT_TRUE(compiled_with(file, "-fstack-protector-strong"));
  }
}

// checksec calls a file fortified when it finds a checked call (__printf_chk and the
// like); the run-time's calls (a memcpy into a buffer whose size the compiler cannot see,
// fwrite, strerror) have no checked form, so for it the compile commands are the evidence.
TEST(Fortified, RefdemoCallsTheCheckedPrintf) {
  const std::string report =
      command_output("checksec --output=json --file=" + installed("bin/refdemo"));
  EXPECT_EQ(field(report, "fortify_source"), "yes");
}

TEST(Fortified, EveryKitSourceIsCompiledWithFortifySource) {
  std::istringstream commands(linkkit_test::read_file(LINKKIT_COMPILE_COMMANDS));
  std::string line;
  int kit_commands = 0;
  while (std::getline(commands, line)) {
    if (line.find("\"command\"") == std::string::npos ||
        !std::regex_search(line, std::regex("/(refdemo|runtime|greetprog|greetmod)/[a-z_]+\\.cpp")))
      continue;
    ++kit_commands;
    EXPECT_NE(line.find("-D_FORTIFY_SOURCE=2"), std::string::npos) << line;
  }
  EXPECT_GT(kit_commands, 10);
}

INSTANTIATE_TEST_SUITE_P(Kit, Hardened,
                         testing::Values("bin/refdemo", "bin/greetprog", "lib/librefdemo.so",
                                         "lib/libpascalrt.so", "lib/libgreetmod.so"));

} // namespace
