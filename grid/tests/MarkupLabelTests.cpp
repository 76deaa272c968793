// TMarkupLabel on a form in the headless display, driven by injected mouse
// input: anchors entered and left (hand cursor), clicks, links handed to the
// program launcher, the anchor hint beside the pointer, auto sizing, the
// accent line, and the label's own plain text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/TMarkupLabel.h"
#include "grid/TPictureContainer.h"
#include "platform/gdi/TBitmap.h"
#include "platform/os/Launcher.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/THintWindow.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/tests/StdControlsFixture.h"
#include "platform/win/InputInjection.h"

namespace zorbit {
namespace {

using plat::TPoint;

class MarkupLabelTest : public plat::testing::StdControlsTest {
 protected:
  void SetUp() override {
    StdControlsTest::SetUp();
    plat::SetProgramLauncher(&FLauncher);
    FLabel = Make<TMarkupLabel>({10, 10, 200, 60});
    FLabel->Font()->SetName("Arial");
    FLabel->Font()->SetSize(10);
    FLabel->OnAnchorClick = [this](plat::TObject*, const plat::String& a) { FLog.push_back("click " + a); };
    FLabel->OnAnchorEnter = [this](plat::TObject*, const plat::String& a) { FLog.push_back("enter " + a); };
    FLabel->OnAnchorExit = [this](plat::TObject*, const plat::String& a) { FLog.push_back("exit " + a); };
  }
  void TearDown() override {
    plat::SetProgramLauncher(nullptr);
    StdControlsTest::TearDown();
  }
  void SetText(const plat::String& Html) {
    FLabel->HTMLText()->SetText(Html);
    Pump();
  }
  void MoveTo(TPoint Client) {
    plat::InjectMouseMove(OnScreen(FLabel, Client));
    Pump();
  }
  void ClickAt(TPoint Client) {
    plat::InjectClick(OnScreen(FLabel, Client));
    Pump();
  }

