// skinwriter as a program and its reading of pictures and values: what it
// writes reads back through the skin-file reader; what it refuses it names.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/BmpCodec.h"
#include "platform/rtl/Streams.h"
#include "skin/SkThemeFile.h"
#include "testing/RunProgram.h"
#include "testing/TempFolder.h"
#include "tools/skinwriter/SkinSource.h"

namespace zorbit::skinwriter {
namespace {

std::string Picture(int Width, int Height) {
  const std::vector<plat::Byte> bytes = plat::WriteBmp(plat::Bitmap(Width, Height));
  return std::string(bytes.begin(), bytes.end());
}

class SkinWriter : public ::testing::Test {
 protected:
  zorbit::testing::TTempFolder FFolder{"zorbit-skinwriter"};
};

TEST_F(SkinWriter, WritesPicturesAndValuesThatReadBack) {
  FFolder.Write("pictures/ButtonImage.bmp", Picture(6, 2));
  FFolder.Write("pictures/checkboximage.BMP", Picture(4, 1));  // element names and extensions in any case
  FFolder.Write("pictures/notes.txt", "not a picture: ignored");
  const std::string values = FFolder.Write("values.txt",
                                           "; the sample's values\n"
                                           "\n"
                                           "FormMinWidthInt = 130\n"
                                           "formbackgroundcolor=$E7E7E7\r\n"
                                           "TitleBarButtonRightOffsetInt=-2\n"
                                           "ButtonTransparentBool=true\n"
                                           "TitleBarButtonTransparentBool=false\n"
                                           "# texts take any name\n"
                                           "Author=\"Zorbit = sample\"\n");
  const std::string skin = FFolder.File("out.skn");
  const auto result = zorbit::testing::RunProgram({SKINWRITER_PATH, skin, FFolder.File("pictures"), values});
  ASSERT_EQ(result.ExitCode, 0) << result.Output;

  TskThemeFileReader reader(skin);
  ASSERT_NE(reader.GetBitmapStream("ButtonImage"), nullptr);
  EXPECT_EQ(reader.GetBitmapStream("ButtonImage")->Size(), static_cast<plat::Int64>(Picture(6, 2).size()));
  EXPECT_EQ(reader.Pictures().Strings(1), "CheckBoxImage");  // written in the element's own spelling
  EXPECT_EQ(reader.GetInt("FormMinWidthInt"), 130);
  EXPECT_EQ(reader.Integers().Strings(1), "FormBackgroundColor=" + std::to_string(0xE7E7E7));
  EXPECT_EQ(reader.GetInt("TitleBarButtonRightOffsetInt"), -2);
  EXPECT_TRUE(reader.GetBool("ButtonTransparentBool"));
  EXPECT_FALSE(reader.GetBool("TitleBarButtonTransparentBool"));
  EXPECT_EQ(reader.Bytes().Count(), 2);
  EXPECT_EQ(reader.Texts().Strings(0), "Author=Zorbit = sample");
}

TEST_F(SkinWriter, RefusesWhatItCannotWriteFaithfully) {
  const struct {
    const char* Name;
    const char* Values;
    const char* Message;
  } cases[] = {
      {"no equals sign", "FormMinWidthInt 130\n", "values.txt:1: expected Name=value"},
      {"unknown element", "FormMinWidth=130\n", "values.txt:1: FormMinWidth is not a theme element"},
      {"flag as integer", "\nButtonTransparentBool=1\n", "values.txt:2: ButtonTransparentBool takes another kind"},
      {"integer as flag", "FormMinWidthInt=true\n", "values.txt:1: FormMinWidthInt takes another kind"},
      {"picture element as value", "ButtonImage=3\n", "values.txt:1: ButtonImage takes another kind"},
      {"bad number", "FormMinWidthInt=12px\n", "values.txt:1: 12px is no integer"},
      {"number too big", "FormMinWidthInt=4294967296\n", "values.txt:1: 4294967296 is no integer"},
      {"colour too big", "FormBorderColor=$100000000\n", "values.txt:1: $100000000 is no integer"},
      {"name too long", "NNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNN=\"x\"\n",
       "values.txt:1: a name has 1 to 64 bytes"},
  };
  for (const auto& c : cases) {
    TSkinFileWriter writer;
    try {
      AddValues(writer, c.Values, "values.txt");
      ADD_FAILURE() << c.Name << ": no error";
    } catch (const std::runtime_error& e) {
      EXPECT_THAT(e.what(), ::testing::HasSubstr(c.Message)) << c.Name;
    }
  }

  FFolder.Write("pictures/Button.bmp", Picture(2, 2));
  FFolder.Write("broken/ButtonImage.bmp", "BM but nothing more");
  FFolder.Write("values/FormMinWidthInt.bmp", Picture(2, 2));
  for (const auto& [folder, message] :
       {std::pair{"pictures", "Button is not a theme element"}, std::pair{"broken", "not a bitmap"},
        std::pair{"values", "FormMinWidthInt takes another kind"}, std::pair{"missing", "missing"}}) {
    TSkinFileWriter writer;
    try {
      AddPictureFolder(writer, FFolder.File(folder));
      ADD_FAILURE() << folder << ": no error";
    } catch (const std::runtime_error& e) {
      EXPECT_THAT(e.what(), ::testing::HasSubstr(message)) << folder;
    }
  }

  // The program reports a refusal and writes nothing.
  const std::string skin = FFolder.File("out.skn");
  const auto refused = zorbit::testing::RunProgram({SKINWRITER_PATH, skin, FFolder.File("broken")});
  EXPECT_EQ(refused.ExitCode, 1);
  EXPECT_THAT(refused.Output, ::testing::HasSubstr("skinwriter: "));
  EXPECT_EQ(FFolder.Read("out.skn"), "");
  EXPECT_EQ(zorbit::testing::RunProgram({SKINWRITER_PATH, skin}).ExitCode, 2);
}

TEST_F(SkinWriter, TheSampleSkinLoads) {
  TskThemeFileReader reader(SAMPLE_SKIN_PATH);
  EXPECT_EQ(reader.GetInt("FormMinWidthInt"), 160);
  EXPECT_NE(reader.GetBitmapStream("ButtonImage"), nullptr);
  EXPECT_NE(reader.GetBitmapStream("TitleBarButtonImage"), nullptr);
}

}  // namespace
}  // namespace zorbit::skinwriter
