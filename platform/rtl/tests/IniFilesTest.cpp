#include "platform/rtl/IniFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/rtl/Exception.h"
#include "platform/rtl/StringList.h"
#include "testing/StringsItems.h"
#include "testing/TempFolder.h"

namespace plat {
namespace {

using zorbit::testing::Items;
using zorbit::testing::TTempFolder;

const char* const kSample =
    "\xEF\xBB\xBF; theme settings\r\n"
    "[General]\r\n"
    "  Style = DeepBlue  \r\n"
    "Count=0x1F\r\n"
    "Flag=1\r\n"
    "Ratio=2.5\r\n"
    "Text=a=b\r\n"
    "plain line\r\n"
    "\r\n"
    "[ Second ]\n"
    "key=v1\n"
    "KEY=v2\n";

TEST(MemIniFile, ReadsNamesWithoutCaseAndTrimmed) {
  TTempFolder dir;
  TMemIniFile ini(dir.Write("t.ini", kSample));
  EXPECT_EQ(ini.ReadString("general", "STYLE", "x"), "DeepBlue");
  EXPECT_EQ(ini.ReadString("General", "Text", ""), "a=b");  // after the first "="
  EXPECT_EQ(ini.ReadString("General", "missing", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadString("nosection", "Style", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadString("second", "key", ""), "v1");  // the first match wins
  EXPECT_EQ(ini.ReadInteger("General", "Count", 0), 31);
  EXPECT_EQ(ini.ReadInteger("General", "Style", -1), -1);
  EXPECT_TRUE(ini.ReadBool("General", "Flag", false));
  EXPECT_TRUE(ini.ReadBool("General", "missing", true));
  EXPECT_DOUBLE_EQ(ini.ReadFloat("General", "Ratio", 0), 2.5);
  EXPECT_TRUE(ini.SectionExists("SECOND"));
  EXPECT_FALSE(ini.SectionExists("third"));
  EXPECT_TRUE(ini.ValueExists("general", "flag"));
  EXPECT_FALSE(ini.ValueExists("general", "plain line"));

  TStringList list;
  ini.ReadSections(list);
  EXPECT_EQ(Items(list), (std::vector<String>{"General", "Second"}));
  ini.ReadSection("General", list);
  EXPECT_EQ(Items(list), (std::vector<String>{"Style", "Count", "Flag", "Ratio", "Text"}));
  ini.ReadSectionValues("General", list);
  EXPECT_EQ(list.Values("style"), "DeepBlue");
  EXPECT_EQ(list.Count(), 6);
}

TEST(MemIniFile, WritesStayInMemoryUntilUpdateFile) {
  TTempFolder dir;
  const String name = dir.Write("t.ini", kSample);
  TMemIniFile ini(name);
  ini.WriteString("GENERAL", "style", "MacOS");
  ini.WriteInteger("New", "N", 5);
  ini.WriteBool("New", "B", false);
  ini.DeleteKey("General", "Flag");
  ini.EraseSection("second");
  EXPECT_EQ(dir.Read("t.ini"), kSample);
  ini.UpdateFile();
  EXPECT_EQ(dir.Read("t.ini"),
            "[General]\r\nStyle=MacOS\r\nCount=0x1F\r\nRatio=2.5\r\nText=a=b\r\nplain line\r\n\r\n"
            "[New]\r\nN=5\r\nB=0\r\n\r\n");
  TMemIniFile again(name);
  EXPECT_EQ(again.ReadString("general", "style", ""), "MacOS");
  EXPECT_EQ(again.ReadInteger("new", "n", 0), 5);
}

TEST(MemIniFile, MissingFileIsEmptyAndRenameReloads) {
  TTempFolder dir;
  TMemIniFile ini(dir.File("none.ini"));
  TStringList list;
  ini.ReadSections(list);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(ini.ReadString("a", "b", "c"), "c");
  ini.WriteString("a", "b", "mem");
  ini.Rename(dir.Write("other.ini", "[a]\nb=file\n"), true);
  EXPECT_EQ(ini.ReadString("a", "b", ""), "file");
  ini.Rename(dir.File("third.ini"), false);
  EXPECT_EQ(ini.ReadString("a", "b", ""), "file");
  ini.UpdateFile();
  EXPECT_EQ(dir.Read("third.ini"), "[a]\r\nb=file\r\n\r\n");
}

TEST(MemIniFile, GetAndSetStrings) {
  TMemIniFile ini("");
  TStringList lines;
  lines.SetText("[S]\nk=v\n;comment\n[T]\nx=1");
  ini.SetStrings(lines);
  EXPECT_EQ(ini.ReadString("t", "x", ""), "1");
  TStringList out;
  ini.GetStrings(out);
  EXPECT_EQ(Items(out), (std::vector<String>{"[S]", "k=v", "", "[T]", "x=1", ""}));
  ini.Clear();
  ini.GetStrings(out);
  EXPECT_EQ(out.Count(), 0);
}

TEST(MemIniFile, HostileLinesDoNotBreakReading) {
  TTempFolder dir;
  const char hostile[] = "key=before any section\n[\n[]\n=novalue\n[unclosed\nk=v\n\0\0\n[x]\ny=2";
  TMemIniFile ini(dir.Write("bad.ini", String(hostile, sizeof hostile - 1)));
  EXPECT_EQ(ini.ReadString("", "", "d"), "novalue");  // "[]" is a section with an empty name
  EXPECT_EQ(ini.ReadString("x", "y", ""), "2");
  EXPECT_EQ(ini.ReadString("", "key", "none"), "none");
}

TEST(IniFile, WritesThroughAndKeepsComments) {
  TTempFolder dir;
  const String name = dir.Write("w.ini", "; keep me\n[A]\n; about k\nk=1\n\n[B]\nz=9\n");
  TIniFile ini(name);
  ini.WriteString("a", "K", "2");
  EXPECT_EQ(dir.Read("w.ini"), "; keep me\r\n[A]\r\n; about k\r\nk=2\r\n\r\n[B]\r\nz=9\r\n");
  ini.WriteString("A", "new", "3");
  ini.WriteString("C", "c", "4");
  EXPECT_EQ(dir.Read("w.ini"), "; keep me\r\n[A]\r\n; about k\r\nk=2\r\nnew=3\r\n\r\n[B]\r\nz=9\r\n\r\n[C]\r\nc=4\r\n");
  // Another writer's change is seen on the next read.
  TIniFile other(name);
  other.DeleteKey("B", "z");
  EXPECT_FALSE(ini.ValueExists("B", "z"));
  ini.EraseSection("b");
  TStringList sections;
  ini.ReadSections(sections);
  EXPECT_EQ(Items(sections), (std::vector<String>{"A", "C"}));
  EXPECT_EQ(ini.ReadString("a", "new", ""), "3");
}

TEST(IniFile, NewFileAndUnwritableFile) {
  TTempFolder dir;
  TIniFile ini(dir.File("fresh.ini"));
  EXPECT_EQ(ini.ReadString("s", "k", "d"), "d");
  ini.WriteString("s", "k", "v");
  EXPECT_EQ(dir.Read("fresh.ini"), "[s]\r\nk=v\r\n");
  TIniFile bad(dir.File("no/such/dir.ini"));
  try {
    bad.WriteString("s", "k", "v");
    FAIL();
  } catch (const EIniFileException& e) {
    EXPECT_EQ(e.Message(), "Unable to write to " + dir.File("no/such/dir.ini"));
  }
}

}  // namespace
}  // namespace plat
