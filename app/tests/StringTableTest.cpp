// The string table: lookups, the merge of several files, and the global
// table as the service link's text source.
#include "app/StringTable.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "AppTestSupport.h"
#include "service/AppHooks.h"

namespace {

using apptest::WriteFileContent;
using zorbit::TStringTable;

class StringTableTest : public ::testing::Test {
 protected:
  std::string Ini(const std::string& name, const std::string& content) {
    const std::string path = Folder.Path() + name;
    WriteFileContent(path, content);
    return path;
  }
  apptest::TSandboxFolder Folder;
  TStringTable Table;
};

TEST_F(StringTableTest, AMissingSectionOrKeyAnswersTheKey) {
  EXPECT_EQ(Table.Lookup("Messages", "Reboot"), "Reboot");
  Table.LoadFromIni(Ini("a.ini", "[Messages]\nHM0001=Sure?\n"));
  EXPECT_EQ(Table.Lookup("Messages", "Reboot"), "Reboot");
  EXPECT_EQ(Table.Lookup("General", "HM0001"), "HM0001");
  EXPECT_EQ(Table.Lookup("Messages", ""), "");
  // A key cannot hold "=": the text before it never matches the whole key.
  EXPECT_EQ(Table.Lookup("Messages", "HM0001=Sure?"), "HM0001=Sure?");
}

TEST_F(StringTableTest, SectionAndKeyMatchWithoutCase) {
  Table.LoadFromIni(Ini("a.ini", "[mESSAGES]\nREBOOT=Neu starten\n[ZorbitFormComponent]\nÄnderung=Change\n"));
  EXPECT_EQ(Table.Lookup("Messages", "Reboot"), "Neu starten");
  EXPECT_EQ(Table.Lookup("MESSAGES", "reboot"), "Neu starten");
  EXPECT_EQ(Table.Lookup("zorbitformcomponent", "änderung"), "Change");
}

TEST_F(StringTableTest, ValuesKeepEverythingAfterTheFirstEquals) {
  Table.LoadFromIni(Ini("a.ini", "[ZorbitFormComponent]\n4=<FONT size=\"9\">* Boot</FONT>\n"));
  EXPECT_EQ(Table.Lookup("ZorbitFormComponent", "4"), "<FONT size=\"9\">* Boot</FONT>");
}

TEST_F(StringTableTest, LaterFilesExtendOverrideAndWithdraw) {
  Table.LoadFromIni(Ini("1.ini", "[Messages]\nA=first a\nB=first b\nC=first c\n[General]\nOK=Gut\n"));
  Table.LoadFromIni(Ini("2.ini", "[messages]\nb=second b\nC=\nD=second d\n[Hint]\nX=hint\n"));
  EXPECT_EQ(Table.Lookup("Messages", "A"), "first a");
  EXPECT_EQ(Table.Lookup("Messages", "B"), "second b");
  EXPECT_EQ(Table.Lookup("Messages", "C"), "C");  // withdrawn
  EXPECT_EQ(Table.Lookup("Messages", "D"), "second d");
  EXPECT_EQ(Table.Lookup("General", "OK"), "Gut");
  EXPECT_EQ(Table.Lookup("Hint", "X"), "hint");
  // A withdrawn key can come back.
  Table.LoadFromIni(Ini("3.ini", "[Messages]\nC=third c\n"));
  EXPECT_EQ(Table.Lookup("Messages", "C"), "third c");
}

TEST_F(StringTableTest, WithinOneFileTheFirstLineOfAKeyCounts) {
  Table.LoadFromIni(Ini("a.ini", "[Messages]\nA=first\na=second\nB=\nB=late\nnot a key line\n"));
  EXPECT_EQ(Table.Lookup("Messages", "A"), "first");
  EXPECT_EQ(Table.Lookup("Messages", "B"), "B");  // its first line is empty: no translation
}

TEST_F(StringTableTest, MissingAndOversizedFilesAddNothing) {
  Table.LoadFromIni(Folder.Path() + "none.ini");
  const std::string huge = Ini("huge.ini", "[Messages]\nReboot=Huge\n");
  std::filesystem::resize_file(huge, 64 * 1024 * 1024);
  Table.LoadFromIni(huge);
  EXPECT_EQ(Table.Lookup("Messages", "Reboot"), "Reboot");
}

TEST_F(StringTableTest, TheGlobalTableServesTheServiceLink) {
  zorbit::InitializeStringTable();
  zorbit::InstallStringTableLookup();
  zorbit::StringTable()->LoadFromIni(Ini("t.ini", "[TcpClient]\nService stopped=Dienst beendet\n"));
  EXPECT_EQ(zorbit::HookLookup("TcpClient", "Service stopped"), "Dienst beendet");
  zorbit::FinalizeStringTable();
  EXPECT_EQ(zorbit::StringTable(), nullptr);
  EXPECT_EQ(zorbit::HookLookup("TcpClient", "Service stopped"), "Service stopped");
  zorbit::AppHooks().Lookup = nullptr;
}

}  // namespace
