// The combo box on the headless display: its items and text through the
// CB_* messages and TComboBoxStrings, its heights and drop-down geometry,
// and the selection by keys, wheel and typing with the list closed.
#include <gtest/gtest.h>

#include "platform/gdi/Bitmap.h"
#include "platform/rtl/Exception.h"
#include "platform/ui/TComboBoxStrings.h"
#include "platform/ui/tests/ComboBoxFixture.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Monitors.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"

namespace plat::testing {
namespace {

using ComboBox = ComboBoxTest;
using Events = std::vector<std::string>;

String LbText(TComboBox* Combo, int Index) {
  char text[32] = "?";
  SendMessage(Combo->Handle(), CB_GETLBTEXT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(text));
  return text;
}

LPARAM Text(const char* Value) { return reinterpret_cast<LPARAM>(Value); }

TEST_F(ComboBox, ItemsLiveInTheDropDownList) {
  TComboBox* combo = MakeCombo(TComboBoxStyle::csDropDownList, {});
  const HWND box = combo->Handle();
  TStrings* items = combo->Items();
  items->Add("b");
  items->Add("d");
  items->Insert(1, "c");
  items->Insert(0, "a");
  EXPECT_EQ(items->CommaText(), "a,b,c,d");
  EXPECT_EQ(SendMessage(box, CB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(LbText(combo, 2), "c");
  EXPECT_EQ(SendMessage(box, CB_GETLBTEXTLEN, 2, 0), 1);
  EXPECT_EQ(SendMessage(box, CB_ADDSTRING, 0, Text("ee")), 4);
  EXPECT_EQ(SendMessage(box, CB_INSERTSTRING, 1, Text("ab")), 1);
  EXPECT_EQ(SendMessage(box, CB_INSERTSTRING, static_cast<WPARAM>(-1), Text("z")), 6);  // -1: at the end
  EXPECT_EQ(items->CommaText(), "a,ab,b,c,d,ee,z");
  // Finding: from the item after the start, round to the start; without regard to case.
  EXPECT_EQ(SendMessage(box, CB_FINDSTRING, static_cast<WPARAM>(-1), Text("A")), 0);
  EXPECT_EQ(SendMessage(box, CB_FINDSTRING, 0, Text("a")), 1);
  EXPECT_EQ(SendMessage(box, CB_FINDSTRING, 1, Text("a")), 0);
  EXPECT_EQ(SendMessage(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), Text("E")), CB_ERR);
  EXPECT_EQ(SendMessage(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), Text("EE")), 5);
  EXPECT_EQ(items->IndexOf("B"), 2);
  // The selection stays on its item while others come and go.
  EXPECT_EQ(SendMessage(box, CB_SELECTSTRING, static_cast<WPARAM>(-1), Text("c")), 3);
  EXPECT_EQ(SendMessage(box, CB_GETCURSEL, 0, 0), 3);
  items->Insert(0, "0");
  EXPECT_EQ(combo->ItemIndex(), 4);
  items->Delete(1);
  EXPECT_EQ(combo->ItemIndex(), 3);
  EXPECT_EQ(combo->Text(), "c");
  items->Delete(3);
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(combo->Text(), "");
  // Data, objects, replacing an item.
  TStringList owner;
  items->SetObjects(1, &owner);
  EXPECT_EQ(SendMessage(box, CB_GETITEMDATA, 1, 0), reinterpret_cast<LRESULT>(&owner));
  combo->SetItemIndex(1);
  items->SetStrings(1, "AB");
  EXPECT_EQ(items->Objects(1), &owner);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(SendMessage(box, CB_SETITEMDATA, 9, 5), CB_ERR);
  // Refusals.
  EXPECT_EQ(SendMessage(box, CB_GETLBTEXTLEN, 99, 0), CB_ERR);
  EXPECT_EQ(SendMessage(box, CB_INSERTSTRING, 99, Text("x")), CB_ERR);
  EXPECT_EQ(SendMessage(box, CB_DELETESTRING, 99, 0), CB_ERR);
  EXPECT_EQ(SendMessage(box, CB_SETCURSEL, 99, 0), CB_ERR);
  EXPECT_EQ(SendMessage(box, CB_SELECTSTRING, static_cast<WPARAM>(-1), Text("nothing")), CB_ERR);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_THROW(items->Strings(9), EListError);
  EXPECT_THROW(items->Insert(9, "x"), EListError);
  EXPECT_THROW(items->Delete(-1), EListError);
  EXPECT_THROW(items->Objects(9), EListError);
  // Sorting puts what is there in order and keeps new items in it.
  combo->SetSorted(true);
  EXPECT_EQ(items->CommaText(), "0,AB,b,d,ee,z");
  EXPECT_EQ(combo->Text(), "AB");
  items->Add("c");
  EXPECT_EQ(items->CommaText(), "0,AB,b,c,d,ee,z");
  EXPECT_EQ(SendMessage(box, CB_RESETCONTENT, 0, 0), 0);
  EXPECT_EQ(items->Count(), 0);
  EXPECT_EQ(combo->ItemIndex(), -1);
  // None of it was the user's doing.
  EXPECT_TRUE(Heard().empty());
}

TEST_F(ComboBox, TextOfEachStyle) {
  TComboBox* edit = MakeCombo(TComboBoxStyle::csDropDown, {"one", "two"});
  edit->SetText("free text");
  EXPECT_EQ(edit->Text(), "free text");
  EXPECT_EQ(edit->ItemIndex(), -1);
  edit->SetItemIndex(1);
  EXPECT_EQ(edit->Text(), "two");
  edit->SetMaxLength(3);
  EXPECT_EQ(SendMessage(edit->Handle(), CB_LIMITTEXT, 4, 0), TRUE);
  EXPECT_EQ(edit->MaxLength(), 4);
  Type("{END}abcdef");
  EXPECT_EQ(edit->Text(), "twoa");
  EXPECT_EQ(SendMessage(edit->Handle(), CB_SETEDITSEL, 0, MAKELPARAM(1, 3)), TRUE);
  Type("X");
  EXPECT_EQ(edit->Text(), "tXa");
  // Clearing the items leaves the text.
  edit->Items()->Clear();
  EXPECT_EQ(edit->Text(), "tXa");
  Heard();

  TComboBox* list = MakeCombo(TComboBoxStyle::csDropDownList, {"one", "two"});
  list->SetText("TWO");  // the item it names, whatever the case
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(list->Text(), "two");
  EXPECT_EQ(SendMessage(list->Handle(), WM_SETTEXT, 0, Text("three")), CB_ERR);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(SendMessage(list->Handle(), CB_LIMITTEXT, 4, 0), CB_ERR);
  EXPECT_EQ(SendMessage(list->Handle(), CB_SETEDITSEL, 0, 0), CB_ERR);
  EXPECT_TRUE(Heard().empty());
}

TEST_F(ComboBox, HeightsFollowTheSelectionField) {
  TComboBox* combo = MakeCombo(TComboBoxStyle::csDropDownList, {"one", "two", "three"});
  const int field = static_cast<int>(SendMessage(combo->Handle(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  // The field, a pixel above and below, the sunken edge.
  EXPECT_EQ(combo->Height(), field + 2 + 4);
  combo->SetHeight(60);
  EXPECT_EQ(combo->Height(), field + 6);
  EXPECT_EQ(SendMessage(combo->Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 24), CB_OKAY);
  EXPECT_EQ(combo->Height(), 30);
  EXPECT_EQ(SendMessage(combo->Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 0), CB_ERR);
  EXPECT_EQ(SendMessage(combo->Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 256), CB_ERR);
  // A flat edge is one pixel; the box is as high.
  combo->SetCtl3D(false);
  Pump();
  EXPECT_EQ(combo->Height(), 30);
  EXPECT_TRUE(GetWindowLong(combo->Handle(), GWL_STYLE) & WS_BORDER);
  EXPECT_FALSE(GetWindowLong(combo->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  // Owner-drawn items are ItemHeight high, and so is the field until set.
  TComboBox* drawn = MakeCombo(TComboBoxStyle::csOwnerDrawFixed, {"a"});
  drawn->SetItemHeight(20);
  EXPECT_EQ(drawn->Height(), 26);
  EXPECT_EQ(SendMessage(drawn->Handle(), CB_GETITEMHEIGHT, 0, 0), 20);
}

TEST_F(ComboBox, TheDropDownIsAtLeastAsWideAsTheBoxAndDropDownCountHigh) {
  TComboBox* combo = MakeCombo(TComboBoxStyle::csOwnerDrawFixed, {});
  combo->SetItemHeight(15);
  for (int i = 0; i < 20; ++i) combo->Items()->Add("Item " + std::to_string(i));
  combo->SetDropDownCount(5);
  RECT box, dropped;
  GetWindowRect(combo->Handle(), &box);
  SendMessage(combo->Handle(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  EXPECT_EQ(TRect(dropped), (TRect{box.Left, box.Bottom, box.Right, box.Bottom + 5 * 15 + 2}));
  EXPECT_EQ(SendMessage(combo->Handle(), CB_GETDROPPEDWIDTH, 0, 0), 150);
  EXPECT_EQ(SendMessage(combo->Handle(), CB_SETDROPPEDWIDTH, 220, 0), 220);
  EXPECT_EQ(SendMessage(combo->Handle(), CB_SETDROPPEDWIDTH, 100, 0), 150);  // never narrower than the box
  EXPECT_EQ(SendMessage(combo->Handle(), CB_SETDROPPEDWIDTH, static_cast<WPARAM>(-5), 0), CB_ERR);
  SendMessage(combo->Handle(), CB_SETDROPPEDWIDTH, 220, 0);
  combo->SetDroppedDown(true);
  Pump();
  RECT shown;
  GetWindowRect(DropDownWindow(), &shown);
  EXPECT_EQ(TRect(shown), (TRect{box.Left, box.Bottom, box.Left + 220, box.Bottom + 77}));
  combo->SetDroppedDown(false);
  // Near the bottom of the work area it goes above the box.
  MONITORINFO info;
  GetMonitorInfoA(MonitorFromWindow(Form()->Handle(), MONITOR_DEFAULTTONEAREST), &info);
  Form()->SetTop(info.rcWork.Bottom - 60);
  Pump();
  GetWindowRect(combo->Handle(), &box);
  SendMessage(combo->Handle(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  EXPECT_EQ(dropped.Bottom, box.Top);
}

TEST_F(ComboBox, KeysAndTheWheelChangeTheSelectionOfAClosedList) {
  TComboBox* combo = MakeCombo(TComboBoxStyle::csDropDownList, {"one", "two", "three", "four"});
  Type("{DOWN}");
  EXPECT_EQ(combo->ItemIndex(), 0);
  Type("{DOWN}{RIGHT}{UP}{END}{END}{HOME}");
  EXPECT_EQ(combo->ItemIndex(), 0);
  const Events once{"CBN_SELCHANGE", "OnClick", "OnChange"};
  Events expected;
  for (int i = 0; i < 6; ++i) expected.insert(expected.end(), once.begin(), once.end());
  // The second End moved nothing: nothing told.
  EXPECT_EQ(Heard(), expected);
  // OnSelect, when assigned, comes in OnChange's place.
  combo->OnSelect = [this](TObject*) { Note("OnSelect"); };
  InjectWheel(OnScreen(combo, {5, 5}), -2 * WHEEL_DELTA);
  Pump();
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(Heard(), (Events{"CBN_SELCHANGE", "OnClick", "OnSelect"}));
  InjectWheel(OnScreen(combo, {5, 5}), 5 * WHEEL_DELTA);
  Pump();
  EXPECT_EQ(combo->ItemIndex(), 0);
}

TEST_F(ComboBox, UpAndDownInTheEditPartChooseItemsAndTheRestEdits) {
  TComboBox* combo = MakeCombo(TComboBoxStyle::csDropDown, {"one", "two"});
  Type("{DOWN}{DOWN}");
  EXPECT_EQ(combo->Text(), "two");
  Heard();
  // Left, Home and End are the edit's.
  Type("{HOME}{DEL}{RIGHT}X");
  EXPECT_EQ(combo->Text(), "wXo");
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(Heard(),
            (Events{"CBN_EDITUPDATE", "CBN_EDITCHANGE", "OnChange", "CBN_EDITUPDATE", "CBN_EDITCHANGE", "OnChange"}));
}

TEST_F(ComboBox, TypedLettersSelectTheFirstItemBeginningWithThem) {
  TComboBox* combo = MakeCombo(TComboBoxStyle::csDropDownList, {"alpha", "beta", "bell", "bingo", "gamma"});
  Type("b");
  EXPECT_EQ(combo->Text(), "beta");
  Type("el");
  EXPECT_EQ(combo->Text(), "bell");
  // After a pause the letters begin again; a letter no prefix takes goes on
  // from the current item.
  Clock().Advance(1500);
  Type("b");
  EXPECT_EQ(combo->Text(), "beta");
  Type("b");
  EXPECT_EQ(combo->Text(), "bell");
  Clock().Advance(1500);
  Type("x");
  EXPECT_EQ(combo->Text(), "bell");
}

}  // namespace
}  // namespace plat::testing
