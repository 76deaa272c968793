// The runtime's built-in texts pass through the string table's section
// "General" once the units have started.
#include "app/gnugettext.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "AppTestSupport.h"
#include "app/Localization.h"
#include "app/StringTable.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/RtlConsts.h"

namespace {

using namespace apptest;

class RuntimeTextTest : public LocalizationTest {
 protected:
  void LoadGermanPack() {
    const std::string resources = Folder.Path() + "Resources/";
    std::filesystem::create_directories(resources);
    MakePack(resources + "German_ZorbitN.lpk", {{"strtab.ini",
                                                 "[General]\n"
                                                 "&Yes=&Ja\n"
                                                 "Cancel=Abbrechen\n"
                                                 "'abc' is not a valid integer value=\"abc\" ist keine ganze Zahl\n"
                                                 "'%s' is not a valid integer value=never used\n"}});
    zorbit::CreateLocalization(resources, Folder.Path() + "AppData").Load("German_ZorbitN");
  }
};

TEST_F(RuntimeTextTest, TextsStayEnglishUntilAPackTranslatesThem) {
  EXPECT_EQ(plat::LoadResString(plat::SMsgDlgYes), "&Yes");
  EXPECT_EQ(plat::LoadResString(plat::SMsgDlgCancel), "Cancel");
  LoadGermanPack();
  EXPECT_EQ(plat::LoadResString(plat::SMsgDlgYes), "&Ja");
  EXPECT_EQ(plat::LoadResString(plat::SMsgDlgCancel), "Abbrechen");
  EXPECT_EQ(plat::LoadStr(plat::SMsgDlgYes.Identifier), "&Ja");
  EXPECT_EQ(plat::LoadResString(plat::SMsgDlgNo), "&No");  // not in the pack
  EXPECT_EQ(zorbit::TranslateResourceText(""), "");
}

TEST_F(RuntimeTextTest, FormattedTextsAreLookedUpWithTheirArgumentsFilledIn) {
  LoadGermanPack();
  EXPECT_EQ(plat::FmtLoadResString(plat::SInvalidInteger, {"abc"}), "\"abc\" ist keine ganze Zahl");
  EXPECT_EQ(plat::FmtLoadResString(plat::SInvalidInteger, {"xyz"}), "'xyz' is not a valid integer value");
  // The runtime's own error is the same text.
  try {
    plat::StrToInt("abc");
    ADD_FAILURE() << "no exception";
  } catch (const plat::EConvertError& e) {
    EXPECT_EQ(e.Message(), "\"abc\" ist keine ganze Zahl");
  }
}

TEST_F(RuntimeTextTest, AfterUnitEndTheTextsAreEnglishAgain) {
  LoadGermanPack();
  zorbit::FinalizeGnuGettext();
  EXPECT_EQ(plat::LoadResString(plat::SMsgDlgYes), "&Yes");
  zorbit::InitializeGnuGettext();
  EXPECT_EQ(plat::LoadResString(plat::SMsgDlgYes), "&Ja");
  // Without a table (after the localization unit ends) the English text shows.
  zorbit::FinalizeLocalization();
  EXPECT_EQ(plat::LoadResString(plat::SMsgDlgYes), "&Yes");
  zorbit::InitializeLocalization();
}

}  // namespace
