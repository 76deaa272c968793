// TExtGridButton's behaviour on a form, driven by injected mouse input and
// read back as event logs: its defaults, which Down it accepts, groups
// (also beside speed buttons that share the index), pressing, dragging off
// and releasing, check buttons, the drop-down part, double clicks, hover
// tracking, accelerators, colour sets from the visual style, its action
// link, and a layout that declares it.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "grid/BaseGridClasses.h"
#include "grid/TExtGridButton.h"
#include "grid/TPopupButton.h"
#include "platform/gdi/testing/RecordingThemeService.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/LayoutHandlers.h"
#include "platform/ui/LayoutReader.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/TSpeedButton.h"
#include "platform/ui/tests/StdControlsFixture.h"
#include "platform/win/InputInjection.h"
#include "platform/win/Messages.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowPos.h"

namespace zorbit {
namespace {

using plat::TButtonState;
using plat::TPoint;

class ExtGridButtonTest : public plat::testing::StdControlsTest {
 protected:
  TExtGridButton* MakeButton(const char* Name, int Left = 10) {
    auto* button = Make<TExtGridButton>({Left, 10, Left + 40, 32});
    button->SetName(Name);
    button->OnClick = [this, Name](plat::TObject*) { FLog.push_back(std::string("click ") + Name); };
    button->OnDblClick = [this, Name](plat::TObject*) { FLog.push_back(std::string("double ") + Name); };
    button->OnDropDown = [this, Name](plat::TObject*) { FLog.push_back(std::string("drop-down ") + Name); };
    button->OnMouseEnter = [this, Name](plat::TObject*) { FLog.push_back(std::string("enter ") + Name); };
    button->OnMouseLeave = [this, Name](plat::TObject*) { FLog.push_back(std::string("leave ") + Name); };
    return button;
  }
  // Each press comes a second after the last, so that none is taken for a
  // double click.
  void Press(plat::TControl* Control, TPoint At = {20, 11}) {
    Clock().Advance(1000);
    plat::InjectMouseMove(OnScreen(Control, At));
    plat::InjectMouseDown(OnScreen(Control, At));
    Pump();
  }
  void MoveTo(plat::TControl* Control, TPoint At) {
    plat::InjectMouseMove(OnScreen(Control, At));
    Pump();
  }
  void Release(plat::TControl* Control, TPoint At = {20, 11}) {
    plat::InjectMouseUp(OnScreen(Control, At));
    Pump();
  }
  void Click(plat::TControl* Control, TPoint At = {20, 11}) {
    Press(Control, At);
    Release(Control, At);
  }
  // Takes the log so far.
  std::vector<std::string> Log() { return std::exchange(FLog, {}); }

