// The installed programs and libraries carry the hardening of a Debian package, as
// Debian's checksec reads it from the files.
#include "support/process.h"

#include <gtest/gtest.h>

#include <regex>

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
  // checksec's own verdict: some call fortified, or none that could be. A memcpy into a
  // buffer whose size the compiler cannot see stays unfortified either way.
  if (field(report, "fortify-able") != "0") {
    EXPECT_EQ(field(report, "fortify_source"), "yes");
  }
}

INSTANTIATE_TEST_SUITE_P(Kit, Hardened,
                         testing::Values("bin/refdemo", "bin/greetprog", "lib/librefdemo.so",
                                         "lib/libpascalrt.so", "lib/libgreetmod.so"));

} // namespace
