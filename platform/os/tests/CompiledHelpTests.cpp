#include <gtest/gtest.h>

#include <cstdint>

#include "platform/os/CompiledHelp.h"
#include "testing/CompiledHelpFile.h"
#include "testing/FileContent.h"
#include "testing/TempFolder.h"

namespace {

using namespace plat;
using zorbit::testing::MakeCompiledHelp;
using zorbit::testing::ReadFileContent;
using zorbit::testing::TTempFolder;

const std::string kPicture("GIF89a\x01\x00\x01\x00\x00\x00\x00;", 14);

// One help file with a default topic, a topic with a picture and a style
// sheet beside it, and one without a default topic, for all tests.
class CompiledHelpTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Sources = new TTempFolder("zorbit-chm");
    Help = MakeCompiledHelp(*Sources, "help",
                            {{"index.htm", "<p>Start</p>"},
                             {"html/ZRHELP.htm", "<p>Topic</p><img src=\"pic.gif\">"},
                             {"html/pic.gif", kPicture},
                             {"html/css/look.css", "p { color: red }"}},
                            "index.htm");
    NoDefault = MakeCompiledHelp(*Sources, "nodefault", {{"a.htm", "<p>A</p>"}}, "");
  }
  static void TearDownTestSuite() {
    delete Sources;
    Sources = nullptr;
  }

  static TTempFolder* Sources;
  static std::string Help;
  static std::string NoDefault;
  TTempFolder FOut{"zorbit-chm-out"};
};

TTempFolder* CompiledHelpTest::Sources = nullptr;
std::string CompiledHelpTest::Help;
std::string CompiledHelpTest::NoDefault;

TEST_F(CompiledHelpTest, ExtractsTheTopicWithWhatLiesBesideIt) {
  const String page = ExtractCompiledHelp(Help, "/html/ZRHELP.htm", FOut.Path());
  EXPECT_EQ(page, FOut.File("html/ZRHELP.htm"));
  EXPECT_EQ(ReadFileContent(page), "<p>Topic</p><img src=\"pic.gif\">");
  EXPECT_EQ(FOut.Read("html/pic.gif"), kPicture);
  EXPECT_EQ(FOut.Read("html/css/look.css"), "p { color: red }");
  EXPECT_EQ(FOut.Read("index.htm"), "<p>Start</p>");
}

TEST_F(CompiledHelpTest, TopicsAreFoundWithoutCaseOrLeadingSlash) {
  struct TCase {
    const char* Topic;
    const char* Page;
  };
  for (const TCase& c : {TCase{"html/ZRHELP.htm", "html/ZRHELP.htm"}, TCase{"/HTML/zrhelp.HTM", "html/ZRHELP.htm"},
                         TCase{"", "index.htm"}}) {
    TTempFolder out("zorbit-chm-out");
    EXPECT_EQ(ExtractCompiledHelp(Help, c.Topic, out.Path()), out.File(c.Page)) << c.Topic;
  }
}

// Where a header of the help file starts: the directory header by its mark
// "ITSP", the control data 4 bytes before its mark "LZXC", the reset table
// (no mark) by the fields it starts with: version 2, an entry count, entry
// size 8, header size 0x28.
std::size_t DirectoryHeader(const std::string& chm) { return chm.find("ITSP"); }
std::size_t ControlData(const std::string& chm) { return chm.find("LZXC") - 4; }
std::size_t ResetTable(const std::string& chm) { return chm.find(std::string("\x08\0\0\0\x28\0\0\0", 8)) - 8; }

// The help file with Size bytes at At (little-endian) set to Value.
std::string Patched(std::string chm, std::size_t At, std::uint64_t Value, int Size) {
  for (int i = 0; i < Size; ++i) chm.at(At + i) = static_cast<char>(Value >> (8 * i));
  return chm;
}

TEST_F(CompiledHelpTest, UnreadableFilesAndMissingTopicsAreErrors) {
  const std::string whole = ReadFileContent(Help);
  const std::string text = Sources->Write("text.chm", "<html>not compiled</html>");
  const std::string truncated = Sources->Write("truncated.chm", whole.substr(0, whole.size() / 3));
  struct TCase {
    std::string File;
    const char* Topic;
    std::string Reason;
  };
  for (const TCase& c : {TCase{Help, "/html/none.htm", "it holds no topic \"/html/none.htm\""},
                         TCase{NoDefault, "", "it names no default topic"},
                         TCase{Sources->File("missing.chm"), "/a.htm", "it cannot be read as a compiled help file"},
                         TCase{text, "/a.htm", "it cannot be read as a compiled help file"},
                         TCase{truncated, "/html/ZRHELP.htm", ""}}) {
    try {
      ExtractCompiledHelp(c.File, c.Topic, FOut.Path());
      ADD_FAILURE() << c.File << " gave a page";
    } catch (const ECompiledHelpError& e) {
      EXPECT_EQ(e.Message().rfind("The help file \"" + c.File + "\" cannot be shown: " + c.Reason, 0), 0u)
          << e.Message();
    }
  }
}

// Numbers that libchm would allocate by or divide by unchecked, as hostile
// files set them: refused before the library opens the file.
TEST_F(CompiledHelpTest, NumbersTheLibraryTrustsAreCheckedFirst) {
  const std::string whole = ReadFileContent(Help);
  struct TCase {
    const char* Name;
    std::size_t At;
    std::uint64_t Value;
    int Size;
    const char* Reason;
  };
  const char* const directory = "its directory is damaged";
  const char* const compressed = "its compressed section is damaged";
  // clang-format off
  for (const TCase& c : {
           TCase{"chunks of 1.5 GB",       DirectoryHeader(whole) + 0x10, 0x5E95016D, 4, directory},
           TCase{"chunks of 16 bytes",     DirectoryHeader(whole) + 0x10, 16,         4, directory},
           TCase{"no reset interval",      ControlData(whole) + 0x0C,     0,          4, compressed},
           TCase{"no window",              ControlData(whole) + 0x10,     0,          4, compressed},
           TCase{"a window of 3 frames",   ControlData(whole) + 0x10,     3,          4, compressed},
           TCase{"no windows per reset",   ControlData(whole) + 0x14,     0,          4, compressed},
           TCase{"blocks of 3 GB",         ResetTable(whole) + 0x20,      0xBDDF960B, 8, compressed},
           TCase{"blocks of 0 bytes",      ResetTable(whole) + 0x20,      0,          8, compressed}}) {
    // clang-format on
    const std::string file = Sources->Write("patched.chm", Patched(whole, c.At, c.Value, c.Size));
    try {
      ExtractCompiledHelp(file, "/html/ZRHELP.htm", FOut.Path());
      ADD_FAILURE() << c.Name << " gave a page";
    } catch (const ECompiledHelpError& e) {
      EXPECT_EQ(e.Message(), "The help file \"" + file + "\" cannot be shown: " + c.Reason) << c.Name;
    }
  }
}

}  // namespace
