// The edit with a button on a real form in the headless display: where its
// button sits, what fires its click (logged), what may be typed, cut and
// pasted, the text's room beside the button, and how the button paints.
#include "grid/EsgEditBtn.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "grid/tests/SpinFormTest.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/testing/RecordingThemeService.h"
#include "platform/ui/TClipboard.h"
#include "platform/win/InputInjection.h"
#include "platform/win/Display.h"
#include "platform/win/StandardControlMessages.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "testing/ReferencePicture.h"

namespace zorbit {
namespace {

class EditBtn : public testing::SpinFormTest {
 protected:
  void SetUp() override {
    SpinFormTest::SetUp();
    FEdit = Place<TEsgEditBtn>(plat::Bounds(10, 10, 100, 24));
    FOther = Place<plat::TEdit>(plat::Bounds(10, 60, 100, 24));
    FEdit->OnClickBtn = [this](plat::TObject* Sender) {
      FLog.push_back(Sender == FEdit ? "click" : "click from elsewhere");
    };
    FEdit->OnChange = [this](plat::TObject*) { FLog.push_back("text " + FEdit->Text()); };
  }

  void Key(plat::UINT VirtualKey) {
    plat::InjectKeyPress(VirtualKey);
    Pump();
  }
  void TypeText(const std::string& Text) {
    plat::InjectText(Text);
    Pump();
  }
  plat::TRect FormattingRect() {
    plat::TRect rect;
    FEdit->Perform(plat::EM_GETRECT, 0, reinterpret_cast<plat::LPARAM>(&rect));
    return rect;
  }
  plat::DWORD Style() { return static_cast<plat::DWORD>(plat::GetWindowLongPtrA(FEdit->Handle(), plat::GWL_STYLE)); }

  // The leftmost and topmost black pixel of a control.
  static plat::TPoint FirstInk(plat::TControl* Control) {
    plat::TPoint first{Control->Width(), Control->Height()};
    for (int x = 0; x < Control->Width(); ++x)
      for (int y = 0; y < Control->Height(); ++y)
        if (PixelAt(Control, {x, y}) == plat::ColorToColorRef(plat::clBlack)) {
          first.X = std::min(first.X, x);
          first.Y = std::min(first.Y, y);
        }
    return first;
  }

