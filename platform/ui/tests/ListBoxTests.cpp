// The list box on the headless display: items through the LB_* messages,
// ItemAtPos, its scroll bar's state and scrolling by bar, wheel and keys,
// owner drawing and measuring, selection by mouse and keys, and an item
// dragged to another place with the class library's drag and drop.
#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/Colors.h"
#include "platform/gdi/TCanvas.h"
#include "platform/rtl/Exception.h"
#include "platform/ui/TCustomListBox.h"
#include "platform/ui/tests/StdControlsFixture.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/StandardControlMessages.h"
#include "platform/win/VirtualKeys.h"

namespace plat::testing {
namespace {

class ListBox : public StdControlsTest {
 protected:
  // A list of Count items "Item 0"... with 20-pixel owner-drawn items in a
  // client area 200 high (border excluded), so that 10 items show.
  TListBox* MakeList(int Count, TListBoxStyle Style = TListBoxStyle::lbOwnerDrawFixed) {
    TListBox* list = Make<TListBox>(Bounds(10, 10, 150, 204));
    list->SetStyle(Style);
    list->SetItemHeight(20);
    for (int i = 0; i < Count; ++i) list->Items()->Add("Item " + std::to_string(i));
    Pump();
    return list;
  }
  // The middle of an item's rectangle, on the screen.
  TPoint ItemOnScreen(TListBox* List, int Index) {
    const TRect r = List->ItemRect(Index);
    return OnScreen(List, {r.Left + r.Width() / 2, r.Top + r.Height() / 2});
  }
  static SCROLLINFO BarOf(TListBox* List) {
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScrollInfo(List->Handle(), SB_VERT, &info);
    return info;
  }
  static bool BarShown(TListBox* List) {
    SCROLLBARINFO bar;
    GetScrollBarInfo(List->Handle(), OBJID_VSCROLL, &bar);
    return !(bar.rgstate[0] & STATE_SYSTEM_INVISIBLE);
  }
};

TEST_F(ListBox, ItemsLiveInTheListWindow) {
  TListBox* list = MakeList(0);
  TStrings* items = list->Items();
  items->Add("b");
  items->Add("d");
  items->Insert(1, "c");
  items->Insert(0, "a");
  EXPECT_EQ(items->CommaText(), "a,b,c,d");
  EXPECT_EQ(SendMessage(list->Handle(), LB_GETCOUNT, 0, 0), 4);
  char text[8];
  SendMessage(list->Handle(), LB_GETTEXT, 2, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "c");
  SendMessage(list->Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("e"));
  EXPECT_EQ(items->Strings(4), "e");
  TStringList owner;
  items->SetObjects(1, &owner);
  items->SetStrings(1, "B");
  EXPECT_EQ(items->Objects(1), &owner);
  items->Delete(0);
  EXPECT_EQ(items->CommaText(), "B,c,d,e");
  EXPECT_THROW(items->Strings(4), EListError);
  EXPECT_THROW(items->Insert(9, "x"), EListError);
  EXPECT_THROW(items->Delete(-1), EListError);
  EXPECT_THROW(items->Objects(7), EListError);
  EXPECT_EQ(SendMessage(list->Handle(), LB_GETTEXTLEN, 99, 0), LB_ERR);
  EXPECT_EQ(SendMessage(list->Handle(), LB_INSERTSTRING, 99, reinterpret_cast<LPARAM>("x")), LB_ERR);
  // Sorting puts what is there in order and keeps new items in it.
  list->SetSorted(true);
  items->Add("a");
  EXPECT_EQ(items->CommaText(), "a,B,c,d,e");
}

TEST_F(ListBox, ItemAtPos) {
  TListBox* list = MakeList(5);
  struct Case {
    TPoint At;
    bool Existing;
    int Index;
  };
  const Case cases[] = {
      {{5, 0}, true, 0},    {{5, 19}, true, 0},   {{5, 20}, true, 1},   {{140, 99}, true, 4}, {{5, 100}, true, -1},
      {{5, 100}, false, 5}, {{5, 199}, false, 5}, {{5, -1}, false, -1}, {{-1, 5}, true, -1},  {{5, 200}, false, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(list->ItemAtPos(c.At, c.Existing), c.Index) << c.At.X << "," << c.At.Y << " " << c.Existing;
  }
  list->SetTopIndex(2);  // not possible: all items fit
  EXPECT_EQ(list->TopIndex(), 0);
  for (int i = 0; i < 20; ++i) list->Items()->Add("more");
  list->SetTopIndex(3);
  EXPECT_EQ(list->ItemAtPos({5, 25}, true), 4);
  EXPECT_EQ(list->ItemRect(3), (TRect{0, 0, list->ClientWidth(), 20}));
  EXPECT_EQ(list->ItemRect(2).Top, -20);
  EXPECT_EQ(list->ItemRect(25), TRect{});
}

TEST_F(ListBox, BorderWidthLeavesAMarginAroundTheItems) {
  TListBox* list = MakeList(20);
  list->SetColor(clYellow);
  list->SetBorderWidth(4);
  Pump();
  EXPECT_EQ(list->ItemRect(0), (TRect{4, 4, list->ClientWidth() - 4, 24}));
  EXPECT_EQ(list->ItemAtPos({10, 2}, true), -1);
  EXPECT_EQ(list->ItemAtPos({10, 5}, true), 0);
  EXPECT_EQ(BarOf(list).nPage, 9u);  // 192 pixels hold nine whole items
  EXPECT_EQ(PixelAt(list, {1, 1}), ColorToColorRef(clYellow));
}

TEST_F(ListBox, ScrollBarFollowsTheItems) {
  TListBox* list = MakeList(10);
  EXPECT_FALSE(BarShown(list));
  const int wide = list->ClientWidth();
  list->Items()->Add("one too many");
  Pump();
  ASSERT_TRUE(BarShown(list));
  EXPECT_EQ(list->ClientWidth(), wide - 16);
  SCROLLINFO bar = BarOf(list);
  EXPECT_EQ(bar.nMin, 0);
  EXPECT_EQ(bar.nMax, 10);
  EXPECT_EQ(bar.nPage, 10u);
  EXPECT_EQ(bar.nPos, 0);
  for (int i = 0; i < 19; ++i) list->Items()->Add("more");
  list->SetTopIndex(7);
  bar = BarOf(list);
  EXPECT_EQ(bar.nMax, 29);
  EXPECT_EQ(bar.nPos, 7);
  // The last page starts at item 20.
  list->SetTopIndex(25);
  EXPECT_EQ(list->TopIndex(), 20);
  EXPECT_EQ(BarOf(list).nPos, 20);
  list->Items()->Clear();
  Pump();
  EXPECT_FALSE(BarShown(list));
  EXPECT_EQ(list->TopIndex(), 0);
}

TEST_F(ListBox, ScrollingByBarWheelAndKeys) {
  TListBox* list = MakeList(30);
  list->SetFocus();
  SCROLLBARINFO bar;
  GetScrollBarInfo(list->Handle(), OBJID_VSCROLL, &bar);
  const TRect r = bar.rcScrollBar;
  const int x = (r.Left + r.Right) / 2;
  InjectClick({x, r.Bottom - 5});  // the down arrow
  Pump();
  EXPECT_EQ(list->TopIndex(), 1);
  Clock().Advance(1000);
  InjectClick({x, r.Bottom - 20});  // the track below the thumb: a page
  Pump();
  EXPECT_EQ(list->TopIndex(), 10);
  // Dragging the thumb to the end of the track.
  GetScrollBarInfo(list->Handle(), OBJID_VSCROLL, &bar);
  Clock().Advance(1000);
  InjectDrag({x, r.Top + (bar.xyThumbTop + bar.xyThumbBottom) / 2}, {x, r.Bottom + 50});
  Pump();
  EXPECT_EQ(list->TopIndex(), 20);
  // Three lines per notch of the wheel.
  InjectWheel(OnScreen(list, {20, 20}), WHEEL_DELTA);
  Pump();
  EXPECT_EQ(list->TopIndex(), 17);
  // What a skinned bar does: it asks for a top item by thumb position.
  SendMessage(list->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 4), 0);
  EXPECT_EQ(list->TopIndex(), 4);
  EXPECT_EQ(BarOf(list).nPos, 4);
  // The keys bring the focused item into view.
  Type("{END}");
  EXPECT_EQ(list->ItemIndex(), 29);
  EXPECT_EQ(list->TopIndex(), 20);
  Type("{HOME}{PGDN}");
  EXPECT_EQ(list->ItemIndex(), 9);
  EXPECT_EQ(list->TopIndex(), 0);
  Type("{PGDN}");
  EXPECT_EQ(list->ItemIndex(), 18);
  EXPECT_EQ(list->TopIndex(), 9);
}

struct Drawn {
  int Index;
  TRect Rect;
  TOwnerDrawState State;
};

TEST_F(ListBox, OwnerDrawHandsEachVisibleItemToOnDrawItem) {
  TListBox* list = MakeList(12);
  std::vector<Drawn> drawn;
  list->OnDrawItem = [&](TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State) {
    EXPECT_EQ(Control, list);
    drawn.push_back({Index, Rect, State});
    // The canvas comes with the colours of the item's state.
    TCanvas* canvas = list->Canvas();
    canvas->FillRect(Rect);
    canvas->Brush()->SetColor(clRed);
    canvas->FillRect({Rect.Left, Rect.Top, Rect.Left + 4, Rect.Bottom});
  };
  list->SetItemIndex(2);
  list->SetFocus();
  Pump();
  drawn.clear();
  list->Repaint();
  ASSERT_EQ(drawn.size(), 10u);  // the items in view only
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(drawn[i].Index, i);
    EXPECT_EQ(drawn[i].Rect, (TRect{0, i * 20, list->ClientWidth(), i * 20 + 20}));
  }
  EXPECT_EQ(drawn[2].State, (TOwnerDrawState{TOwnerDrawStateItem::odSelected, TOwnerDrawStateItem::odFocused}));
  EXPECT_TRUE(drawn[3].State.Empty());
  const auto pixel = [&](int x, int y) {
    const std::unique_ptr<Bitmap> picture = WindowPicture(list->Handle());
    // The picture holds the frame: a 2-pixel edge.
    return ColorRefFromPixel(picture->Row(y + 2)[x + 2]);
  };
  EXPECT_EQ(pixel(1, 45), ColorToColorRef(clRed));         // the handler's mark
  EXPECT_EQ(pixel(20, 45), ColorToColorRef(clHighlight));  // the selected item's brush
  EXPECT_EQ(pixel(20, 65), ColorToColorRef(clWindow));

