// The spin editor on a real form in the headless display: its values read
// from and written to the text within their limits, its steps by key, by
// button and by a held button on the window layer's clock, and what may be
// typed, pasted and deleted, logged as the text changes.
#include "grid/EsgSpinEdit.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "grid/tests/SpinFormTest.h"
#include "platform/rtl/DateTime.h"
#include "platform/ui/TClipboard.h"
#include "platform/win/InputInjection.h"
#include "platform/win/Display.h"
#include "platform/win/StandardControlMessages.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "platform/win/VirtualKeys.h"
#include "testing/ReferencePicture.h"
#include "testing/LocaleScope.h"

namespace zorbit {
namespace {

using plat::TDateTime;
using testing::TLocaleScope;

class SpinEdit : public testing::SpinFormTest {
 protected:
  void SetUp() override {
    SpinFormTest::SetUp();
    FEdit = Place<TEsgSpinEdit>(plat::Bounds(10, 10, 100, 24));
    FOther = Place<plat::TEdit>(plat::Bounds(10, 60, 100, 24));
    FEdit->SetFocus();
    Pump();
    FEdit->OnChange = [this](plat::TObject*) { FLog.push_back(FEdit->Text()); };
  }

  void Key(plat::UINT VirtualKey) {
    plat::InjectKeyPress(VirtualKey);
    Pump();
  }
  void TypeText(const std::string& Text) {
    plat::InjectText(Text);
    Pump();
  }
  // The text with the caret at Caret.
  void Show(const std::string& Text, int Caret) {
    FEdit->SetText(Text);
    FEdit->SetSelStart(Caret);
    FEdit->SetSelLength(0);
  }
  std::size_t Beeps() { return Display().Beeps().size(); }

