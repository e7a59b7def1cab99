// The names that the kit's objects, libraries and programs define, refer to and need.
#include "support/process.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

using linkkit_test::command_output;
using linkkit_test::installed;
using Names = std::set<std::string>;

namespace {

// Symbols that the toolchain itself puts in position-independent code: 32-bit x86's GOT and
// its thunks, the table of contents that POWER's code addresses globals through, and the
// global pointer that MIPS o32 code computes from its own address.
bool toolchain_name(const std::string& name) {
  return name == "_GLOBAL_OFFSET_TABLE_" || name.rfind("__x86.get_pc_thunk.", 0) == 0 ||
         name == ".TOC." || name == "_gp_disp";
}

Names symbols(const std::string& nm_options, const std::string& file) {
  std::istringstream lines(
      command_output(std::string(LINKKIT_NM) + " -P " + nm_options + " " + file));
  Names names;
  std::string line;
  while (std::getline(lines, line)) {
    const std::string name = line.substr(0, line.find(' '));
    if (!name.empty() && name.back() != ':' && !toolchain_name(name))
      names.insert(name);
  }
  return names;
}

Names defined(const std::string& file) {
  return symbols("-g --defined-only", file);
}
Names exported(const std::string& file) {
  return symbols("-D --defined-only", file);
}
Names undefined(const std::string& file) {
  return symbols("-u", file);
}

Names needed(const std::string& file) {
  std::istringstream lines(command_output(std::string(LINKKIT_READELF) + " -d " + file));
  Names names;
  std::string line;
  while (std::getline(lines, line))
    if (line.find("(NEEDED)") != std::string::npos)
      names.insert(line.substr(line.find('[') + 1, line.find(']') - line.find('[') - 1));
  return names;
}

bool has(const Names& names, const Names& wanted) {
  for (const std::string& name : wanted)
    if (names.count(name) == 0)
      return false;
  return true;
}

const Names runtime_names_of_foo = {"_p_Output", "_p_Internal_Write", "_p_InOutRes",
                                    "_p_CheckInOutRes"};
const Names foo_names = {"I", "Helloworld", "Hello", "init_Foo"};

TEST(ModuleFoo, ItsOneObjectDefinesItsFourNamesAndRefersToFourOfTheRunTime) {
  const std::string archive = installed("lib/libgreetmod.a");
  EXPECT_EQ(command_output(std::string(LINKKIT_AR) + " t " + archive), "foo.cpp.o\n");
  EXPECT_EQ(defined(archive), foo_names);
  EXPECT_EQ(undefined(archive), runtime_names_of_foo);
}

TEST(ModuleFoo, ItsSharedLibraryExportsTheFourNamesAndNeedsTheRunTime) {
  const std::string library = installed("lib/libgreetmod.so");
  EXPECT_EQ(exported(library), foo_names);
  const Names libraries = needed(library);
  EXPECT_EQ(libraries.count("libpascalrt.so.1"), 1u);
  EXPECT_TRUE(has(Names{"libc.so.6", "libpascalrt.so.1"}, libraries));
}

TEST(RunTime, ItsSharedLibraryExportsItsNamesAlone) {
  const std::string library = installed("lib/libpascalrt.so");
  EXPECT_EQ(exported(library), (Names{"_p_initialize", "_p_DoInitProc", "_p_AddInitProc",
                                      "_p_finalize", "_p_Internal_Write", "_p_CheckInOutRes",
                                      "_p_Output", "_p_InOutRes", "__GPC_RTS_VERSION_20030830__"}));
  EXPECT_EQ(needed(library), Names{"libc.so.6"});
}

TEST(Greetprog, DefinesItsNamesKeepsTheMarkerAndNeedsTheCLibraryAlone) {
  const std::string program = installed("bin/greetprog");
  EXPECT_TRUE(has(defined(program), {"main", "init_pascal_main_program", "pascal_main_program",
                                     "__GPC_RTS_VERSION_20030830__"}));
  EXPECT_EQ(needed(program), Names{"libc.so.6"});
}

TEST(Greetprog, KeepsTheMarkerWhenOptimisedAcrossObjectsAndSections) {
  EXPECT_EQ(defined(GREETPROG_LTO).count("__GPC_RTS_VERSION_20030830__"), 1u);
}

TEST(Refdemo, DefinesItsRoutinesUndecoratedAndNeedsTheCLibraryAlone) {
  const std::string program = installed("bin/refdemo");
  EXPECT_TRUE(has(defined(program), {"main", "c_w1", "c_world"}));
  EXPECT_EQ(needed(program), Names{"libc.so.6"});

  const std::string library = installed("lib/librefdemo.so");
  EXPECT_EQ(exported(library), (Names{"c_w1", "c_world"}));
  EXPECT_EQ(needed(library), Names{"libc.so.6"});
}

} // namespace
