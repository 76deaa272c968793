#include <gtest/gtest.h>

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

}  // namespace