  TEsgEditBtn* FEdit = nullptr;
  plat::TEdit* FOther = nullptr;
  std::vector<std::string> FLog;
};

TEST_F(EditBtn, StartsAtZeroWithItsButtonInsideAtTheRight) {
  EXPECT_EQ(FEdit->Text(), "0");
  TEsgEditButton* button = FEdit->Button();
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Parent(), FEdit);
  EXPECT_EQ(button->FocusControl(), FEdit);
  EXPECT_TRUE(button->Visible());
  EXPECT_EQ(FEdit->ButtonWidth(), 18);
  EXPECT_EQ(button->BoundsRect(), plat::Bounds(100 - 18 - 5, 0, 18, 24 - 5));
  // The speed button fills its part.
  EXPECT_EQ(button->Button()->BoundsRect(), plat::Bounds(0, 0, 18, 24 - 5));
  FEdit->SetBorderStyle(plat::TBorderStyle::bsNone);
  FEdit->SetHeight(25);
  Pump();
  EXPECT_EQ(button->BoundsRect(), plat::Bounds(100 - 18 - 1, 0, 18, 25 - 1));
}

TEST_F(EditBtn, AFreshButtonPartIsTwentyByTwentyFiveAndNeverNarrowerThanFifteen) {
  auto* part = new TEsgEditButton(FForm);
  EXPECT_EQ(part->Width(), 20);
  EXPECT_EQ(part->Height(), 25);
  EXPECT_EQ(part->Button()->Caption(), "");
  part->SetWidth(9);
  EXPECT_EQ(part->Width(), 15);
  EXPECT_EQ(part->Button()->Width(), 15);
  delete part;
}

TEST_F(EditBtn, AButtonPartForgetsAFocusControlThatGoes) {
  auto* part = Place<TEsgEditButton>(plat::Bounds(150, 10, 20, 25));
  auto* target = Place<plat::TEdit>(plat::Bounds(150, 60, 60, 24));
  part->SetFocusControl(target);
  delete target;
  EXPECT_EQ(part->FocusControl(), nullptr);
  Click(part);  // nothing left to focus: the press still works
  EXPECT_FALSE(part->Focused());
}

TEST_F(EditBtn, FourAndTheLeftButtonGoingDownFireTheClick) {
  FEdit->SetFocus();
  Pump();
  Key(plat::VK_F4);
  EXPECT_EQ(FLog, (std::vector<std::string>{"click"}));
  // The press alone clicks; the release adds nothing.
  FOther->SetFocus();
  Pump();
  const plat::TPoint at = Hold(FEdit->Button());
  EXPECT_EQ(FLog, (std::vector<std::string>{"click", "click"}));
  EXPECT_TRUE(FEdit->Focused());
  plat::InjectMouseUp(at);
  Pump();
  EXPECT_EQ(FLog.size(), 2u);
  // The right button does nothing.
  plat::InjectMouseDown(at, plat::MouseButton::Right);
  plat::InjectMouseUp(at, plat::MouseButton::Right);
  Pump();
  EXPECT_EQ(FLog.size(), 2u);
}

TEST_F(EditBtn, ThePressLeavesTheFocusWhereItCannotGo) {
  FEdit->SetTabStop(false);
  FOther->SetFocus();
  Pump();
  Click(FEdit->Button());
  EXPECT_EQ(FLog, (std::vector<std::string>{"click"}));
  EXPECT_TRUE(FOther->Focused());
}

TEST_F(EditBtn, WithTheEditorDisabledNothingIsTypedCutOrPastedButTheButtonWorks) {
  FEdit->SetText("42");
  FEdit->SetEditorEnabled(false);
  FEdit->SetFocus();
  Pump();
  FLog.clear();
  plat::Clipboard()->SetAsText("7");
  FEdit->SetSelStart(0);
  TypeText("5");
  FEdit->SelectAll();
  FEdit->PasteFromClipboard();
  FEdit->CutToClipboard();
  EXPECT_EQ(FEdit->Text(), "42");
  EXPECT_EQ(plat::Clipboard()->AsText(), "7");
  Key(plat::VK_F4);
  Click(FEdit->Button());
  EXPECT_EQ(FLog, (std::vector<std::string>{"click", "click"}));
}

struct TClipboardCase {
  bool EditorEnabled;
  bool ReadOnly;
  const char* TextAfterPaste;
};

TEST_F(EditBtn, PasteAndCutNeedTheEditorEnabledAndWritable) {
  const TClipboardCase cases[] = {
      {true, false, "7"},
      {true, true, "42"},
      {false, false, "42"},
      {false, true, "42"},
  };
  for (const TClipboardCase& c : cases) {
    FEdit->SetReadOnly(false);
    FEdit->SetText("42");
    FEdit->SetEditorEnabled(c.EditorEnabled);
    FEdit->SetReadOnly(c.ReadOnly);
    plat::Clipboard()->SetAsText("7");
    FEdit->SelectAll();
    FEdit->PasteFromClipboard();
    EXPECT_EQ(FEdit->Text(), c.TextAfterPaste) << c.EditorEnabled << c.ReadOnly;
    FEdit->SetText("42");
    FEdit->SelectAll();
    FEdit->CutToClipboard();
    const bool cut = c.EditorEnabled && !c.ReadOnly;
    EXPECT_EQ(FEdit->Text(), cut ? "" : "42") << c.EditorEnabled << c.ReadOnly;
    EXPECT_EQ(plat::Clipboard()->AsText(), cut ? "42" : "7") << c.EditorEnabled << c.ReadOnly;
  }
}

TEST_F(EditBtn, TheTextEndsBeforeTheButton) {
  // Client area 96 x 20: the text stops three pixels before the 18-wide button.
  EXPECT_EQ(FormattingRect(), plat::TRect(1, 1, 96 - 18 - 3, 20 + 1));
  FEdit->SetButtonWidth(30);
  EXPECT_EQ(FEdit->Button()->Width(), 30);
  EXPECT_EQ(FEdit->Button()->Left(), 100 - 30 - 5);
  EXPECT_EQ(FormattingRect(), plat::TRect(1, 1, 96 - 30 - 3, 20 + 1));
  FEdit->SetBorderStyle(plat::TBorderStyle::bsNone);
  Pump();
  EXPECT_EQ(FormattingRect(), plat::TRect(2, 2, 100 - 30 - 3, FEdit->ClientHeight() + 1));
}

TEST_F(EditBtn, ItsWindowIsAMultiLineEditThatClipsItsButtonAndAlignsRightWhenAsked) {
  FEdit->SetText("12");
  EXPECT_NE(Style() & plat::ES_MULTILINE, 0u);
  EXPECT_NE(Style() & plat::WS_CLIPCHILDREN, 0u);
  EXPECT_EQ(Style() & plat::ES_RIGHT, 0u);
  const plat::HWND before = FEdit->Handle();
  FEdit->SetRightAlign(true);
  EXPECT_NE(Style() & plat::ES_RIGHT, 0u);
  EXPECT_NE(FEdit->Handle(), before);
  EXPECT_EQ(FEdit->Text(), "12");
  EXPECT_EQ(FEdit->Button()->Parent(), FEdit);
  // Writing the same value leaves the window alone.
  const plat::HWND recreated = FEdit->Handle();
  FEdit->SetRightAlign(true);
  EXPECT_EQ(FEdit->Handle(), recreated);
}

TEST_F(EditBtn, AHeightTooSmallForTheFontIsRaised) {
  FEdit->SetHeight(4);
  Pump();
  const int raised = FEdit->Height();
  EXPECT_GT(raised, 4);
  FEdit->SetHeight(1);
  Pump();
  EXPECT_EQ(FEdit->Height(), raised);
  FEdit->SetHeight(raised + 10);
  Pump();
  EXPECT_EQ(FEdit->Height(), raised + 10);
}

TEST_F(EditBtn, LookAndCaptionGoToTheSpeedButton) {
  FEdit->SetIsWinXP(true);
  FEdit->SetButtonCaption("...");
  EXPECT_TRUE(FEdit->Button()->Button()->IsWinXP());
  EXPECT_EQ(FEdit->Button()->Button()->Caption(), "...");
  EXPECT_EQ(FEdit->ButtonCaption(), "...");
}

TEST_F(EditBtn, ClassicButtonShowsItsCaption) {
  FEdit->SetButtonCaption("...");
  FOther->SetFocus();  // no caret in the picture
  Pump();
  testing::KeepForInspection(*plat::WindowSurface(FForm->Handle()), "grid/edit-btn.png");
  int ink = 0;
  TExtSpeedButton* button = FEdit->Button()->Button();
  for (int x = 0; x < button->Width(); ++x)
    for (int y = 0; y < button->Height(); ++y) ink += PixelAt(button, {x, y}) == plat::ColorToColorRef(plat::clBlack);
  EXPECT_GT(ink, 0);
}

TEST_F(EditBtn, ThemedButtonDrawsTheStylesPushButtonByStateAndShiftsItsCaptionWhenPressed) {
  plat::testing::ThemeRecorder recorder;
  FEdit->SetIsWinXP(true);
  FEdit->SetButtonCaption("X");
  Pump();
  TExtSpeedButton* button = FEdit->Button()->Button();
  using Call = plat::testing::RecordingThemeService::DrawCall;
  const auto last = [&] { return recorder.Service().Calls().empty() ? Call{} : recorder.Service().Calls().back(); };
  EXPECT_EQ(last(), (Call{u"button", 1, 1, plat::Bounds(0, 0, 18, 19)}));
  const plat::TPoint up = FirstInk(button);
  EXPECT_GE(up.X, 2);
  EXPECT_GE(up.Y, 2);
  const plat::TPoint at = OnScreen(button, {9, 9});
  plat::InjectMouseMove(at);
  Pump();
  EXPECT_EQ(last().StateId, 2);  // hot
  plat::InjectMouseDown(at);
  Pump();
  EXPECT_EQ(last().StateId, 3);  // pressed
  testing::KeepForInspection(*plat::WindowSurface(FForm->Handle()), "grid/edit-btn-themed-pressed.png");
  EXPECT_EQ(FirstInk(button), (plat::TPoint{up.X + 1, up.Y + 1}));
  plat::InjectMouseUp(at);
  Pump();
  EXPECT_EQ(recorder.Service().OpenCount(), 0u);
}

}  // namespace
}  // namespace zorbit

