// The INI interface over the registry, on the real hive files of a private
// platform root.
#include "platform/os/RegistryIniFile.h"

#include <gtest/gtest.h>

#include "platform/os/PlatformRoot.h"
#include "platform/rtl/StringList.h"
#include "testing/FileContent.h"
#include "testing/PlatformRoot.h"

namespace plat {
namespace {

using zorbit::testing::ReadFileContent;
using zorbit::testing::TPlatformRoot;

class RegistryIniFileTest : public ::testing::Test {
 protected:
  TPlatformRoot FRoot;
};

TEST_F(RegistryIniFileTest, SectionsAreSubkeysAndValuesKeepTheirType) {
  {
    TRegistryIniFile ini("Software\\Ovra\\Grid");
    EXPECT_EQ(ini.RootKey(), HKEY_CURRENT_USER);
    ini.WriteInteger("Widths", "Col0", 64);
    ini.WriteInteger("Widths", "Col1", -1);
    ini.WriteString("Names", "First", "one");
  }
  const std::string hive = ReadFileContent(RegistryHivePath("HKCU"));
  EXPECT_NE(hive.find("[HKEY_CURRENT_USER\\Software\\Ovra\\Grid\\Widths]\r\n\"Col0\"=dword:00000040"), std::string::npos)
      << hive;
  EXPECT_NE(hive.find("\"First\"=\"one\""), std::string::npos);

  TRegistryIniFile ini("\\Software\\Ovra\\Grid");  // the leading "\" changes nothing
  EXPECT_EQ(ini.ReadInteger("Widths", "Col0", 0), 64);
  EXPECT_EQ(ini.ReadInteger("widths", "col1", 0), -1);  // names without case
  EXPECT_EQ(ini.ReadString("Widths", "Col0", "none"), "64");
  EXPECT_EQ(ini.ReadString("Names", "First", "none"), "one");
  EXPECT_TRUE(ini.SectionExists("Names"));
  EXPECT_TRUE(ini.ValueExists("Widths", "Col1"));

  TStringList sections;
  ini.ReadSections(sections);
  EXPECT_EQ(sections.Count(), 2);
  TStringList values;
  ini.ReadSectionValues("Widths", values);
  ASSERT_EQ(values.Count(), 2);
  EXPECT_EQ(values.Strings(0), "Col0=64");
  EXPECT_EQ(values.Strings(1), "Col1=-1");
}

TEST_F(RegistryIniFileTest, MissingOrForeignValuesGiveTheDefault) {
  TRegistryIniFile ini("Software\\Ovra\\Grid");
  ini.WriteString("S", "Text", "abc");
  ini.WriteString("S", "Number", "17");
  const struct {
    const char* Section;
    const char* Ident;
    int Expected;
  } cases[] = {
      {"S", "Text", 5},         // not a number
      {"S", "Number", 17},      // a number kept as a string
      {"S", "Missing", 5},      // no such value
      {"Missing", "Text", 5},   // no such section
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ini.ReadInteger(c.Section, c.Ident, 5), c.Expected) << c.Section << "\\" << c.Ident;
  }
  EXPECT_EQ(ini.ReadString("Missing", "Text", "dflt"), "dflt");
  EXPECT_FALSE(ini.SectionExists("Missing"));
  TStringList keys;
  keys.Add("stale");
  ini.ReadSection("Missing", keys);
  EXPECT_EQ(keys.Count(), 0);
}

TEST_F(RegistryIniFileTest, ErasingAndDeleting) {
  TRegistryIniFile ini("Software\\Ovra\\Grid");
  ini.WriteInteger("A", "x", 1);
  ini.WriteInteger("A", "y", 2);
  ini.WriteInteger("B", "z", 3);
  ini.DeleteKey("A", "x");
  EXPECT_FALSE(ini.ValueExists("A", "x"));
  EXPECT_TRUE(ini.ValueExists("A", "y"));
  ini.EraseSection("A");
  EXPECT_FALSE(ini.SectionExists("A"));
  EXPECT_EQ(ini.ReadInteger("B", "z", 0), 3);
}

TEST_F(RegistryIniFileTest, AnotherRootAndAFailedWrite) {
  TRegistryIniFile machine("Software\\Ovra", HKEY_LOCAL_MACHINE);
  machine.WriteInteger("S", "v", 9);
  EXPECT_EQ(machine.ReadInteger("S", "v", 0), 9);
  EXPECT_EQ(TRegistryIniFile("Software\\Ovra").ReadInteger("S", "v", 0), 0);  // not under the current user
  // A value name the store cannot hold is refused, not written half.
  EXPECT_THROW(machine.WriteString("S", "bad\nname", "x"), ERegistryException);
  EXPECT_FALSE(machine.ValueExists("S", "bad\nname"));
}

}  // namespace
}  // namespace plat
