// Push buttons, check boxes, radio buttons and speed buttons on the
// headless display: what presses them (mouse, Space, Enter, Escape,
// accelerators), the state they keep, and when OnClick comes.
#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/Colors.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCustomCheckBox.h"
#include "platform/ui/TCustomControl.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/ui/TCustomPanel.h"
#include "platform/ui/TRadioButton.h"
#include "platform/ui/TSpeedButton.h"
#include "platform/ui/tests/StdControlsFixture.h"
#include "platform/win/InputInjection.h"
#include "platform/win/VirtualKeys.h"

namespace plat::testing {
namespace {

class Buttons : public StdControlsTest {
 protected:
  TPoint Middle(TControl* Control) { return OnScreen(Control, {Control->Width() / 2, Control->Height() / 2}); }
  // Clicks, then lets the double-click time pass.
  void Click(TControl* Control) {
    InjectClick(Middle(Control));
    Pump();
    Clock().Advance(1000);
  }
};

TEST_F(Buttons, ButtonClicksByMouseSpaceAndAccelerator) {
  TButton* button = Make<TButton>(Bounds(10, 10, 75, 25));
  button->SetCaption("&Apply");
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  Click(button);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(button->Focused());
  // Released outside, a press is no click.
  InjectDrag(Middle(button), OnScreen(button, {-20, -20}));
  Pump();
  EXPECT_EQ(clicks, 1);
  Type("{SPACE}");
  EXPECT_EQ(clicks, 2);
  Type("{A-A}");
  EXPECT_EQ(clicks, 3);
  button->SetEnabled(false);
  Type("{A-A}");
  EXPECT_EQ(clicks, 3);
}

TEST_F(Buttons, ButtonLooksPressedOnlyWhileHeldOverIt) {
  TButton* button = Make<TButton>(Bounds(10, 10, 75, 25));
  button->SetFocus();  // as a click leaves it
  Pump();
  const COLORREF up = PixelAt(button, {1, 1});
  InjectMouseMove(Middle(button));
  InjectMouseDown(Middle(button));
  Pump();
  const COLORREF down = PixelAt(button, {1, 1});
  EXPECT_NE(up, down);
  InjectMouseMove(OnScreen(button, {200, 200}));
  Pump();
  EXPECT_EQ(PixelAt(button, {1, 1}), up);
  InjectMouseUp(OnScreen(button, {200, 200}));
  Pump();
}

TEST_F(Buttons, EnterPressesTheDefaultButtonEscapeTheCancelButton) {
  TEdit* edit = Make<TEdit>(Bounds(10, 10, 100, 21));
  TButton* ok = Make<TButton>(Bounds(10, 40, 75, 25));
  TButton* cancel = Make<TButton>(Bounds(90, 40, 75, 25));
  TButton* other = Make<TButton>(Bounds(170, 40, 75, 25));
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  std::vector<TButton*> pressed;
  for (TButton* b : {ok, cancel, other}) b->OnClick = [&pressed, b](TObject*) { pressed.push_back(b); };
  edit->SetFocus();
  Pump();
  Type("{ENTER}");
  EXPECT_EQ(Form()->ModalResult(), mrOk);
  Type("{ESC}");
  EXPECT_EQ(Form()->ModalResult(), mrCancel);
  // While another button has the focus, Enter presses that one.
  other->SetFocus();
  Pump();
  Type("{ENTER}");
  EXPECT_EQ(pressed, (std::vector<TButton*>{ok, cancel, other}));
  EXPECT_EQ(Form()->ModalResult(), mrNone);
  // With a modifier held Enter presses nothing.
  edit->SetFocus();
  Type("{C-ENTER}");
  EXPECT_EQ(pressed.size(), 3u);
}

// A control that notes every focus change it is told of.
class TFocusWatcher : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  std::vector<TWinControl*> Seen;

 protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == CM_FOCUSCHANGED) Seen.push_back(reinterpret_cast<TWinControl*>(Message.LParam));
    TCustomControl::WndProc(Message);
  }
};