  list->SetEnabled(false);
  drawn.clear();
  list->Repaint();
  ASSERT_FALSE(drawn.empty());
  EXPECT_TRUE(drawn[0].State.Contains(TOwnerDrawStateItem::odDisabled));
}

TEST_F(ListBox, VariableHeightsComeFromOnMeasureItem) {
  TListBox* list = MakeList(0, TListBoxStyle::lbOwnerDrawVariable);
  const int heights[] = {10, 30, 300, 0, 25};
  std::vector<int> asked;
  list->OnMeasureItem = [&](TWinControl*, int Index, int& Height) {
    asked.push_back(Index);
    EXPECT_EQ(Height, 20);  // the item height to start from
    Height = heights[Index];
  };
  for (int i = 0; i < 5; ++i) list->Items()->Add("x");
  EXPECT_EQ(asked, (std::vector<int>{0, 1, 2, 3, 4}));
  // Heights are kept within 1 to 255.
  const int tops[] = {0, 10, 40, 295, 296};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(list->ItemRect(i).Top, tops[i]) << i;
  EXPECT_EQ(list->ItemRect(2).Height(), 255);
  EXPECT_EQ(list->ItemRect(3).Height(), 1);
  EXPECT_EQ(list->ItemAtPos({5, 39}, true), 1);
  EXPECT_EQ(list->ItemAtPos({5, 40}, true), 2);
}

TEST_F(ListBox, StandardStyleDrawsTheTextAndHighlightsTheSelection) {
  TListBox* list = MakeList(3, TListBoxStyle::lbStandard);
  EXPECT_GT(list->ItemHeight(), 10);
  EXPECT_LT(list->ItemHeight(), 20);
  list->SetItemIndex(1);
  Pump();
  const std::unique_ptr<Bitmap> picture = WindowPicture(list->Handle());
  const TRect selected = list->ItemRect(1);
  EXPECT_EQ(ColorRefFromPixel(picture->Row(selected.Top + 3)[140]), ColorToColorRef(clHighlight));
  // Some of the first item's text is drawn in the window text colour.
  bool text = false;
  for (int y = 2; y < 2 + list->ItemHeight(); ++y) {
    for (int x = 4; x < 60; ++x) text |= ColorRefFromPixel(picture->Row(y)[x]) == ColorToColorRef(clWindowText);
  }
  EXPECT_TRUE(text);
}

TEST_F(ListBox, MouseAndKeysSelectAndClickOnlyForTheUser) {
  TListBox* list = MakeList(6);
  int clicks = 0;
  list->OnClick = [&](TObject*) { ++clicks; };
  list->SetItemIndex(3);
  EXPECT_EQ(clicks, 0);
  InjectClick(ItemOnScreen(list, 1));
  Pump();
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(clicks, 1);
  Type("{DOWN}{DOWN}");
  EXPECT_EQ(list->ItemIndex(), 3);
  EXPECT_EQ(clicks, 3);
  Type("{END}{DOWN}");  // nothing below the last item
  EXPECT_EQ(clicks, 4);
  Type("i");  // the next item starting with "i"
  EXPECT_EQ(list->ItemIndex(), 0);
  // Dragging with the button held moves the selection along.
  Clock().Advance(1000);
  InjectDrag(ItemOnScreen(list, 1), ItemOnScreen(list, 4));
  Pump();
  EXPECT_EQ(list->ItemIndex(), 4);
  EXPECT_EQ(list->SelCount(), LB_ERR);
}

TEST_F(ListBox, ExtendedMultiSelect) {
  TListBox* list = MakeList(8);
  list->SetMultiSelect(true);
  InjectClick(ItemOnScreen(list, 1));
  InjectKeyDown(VK_SHIFT);
  InjectClick(ItemOnScreen(list, 3));
  InjectKeyUp(VK_SHIFT);
  InjectKeyDown(VK_CONTROL);
  Clock().Advance(1000);
  InjectClick(ItemOnScreen(list, 6));
  InjectKeyUp(VK_CONTROL);
  Pump();
  std::vector<int> selected;
  for (int i = 0; i < 8; ++i) {
    if (list->Selected(i)) selected.push_back(i);
  }
  EXPECT_EQ(selected, (std::vector<int>{1, 2, 3, 6}));
  EXPECT_EQ(list->SelCount(), 4);
  EXPECT_EQ(list->ItemIndex(), 6);
  int buffer[8];
  EXPECT_EQ(SendMessage(list->Handle(), LB_GETSELITEMS, 2, reinterpret_cast<LPARAM>(buffer)), 2);
  list->DeleteSelected();
  EXPECT_EQ(list->Items()->CommaText(), "\"Item 0\",\"Item 4\",\"Item 5\",\"Item 7\"");
  list->SelectAll();
  EXPECT_EQ(list->SelCount(), 4);
  EXPECT_THROW(list->Selected(4), EListError);
}

TEST_F(ListBox, DraggingAnItemToAnotherPlace) {
  TListBox* list = MakeList(6);
  list->SetDragMode(TDragMode::dmAutomatic);
  list->OnDragOver = [&](TObject*, TObject* Source, int, int, TDragState, bool& Accept) { Accept = Source == list; };
  list->OnDragDrop = [&](TObject*, TObject*, int X, int Y) {
    const int from = list->ItemIndex();
    int to = list->ItemAtPos({X, Y}, false);
    if (to >= list->Items()->Count()) to = list->Items()->Count() - 1;
    list->Items()->Move(from, to);
    list->SetItemIndex(to);
  };
  InjectDrag(ItemOnScreen(list, 1), ItemOnScreen(list, 4), 8);
  Pump();
  EXPECT_EQ(list->Items()->CommaText(), "\"Item 0\",\"Item 2\",\"Item 3\",\"Item 4\",\"Item 1\",\"Item 5\"");
  EXPECT_EQ(list->ItemIndex(), 4);
  // Dropped below the last item it goes to the end.
  Clock().Advance(1000);
  InjectDrag(ItemOnScreen(list, 0), OnScreen(list, {20, 180}), 8);
  Pump();
  EXPECT_EQ(list->Items()->Strings(5), "Item 0");
}

}  // namespace
}  // namespace plat::testing
