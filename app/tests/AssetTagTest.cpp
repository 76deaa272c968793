// The asset-tag dialog in the headless display against the real stand-in
// service: the stored tag shown, the typed tag stored exactly, the tags that
// count as none, the close box, and the BIOS refusing a read or a store.
#include "app/AssetTag.h"

#include <gtest/gtest.h>

#include <string>

#include "StandInWindowTest.h"
#include "app/StringTable.h"
#include "platform/ui/TApplication.h"
#include "platform/win/InputInjection.h"
#include "skin/SkButton.h"
#include "skin/SkEdit.h"

namespace {

using namespace apptest;
using namespace zorbit;

class AssetTagTest : public StandInWindowTest {
 protected:
  void TearDown() override {
    delete FDialog;
    StandInWindowTest::TearDown();
  }

  void Start(const std::string& Tag, std::vector<std::string> Switches = {}) {
    StartService(nlohmann::json{{"asset_tag", Tag}}.dump(), std::move(Switches));
    FDialog = new TfmAssetTag(plat::Application);
  }
  std::string StoredTag() const { return BiosState()["asset_tag"].get<std::string>(); }
  // Answers the dialog: notes what it shows, types Text over it and presses OK.
  TAnswer TypeAndOK(const std::string& Text) {
    return [this, Text](plat::TCustomForm& Window) {
      auto& dialog = dynamic_cast<TfmAssetTag&>(Window);
      FShown = dialog.edtTag()->Text();
      dialog.edtTag()->SetFocus();
      dialog.edtTag()->SelectAll();
      plat::InjectText(Text);
      Pump();
      ClickControl(dialog.btnOK());
    };
  }

  TfmAssetTag* FDialog = nullptr;
  std::string FShown;
};

TEST_F(AssetTagTest, ShowsTheStoredTagTrimmedAndStoresExactlyWhatWasTyped) {
  Start("  INV-0042 ");
  const std::string typed = "  Lab 3, desk \"B\"; naïve ";
  Answer(TypeAndOK(typed));
  plat::String tag;
  ASSERT_TRUE(FDialog->Execute(tag));
  EXPECT_EQ(FShown, "INV-0042");
  EXPECT_EQ(tag, typed);
  EXPECT_TRUE(FDialog->Stored());
  EXPECT_EQ(StoredTag(), typed);
  EXPECT_TRUE(Messages.empty());

  // Shown trimmed the next time.
  Answer(TypeAndOK("X"));
  ASSERT_TRUE(FDialog->Execute(tag));
  EXPECT_EQ(FShown, "Lab 3, desk \"B\"; naïve");
}

TEST(AssetTagShownTag, AnUnwrittenFieldCountsAsNoTag) {
  const struct {
    std::string Stored, Shown;
  } cases[] = {
      {"\xC3\xBF", ""},                // U+00FF
      {"\xC3\xBF\xC3\xBF\xC3\xBF", ""},
      {"\xEF\xBF\xBDtail", ""},        // U+FFFD
      {"A\xC3\xBF", "A\xC3\xBF"},      // only the first character counts
      {" \xC3\xBF", "\xC3\xBF"},       // a blank first: a tag
      {"   ", ""},
      {"", ""},
      {"\tTag\t", "Tag"},
  };
  for (const auto& c : cases) EXPECT_EQ(TfmAssetTag::ShownTag(c.Stored), c.Shown) << c.Stored;
}

TEST_F(AssetTagTest, TheDialogShowsNoTagForAnUnwrittenField) {
  Start("\xC3\xBF\xC3\xBF");
  Answer(TypeAndOK("NEW"));
  plat::String tag;
  ASSERT_TRUE(FDialog->Execute(tag));
  EXPECT_EQ(FShown, "");
  EXPECT_EQ(StoredTag(), "NEW");
}

TEST_F(AssetTagTest, TheCloseBoxStoresNothing) {
  Start("OLD");
  Answer([](plat::TCustomForm& Window) {
    dynamic_cast<TfmAssetTag&>(Window).edtTag()->SetText("typed but not stored");
    Window.Close();
  });
  plat::String tag = "untouched";
  EXPECT_FALSE(FDialog->Execute(tag));
  EXPECT_EQ(tag, "untouched");
  EXPECT_FALSE(FDialog->Stored());
  EXPECT_EQ(StoredTag(), "OLD");
}

TEST_F(AssetTagTest, AFailedReadShowsNoDialog) {
  Start("OLD", {"--fail", "assettag"});
  plat::String tag;
  EXPECT_FALSE(FDialog->Execute(tag));
  EXPECT_TRUE(Unexpected.empty());
  EXPECT_TRUE(Messages.empty());
}

TEST_F(AssetTagTest, TheEditHasNoLimitAndATagTheBiosRefusesKeepsTheOldOne) {
  Start("OLD");
  // The stand-in's BIOS takes 64 bytes: 65 are refused, with a message, and
  // the dialog stays open on the text typed until it is closed.
  const std::string tooLong(65, 'x');
  Answer([this, &tooLong](plat::TCustomForm& Window) {
    Answer(Press("OK"));
    TypeAndOK(tooLong)(Window);
    Pump();
    EXPECT_TRUE(Window.Visible());
    EXPECT_EQ(dynamic_cast<TfmAssetTag&>(Window).edtTag()->Text(), tooLong);
    Window.Close();
  });
  plat::String tag;
  EXPECT_FALSE(FDialog->Execute(tag));
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0], StringTable()->Lookup("Messages", "HM0021"));
  EXPECT_FALSE(FDialog->Stored());
  EXPECT_EQ(StoredTag(), "OLD");

  const std::string longest(64, 'y');
  Answer(TypeAndOK(longest));
  ASSERT_TRUE(FDialog->Execute(tag));
  EXPECT_EQ(StoredTag(), longest);
}

TEST_F(AssetTagTest, Picture) {
  Start("INV-0042");
  Answer([](plat::TCustomForm& Window) {
    Screenshot(Window, "asset-tag");
    Window.Close();
  });
  plat::String tag;
  EXPECT_FALSE(FDialog->Execute(tag));
}

}  // namespace