TEST_F(Buttons, FocusChangesReachEveryControlAndMoveTheDefaultOutline) {
  TPanel* panel = Make<TPanel>(Bounds(200, 10, 100, 100));
  TFocusWatcher* onForm = Make<TFocusWatcher>(Bounds(10, 150, 20, 20));
  TFocusWatcher* onPanel = Make<TFocusWatcher>(Bounds(5, 5, 20, 20), panel);
  TEdit* edit = Make<TEdit>(Bounds(10, 10, 100, 21));
  TButton* ok = Make<TButton>(Bounds(10, 40, 75, 25));
  TButton* other = Make<TButton>(Bounds(90, 40, 75, 25));
  ok->SetDefault(true);
  const COLORREF outline = GetSysColor(COLOR_WINDOWFRAME);

  edit->SetFocus();
  Pump();
  EXPECT_EQ(PixelAt(ok, {0, 0}), outline);
  other->SetFocus();
  Pump();
  // Another button has the focus, so Enter no longer presses the default one.
  EXPECT_NE(PixelAt(ok, {0, 0}), outline);
  EXPECT_EQ(PixelAt(other, {0, 0}), outline);
  edit->SetFocus();
  Pump();
  EXPECT_EQ(PixelAt(ok, {0, 0}), outline);
  EXPECT_NE(PixelAt(other, {0, 0}), outline);

  const std::vector<TWinControl*> moves{edit, other, edit};
  EXPECT_EQ(onForm->Seen, moves);
  EXPECT_EQ(onPanel->Seen, moves);
}

TEST_F(Buttons, CheckBoxTogglesAndReportsEveryChange) {
  TCheckBox* box = Make<TCheckBox>(Bounds(10, 10, 120, 17));
  box->SetCaption("&Remember");
  std::vector<TCheckBoxState> seen;
  box->OnClick = [&](TObject*) { seen.push_back(box->State()); };
  Click(box);
  Type("{SPACE}");
  Type("{A-R}");
  box->SetChecked(false);  // the program's change counts too
  EXPECT_EQ(seen, (std::vector<TCheckBoxState>{TCheckBoxState::cbChecked, TCheckBoxState::cbUnchecked,
                                               TCheckBoxState::cbChecked, TCheckBoxState::cbUnchecked}));
  box->SetChecked(false);  // no change, no event
  EXPECT_EQ(seen.size(), 4u);
  box->SetAllowGrayed(true);
  seen.clear();
  for (int i = 0; i < 3; ++i) Click(box);
  EXPECT_EQ(seen, (std::vector<TCheckBoxState>{TCheckBoxState::cbGrayed, TCheckBoxState::cbChecked,
                                               TCheckBoxState::cbUnchecked}));
}

TEST_F(Buttons, RadioButtonsOfOneParentCheckOneAtATime) {
  TPanel* group = Make<TPanel>(Bounds(10, 10, 200, 100));
  TRadioButton* first = Make<TRadioButton>(Bounds(5, 5, 100, 17), group);
  TRadioButton* second = Make<TRadioButton>(Bounds(5, 25, 100, 17), group);
  TRadioButton* third = Make<TRadioButton>(Bounds(5, 45, 100, 17), group);
  TRadioButton* elsewhere = Make<TRadioButton>(Bounds(10, 150, 100, 17));
  elsewhere->SetChecked(true);
  int clicks = 0;
  second->OnClick = [&](TObject*) { ++clicks; };
  first->SetChecked(true);
  EXPECT_TRUE(first->TabStop());
  EXPECT_FALSE(second->TabStop());
  Click(second);
  EXPECT_TRUE(second->Checked());
  EXPECT_FALSE(first->Checked());
  EXPECT_TRUE(second->TabStop());
  EXPECT_FALSE(first->TabStop());
  EXPECT_TRUE(elsewhere->Checked());  // another parent, another group
  Click(second);                      // checked already: nothing changes
  EXPECT_EQ(clicks, 1);
  // The arrow keys move the check along the group.
  Type("{DOWN}");
  EXPECT_TRUE(third->Focused());
  EXPECT_TRUE(third->Checked());
  EXPECT_FALSE(second->Checked());
}

