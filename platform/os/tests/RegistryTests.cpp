#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <thread>

#include "platform/os/PlatformRoot.h"
#include "platform/os/Registry.h"
#include "platform/os/RegistryHive.h"
#include "platform/rtl/LastError.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/StringUtils.h"
#include "testing/FileContent.h"
#include "testing/PlatformRoot.h"

namespace {

using namespace plat;
using zorbit::testing::ReadFileContent;
using zorbit::testing::TPlatformRoot;
using zorbit::testing::WriteFileContent;

class RegistryTest : public ::testing::Test {
 protected:
  std::string HivePath(const char* hive) { return RegistryHivePath(hive); }

  TPlatformRoot FRoot;
};

TEST_F(RegistryTest, ValuesRoundTripThroughTheHiveFile) {
  {
    TRegistry writer;
    writer.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(writer.OpenKey("\\Software\\Ovra\\Zorbit", true));
    writer.WriteString("Language", "English");
    writer.WriteString("", "the default");
    writer.WriteString("Quoted \"name\"", "C:\\Program Files\\\"x\"");
    writer.WriteString("Lines", "one\r\ntwo\tand \xC3\xA9");
    writer.WriteExpandString("Path", "%SystemRoot%\\hh.exe");
    writer.WriteInteger("Count", 31);
    writer.WriteInteger("Negative", -2);
  }
  const std::string file = ReadFileContent(HivePath("HKLM"));
  EXPECT_EQ(file.rfind("REGEDIT4\r\n", 0), 0u);
  EXPECT_NE(file.find("[HKEY_LOCAL_MACHINE\\Software\\Ovra\\Zorbit]\r\n"), std::string::npos);
  EXPECT_NE(file.find("\"Language\"=\"English\"\r\n"), std::string::npos);
  EXPECT_NE(file.find("@=\"the default\"\r\n"), std::string::npos);
  EXPECT_NE(file.find("\"Count\"=dword:0000001f\r\n"), std::string::npos);
  EXPECT_NE(file.find("\"Path\"=hex(2):25,53,79"), std::string::npos);

  TRegistry reader;
  reader.SetRootKey(HKEY_LOCAL_MACHINE);
  ASSERT_TRUE(reader.OpenKeyReadOnly("software\\OVRA\\zorbit"));  // names without case
  EXPECT_EQ(reader.ReadString("language"), "English");
  EXPECT_EQ(reader.ReadString(""), "the default");
  EXPECT_EQ(reader.ReadString("Quoted \"name\""), "C:\\Program Files\\\"x\"");
  EXPECT_EQ(reader.ReadString("Lines"), "one\r\ntwo\tand \xC3\xA9");
  EXPECT_EQ(reader.ReadString("Path"), "%SystemRoot%\\hh.exe");  // not expanded
  EXPECT_EQ(reader.GetDataType("Path"), rdExpandString);
  EXPECT_EQ(reader.ReadInteger("Count"), 31);
  EXPECT_EQ(reader.ReadInteger("Negative"), -2);
  EXPECT_EQ(reader.ReadString("Missing"), "");
}

TEST_F(RegistryTest, NonStringValuesRaiseOnReadString) {
  TRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  ASSERT_TRUE(registry.OpenKey("Software\\Ovra\\Zorbit", true));
  registry.WriteInteger("Language", 7);
  try {
    registry.ReadString("Language");
    FAIL() << "no exception";
  } catch (const ERegistryException& e) {
    EXPECT_EQ(e.Message(), "Invalid data type for 'Language'");
  }
  registry.WriteString("Text", "12");
  EXPECT_THROW(registry.ReadInteger("Text"), ERegistryException);
  try {
    registry.ReadInteger("Missing");
    FAIL() << "no exception";
  } catch (const ERegistryException& e) {
    EXPECT_EQ(e.Message(), "Failed to get data for 'Missing'");
  }
}

TEST_F(RegistryTest, HandWrittenHiveFormsAreRead) {
  WriteFileContent(HivePath("HKCR"),
                   "\xEF\xBB\xBFREGEDIT4\n"
                   "; a comment\n"
                   "[HKEY_CLASSES_ROOT\\CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32]\n"
                   "@=\"%SystemRoot%\\\\System32\\\\hhctrl.ocx\"\n"
                   "\"Ansi\"=hex(2):25,41,25,00\n"
                   "\"Bin\"=hex:01,ab,\\\n"
                   "  FF\n"
                   "\"Multi\"=hex(7):61,00,00\n"
                   "\"Spaced\" = dword:0000000A\n");
  TRegistry registry;
  registry.SetRootKey(HKEY_CLASSES_ROOT);
  ASSERT_TRUE(registry.OpenKeyReadOnly("CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32"));
  EXPECT_EQ(registry.ReadString(""), "%SystemRoot%\\System32\\hhctrl.ocx");
  EXPECT_EQ(registry.ReadString("Ansi"), "%A%");
  EXPECT_EQ(registry.ReadInteger("Spaced"), 10);
  const struct {
    const char* Name;
    TRegDataType Type;
  } types[] = {{"", rdString},       {"Ansi", rdExpandString}, {"Bin", rdBinary},
               {"Multi", rdUnknown}, {"Spaced", rdInteger},    {"Missing", rdUnknown}};
  for (const auto& expected : types) EXPECT_EQ(registry.GetDataType(expected.Name), expected.Type) << expected.Name;
  EXPECT_THROW(registry.ReadString("Bin"), ERegistryException);
}

TEST_F(RegistryTest, VersionFiveHivesHoldUtf16Text) {
  WriteFileContent(HivePath("HKCU"),
                   "Windows Registry Editor Version 5.00\r\n\r\n"
                   "[HKEY_CURRENT_USER\\Software\\X]\r\n"
                   "\"E\"=hex(2):25,00,50,00,e9,00,00,00\r\n");
  TRegistry registry;  // HKEY_CURRENT_USER by default
  ASSERT_TRUE(registry.OpenKeyReadOnly("\\Software\\X"));
  EXPECT_EQ(registry.ReadString("E"), "%P\xC3\xA9");
}

TEST_F(RegistryTest, UnreadableLinesAreSkippedAndDroppedOnTheNextWrite) {
  std::string hostile =
      "REGEDIT4\n"
      "\"Orphan\"=\"before any key\"\n"
      "[HKEY_LOCAL_MACHINE\\Good]\n"
      "\"Keep\"=\"yes\"\n"
      "\"Unterminated\"=\"abc\n"
      "\"TooLong\"=dword:123456789\n"
      "\"NotHex\"=dword:zz\n"
      "\"BadList\"=hex:1,2,300\n"
      "\"BadType\"=hex(:01\n"
      "\"Trailing\"=\"a\" junk\n"
      "\"NoEquals\" \"x\"\n"
      "NoQuotes=\"x\"\n"
      "\"Deleted\"=-\n"
      "[HKEY_LOCAL_MACHINE\\Unclosed\n"
      "\"InUnclosed\"=\"x\"\n"
      "[HKEY_CURRENT_USER\\Other]\n"
      "\"OtherHive\"=\"x\"\n"
      "[-HKEY_LOCAL_MACHINE\\Good]\n"
      "\"InDelete\"=\"x\"\n"
      "[HKEY_LOCAL_MACHINE\\Bad\x01Name]\n"
      "\"Control\"=\"x\"\n";
  hostile += std::string("\"Nul\x00\"=\"x\"\n", 12);
  hostile += "\"Huge\"=\"" + std::string(200000, 'a') + "\n";
  hostile += "[HKEY_LOCAL_MACHINE\\Good]\n\"Last\"=dword:00000001\n";
  WriteFileContent(HivePath("HKLM"), hostile);

  TRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  ASSERT_TRUE(registry.OpenKey("Good", false));
  TStringList names;
  registry.GetValueNames(&names);
  ASSERT_EQ(names.Count(), 2);
  EXPECT_EQ(names.Strings(0), "Keep");
  EXPECT_EQ(names.Strings(1), "Last");
  EXPECT_FALSE(registry.KeyExists("\\Unclosed"));
  registry.WriteString("New", "v");
  EXPECT_EQ(registry.ReadString("Keep"), "yes");
  EXPECT_EQ(registry.ReadString("New"), "v");
  EXPECT_EQ(ReadFileContent(HivePath("HKLM")).find("Orphan"), std::string::npos);
}

TEST_F(RegistryTest, KeyPathsAreAbsoluteWithABackslashAndRelativeWithout) {
  TRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  EXPECT_FALSE(registry.OpenKey("\\A\\B", false));
  ASSERT_TRUE(registry.OpenKey("\\A\\B", true));
  ASSERT_TRUE(registry.OpenKey("C", true));  // below A\B
  EXPECT_EQ(registry.CurrentPath(), "A\\B\\C");
  ASSERT_TRUE(registry.OpenKey("\\A", false));
  EXPECT_EQ(registry.CurrentPath(), "A");
  EXPECT_TRUE(registry.KeyExists("b\\c"));
  EXPECT_TRUE(registry.KeyExists("\\a\\b\\c"));
  EXPECT_FALSE(registry.KeyExists("\\B"));
  registry.CloseKey();
  EXPECT_TRUE(registry.KeyExists("A\\\\B\\"));  // doubled and trailing delimiters
  EXPECT_FALSE(registry.ValueExists("x"));
  EXPECT_EQ(registry.ReadString("x"), "");
  EXPECT_THROW(registry.WriteString("x", "y"), ERegistryException);  // no key open
  EXPECT_FALSE(registry.OpenKey("\\Bad\nName", true));
}

TEST_F(RegistryTest, SubkeysAreListedSortedAndDeletedWithTheirChildren) {
  TRegistry registry;
  registry.SetRootKey(HKEY_CURRENT_USER);
  for (const char* key : {"\\R\\zeta", "\\R\\Alpha\\Deep", "\\R\\beta"}) ASSERT_TRUE(registry.OpenKey(key, true));
  ASSERT_TRUE(registry.OpenKey("\\R", false));
  registry.WriteString("v2", "x");
  registry.WriteString("v1", "x");
  TStringList names;
  registry.GetKeyNames(&names);
  ASSERT_EQ(names.Count(), 3);
  EXPECT_EQ(names.Strings(0), "Alpha");
  EXPECT_EQ(names.Strings(1), "beta");
  EXPECT_EQ(names.Strings(2), "zeta");
  registry.GetValueNames(&names);
  ASSERT_EQ(names.Count(), 2);
  EXPECT_EQ(names.Strings(0), "v2");  // in the order written

  EXPECT_TRUE(registry.DeleteValue("V2"));
  EXPECT_FALSE(registry.DeleteValue("v2"));
  EXPECT_TRUE(registry.DeleteKey("alpha"));
  EXPECT_FALSE(registry.KeyExists("\\R\\Alpha\\Deep"));
  EXPECT_FALSE(registry.DeleteKey("alpha"));
  EXPECT_FALSE(registry.DeleteKey("\\"));  // the root stays
}

TEST_F(RegistryTest, ReadOnlyKeysAndUnsupportedRootsRefuseWrites) {
  TRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  ASSERT_TRUE(registry.OpenKey("\\K", true));
  ASSERT_TRUE(registry.OpenKeyReadOnly("\\K"));
  EXPECT_THROW(registry.WriteInteger("x", 1), ERegistryException);
  EXPECT_FALSE(registry.DeleteValue("x"));
  registry.SetRootKey(HKEY_USERS);
  EXPECT_FALSE(registry.OpenKey("\\K", true));
  EXPECT_FALSE(registry.KeyExists("\\K"));
}

TEST_F(RegistryTest, KeyDeletedByAnotherWriterFailsTheWrite) {
  TRegistry first;
  TRegistry second;
  first.SetRootKey(HKEY_LOCAL_MACHINE);
  second.SetRootKey(HKEY_LOCAL_MACHINE);
  ASSERT_TRUE(first.OpenKey("\\Gone", true));
  ASSERT_TRUE(second.DeleteKey("\\Gone"));
  EXPECT_THROW(first.WriteString("x", "y"), ERegistryException);
  EXPECT_FALSE(second.KeyExists("\\Gone"));  // not re-created by the failed write
}

TEST_F(RegistryTest, ConcurrentWritersLoseNothing) {
  constexpr int kWriters = 6;
  constexpr int kValues = 25;
  {
    TRegistry setup;
    setup.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(setup.OpenKey("\\Shared", true));
  }
  std::vector<std::thread> writers;
  for (int w = 0; w < kWriters; ++w) {
    writers.emplace_back([w] {
      TRegistry registry;
      registry.SetRootKey(HKEY_LOCAL_MACHINE);
      if (!registry.OpenKey("\\Shared", false)) return;
      for (int v = 0; v < kValues; ++v) registry.WriteInteger("w" + std::to_string(w) + "v" + std::to_string(v), v);
    });
  }
  for (auto& writer : writers) writer.join();
  TRegistry reader;
  reader.SetRootKey(HKEY_LOCAL_MACHINE);
  ASSERT_TRUE(reader.OpenKeyReadOnly("\\Shared"));
  TStringList names;
  reader.GetValueNames(&names);
  EXPECT_EQ(names.Count(), kWriters * kValues);
}

std::string DeepKeyLine(std::size_t levels) {
  std::string line = "[HKEY_LOCAL_MACHINE";
  for (std::size_t i = 0; i < levels; ++i) line += "\\k";
  return line + "]\n";
}

TEST_F(RegistryTest, AHiveWithKeysTooDeepIsRefusedAndLeftAsItIs) {
  for (const std::size_t levels : {MaxKeyDepth + 1, std::size_t{100000}}) {
    SCOPED_TRACE(levels);
    const std::string deep = "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software]\n\"Kept\"=\"yes\"\n" + DeepKeyLine(levels);
    WriteFileContent(HivePath("HKLM"), deep);
    TRegistry machine;
    machine.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(machine.KeyExists("Software"));
    EXPECT_FALSE(machine.OpenKey("Software\\New", true));
    EXPECT_EQ(GetLastError(), ERROR_BADDB);
    EXPECT_EQ(ReadFileContent(HivePath("HKLM")), deep);  // nothing stored over it
    // The other hives go on working.
    TRegistry user;
    ASSERT_TRUE(user.OpenKey("Software\\Ovra", true));
    user.WriteString("Language", "English");
    EXPECT_EQ(user.ReadString("Language"), "English");
  }
  // Once the file is mended the hive is read again.
  WriteFileContent(HivePath("HKLM"), "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software]\n\"Kept\"=\"yes\"\n");
  TRegistry machine;
  machine.SetRootKey(HKEY_LOCAL_MACHINE);
  ASSERT_TRUE(machine.OpenKeyReadOnly("Software"));
  EXPECT_EQ(machine.ReadString("Kept"), "yes");
}

TEST_F(RegistryTest, KeysAsDeepAsAllowedAreStoredAndNoDeeper) {
  std::string path;
  for (std::size_t i = 0; i < MaxKeyDepth; ++i) path += "\\k";
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(path, true));
  registry.WriteInteger("Depth", static_cast<int>(MaxKeyDepth));
  registry.CloseKey();
  ASSERT_TRUE(registry.OpenKeyReadOnly(path));
  EXPECT_EQ(registry.ReadInteger("Depth"), static_cast<int>(MaxKeyDepth));
  registry.CloseKey();
  EXPECT_FALSE(registry.OpenKey(path + "\\k", true));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST_F(RegistryTest, AHiveChangedByAnotherWriterIsReadAgain) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("Software", true));
  registry.WriteString("Name", "first");
  EXPECT_EQ(registry.ReadString("Name"), "first");
  // Another process replaces the file, as every writer does.
  const std::string other = HivePath("HKCU") + ".other";
  WriteFileContent(other, "REGEDIT4\n[HKEY_CURRENT_USER\\Software]\n\"Name\"=\"second\"\n");
  ASSERT_EQ(std::rename(other.c_str(), HivePath("HKCU").c_str()), 0);
  EXPECT_EQ(registry.ReadString("Name"), "second");
  // And one that rewrites it in place, to the same size.
  WriteFileContent(HivePath("HKCU"), "REGEDIT4\n[HKEY_CURRENT_USER\\Software]\n\"Name\"=\"third!\"\n");
  EXPECT_EQ(registry.ReadString("Name"), "third!");
}

