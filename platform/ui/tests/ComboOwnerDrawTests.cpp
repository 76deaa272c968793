// The combo box's owner-draw styles and its looks: items and the selection
// field drawn for the box (ODT_COMBOBOX records, OnDrawItem on the box's
// canvas), variable heights from OnMeasureItem, and the edge, field and
// button as pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "platform/gdi/Colors.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/tests/ComboBoxFixture.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/WindowPos.h"
#include "platform/win/Windows.h"

namespace plat::testing {
namespace {

class ComboOwnerDraw : public ComboBoxTest {
 protected:
  // The box's left end, its frame included, as characters: 'k' the edge's
  // dark shadow, 's' its shadow, 'l' its light, 'w' white (the window and
  // the edge's highlight), '#' the flat border, 'h' the highlight, 'f' the
  // focus mark's dots on it, '?' the rest.
  std::vector<std::string> LeftEnd(TComboBox* Combo, int Frame) {
    const std::map<COLORREF, char> names{
        {ColorToColorRef(clBtnShadow), 's'},   {ColorToColorRef(cl3DDkShadow), 'k'},
        {ColorToColorRef(cl3DLight), 'l'},     {ColorToColorRef(clWindow), 'w'},
        {ColorToColorRef(clHighlight), 'h'},   {ColorToColorRef(clHighlight) ^ 0xFFFFFF, 'f'},
        {ColorToColorRef(clWindowFrame), '#'},
    };
    std::vector<std::string> rows;
    for (int y = -Frame; y < Combo->ClientHeight() + Frame; ++y) {
      std::string row;
      for (int x = -Frame; x < 4; ++x) {
        const auto found = names.find(PixelAt(Combo, {x, y}));
        row += found == names.end() ? '?' : found->second;
      }
      rows.push_back(row);
    }
    return rows;
  }
};

// An item's colour: blue, green, red... by index.
TColor ItemColor(int Index) {
  static const TColor colors[] = {clBlue, clLime, clRed, clYellow, clFuchsia};
  return colors[Index % 5];
}

TEST_F(ComboOwnerDraw, ItemsAndTheFieldAreDrawnForTheBox) {
  TComboBox* combo = MakeCombo(TComboBoxStyle::csOwnerDrawFixed, {"a", "b", "c"});
  combo->SetItemHeight(18);
  combo->SetItemIndex(1);
  std::vector<std::string> drawn;
  combo->OnDrawItem = [&](TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State) {
    EXPECT_EQ(Control, combo);
    std::string entry = std::to_string(Index) + " h" + std::to_string(Rect.Height());
    if (State.Contains(TOwnerDrawStateItem::odComboBoxEdit)) entry += " field";
    if (State.Contains(TOwnerDrawStateItem::odSelected)) entry += " selected";
    if (State.Contains(TOwnerDrawStateItem::odFocused)) entry += " focused";
    drawn.push_back(entry);
    combo->Canvas()->Brush()->SetColor(ItemColor(Index));
    combo->Canvas()->FillRect(Rect);
  };
  // The records reach the box as the platform fills them.
  std::vector<DRAWITEMSTRUCT> records;
  const TWndMethod boxProc = combo->WindowProc;
  combo->WindowProc = [&](TMessage& Message) {
    if (Message.Msg == CN_DRAWITEM) records.push_back(*reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam));
    boxProc(Message);
  };
  combo->Invalidate();
  Pump();
  // The field: the selected item, marked while the box has the focus; the
  // field's height is the box's less its frame and a pixel above and below.
  EXPECT_EQ(drawn, (std::vector<std::string>{"1 h18 field selected focused"}));
  EXPECT_EQ(PixelAt(combo, {10, combo->ClientHeight() / 2}), ColorToColorRef(ItemColor(1)));
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].CtlType, ODT_COMBOBOX);
  EXPECT_EQ(records[0].hwndItem, combo->Handle());
  EXPECT_EQ(records[0].itemState & ODS_COMBOBOXEDIT, ODS_COMBOBOXEDIT);
  drawn.clear();
  records.clear();
  Type("{F4}");
  // The list's items, the highlighted one selected, none focused; and the
  // field again, no longer marked.
  std::sort(drawn.begin(), drawn.end());
  EXPECT_EQ(drawn, (std::vector<std::string>{"0 h18", "1 h18 field", "1 h18 selected", "2 h18"}));
  EXPECT_EQ(ListPixelAt({5, 2 * 18 + 9}), ColorToColorRef(ItemColor(2)));
  for (const DRAWITEMSTRUCT& record : records) {
    EXPECT_EQ(record.CtlType, ODT_COMBOBOX);
    EXPECT_EQ(record.hwndItem, combo->Handle());
  }
  combo->WindowProc = boxProc;
}

