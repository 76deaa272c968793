// Panels, group boxes, labels and images on the headless display: bevels
// and the room they leave for aligned children, the label's sizing,
// wrapping, alignment, layout and accelerator, and the image's placement.
#include <gtest/gtest.h>

#include "platform/gdi/Colors.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/ui/TCustomGroupBox.h"
#include "platform/ui/TCustomLabel.h"
#include "platform/ui/TCustomPanel.h"
#include "platform/ui/TImage.h"
#include "platform/ui/tests/StdControlsFixture.h"

namespace plat::testing {
namespace {

class Panels : public StdControlsTest {};

TEST_F(Panels, BevelsAndTheRoomTheyLeave) {
  struct Case {
    TPanelBevel Outer;
    TPanelBevel Inner;
    int BorderWidth;
    int Inset;
    TColor TopLeft;
    TColor BottomRight;
  };
  const Case cases[] = {
      {TPanelBevel::bvRaised, TPanelBevel::bvNone, 0, 1, clBtnHighlight, clBtnShadow},
      {TPanelBevel::bvLowered, TPanelBevel::bvNone, 0, 1, clBtnShadow, clBtnHighlight},
      {TPanelBevel::bvNone, TPanelBevel::bvNone, 0, 0, clBtnFace, clBtnFace},
      {TPanelBevel::bvRaised, TPanelBevel::bvLowered, 3, 5, clBtnHighlight, clBtnShadow},
  };
  for (const Case& c : cases) {
    TPanel* panel = Make<TPanel>(Bounds(10, 10, 100, 60));
    panel->SetBevelOuter(c.Outer);
    panel->SetBevelInner(c.Inner);
    panel->SetBorderWidth(c.BorderWidth);
    TPanel* child = Make<TPanel>(Bounds(0, 0, 10, 10), panel);
    child->SetAlign(TAlign::alClient);
    Pump();
    EXPECT_EQ(child->BoundsRect(), (TRect{c.Inset, c.Inset, 100 - c.Inset, 60 - c.Inset}));
    delete child;  // the bevels are the parent's alone
    Pump();
    EXPECT_EQ(PixelAt(panel, {0, 0}), ColorToColorRef(c.TopLeft));
    EXPECT_EQ(PixelAt(panel, {99, 59}), ColorToColorRef(c.BottomRight));
    delete panel;
  }
}

TEST_F(Panels, CaptionIsCentredInTheFont) {
  TPanel* panel = Make<TPanel>(Bounds(10, 10, 120, 40));
  panel->SetCaption("Centre");
  panel->Font()->SetColor(clRed);
  Pump();
  int left = 120;
  int right = -1;
  for (int x = 0; x < 120; ++x) {
    for (int y = 0; y < 40; ++y) {
      if (PixelAt(panel, {x, y}) == ColorToColorRef(clRed)) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
  }
  ASSERT_LT(left, right);
  EXPECT_NEAR(left + right, 120, 4);
}

TEST_F(Panels, GroupBoxLeavesRoomForItsCaptionAndFocusesItsFirstControl) {
  TGroupBox* box = Make<TGroupBox>(Bounds(10, 10, 185, 105));
  box->SetCaption("&Options");
  TEdit* edit = Make<TEdit>(Bounds(0, 0, 50, 21), box);
  edit->SetAlign(TAlign::alTop);
  Pump();
  EXPECT_GE(edit->Top(), 12);
  EXPECT_EQ(edit->Left(), 2);
  EXPECT_EQ(edit->Width(), 185 - 4);
  Type("{A-O}");
  EXPECT_TRUE(edit->Focused());
}

class Labels : public StdControlsTest {};

TEST_F(Labels, AutoSizeFollowsTheCaptionAndKeepsTheRightEdgeOfARightAlignedLabel) {
  TLabel* label = Make<TLabel>(Bounds(100, 10, 10, 10));
  label->SetCaption("Short");
  const int shortWidth = label->Width();
  EXPECT_GT(shortWidth, 10);
  EXPECT_GT(label->Height(), 8);
  label->SetCaption("A much longer caption");
  EXPECT_GT(label->Width(), shortWidth);
  EXPECT_EQ(label->Left(), 100);
  label->SetAlignment(TAlignment::taRightJustify);
  const int right = label->Left() + label->Width();
  label->SetCaption("Short");
  EXPECT_EQ(label->Left() + label->Width(), right);
  EXPECT_EQ(label->Width(), shortWidth);
  // "&&" is one ampersand; without ShowAccelChar both are shown.
  label->SetCaption("&&");
  const int one = label->Width();
  label->SetShowAccelChar(false);
  EXPECT_GT(label->Width(), one);
}

TEST_F(Labels, WordWrapBreaksAtTheWidth) {
  TLabel* label = Make<TLabel>(Bounds(10, 10, 60, 10));
  label->SetAutoSize(false);
  label->SetWordWrap(true);
  label->SetAutoSize(true);
  const int line = label->Height();
  label->SetCaption("several words that cannot fit on one line");
  EXPECT_LE(label->Width(), 60);
  EXPECT_GE(label->Height(), 3 * line);
}

TEST_F(Labels, LayoutAlignmentAndTransparency) {
  Form()->SetColor(clLime);
  TLabel* label = Make<TLabel>(Bounds(10, 10, 100, 60));
  label->SetAutoSize(false);
  label->SetColor(clYellow);
  label->Font()->SetColor(clRed);
  label->SetCaption("Text");
  const auto textRows = [&]() {
    Pump();
    int top = 60;
    int bottom = -1;
    int left = 100;
    for (int y = 0; y < 60; ++y) {
      for (int x = 0; x < 100; ++x) {
        if (PixelAt(label, {x, y}) == ColorToColorRef(clRed)) {
          top = std::min(top, y);
          bottom = std::max(bottom, y);
          left = std::min(left, x);
        }
      }
    }
    return std::tuple{top, bottom, left};
  };
  const auto [top1, bottom1, left1] = textRows();
  EXPECT_LT(top1, 10);
  EXPECT_LT(left1, 5);
  label->SetLayout(TTextLayout::tlCenter);
  const auto [top2, bottom2, left2] = textRows();
  EXPECT_NEAR(top2 + bottom2, 60, 6);
  label->SetLayout(TTextLayout::tlBottom);
  label->SetAlignment(TAlignment::taRightJustify);
  const auto [top3, bottom3, left3] = textRows();
  EXPECT_GT(bottom3, 50);
  EXPECT_GT(left3, 60);
  EXPECT_EQ(PixelAt(label, {2, 2}), ColorToColorRef(clYellow));
  label->SetTransparent(true);
  Pump();
  EXPECT_EQ(PixelAt(label, {2, 2}), ColorToColorRef(clLime));
}

TEST_F(Labels, AcceleratorFocusesTheFocusControl) {
  TLabel* label = Make<TLabel>(Bounds(10, 10, 50, 15));
  label->SetCaption("&Name");
  TEdit* other = Make<TEdit>(Bounds(10, 30, 80, 21));
  TEdit* name = Make<TEdit>(Bounds(10, 60, 80, 21));
  label->SetFocusControl(name);
  other->SetFocus();
  Pump();
  Type("{A-N}");
  EXPECT_TRUE(name->Focused());
  // The focus control may go; the label forgets it.
  delete name;
  EXPECT_EQ(label->FocusControl(), nullptr);
  other->SetFocus();
  Type("{A-N}");
  EXPECT_TRUE(other->Focused());
}

class Images : public StdControlsTest {
 protected:
  // A 20 x 10 picture: red with a white bottom-left corner.
  static std::unique_ptr<TBitmap> Picture() {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(20, 10);
    bitmap->Canvas()->Brush()->SetColor(clRed);
    bitmap->Canvas()->FillRect({0, 0, 20, 10});
    bitmap->Canvas()->SetPixels(0, 9, clWhite);
    return bitmap;
  }
};

TEST_F(Images, PlacementStretchAndTransparency) {
  Form()->SetColor(clLime);
  TImage* image = Make<TImage>(Bounds(10, 10, 60, 40));
  const std::unique_ptr<TBitmap> picture = Picture();
  image->Picture()->SetGraphic(picture.get());
  Pump();
  EXPECT_EQ(PixelAt(image, {19, 0}), ColorToColorRef(clRed));
  EXPECT_EQ(PixelAt(image, {20, 0}), ColorToColorRef(clLime));  // the parent shows around it
  EXPECT_EQ(PixelAt(image, {0, 9}), ColorToColorRef(clWhite));
  image->SetCenter(true);
  Pump();
  EXPECT_EQ(PixelAt(image, {19, 14}), ColorToColorRef(clLime));
  EXPECT_EQ(PixelAt(image, {20, 15}), ColorToColorRef(clRed));
  image->SetStretch(true);
  Pump();
  EXPECT_EQ(PixelAt(image, {59, 0}), ColorToColorRef(clRed));
  image->SetStretch(false);
  image->SetTransparent(true);
  Pump();
  EXPECT_EQ(PixelAt(image, {20, 24}), ColorToColorRef(clLime));  // the white corner, left out
  image->SetAutoSize(true);
  EXPECT_EQ(image->Width(), 20);
  EXPECT_EQ(image->Height(), 10);
}

}  // namespace
}  // namespace plat::testing