namespace zorbit {
namespace {

class ExtSpeedButtonLook : public testing::SpinFormTest {};

struct TFaceCase {
  bool Flat;
  bool Pressed;
  std::vector<std::string> Picture;
};

TEST_F(ExtSpeedButtonLook, WithoutAStyleItIsAClassicOrAFlatEdgePushedWhileHeld) {
  const TFaceCase cases[] = {
      // clang-format off
      {false, false, {"wwwwwk",
                      "w...sk",
                      "w...sk",
                      "wssssk",
                      "kkkkkk"}},
      {false, true, {"kkkkkw",
                     "ksss.w",
                     "ks...w",
                     "k....w",
                     "wwwwww"}},
      // Flat: a raised inner edge, a sunken outer one while held.
      {true, false, {"wwwwws",
                     "w....s",
                     "w....s",
                     "w....s",
                     "ssssss"}},
      {true, true, {"sssssw",
                    "s....w",
                    "s....w",
                    "s....w",
                    "wwwwww"}},
      // clang-format on
  };
  for (const TFaceCase& c : cases) {
    auto* button = Place<TExtSpeedButton>(plat::Bounds(10, 10, 6, 5));
    button->SetFlat(c.Flat);
    Pump();
    const plat::TPoint at = c.Pressed ? Hold(button) : OnScreen(button, {3, 2});
    EXPECT_EQ(Picture(button), c.Picture) << c.Flat << c.Pressed;
    plat::InjectMouseUp(at);
    Pump();
    delete button;
  }
}

TEST_F(ExtSpeedButtonLook, OnlyTheGlyphsFirstFrameIsDrawnCentredAndShiftedWhenPressed) {
  // Two frames of 2 x 3 on a red ground (its bottom-left pixel: transparent),
  // each with one black pixel.
  plat::TBitmap glyph;
  glyph.SetSize(4, 3);
  glyph.Canvas()->Brush()->SetColor(plat::clRed);
  glyph.Canvas()->FillRect(plat::TRect(0, 0, 4, 3));
  glyph.Canvas()->SetPixels(1, 0, plat::clBlack);
  glyph.Canvas()->SetPixels(3, 0, plat::clBlack);
  auto* button = Place<TExtSpeedButton>(plat::Bounds(10, 10, 6, 7));
  button->SetFlat(true);
  button->SetGlyph(&glyph);
  button->SetNumGlyphs(2);
  Pump();
  // clang-format off
  EXPECT_EQ(Picture(button), (std::vector<std::string>{"wwwwws",
                                                       "w....s",
                                                       "w..#.s",
                                                       "w....s",
                                                       "w....s",
                                                       "w....s",
                                                       "ssssss",}));
  // clang-format on
  const plat::TPoint at = Hold(button);
  EXPECT_EQ(Picture(button)[3], "s...#w");
  plat::InjectMouseUp(at);
  Pump();
}

}  // namespace
}  // namespace zorbit