TEST(RegistryHive, WideAndDeepTreesAreFoundAndFreed) {
  TRegistryHive hive("HKEY_LOCAL_MACHINE");
  TRegKeyNode& wide = hive.Create({"Wide"});
  for (int i = 9999; i >= 0; --i) wide.AddSubKey("Key" + std::to_string(i));
  EXPECT_EQ(wide.SubKeys().size(), 10000u);
  ASSERT_NE(wide.FindSubKey("KEY4711"), nullptr);
  EXPECT_EQ(wide.FindSubKey("key4711")->Name(), "Key4711");
  EXPECT_EQ(&wide.AddSubKey("kEy4711"), wide.FindSubKey("Key4711"));
  EXPECT_TRUE(wide.RemoveSubKey("KEY0"));
  EXPECT_EQ(wide.FindSubKey("Key0"), nullptr);
  EXPECT_EQ(wide.SubKeys().begin()->second->Name(), "Key1");  // in CompareText order
  EXPECT_EQ(wide.SubKeys().rbegin()->second->Name(), "Key9999");
  for (int i = 0; i < 1000; ++i) wide.SetValue("v" + std::to_string(i), TRegValue{REG_SZ, "x"});
  EXPECT_TRUE(wide.RemoveValue("V10"));
  ASSERT_NE(wide.FindValue("V11"), nullptr);
  EXPECT_EQ(wide.Values()[10].first, "v11");  // order of first writing kept
  // A chain far deeper than a stack of calls could follow is freed.
  TRegKeyNode* deep = &hive.Root();
  for (int i = 0; i < 100000; ++i) deep = &deep->AddSubKey("d");
}

