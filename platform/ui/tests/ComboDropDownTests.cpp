// The combo box's drop-down on the headless display: dropped and closed by
// keys and mouse, taking or not, the highlight by keys, pointer, wheel and
// typing, its scroll bar, the focus and what the parent and the events hear
// of it all, in order.
#include <gtest/gtest.h>

#include <functional>

#include "platform/gdi/Colors.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/ui/tests/ComboBoxFixture.h"
#include "platform/win/Focus.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Mouse.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowPos.h"
#include "platform/win/Windows.h"

namespace plat::testing {
namespace {

using ComboDropDown = ComboBoxTest;
using Events = std::vector<std::string>;

const std::vector<std::string> kGreek{"alpha", "beta", "gamma", "delta", "epsilon"};

TEST_F(ComboDropDown, F4DropsTheListWhichHoldsTheCaptureWithoutTheActivation) {
  TComboBox* combo = MakeCombo(TComboBoxStyle::csDropDownList, kGreek);
  combo->SetItemIndex(0);
  Type("{F4}");
  EXPECT_EQ(Heard(), (Events{"CBN_DROPDOWN", "OnDropDown"}));
  EXPECT_TRUE(combo->DroppedDown());
  const HWND list = DropDownWindow();
  ASSERT_NE(list, nullptr);
  EXPECT_NE(list, combo->Handle());
  EXPECT_TRUE(IsWindowVisible(list));
  EXPECT_EQ(GetActiveWindow(), Form()->Handle());
  EXPECT_TRUE(combo->Focused());
  EXPECT_EQ(Form()->ActiveControl(), combo);
  // The keys move the highlight only.
  Type("{DOWN}{DOWN}");
  EXPECT_EQ(combo->ItemIndex(), 0);
  EXPECT_TRUE(Heard().empty());
  Type("{ENTER}");
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Heard(), (Events{"CBN_SELENDOK", "CBN_CLOSEUP", "OnCloseUp", "CBN_SELCHANGE", "OnClick", "OnChange"}));
  // Alt+Down and Alt+Up drop and take as well; the same item again tells no change.
  Type("{A-DOWN}{A-UP}");
  EXPECT_EQ(Heard(), (Events{"CBN_DROPDOWN", "OnDropDown", "CBN_SELENDOK", "CBN_CLOSEUP", "OnCloseUp"}));
}

TEST_F(ComboDropDown, WaysOfClosingWithoutTaking) {
  TComboBox* combo = MakeCombo(TComboBoxStyle::csDropDownList, kGreek);
  auto* other = Make<TEdit>(Bounds(10, 200, 100, 21));
  bool otherClicked = false;
  other->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { otherClicked = true; };
  combo->SetItemIndex(1);
  Pump();
  struct Way {
    const char* Name;
    std::function<void()> Close;
  };
  const Way ways[] = {
      {"Escape", [this] { Type("{ESC}"); }},
      {"a press elsewhere",
       [&] {
         InjectClick(OnScreen(other, {5, 5}));
         Pump();
       }},
      {"the focus leaving",
       [&] {
         other->SetFocus();
         Pump();
       }},
      {"CB_SHOWDROPDOWN", [&] { combo->SetDroppedDown(false); }},
  };
  for (const Way& way : ways) {
    combo->SetFocus();
    Type("{F4}{DOWN}");
    ASSERT_TRUE(combo->DroppedDown()) << way.Name;
    Heard();
    way.Close();
    EXPECT_FALSE(combo->DroppedDown()) << way.Name;
    EXPECT_EQ(GetCapture(), nullptr) << way.Name;
    EXPECT_EQ(combo->ItemIndex(), 1) << way.Name;
    const Events heard = Heard();
    const Events closing{"CBN_SELENDCANCEL", "CBN_CLOSEUP", "OnCloseUp"};
    ASSERT_GE(heard.size(), closing.size()) << way.Name;
    EXPECT_EQ(Events(heard.begin(), heard.begin() + 3), closing) << way.Name;
    Clock().Advance(1000);
  }
  // The press that closed the list went no further.
  EXPECT_FALSE(otherClicked);
}

TEST_F(ComboDropDown, ThePointerHighlightsAndAReleaseOnAnItemTakesIt) {
  TComboBox* combo = MakeCombo(TComboBoxStyle::csDropDownList, kGreek);
  InjectClick(OnScreen(combo, {10, 5}));  // anywhere on a list style
  Pump();
  ASSERT_TRUE(combo->DroppedDown());
  EXPECT_EQ(Heard(), (Events{"CBN_DROPDOWN", "OnDropDown"}));
  InjectMouseMove(ListItemOnScreen(combo, 3));
  Pump();
  EXPECT_EQ(ListPixelAt({5, 3 * combo->ItemHeight() + 1}), ColorToColorRef(clHighlight));
  EXPECT_EQ(combo->ItemIndex(), -1);
  Clock().Advance(1000);
  InjectClick(ListItemOnScreen(combo, 3));
  Pump();
  EXPECT_EQ(combo->Text(), "delta");
  EXPECT_EQ(Heard(), (Events{"CBN_SELENDOK", "CBN_CLOSEUP", "OnCloseUp", "CBN_SELCHANGE", "OnClick", "OnChange"}));
  // Pressed on the box, dragged into the list, released on an item.
  Clock().Advance(1000);
  bool boxReleased = false;
  combo->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { boxReleased = true; };
  InjectMouseDown(OnScreen(combo, {10, 5}));
  Pump();
  InjectMouseUp(OnScreen(combo, {12, 6}));  // not yet: the release on the box keeps it open
  Pump();
  EXPECT_TRUE(combo->DroppedDown());
  EXPECT_TRUE(boxReleased);
  Clock().Advance(1000);
  InjectMouseDown(ListItemOnScreen(combo, 0));
  InjectMouseMove(ListItemOnScreen(combo, 1));
  InjectMouseUp(ListItemOnScreen(combo, 1));
  Pump();
  EXPECT_EQ(combo->Text(), "beta");
}

TEST_F(ComboDropDown, AnEditableBoxDropsFromItsButtonOnly) {
  TComboBox* combo = MakeCombo(TComboBoxStyle::csDropDown, kGreek);
  InjectClick(OnScreen(combo, {10, 5}));
  Pump();
  EXPECT_FALSE(combo->DroppedDown());
  Clock().Advance(1000);
  InjectClick(ButtonOnScreen(combo));
  Pump();
  EXPECT_TRUE(combo->DroppedDown());
  // Typing moves the highlight to the first item beginning with the text.
  Type("{HOME}{S-END}de");
  EXPECT_EQ(ListPixelAt({5, 3 * combo->ItemHeight() + 1}), ColorToColorRef(clHighlight));
  Heard();
  Type("{ENTER}");
  EXPECT_EQ(combo->Text(), "delta");
  EXPECT_EQ(combo->ItemIndex(), 3);
  EXPECT_EQ(Heard(), (Events{"CBN_SELENDOK", "CBN_CLOSEUP", "OnCloseUp", "CBN_SELCHANGE", "OnClick", "OnChange"}));
}

TEST_F(ComboDropDown, TheWheelAndTheScrollBarScrollTheShownList) {
  TComboBox* combo = MakeCombo(TComboBoxStyle::csDropDownList, {});
  for (int i = 0; i < 20; ++i) combo->Items()->Add("Item " + std::to_string(i));
  combo->SetDropDownCount(5);
  Type("{F4}");
  const HWND list = DropDownWindow();
  ASSERT_NE(list, nullptr);
  const auto topIndex = [list] { return SendMessage(list, LB_GETTOPINDEX, 0, 0); };
  InjectWheel(OnScreen(combo, {5, 5}), -WHEEL_DELTA);
  Pump();
  EXPECT_EQ(topIndex(), 3);
  EXPECT_EQ(combo->ItemIndex(), -1);
  // The scroll bar's lower arrow, at the bottom of the bar.
  RECT bounds;
  GetWindowRect(list, &bounds);
  InjectClick({bounds.Right - 4, bounds.Bottom - 4});
  Pump();
  EXPECT_EQ(topIndex(), 4);
  EXPECT_TRUE(combo->DroppedDown());
  EXPECT_EQ(GetCapture(), list);
}

TEST_F(ComboDropDown, TheFocusComesAndGoesOnceForTheBoxAndItsEdit) {
  auto* before = Make<TEdit>(Bounds(10, 200, 100, 21));
  TComboBox* combo = MakeCombo(TComboBoxStyle::csDropDown, kGreek);
  combo->SetText("text");
  before->SetFocus();
  Pump();
  Heard();
  int entered = 0;
  int exited = 0;
  combo->OnEnter = [&](TObject*) { ++entered; };
  combo->OnExit = [&](TObject*) { ++exited; };
  combo->SetFocus();
  Pump();
  EXPECT_EQ(Heard(), (Events{"CBN_SETFOCUS"}));
  EXPECT_TRUE(combo->Focused());
  EXPECT_NE(GetFocus(), combo->Handle());  // its edit part has it
  EXPECT_EQ(Form()->ActiveControl(), combo);
  EXPECT_EQ(entered, 1);
  // Entering selects the text: typing replaces it.
  Type("new");
  EXPECT_EQ(combo->Text(), "new");
  Heard();
  before->SetFocus();
  Pump();
  EXPECT_EQ(Heard(), (Events{"CBN_KILLFOCUS"}));
  EXPECT_EQ(exited, 1);
  // A click into the edit part brings the focus back the same way.
  InjectClick(OnScreen(combo, {10, 5}));
  Pump();
  EXPECT_EQ(Heard(), (Events{"CBN_SETFOCUS"}));
  EXPECT_EQ(Form()->ActiveControl(), combo);
}

TEST_F(ComboDropDown, TheListGoesWhenTheBoxIsHiddenRemadeOrFreed) {
  TComboBox* combo = MakeCombo(TComboBoxStyle::csDropDownList, kGreek);
  Type("{F4}");
  ASSERT_TRUE(combo->DroppedDown());
  combo->SetVisible(false);
  Pump();
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(GetCapture(), nullptr);
  combo->SetVisible(true);
  combo->SetFocus();
  Type("{F4}");
  ASSERT_TRUE(combo->DroppedDown());
  // A new style makes a new window: the focus leaves the old one, which
  // closes the list, and the list comes again.
  Heard();
  combo->SetStyle(TComboBoxStyle::csOwnerDrawFixed);
  Pump();
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(Heard(), (Events{"CBN_SELENDCANCEL", "CBN_CLOSEUP", "OnCloseUp", "CBN_KILLFOCUS", "CBN_SETFOCUS"}));
  combo->SetFocus();
  Type("{F4}{DOWN}{ENTER}");
  EXPECT_EQ(combo->ItemIndex(), 0);
  Type("{F4}");
  ASSERT_TRUE(combo->DroppedDown());
  delete combo;
  Pump();
  EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
}  // namespace plat::testing