  TLocaleScope FEnglish{plat::TFormatSettings::English()};
  TEsgSpinEdit* FEdit = nullptr;
  plat::TEdit* FOther = nullptr;
  std::vector<std::string> FLog;
};

TEST_F(SpinEdit, StartsAtZeroWithItsSpinButtonInsideAtTheRight) {
  EXPECT_EQ(FEdit->Text(), "0");
  TEsgSpinButton* button = FEdit->Button();
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Parent(), FEdit);
  EXPECT_EQ(button->FocusControl(), FEdit);
  EXPECT_TRUE(button->Visible());
  // A sunken border: the button fills the client height but one pixel.
  EXPECT_EQ(button->BoundsRect(), plat::Bounds(100 - 15 - 5, 0, 15, 24 - 5));
  FEdit->SetBorderStyle(plat::TBorderStyle::bsNone);
  FEdit->SetHeight(25);
  Pump();
  EXPECT_EQ(button->BoundsRect(), plat::Bounds(100 - 15 - 1, 0, 15, 25 - 1));
}

TEST_F(SpinEdit, RightAlignedTextEndsBeforeTheSpinButton) {
  FEdit->SetEditAlign(TEditAlign::eaRight);
  FEdit->SetValue(88);
  FOther->SetFocus();  // no caret in the picture
  Pump();
  testing::KeepForInspection(*plat::WindowSurface(FForm->Handle()), "grid/spin-edit.png");
  // Client area 96 wide: the text ends two pixels before the 15-wide button at 80.
  const auto inkIn = [this](int From, int To) {
    int ink = 0;
    for (int x = From; x < To; ++x)
      for (int y = 2; y < 16; ++y) ink += PixelAt(FEdit, {x, y}) == plat::ColorToColorRef(plat::clBlack);
    return ink;
  };
  EXPECT_GT(inkIn(60, 78), 0);
  EXPECT_EQ(inkIn(78, 80), 0);
  EXPECT_EQ(inkIn(0, 60), 0);
}

TEST_F(SpinEdit, AHeightTooSmallForTheFontIsRaised) {
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

struct TLimitCase {
  int Min;
  int Max;
  int Written;
  const char* Shown;
};

TEST_F(SpinEdit, WrittenIntegersAreClampedOnlyWhenTheyHaveLimits) {
  const TLimitCase cases[] = {
      {0, 0, 500, "500"}, {0, 100, 500, "100"}, {0, 100, -5, "0"}, {7, 7, -7, "-7"}, {10, 20, 15, "15"},
  };
  for (const TLimitCase& c : cases) {
    FEdit->SetMinValue(c.Min);
    FEdit->SetMaxValue(c.Max);
    FEdit->SetValue(c.Written);
    EXPECT_EQ(FEdit->Text(), c.Shown) << c.Min << ".." << c.Max << " " << c.Written;
  }
}

TEST_F(SpinEdit, TextsThatAreNoValueReadAsTheMinimumAndNeverRaise) {
  FEdit->SetMinValue(3);
  FEdit->SetMinFloatValue(2.5);
  FEdit->SetMinDateValue(plat::EncodeDate(2020, 1, 1));
  FEdit->SetText("abc");
  EXPECT_EQ(FEdit->Value(), 3);
  EXPECT_EQ(FEdit->FloatValue(), 2.5);
  EXPECT_EQ(FEdit->DateValue(), plat::EncodeDate(2020, 1, 1));
  EXPECT_EQ(FEdit->TimeValue(), 0);
  // An empty date is now.
  FEdit->SetText("");
  const TDateTime before = plat::Now();
  const TDateTime read = FEdit->DateValue();
  EXPECT_GE(read, before);
  EXPECT_LE(read, plat::Now());
}

TEST_F(SpinEdit, KeysAndButtonsStepByTheIncrement) {
  FEdit->SetIncrement(5);
  Key(plat::VK_UP);
  Key(plat::VK_PRIOR);
  Key(plat::VK_DOWN);
  Key(plat::VK_NEXT);
  Key(plat::VK_NEXT);  // at the minimum already: written again, unchanged
  Click(FEdit->Button()->UpButton());
  Click(FEdit->Button()->DownButton());
  EXPECT_EQ(FLog, (std::vector<std::string>{"5", "10", "5", "0", "5", "0"}));
  EXPECT_TRUE(FEdit->Focused());
}

TEST_F(SpinEdit, AReadOnlyEditOnlyBeeps) {
  FEdit->SetReadOnly(true);
  Key(plat::VK_UP);
  FEdit->StepDown();
  EXPECT_TRUE(FLog.empty());
  EXPECT_EQ(Beeps(), 2u);
}

TEST_F(SpinEdit, AHeldButtonRepeatsAfterAPauseUntilReleased) {
  const plat::TPoint at = Hold(FEdit->Button()->UpButton());
  Wait(399);
  EXPECT_TRUE(FLog.empty());
  Wait(1);
  EXPECT_EQ(FLog, std::vector<std::string>{"1"});
  Wait(100);
  Wait(100);
  plat::InjectMouseUp(at);
  Pump();
  Wait(1000);
  // The release inside the button is a click of its own.
  EXPECT_EQ(FLog, (std::vector<std::string>{"1", "2", "3", "4"}));
}

TEST_F(SpinEdit, AHeldButtonDraggedOffPausesAndGoesOnWhenBack) {
  plat::TControl* up = FEdit->Button()->UpButton();
  const plat::TPoint at = Hold(up);
  Wait(400);
  plat::InjectMouseMove(OnScreen(FForm, {250, 150}));
  Pump();
  Wait(300);
  EXPECT_EQ(FLog, std::vector<std::string>{"1"});
  plat::InjectMouseMove(at);
  Pump();
  Wait(100);
  plat::InjectMouseMove(OnScreen(FForm, {250, 150}));
  plat::InjectMouseUp(OnScreen(FForm, {250, 150}));
  Pump();
  Wait(1000);
  EXPECT_EQ(FLog, (std::vector<std::string>{"1", "2"}));
}

TEST_F(SpinEdit, AHeldButtonThatIsDisabledRepeatsNoMore) {
  Hold(FEdit->Button()->UpButton());
  Wait(400);
  FEdit->Button()->UpButton()->SetEnabled(false);
  Wait(100);
  FEdit->Button()->UpButton()->SetEnabled(true);
  Wait(500);
  EXPECT_EQ(FLog, std::vector<std::string>{"1"});
  plat::InjectMouseUp(OnScreen(FForm, {250, 150}));
  Pump();
}

TEST_F(SpinEdit, AStepThatRaisesEndsTheRepeatAndReachesTheApplication) {
  FEdit->OnChange = [this](plat::TObject*) {
    FLog.push_back(FEdit->Text());
    if (FEdit->Text() == "2") throw std::runtime_error("no more");
  };
  Hold(FEdit->Button()->UpButton());
  for (int i = 0; i < 6; ++i) Wait(100);
  EXPECT_EQ(FLog, (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(Exceptions(), std::vector<std::string>{"no more"});
  plat::InjectMouseUp(OnScreen(FForm, {250, 150}));
  Pump();
}

TEST_F(SpinEdit, FloatsShowTheirPrecisionAndStepByTheFloatIncrement) {
  FEdit->SetSpinType(TEsgSpinType::sptFloat);
  FEdit->SetPrecision(2);
  EXPECT_EQ(FEdit->Text(), "0.00");
  FEdit->SetFloatValue(1.5);
  EXPECT_EQ(FEdit->Text(), "1.50");
  FEdit->StepUp();
  EXPECT_EQ(FEdit->Text(), "1.60");
  FEdit->SetFloatValue(250);
  EXPECT_EQ(FEdit->Text(), "100.00");
  FEdit->SetPrecision(0);
  EXPECT_EQ(FEdit->Text(), "100");
  FEdit->SetMaxFloatValue(0);
  FEdit->SetFloatValue(0.1 + 0.2);
  EXPECT_EQ(FEdit->Text(), "0.3");
}

TEST_F(SpinEdit, IntegersWithoutLimitsStopAtTheEndsOfTheIntegers) {
  FEdit->SetMaxValue(0);
  FEdit->SetValue(2147483647);
  FEdit->StepUp();
  EXPECT_EQ(FEdit->Text(), "2147483647");
  FEdit->SetValue(-2147483647 - 1);
  FEdit->StepDown();
  EXPECT_EQ(FEdit->Text(), "-2147483648");
}

TEST_F(SpinEdit, TimesStepThePartAtTheCaretAndWrapAtMidnight) {
  TLocaleScope german(plat::TFormatSettings::German());  // hh:nn:ss
  FEdit->SetSpinType(TEsgSpinType::sptTime);
  FEdit->SetTimeValue(0);
  EXPECT_EQ(FEdit->Text(), "00:00:00");
  FEdit->SetSelStart(7);
  FEdit->StepDown();
  EXPECT_EQ(FEdit->Text(), "23:59:59");
  EXPECT_EQ(FEdit->SelStart(), 7);
  FEdit->SetSelStart(1);
  FEdit->StepUp();
  EXPECT_EQ(FEdit->Text(), "00:59:59");
  FEdit->SetSelStart(4);
  FEdit->StepUp();
  EXPECT_EQ(FEdit->Text(), "01:00:59");
}

TEST_F(SpinEdit, DatesStepThePartAtTheCaretInADayFirstFormat) {
  TLocaleScope german(plat::TFormatSettings::German());  // dd.mm.yyyy
  FEdit->SetSpinType(TEsgSpinType::sptDate);
  FEdit->SetDateValue(plat::EncodeDate(2024, 1, 31));
  EXPECT_EQ(FEdit->Text(), "31.01.2024");
  Show("31.01.2024", 0);
  FEdit->StepUp();
  EXPECT_EQ(FEdit->Text(), "01.02.2024");
  FEdit->SetSelStart(4);
  FEdit->StepUp();
  EXPECT_EQ(FEdit->Text(), "01.03.2024");
  FEdit->SetSelStart(8);
  FEdit->StepDown();
  EXPECT_EQ(FEdit->Text(), "01.03.2023");
}

TEST_F(SpinEdit, DatesAreClampedToTheirLimits) {
  TLocaleScope german(plat::TFormatSettings::German());
  FEdit->SetMinDateValue(plat::EncodeDate(2024, 1, 1));
  FEdit->SetMaxDateValue(plat::EncodeDate(2024, 12, 31));
  FEdit->SetSpinType(TEsgSpinType::sptDate);
  FEdit->SetDateValue(plat::EncodeDate(2025, 6, 1));
  EXPECT_EQ(FEdit->Text(), "31.12.2024");
}

struct TCharCase {
  const char* Name;
  TEsgSpinType Type;
  const char* Text;
  int SelStart;
  int SelLength;
  char32_t Key;
  bool Valid;
};

TEST_F(SpinEdit, IsValidCharFollowsTheKindTheTextAndTheSelection) {
  const TCharCase cases[] = {
      {"digit", TEsgSpinType::sptNormal, "12", 2, 0, U'3', true},
      {"letter", TEsgSpinType::sptNormal, "12", 2, 0, U'a', false},
      {"backspace", TEsgSpinType::sptNormal, "12", 2, 0, U'\b', true},
      {"return", TEsgSpinType::sptNormal, "12", 2, 0, U'\r', false},
      {"paste key", TEsgSpinType::sptNormal, "12", 2, 0, U'\x16', true},
      {"minus first", TEsgSpinType::sptNormal, "12", 0, 0, U'-', true},
      {"minus later", TEsgSpinType::sptNormal, "12", 1, 0, U'-', false},
      {"second minus", TEsgSpinType::sptNormal, "-12", 0, 0, U'-', false},
      {"minus over minus", TEsgSpinType::sptNormal, "-12", 0, 1, U'-', true},
      {"decimal in integer", TEsgSpinType::sptNormal, "12", 2, 0, U'.', false},
      {"time separator in integer", TEsgSpinType::sptNormal, "12", 2, 0, U':', false},
      {"decimal", TEsgSpinType::sptFloat, "12", 2, 0, U'.', true},
      {"second decimal", TEsgSpinType::sptFloat, "1.2", 3, 0, U'.', false},
      {"decimal over decimal", TEsgSpinType::sptFloat, "1.2", 1, 1, U'.', true},
      {"thousand separator", TEsgSpinType::sptFloat, "12", 2, 0, U',', false},
      {"date separator in float", TEsgSpinType::sptFloat, "12", 2, 0, U'/', false},
      {"time separator", TEsgSpinType::sptTime, "10:20", 5, 0, U':', true},
      {"third time separator", TEsgSpinType::sptTime, "10:20:30", 8, 0, U':', false},
      {"date separator in time", TEsgSpinType::sptTime, "10:20", 5, 0, U'/', false},
      {"date separator", TEsgSpinType::sptDate, "1/2", 3, 0, U'/', true},
      {"time separator in date", TEsgSpinType::sptDate, "1/2", 3, 0, U':', false},
  };
  for (const TCharCase& c : cases) {
    FEdit->SetSpinType(c.Type);
    FEdit->SetText(c.Text);
    FEdit->SetSelStart(c.SelStart);
    FEdit->SetSelLength(c.SelLength);
    char32_t key = c.Key;
    EXPECT_EQ(FEdit->IsValidChar(key), c.Valid) << c.Name;
  }
}

TEST_F(SpinEdit, AFloatWithPrecisionTakesNoMoreDecimalsAtTheEnd) {
  FEdit->SetSpinType(TEsgSpinType::sptFloat);
  FEdit->SetPrecision(2);
  FEdit->SetFloatValue(1.25);
  Show("1.25", 4);
  TypeText("7");
  EXPECT_EQ(FEdit->Text(), "1.25");
  EXPECT_EQ(Beeps(), 1u);
  // Before the separator, or over a selection, digits still go in.
  Show("1.25", 0);
  TypeText("3");
  EXPECT_EQ(FEdit->Text(), "31.25");
  FEdit->SetSelStart(4);
  FEdit->SetSelLength(1);
  TypeText("9");
  EXPECT_EQ(FEdit->Text(), "31.29");
  EXPECT_EQ(Beeps(), 1u);
}

TEST_F(SpinEdit, RefusedCharactersBeepAndStayOut) {
  FEdit->SelectAll();
  TypeText("1a2-");
  EXPECT_EQ(FEdit->Text(), "12");
  EXPECT_EQ(Beeps(), 2u);
}

TEST_F(SpinEdit, WithTheEditorDisabledNothingIsTypedDeletedCutOrPasted) {
  FEdit->SetEditorEnabled(false);
  FEdit->SetValue(42);
  plat::Clipboard()->SetAsText("7");
  FEdit->SetSelStart(0);
  TypeText("5");
  Key(plat::VK_DELETE);
  Key(plat::VK_BACK);
  FEdit->SelectAll();
  FEdit->PasteFromClipboard();
  FEdit->CutToClipboard();
  EXPECT_EQ(FEdit->Text(), "42");
  EXPECT_EQ(plat::Clipboard()->AsText(), "7");
  // Steps still work, and leave the text selected.
  Key(plat::VK_UP);
  EXPECT_EQ(FEdit->Text(), "43");
  EXPECT_EQ(FEdit->SelLength(), 2);
}

TEST_F(SpinEdit, WithTheEditorDisabledAClickThatEntersSelectsAll) {
  FEdit->SetValue(42);
  FOther->SetFocus();
  Pump();
  Click(FOther);
  plat::InjectClick(OnScreen(FEdit, {10, 8}));
  Pump();
  EXPECT_TRUE(FEdit->Focused());
  EXPECT_EQ(FEdit->SelLength(), 0);  // an editable text takes the caret
  Clock().Advance(1000);
  FEdit->SetEditorEnabled(false);
  Click(FOther);
  plat::InjectClick(OnScreen(FEdit, {10, 8}));
  Pump();
  EXPECT_EQ(FEdit->SelLength(), 2);
}

TEST_F(SpinEdit, AReadOnlyEditRefusesPasteAndCut) {
  FEdit->SetValue(42);
  FEdit->SetReadOnly(true);
  plat::Clipboard()->SetAsText("7");
  FEdit->SelectAll();
  FEdit->PasteFromClipboard();
  FEdit->CutToClipboard();
  EXPECT_EQ(FEdit->Text(), "42");
  EXPECT_EQ(plat::Clipboard()->AsText(), "7");
}

TEST_F(SpinEdit, ReturnMovesOnLikeTabOnlyWhenAsked) {
  Key(plat::VK_RETURN);
  EXPECT_TRUE(FEdit->Focused());
  EXPECT_EQ(Beeps(), 1u);  // Return is no character of a number
  FEdit->SetReturnIsTab(true);
  Key(plat::VK_RETURN);
  EXPECT_TRUE(FOther->Focused());
  EXPECT_EQ(Beeps(), 1u);
}

TEST_F(SpinEdit, LeavingClampsAValueTypedOutsideTheLimits) {
  FEdit->SelectAll();
  TypeText("500");
  EXPECT_EQ(FEdit->Text(), "500");
  FOther->SetFocus();
  Pump();
  EXPECT_EQ(FEdit->Text(), "100");
}

TEST_F(SpinEdit, TheKeypadPointTypesTheLocalesDecimalSeparatorWhenAsked) {
  TLocaleScope german(plat::TFormatSettings::German());  // "," decimal, "." thousands
  FEdit->SetSpinType(TEsgSpinType::sptFloat);
  Show("1", 1);
  Key(plat::VK_DECIMAL);
  EXPECT_EQ(FEdit->Text(), "1");  // the thousand separator: refused
  FEdit->SetExcelStyleDecimalSeparator(true);
  Key(plat::VK_DECIMAL);
  TypeText("5.");  // the main keyboard's point stays a point
  EXPECT_EQ(FEdit->Text(), "1,5");
  EXPECT_EQ(Beeps(), 2u);
}

TEST_F(SpinEdit, ChangingTheKindNormalisesTheText) {
  FEdit->SetText("7.25");
  FEdit->SetSpinType(TEsgSpinType::sptFloat);
  EXPECT_EQ(FEdit->Text(), "7.25");
  FEdit->SetSpinType(TEsgSpinType::sptNormal);
  EXPECT_EQ(FEdit->Text(), "0");  // no integer: the minimum
}

TEST_F(SpinEdit, ItsWindowIsAMultiLineEditThatClipsItsButtonAndFollowsTheAlignment) {
  const auto style = [this] { return static_cast<plat::DWORD>(plat::GetWindowLongPtrA(FEdit->Handle(), plat::GWL_STYLE)); };
  EXPECT_NE(style() & plat::ES_MULTILINE, 0u);
  EXPECT_NE(style() & plat::WS_CLIPCHILDREN, 0u);
  EXPECT_EQ(style() & (plat::ES_RIGHT | plat::ES_CENTER), 0u);
  FEdit->SetEditAlign(TEditAlign::eaCenter);
  EXPECT_EQ(style() & (plat::ES_RIGHT | plat::ES_CENTER), plat::ES_CENTER);
  FEdit->SetEditAlign(TEditAlign::eaRight);
  EXPECT_EQ(style() & (plat::ES_RIGHT | plat::ES_CENTER), plat::ES_RIGHT);
}

TEST_F(SpinEdit, LookSwitchesReachBothButtons) {
  FEdit->SetThemed(true);
  FEdit->SetSpinFlat(true);
  FEdit->SetSpinTransparent(true);
  for (TExtTimerSpeedButton* button : {FEdit->Button()->UpButton(), FEdit->Button()->DownButton()}) {
    EXPECT_TRUE(button->Themed());
    EXPECT_TRUE(button->Flat());
    EXPECT_TRUE(button->Transparent());
  }
  EXPECT_EQ(FEdit->Width(), 100);  // the nudge leaves the width as it was
}

TEST_F(SpinEdit, AlignmentAndDirectionKeepTheTextAndTheButton) {
  FEdit->SetValue(12);
  FEdit->SetEditAlign(TEditAlign::eaRight);
  EXPECT_EQ(FEdit->Text(), "12");
  FEdit->SetDirection(TSpinDirection::spHorizontal);
  EXPECT_EQ(FEdit->Button()->Width(), 20);
  EXPECT_EQ(FEdit->Button()->Left(), 100 - 20 - 5);
  EXPECT_EQ(FEdit->Width(), 100);
}

}  // namespace
}  // namespace zorbit