TEST(RegistryHive, SerializeThenParseGivesTheSameTree) {
  TRegistryHive hive("HKEY_LOCAL_MACHINE");
  hive.Root().SetValue("AtRoot", TRegValue{REG_SZ, "r"});
  TRegKeyNode& key = hive.Create({"Software", "Odd [name]"});
  key.SetValue("Bin", TRegValue{REG_BINARY, std::string("\x00\x01\xff", 3)});
  key.SetValue("Empty", TRegValue{REG_BINARY, ""});
  key.SetValue("Custom", TRegValue{0x1234, "ab"});
  key.SetValue("Nul", TRegValue{REG_SZ, std::string("a\0b", 3)});
  TRegistryHive copy("HKEY_LOCAL_MACHINE");
  copy.Parse(hive.Serialize());
  EXPECT_EQ(copy.Serialize(), hive.Serialize());
  const TRegKeyNode* found = copy.Find({"software", "ODD [NAME]"});
  ASSERT_NE(found, nullptr);
  ASSERT_NE(found->FindValue("custom"), nullptr);
  EXPECT_EQ(found->FindValue("custom")->Type, 0x1234u);
  EXPECT_EQ(found->FindValue("Nul")->Data, std::string("a\0b", 3));
  ASSERT_NE(copy.Root().FindValue("AtRoot"), nullptr);
}

}  // namespace