// A speed button glyph of two 8 x 8 frames: red (up) and blue (disabled),
// with a white corner to leave out.
std::unique_ptr<TBitmap> TwoFrameGlyph() {
  auto glyph = std::make_unique<TBitmap>();
  glyph->SetSize(16, 8);
  TCanvas* canvas = glyph->Canvas();
  canvas->Brush()->SetColor(clRed);
  canvas->FillRect({0, 0, 8, 8});
  canvas->Brush()->SetColor(clBlue);
  canvas->FillRect({8, 0, 16, 8});
  canvas->SetPixels(0, 7, clWhite);  // the transparent colour: bottom-left
  return glyph;
}

TEST_F(Buttons, SpeedButtonGroupsKeepOneDown) {
  TSpeedButton* a = Make<TSpeedButton>(Bounds(10, 10, 23, 22));
  TSpeedButton* b = Make<TSpeedButton>(Bounds(40, 10, 23, 22));
  TSpeedButton* loose = Make<TSpeedButton>(Bounds(70, 10, 23, 22));
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  int clicks = 0;
  for (TSpeedButton* s : {a, b, loose}) s->OnClick = [&](TObject*) { ++clicks; };
  Click(a);
  EXPECT_TRUE(a->Down());
  Click(b);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  Click(b);  // without AllowAllUp the down button stays down
  EXPECT_TRUE(b->Down());
  a->SetAllowAllUp(true);  // for the whole group
  EXPECT_TRUE(b->AllowAllUp());
  Click(b);
  EXPECT_FALSE(b->Down());
  Click(loose);
  EXPECT_FALSE(loose->Down());
  loose->SetDown(true);  // outside a group there is no down state
  EXPECT_FALSE(loose->Down());
  EXPECT_EQ(clicks, 5);
}

TEST_F(Buttons, SpeedButtonGlyphLayoutAndDisabledFrame) {
  struct Case {
    TButtonLayout Layout;
    TPoint Probe;  // a point inside the glyph
  };
  // 60 x 40 button, an 8 x 8 glyph, no caption, margin 4.
  const Case cases[] = {
      {TButtonLayout::blGlyphLeft, {7, 20}},
      {TButtonLayout::blGlyphRight, {52, 20}},
      {TButtonLayout::blGlyphTop, {30, 7}},
      {TButtonLayout::blGlyphBottom, {30, 32}},
  };
  const std::unique_ptr<TBitmap> glyph = TwoFrameGlyph();
  for (const Case& c : cases) {
    TSpeedButton* button = Make<TSpeedButton>(Bounds(10, 10, 60, 40));
    button->SetGlyph(glyph.get());
    button->SetNumGlyphs(2);
    button->SetMargin(4);
    button->SetLayout(c.Layout);
    Pump();
    EXPECT_EQ(PixelAt(button, c.Probe), ColorToColorRef(clRed)) << static_cast<int>(c.Layout);
    button->SetEnabled(false);
    Pump();
    EXPECT_EQ(PixelAt(button, c.Probe), ColorToColorRef(clBlue)) << static_cast<int>(c.Layout);
    delete button;
  }
  // Centred by default; the transparent corner shows the face.
  TSpeedButton* centred = Make<TSpeedButton>(Bounds(10, 10, 60, 40));
  centred->SetGlyph(glyph.get());
  centred->SetNumGlyphs(2);
  Pump();
  EXPECT_EQ(PixelAt(centred, {30, 20}), ColorToColorRef(clRed));
  EXPECT_EQ(PixelAt(centred, {26, 23}), ColorToColorRef(clBtnFace));
}

TEST_F(Buttons, AFlatSpeedButtonShowsItsParentUnlessMadeOpaque) {
  Form()->SetColor(clYellow);
  TSpeedButton* button = Make<TSpeedButton>(Bounds(10, 10, 30, 30));
  button->SetFlat(true);
  button->SetColor(clAqua);
  Pump();
  EXPECT_EQ(PixelAt(button, {15, 15}), ColorToColorRef(clYellow));
  button->SetTransparent(false);
  Pump();
  EXPECT_EQ(PixelAt(button, {15, 15}), ColorToColorRef(clAqua));
}

}  // namespace
}  // namespace plat::testing