  plat::TRecordingLauncher FLauncher;
  TMarkupLabel* FLabel = nullptr;
  std::vector<std::string> FLog;
};

// "Go to " is about 35 pixels wide in Arial 10: the anchor starts after it.
constexpr const char* Link = "Go to <A href=\"test\">Change Password</A> now";
constexpr TPoint OnLink{70, 8};
constexpr TPoint OffLink{3, 8};

TEST_F(MarkupLabelTest, AnchorEnterAndExitWithTheHandCursor) {
  SetText(Link);
  MoveTo(OffLink);
  EXPECT_EQ(FLabel->Cursor(), plat::crDefault);
  MoveTo(OnLink);
  EXPECT_EQ(FLabel->Cursor(), plat::crHandPoint);
  MoveTo({OnLink.X + 5, OnLink.Y});  // the same anchor: nothing new
  MoveTo(OffLink);
  EXPECT_EQ(FLabel->Cursor(), plat::crDefault);
  MoveTo({OffLink.X + 1, OffLink.Y});
  EXPECT_EQ(FLog, (std::vector<std::string>{"enter test", "exit test"}));
}

TEST_F(MarkupLabelTest, ClicksFireOnceAndLinksGoToTheLauncher) {
  SetText(Link);
  ClickAt(OnLink);
  ClickAt(OffLink);
  EXPECT_EQ(FLog, (std::vector<std::string>{"enter test", "click test", "exit test"}));
  EXPECT_TRUE(FLauncher.Calls().empty());

  FLog.clear();
  SetText("<A href=\"mailto:someone@example.com\">Mail us</A> <A href=\"http://example.com/x\">web</A>");
  ClickAt({10, 8});
  ASSERT_EQ(FLauncher.Calls().size(), 1u);
  EXPECT_EQ(FLauncher.Calls()[0].Kind, plat::TRecordingLauncher::TKind::Document);
  EXPECT_EQ(FLauncher.Calls()[0].Target, "mailto:someone@example.com");
  ClickAt({62, 8});
  ASSERT_EQ(FLauncher.Calls().size(), 2u);
  EXPECT_EQ(FLauncher.Calls()[1].Target, "http://example.com/x");  // the label keeps the case
  for (const std::string& entry : FLog) EXPECT_FALSE(entry.starts_with("click")) << entry;
}

TEST_F(MarkupLabelTest, TheAnchorHintStandsBesideThePointer) {
  SetText(Link);
  FLabel->SetAnchorHint(true);
  FLabel->SetShowHint(true);
  FLabel->SetHint("plain hint");
  FLabel->OnAnchorHint = [](plat::TObject*, plat::String& Anchor) { Anchor = "About " + Anchor; };
  MoveTo(OnLink);
  Clock().Advance(plat::Application->HintPause());
  Pump();
  ASSERT_TRUE(plat::Application->HintShowing());
  plat::THintWindow* hint = plat::Application->HintWindow();
  EXPECT_EQ(hint->Caption(), "About test");
  const TPoint cursor = OnScreen(FLabel, OnLink);
  EXPECT_EQ(hint->Left(), cursor.X + 10);
  EXPECT_EQ(hint->Top(), cursor.Y - 10);

  // Off the anchor, HintShowFull shows the text without mark-up and hidden blocks.
  plat::Application->CancelHint();
  FLabel->SetHintShowFull(true);
  SetText("<B>Bold</B><Z>secret</Z> text<z>open to the end");
  EXPECT_EQ(FLabel->PlainText(), "Bold text");
  MoveTo(OffLink);
  Clock().Advance(plat::Application->HintPause());
  Pump();
  ASSERT_TRUE(plat::Application->HintShowing());
  EXPECT_EQ(plat::Application->HintWindow()->Caption(), "Bold text");
}

TEST_F(MarkupLabelTest, AutoSizeAndLinesJoinedWithoutBreaks) {
  FLabel->HTMLText()->Add("one");
  FLabel->HTMLText()->Add("two");
  FLabel->SetAutoSizing(true);
  FLabel->SetAutoSizeType(TAutoSizeType::asVertical);
  Pump();
  // One line ("onetwo"): the text height + 6; the width stays.
  plat::TBitmap scratch;
  scratch.SetSize(1, 1);
  scratch.Canvas()->SetFont(*FLabel->Font());
  const int gh = scratch.Canvas()->TextHeight("gh");
  EXPECT_EQ(FLabel->Height(), gh + 6);
  EXPECT_EQ(FLabel->Width(), 190);
  FLabel->SetAutoSizeType(TAutoSizeType::asBoth);
  Pump();
  EXPECT_EQ(FLabel->Width(), scratch.Canvas()->TextWidth("onetwo") + 6);
  // Assigning a list drops its line breaks.
  plat::TStringList lines;
  lines.Add("a<BR>");
  lines.Add("b");
  FLabel->SetHTMLText(&lines);
  Pump();
  EXPECT_EQ(FLabel->HTMLText()->Count(), 1);
  EXPECT_EQ(FLabel->Height(), 2 * gh + 6);
  EXPECT_EQ(FLabel->Version(), "1.7.1.1");
}

TEST_F(MarkupLabelTest, TransparentWithTheBottomLineGradient) {
  Form()->SetColor(plat::clWhite);
  FLabel->SetTransparent(true);
  FLabel->SetColor(plat::clRed);
  FLabel->SetColorTo(plat::clBlue);
  FLabel->SetGradientType(TGradientType::gtBottomLine);
  SetText("");
  const int h = FLabel->Height();
  EXPECT_EQ(PixelAt(FLabel, {100, h - 3}), plat::clWhite);
  EXPECT_EQ(PixelAt(FLabel, {0, 10}), plat::clWhite);
  EXPECT_EQ(PixelAt(FLabel, {0, h - 1}), plat::clRed);
  EXPECT_EQ(PixelAt(FLabel, {0, h - 2}), plat::clRed);
  EXPECT_LT(PixelAt(FLabel, {FLabel->Width() - 1, h - 1}) & 0xFF, 10u);  // the last band is nearly blue
  EXPECT_GT(PixelAt(FLabel, {FLabel->Width() - 1, h - 1}) >> 16, 200u);
  // Not transparent: the full colour behind the line.
  FLabel->SetTransparent(false);
  Pump();
  EXPECT_EQ(PixelAt(FLabel, {100, 10}), plat::clRed);
}

TEST_F(MarkupLabelTest, NarrowGradientsTakeAtLeastOneStep) {
  FLabel->SetColor(plat::clRed);
  FLabel->SetColorTo(plat::clBlue);
  FLabel->SetGradientType(TGradientType::gtFullVertical);
  FLabel->SetWidth(3);  // a quarter of the width is no step at all
  SetText("x");
  EXPECT_EQ(PixelAt(FLabel, {1, 0}), plat::clRed);
}

TEST_F(MarkupLabelTest, RemovedImagesAndContainersAreForgotten) {
  auto* images = new plat::TImageList(Form());
  auto* container = new TPictureContainer(Form());
  FLabel->SetImages(images);
  FLabel->SetPictureContainer(container);
  EXPECT_EQ(FLabel->Images(), images);
  delete images;
  delete container;
  EXPECT_EQ(FLabel->Images(), nullptr);
  EXPECT_EQ(FLabel->PictureContainer(), nullptr);
  SetText("<IMG src=\"IDX:0\"><IMG src=\"logo\">x");  // paints without them
}

}  // namespace
}  // namespace zorbit