  std::vector<std::string> FLog;
};

using Lines = std::vector<std::string>;

TEST_F(ExtGridButtonTest, Defaults) {
  Form()->Font()->SetName("Courier New");
  auto* button = new TExtGridButton(Form());
  button->SetParent(Form());
  EXPECT_EQ(button->Width(), 22);
  EXPECT_EQ(button->Height(), 23);
  EXPECT_EQ(button->Font()->Name(), "Courier New");  // the parent's
  EXPECT_FALSE(button->AllowAllUp());
  EXPECT_EQ(button->BorderColor(), plat::clNone);
  EXPECT_EQ(button->BorderDownColor(), plat::clNone);
  EXPECT_EQ(button->BorderHotColor(), plat::clNone);
  EXPECT_EQ(button->Color(), plat::clBtnFace);
  EXPECT_EQ(button->ColorTo(), plat::clNone);
  EXPECT_EQ(button->ColorDown(), static_cast<plat::TColor>(plat::RGB(210, 211, 216)));
  EXPECT_EQ(button->ColorHot(), static_cast<plat::TColor>(plat::RGB(199, 199, 202)));
  EXPECT_EQ(button->ColorChecked(), static_cast<plat::TColor>(0x808080));
  EXPECT_EQ(button->ColorCheckedTo(), plat::clNone);
  EXPECT_EQ(button->GroupIndex(), 0);
  EXPECT_FALSE(button->Down());
  EXPECT_FALSE(button->DropDownButton());
  EXPECT_TRUE(button->Flat());
  EXPECT_EQ(button->Layout(), plat::TButtonLayout::blGlyphLeft);
  EXPECT_EQ(button->Margin(), -1);
  EXPECT_FALSE(button->Rounded());
  EXPECT_TRUE(button->Shaded());
  EXPECT_TRUE(button->ShowCaption());
  EXPECT_EQ(button->Spacing(), 4);
  EXPECT_EQ(button->Style(), TExtGridButtonStyle::tasButton);
  button->SetMargin(-2);  // refused
  EXPECT_EQ(button->Margin(), -1);
}

TEST_F(ExtGridButtonTest, WhichDownABottonTakes) {
  TExtGridButton* button = MakeButton("b");
  button->SetDown(true);  // no group, no check: never down
  EXPECT_FALSE(button->Down());
  button->SetStyle(TExtGridButtonStyle::tasCheck);
  button->SetDown(true);
  EXPECT_TRUE(button->Down());
  button->SetDown(false);
  EXPECT_FALSE(button->Down());

  button->SetStyle(TExtGridButtonStyle::tasButton);
  button->SetGroupIndex(1);
  button->SetDown(true);
  EXPECT_TRUE(button->Down());
  EXPECT_EQ(button->State(), TButtonState::bsExclusive);
  button->SetDown(false);  // the group's down button stays without AllowAllUp
  EXPECT_TRUE(button->Down());
  button->SetAllowAllUp(true);
  button->SetDown(false);
  EXPECT_FALSE(button->Down());
}

TEST_F(ExtGridButtonTest, PressingOneButtonOfAGroupReleasesTheOther) {
  TExtGridButton* first = MakeButton("first", 10);
  TExtGridButton* second = MakeButton("second", 60);
  TExtGridButton* other = MakeButton("other", 110);
  first->SetGroupIndex(1);
  second->SetGroupIndex(1);
  other->SetGroupIndex(2);
  other->SetDown(true);
  Click(first);
  EXPECT_TRUE(first->Down());
  Click(second);
  EXPECT_TRUE(second->Down());
  EXPECT_FALSE(first->Down());
  EXPECT_EQ(first->State(), TButtonState::bsUp);
  EXPECT_TRUE(other->Down());  // another group
  Click(second);               // stays down: AllowAllUp is off
  EXPECT_TRUE(second->Down());

  // AllowAllUp goes to the whole group.
  first->SetAllowAllUp(true);
  EXPECT_TRUE(second->AllowAllUp());
  Click(second);
  EXPECT_FALSE(second->Down());
  Log();
}

TEST_F(ExtGridButtonTest, SpeedButtonsSharingTheIndexAreNotInTheGroup) {
  TExtGridButton* button = MakeButton("button", 10);
  auto* speed = Make<plat::TSpeedButton>({60, 10, 100, 32});
  button->SetGroupIndex(1);
  speed->SetGroupIndex(1);
  speed->SetDown(true);
  button->SetDown(true);
  EXPECT_TRUE(speed->Down());
  speed->SetAllowAllUp(true);
  speed->SetDown(false);
  speed->SetDown(true);
  EXPECT_TRUE(button->Down());
  EXPECT_FALSE(button->AllowAllUp());
}

TEST_F(ExtGridButtonTest, PressDragOffAndBackAndRelease) {
  TExtGridButton* button = MakeButton("b");
  Press(button);
  EXPECT_EQ(button->State(), TButtonState::bsDown);
  MoveTo(button, {60, 11});
  EXPECT_EQ(button->State(), TButtonState::bsUp);
  MoveTo(button, {10, 11});
  EXPECT_EQ(button->State(), TButtonState::bsDown);
  Release(button, {10, 11});
  EXPECT_EQ(button->State(), TButtonState::bsUp);
  // Released off the button: no click.
  Press(button);
  MoveTo(button, {60, 11});
  Release(button, {60, 11});
  EXPECT_EQ(button->State(), TButtonState::bsUp);
  EXPECT_FALSE(button->MouseInControl());  // no hot look left behind
  // The events follow the mouse also while it is held.
  EXPECT_EQ(Log(), (Lines{"enter b", "leave b", "enter b", "click b", "leave b"}));
}

TEST_F(ExtGridButtonTest, ACheckButtonTogglesWhenReleasedOverItself) {
  TExtGridButton* button = MakeButton("b");
  button->SetStyle(TExtGridButtonStyle::tasCheck);
  Click(button);
  EXPECT_TRUE(button->Down());
  // Held down while dragged off and back.
  Press(button);
  MoveTo(button, {60, 11});
  EXPECT_EQ(button->State(), TButtonState::bsDown);
  // Let go off the button: nothing is taken back but the pressed look.
  Release(button, {60, 11});
  EXPECT_TRUE(button->Down());
  Click(button);
  EXPECT_FALSE(button->Down());
  EXPECT_EQ(Log(), (Lines{"enter b", "click b", "leave b", "enter b", "click b"}));
}

TEST_F(ExtGridButtonTest, TheDropDownPartFiresOnDropDownAndPopsTheMenuUp) {
  TExtGridButton* button = MakeButton("b");
  button->SetDropDownButton(true);
  auto* menu = new plat::TPopupMenu(Form());
  auto* item = new plat::TMenuItem(menu);
  item->SetCaption("One");
  menu->Items()->Add(item);
  menu->OnPopup = [this](plat::TObject*) { FLog.push_back("menu"); };
  button->SetDropDownMenu(menu);
  // The menu window is noted and closed again as soon as it shows.
  std::vector<TPoint> shown;
  Display().SetModalHook([&shown](plat::HWND window) {
    plat::RECT r{};
    plat::GetWindowRect(window, &r);
    shown.push_back({r.Left, r.Top});
    plat::InjectKeyDown(plat::VK_ESCAPE);
    plat::InjectKeyUp(plat::VK_ESCAPE);
  });
  Click(button, {35, 11});  // within 12 pixels of the right edge
  Display().SetModalHook(nullptr);
  EXPECT_EQ(button->State(), TButtonState::bsUp);
  EXPECT_EQ(shown, std::vector<TPoint>{OnScreen(button, {0, button->Height()})});
  Click(button, {20, 11});
  EXPECT_EQ(Log(), (Lines{"enter b", "drop-down b", "menu", "click b"}));
  delete menu;
  EXPECT_EQ(button->DropDownMenu(), nullptr);
  Click(button, {35, 11});
  EXPECT_EQ(Log(), (Lines{"drop-down b"}));
}

TEST_F(ExtGridButtonTest, ADoubleClickCountsOnADownButtonOnly) {
  TExtGridButton* button = MakeButton("b");
  plat::InjectDoubleClick(OnScreen(button, {20, 11}));
  Pump();
  button->SetGroupIndex(1);
  button->SetDown(true);
  plat::InjectDoubleClick(OnScreen(button, {20, 11}));
  Pump();
  const Lines log = Log();
  EXPECT_EQ(std::count(log.begin(), log.end(), "double b"), 1) << ::testing::PrintToString(log);
}

TEST_F(ExtGridButtonTest, HoverFollowsAFlatEnabledButton) {
  TExtGridButton* button = MakeButton("b");
  MoveTo(button, {20, 11});
  EXPECT_TRUE(button->MouseInControl());
  MoveTo(button, {60, 11});
  EXPECT_FALSE(button->MouseInControl());
  // Enabling looks again where the cursor is.
  button->SetEnabled(false);
  MoveTo(button, {20, 11});
  EXPECT_FALSE(button->MouseInControl());
  button->SetEnabled(true);
  EXPECT_TRUE(button->MouseInControl());
  // A raised button has no hot look.
  MoveTo(button, {60, 11});
  button->SetFlat(false);
  MoveTo(button, {20, 11});
  EXPECT_FALSE(button->MouseInControl());
  EXPECT_EQ(Log(), (Lines{"enter b", "leave b", "enter b", "leave b", "enter b"}));
}

TEST_F(ExtGridButtonTest, TheCaptionsAcceleratorClicksIt) {
  TExtGridButton* button = MakeButton("b");
  button->SetCaption("&Find");
  Form()->Show();
  Pump();
  EXPECT_EQ(button->Perform(plat::CM_DIALOGCHAR, 'f', 0), 1);
  EXPECT_EQ(button->Perform(plat::CM_DIALOGCHAR, 'x', 0), 0);
  button->SetEnabled(false);
  EXPECT_EQ(button->Perform(plat::CM_DIALOGCHAR, 'f', 0), 0);
  EXPECT_EQ(Log(), (Lines{"click b"}));
}

TEST_F(ExtGridButtonTest, ColourSetsFromTheVisualStyle) {
  struct Case {
    const char16_t* Scheme;  // null: no visual style
    plat::TColor Color, ColorTo, ColorHot, ColorDown, ColorChecked, Border;
  };
  const Case cases[] = {
      {nullptr, plat::clBtnFace, plat::clNone, static_cast<plat::TColor>(0xEED2C1), static_cast<plat::TColor>(0xE2B598),
       static_cast<plat::TColor>(0xE8E6E1), static_cast<plat::TColor>(0xC56A31)},
      {u"Plum", plat::clBtnFace, plat::clNone, static_cast<plat::TColor>(0xEED2C1), static_cast<plat::TColor>(0xE2B598),
       static_cast<plat::TColor>(0xE8E6E1), static_cast<plat::TColor>(0xC56A31)},
      {u"NormalColor", static_cast<plat::TColor>(0xFDEADA), static_cast<plat::TColor>(0xE4AE88),
       static_cast<plat::TColor>(0xCCF4FF), static_cast<plat::TColor>(0x4E91FE), static_cast<plat::TColor>(0x8ED3FF),
       static_cast<plat::TColor>(0)},
      {u"HomeStead", static_cast<plat::TColor>(0xCFF0EA), static_cast<plat::TColor>(0x8CC0B1),
       static_cast<plat::TColor>(0xCCF4FF), static_cast<plat::TColor>(0x4E91FE), static_cast<plat::TColor>(0x8ED3FF),
       static_cast<plat::TColor>(0)},
      {u"Metallic", static_cast<plat::TColor>(0xECE2E1), static_cast<plat::TColor>(0xB39698),
       static_cast<plat::TColor>(0xCCF4FF), static_cast<plat::TColor>(0x4E91FE), static_cast<plat::TColor>(0x8ED3FF),
       static_cast<plat::TColor>(0)},
  };
  for (const Case& c : cases) {
    std::unique_ptr<plat::testing::ThemeRecorder> style;
    if (c.Scheme) style = std::make_unique<plat::testing::ThemeRecorder>(c.Scheme);
    TExtGridButton* button = MakeButton("b");
    button->SetBorderColor(plat::clRed);
    button->SetRounded(true);
    button->SetFlat(false);
    button->SetAutoThemeAdapt(true);
    EXPECT_EQ(button->Color(), c.Color);
    EXPECT_EQ(button->ColorTo(), c.ColorTo);
    EXPECT_EQ(button->ColorHot(), c.ColorHot);
    EXPECT_EQ(button->ColorDown(), c.ColorDown);
    EXPECT_EQ(button->ColorChecked(), c.ColorChecked);
    EXPECT_EQ(button->BorderHotColor(), c.Border);
    EXPECT_EQ(button->BorderDownColor(), c.Border);
    EXPECT_EQ(button->BorderColor(), plat::clNone);
    EXPECT_FALSE(button->Rounded());
    EXPECT_TRUE(button->Flat());
    delete button;
  }
}

TEST_F(ExtGridButtonTest, AStyleChangeIsFollowedOnlyWithAutoThemeAdapt) {
  TExtGridButton* button = MakeButton("b");
  plat::testing::ThemeRecorder style(u"Metallic");
  button->Perform(plat::WM_THEMECHANGED, 0, 0);
  EXPECT_EQ(button->Color(), plat::clBtnFace);
  button->SetAutoThemeAdapt(true);
  button->SetColor(plat::clRed);
  button->Perform(plat::WM_THEMECHANGED, 0, 0);
  EXPECT_EQ(button->Color(), static_cast<plat::TColor>(0xECE2E1));
  button->SetColor(plat::clRed);
  button->Perform(plat::CM_SYSFONTCHANGED, 0, 0);
  EXPECT_EQ(button->Color(), static_cast<plat::TColor>(0xECE2E1));
}

TEST_F(ExtGridButtonTest, TheActionLinkFollowsWhatStillAgrees) {
  auto* action = new plat::TAction(Form());
  action->SetCaption("Find");
  action->SetGroupIndex(3);
  action->SetChecked(true);
  TExtGridButton* button = MakeButton("b");
  button->SetAllowAllUp(true);
  button->SetAction(action);
  // Linking takes everything.
  EXPECT_EQ(button->Caption(), "Find");
  EXPECT_EQ(button->GroupIndex(), 3);
  EXPECT_TRUE(button->Down());

  // Agreeing: each follows.
  action->SetChecked(false);
  EXPECT_FALSE(button->Down());
  action->SetCaption("Search");
  EXPECT_EQ(button->Caption(), "Search");
  action->SetGroupIndex(4);
  EXPECT_EQ(button->GroupIndex(), 4);

  // The button went its own way: that part stays.
  button->SetCaption("Mine");
  action->SetCaption("Look");
  EXPECT_EQ(button->Caption(), "Mine");
  button->SetDown(true);     // the action is not checked
  action->SetHint("other");  // a change that leaves Checked alone
  EXPECT_TRUE(button->Down());
  action->SetChecked(true);  // agreeing again from here on
  action->SetChecked(false);
  EXPECT_FALSE(button->Down());
  button->SetGroupIndex(5);
  action->SetGroupIndex(6);
  EXPECT_EQ(button->GroupIndex(), 5);

  // Without AllowAllUp the checked state is not linked.
  button->SetAllowAllUp(true);
  button->SetDown(false);
  button->SetAllowAllUp(false);
  action->SetChecked(true);
  EXPECT_FALSE(button->Down());
}

TEST_F(ExtGridButtonTest, AGroupReleasingAButtonClearsItsAction) {
  auto* action = new plat::TAction(Form());
  action->SetGroupIndex(1);
  action->SetChecked(true);
  TExtGridButton* first = MakeButton("first", 10);
  first->SetAllowAllUp(true);
  first->SetAction(action);
  ASSERT_TRUE(first->Down());
  TExtGridButton* second = MakeButton("second", 60);
  second->SetGroupIndex(1);
  Click(second);
  EXPECT_FALSE(first->Down());
  EXPECT_FALSE(action->Checked());
}

TEST_F(ExtGridButtonTest, ALayoutDeclaresTheButton) {
  RegisterBaseGridClasses();
  plat::TForm form(nullptr);
  plat::TLayoutHandlers handlers;
  int dropped = 0;
  handlers.RegisterHandler("Dropped", [&dropped](plat::TObject*) { ++dropped; });
  plat::ReadLayoutText(form, R"({
    "Components": [
      {"Class": "TExtGridButton", "Name": "btnFind", "Left": 4, "Top": 4, "Width": 90, "Height": 23,
       "Caption": "Find", "Flat": false, "Style": "tasCheck", "Layout": "blGlyphTop", "Margin": 2, "Spacing": -1,
       "ColorHot": "clYellow", "BorderHotColor": "clRed", "Rounded": true, "DropDownButton": true,
       "GroupIndex": 2, "AllowAllUp": true, "ShowCaption": false, "OnDropDown": "Dropped"},
      {"Class": "TPopupButton", "Name": "popup", "Flat": true, "GradFrom": "clRed", "GradTo": "clBlue"}
    ]})",
                       "ButtonForm", handlers);
  auto* button = dynamic_cast<TExtGridButton*>(form.FindComponent("btnFind"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Caption(), "Find");
  EXPECT_FALSE(button->Flat());
  EXPECT_EQ(button->Style(), TExtGridButtonStyle::tasCheck);
  EXPECT_EQ(button->Layout(), plat::TButtonLayout::blGlyphTop);
  EXPECT_EQ(button->Margin(), 2);
  EXPECT_EQ(button->Spacing(), -1);
  EXPECT_EQ(button->ColorHot(), plat::clYellow);
  EXPECT_EQ(button->BorderHotColor(), plat::clRed);
  EXPECT_TRUE(button->Rounded());
  EXPECT_TRUE(button->DropDownButton());
  EXPECT_EQ(button->GroupIndex(), 2);
  EXPECT_TRUE(button->AllowAllUp());
  EXPECT_FALSE(button->ShowCaption());
  button->OnDropDown(button);
  EXPECT_EQ(dropped, 1);
  auto* popup = dynamic_cast<TPopupButton*>(form.FindComponent("popup"));
  ASSERT_NE(popup, nullptr);
  EXPECT_TRUE(popup->Flat());
  EXPECT_EQ(popup->GradFrom(), plat::clRed);
}

}  // namespace
}  // namespace zorbit