TEST_F(ComboOwnerDraw, VariableHeightsComeFromOnMeasureItem) {
  TComboBox* combo = MakeCombo(TComboBoxStyle::csOwnerDrawVariable, {});
  std::vector<int> asked;
  combo->OnMeasureItem = [&](TWinControl* Control, int Index, int& Height) {
    EXPECT_EQ(Control, combo);
    asked.push_back(Index);
    Height = 10 + 5 * Index;
  };
  for (const char* item : {"a", "b", "c"}) combo->Items()->Add(item);
  EXPECT_EQ(asked, (std::vector<int>{0, 1, 2}));
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(SendMessage(combo->Handle(), CB_GETITEMHEIGHT, static_cast<WPARAM>(i), 0), 10 + 5 * i);
  // An item's own height, and the list as high as its items.
  EXPECT_EQ(SendMessage(combo->Handle(), CB_SETITEMHEIGHT, 1, 30), CB_OKAY);
  RECT dropped;
  SendMessage(combo->Handle(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  EXPECT_EQ(dropped.Bottom - dropped.Top, 10 + 30 + 20 + 2);
  Type("{F4}");
  RECT second;
  SendMessage(DropDownWindow(), LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&second));
  EXPECT_EQ(second.Top, 40);
  EXPECT_EQ(second.Bottom, 60);
}

TEST_F(ComboOwnerDraw, TheFocusedFieldIsMarkedWithinASunkenOrFlatEdge) {
  TComboBox* combo = MakeCombo(TComboBoxStyle::csDropDownList, {"one"});
  combo->SetItemIndex(0);
  combo->SetItemHeight(16);
  SendMessage(combo->Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 8);
  Pump();
  // Sunken: shadow and dark shadow outside, light and white below; the
  // field a pixel in, marked, with the focus mark's dots.
  // clang-format off
  EXPECT_EQ(LeftEnd(combo, 2), (std::vector<std::string>{
                                   "ssssss",
                                   "skkkkk",
                                   "skwwww",
                                   "skwfhf",
                                   "skwhhh",
                                   "skwfhh",
                                   "skwhhh",
                                   "skwfhh",
                                   "skwhhh",
                                   "skwfhh",
                                   "skwhfh",
                                   "skwwww",
                                   "slllll",
                                   "wwwwww",
                               }));
  // clang-format on
  combo->SetCtl3D(false);
  Pump();
  // Flat: one line of the window frame's colour, the field a pixel further in.
  // clang-format off
  EXPECT_EQ(LeftEnd(combo, 1), (std::vector<std::string>{
                                   "#####",
                                   "#wwww",
                                   "#wwww",
                                   "#whfh",
                                   "#wfhh",
                                   "#whhh",
                                   "#wfhh",
                                   "#whhh",
                                   "#wfhh",
                                   "#whhh",
                                   "#wfhf",
                                   "#wwww",
                                   "#wwww",
                                   "#####",
                               }));
  // clang-format on
}

}  // namespace
}  // namespace plat::testing
