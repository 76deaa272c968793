#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/ListBoxModel.h"

namespace plat {
namespace {

// A list of Count items "0", "1", ... of fixed height 10 in a client area of
// the given height.
TListBoxModel MakeList(int Count, int ClientHeight, TListSelectMode Mode = TListSelectMode::Single) {
  TListBoxModel list;
  list.SetItemHeight(10);
  list.SetClientHeight(ClientHeight);
  list.SetSelectMode(Mode);
  for (int i = 0; i < Count; ++i) list.Add(std::to_string(i));
  return list;
}

std::vector<int> SelectedOf(const TListBoxModel& list) {
  std::vector<int> selected;
  for (int i = 0; i < list.Count(); ++i) {
    if (list.Selected(i)) selected.push_back(i);
  }
  return selected;
}

TEST(ListBoxModel, FixedHeightScrollRange) {
  struct TCase {
    int Count;
    int ClientHeight;
    int MaxTop;
    int Page;
    bool Bar;
  };
  const TCase cases[] = {
      {0, 100, 0, 0, false},  {5, 100, 0, 5, false}, {10, 100, 0, 10, false},
      {11, 100, 1, 10, true}, {20, 95, 11, 9, true}, {3, 5, 2, 1, true},  // less than one item high
  };
  for (const TCase& c : cases) {
    const TListBoxModel list = MakeList(c.Count, c.ClientHeight);
    EXPECT_EQ(list.MaxTopIndex(), c.MaxTop) << c.Count << " in " << c.ClientHeight;
    EXPECT_EQ(list.MaxTopIndex() > 0, c.Bar) << c.Count << " in " << c.ClientHeight;
    const TListScrollRange range = list.ScrollRange();
    EXPECT_EQ(range.Page, c.Page) << c.Count << " in " << c.ClientHeight;
    // What a bar that shows top items reads: Max - Page + 1 is the last top.
    if (c.Count > 0) {
      EXPECT_EQ(range.Max - range.Page + 1, c.MaxTop);
    }
  }
}

TEST(ListBoxModel, VariableHeightsPlaceAndScroll) {
  TListBoxModel list;
  list.SetVariableHeight(true);
  list.SetClientHeight(50);
  const int heights[] = {10, 30, 20, 15, 5};
  for (int h : heights) list.SetItemHeightOf(list.Add("x"), h);
  EXPECT_EQ(list.ItemTop(3), 60);
  EXPECT_EQ(list.ItemAtY(0), 0);
  EXPECT_EQ(list.ItemAtY(39), 1);
  EXPECT_EQ(list.ItemAtY(40), 2);
  EXPECT_EQ(list.ItemAtY(80), -1);
  // The last three (20 + 15 + 5) fit; the fourth from the end does not.
  EXPECT_EQ(list.MaxTopIndex(), 2);
  EXPECT_TRUE(list.MakeVisible(3));
  EXPECT_EQ(list.TopIndex(), 2);
  EXPECT_EQ(list.ItemTop(1), -30);
  EXPECT_FALSE(list.SetItemHeightOf(0, 256));
  EXPECT_FALSE(list.SetItemHeightOf(0, 0));
  EXPECT_FALSE(list.SetItemHeightOf(9, 10));
}

TEST(ListBoxModel, TopIndexIsClampedAndFollowsTheFocus) {
  TListBoxModel list = MakeList(30, 100);
  EXPECT_TRUE(list.SetTopIndex(99));
  EXPECT_EQ(list.TopIndex(), 20);
  list.SetTopIndex(-5);
  EXPECT_EQ(list.TopIndex(), 0);
  list.MoveFocus(TListMove::End, false, false);
  EXPECT_EQ(list.TopIndex(), 20);
  list.MoveFocus(TListMove::PageUp, false, false);
  EXPECT_EQ(list.ItemIndex(), 20);
  EXPECT_EQ(list.TopIndex(), 20);
  list.MoveFocus(TListMove::Up, false, false);
  EXPECT_EQ(list.TopIndex(), 19);
  // Deleting items keeps the top index within the list.
  for (int i = 0; i < 25; ++i) list.Delete(0);
  EXPECT_EQ(list.TopIndex(), 0);
}

TEST(ListBoxModel, SingleSelectionFollowsItsItem) {
  TListBoxModel list = MakeList(5, 100);
  EXPECT_EQ(list.ItemIndex(), -1);
  EXPECT_TRUE(list.SetItemIndex(3));
  list.Insert(0, "new");
  EXPECT_EQ(list.ItemIndex(), 4);
  EXPECT_EQ(list.Text(4), "3");
  list.Delete(1);
  EXPECT_EQ(list.ItemIndex(), 3);
  list.Delete(3);
  EXPECT_EQ(list.ItemIndex(), -1);
  EXPECT_EQ(list.SelCount(), 0);
  EXPECT_FALSE(list.SetItemIndex(5));
  EXPECT_FALSE(list.SetItemIndex(-2));
}

TEST(ListBoxModel, SortedAddIgnoresCase) {
  TListBoxModel list;
  list.SetSorted(true);
  for (const char* s : {"pear", "Apple", "banana", "apple"}) list.Add(s);
  EXPECT_EQ(list.Text(0), "Apple");
  EXPECT_EQ(list.Text(1), "apple");
  EXPECT_EQ(list.Text(2), "banana");
  EXPECT_EQ(list.Find(-1, "BAN", false), 2);
  EXPECT_EQ(list.Find(0, "apple", true), 1);
  EXPECT_EQ(list.Find(1, "apple", true), 0);  // wraps around
  EXPECT_EQ(list.Find(7, "zz", false), -1);
}

struct TClick {
  int Index;
  bool Shift;
  bool Ctrl;
};

TEST(ListBoxModel, ClicksInEachSelectionMode) {
  struct TCase {
    const char* Name;
    TListSelectMode Mode;
    std::vector<TClick> Clicks;
    std::vector<int> Selected;
    int ItemIndex;
  };
  const TCase cases[] = {
      {"single", TListSelectMode::Single, {{1, false, false}, {3, true, true}}, {3}, 3},
      {"multiple toggles",
       TListSelectMode::Multiple,
       {{1, false, false}, {3, false, false}, {1, false, false}},
       {3},
       1},
      {"extended plain", TListSelectMode::Extended, {{1, false, false}, {3, false, false}}, {3}, 3},
      {"extended shift", TListSelectMode::Extended, {{1, false, false}, {4, true, false}}, {1, 2, 3, 4}, 4},
      {"extended shift back", TListSelectMode::Extended, {{3, false, false}, {1, true, false}}, {1, 2, 3}, 1},
      {"extended ctrl", TListSelectMode::Extended, {{1, false, false}, {4, false, true}}, {1, 4}, 4},
      {"extended ctrl off", TListSelectMode::Extended, {{1, false, false}, {1, false, true}}, {}, 1},
      {"extended ctrl shift adds range",
       TListSelectMode::Extended,
       {{0, false, false}, {3, false, true}, {5, true, true}},
       {0, 3, 4, 5},
       5},
  };
  for (const TCase& c : cases) {
    TListBoxModel list = MakeList(6, 100, c.Mode);
    for (const TClick& click : c.Clicks) list.ClickItem(click.Index, click.Shift, click.Ctrl);
    EXPECT_EQ(SelectedOf(list), c.Selected) << c.Name;
    EXPECT_EQ(list.ItemIndex(), c.ItemIndex) << c.Name;
  }
}

TEST(ListBoxModel, KeysInEachSelectionMode) {
  TListBoxModel single = MakeList(6, 100);
  EXPECT_TRUE(single.MoveFocus(TListMove::Down, false, false));
  EXPECT_EQ(single.ItemIndex(), 0);
  EXPECT_TRUE(single.MoveFocus(TListMove::End, false, false));
  EXPECT_FALSE(single.MoveFocus(TListMove::Down, false, false));  // already last
  EXPECT_FALSE(single.Space(false));

  TListBoxModel multiple = MakeList(6, 100, TListSelectMode::Multiple);
  multiple.MoveFocus(TListMove::Down, false, false);
  multiple.MoveFocus(TListMove::Down, false, false);
  EXPECT_EQ(SelectedOf(multiple), std::vector<int>{});
  multiple.Space(false);
  multiple.MoveFocus(TListMove::Home, false, false);
  multiple.Space(false);
  EXPECT_EQ(SelectedOf(multiple), (std::vector<int>{0, 1}));

  TListBoxModel extended = MakeList(6, 100, TListSelectMode::Extended);
  extended.MoveFocus(TListMove::Down, false, false);
  extended.MoveFocus(TListMove::Down, false, false);
  extended.MoveFocus(TListMove::Down, true, false);
  extended.MoveFocus(TListMove::Down, true, false);
  EXPECT_EQ(SelectedOf(extended), (std::vector<int>{1, 2, 3}));
  extended.MoveFocus(TListMove::Down, false, true);  // Ctrl moves the focus only
  EXPECT_EQ(extended.ItemIndex(), 4);
  extended.Space(true);
  EXPECT_EQ(SelectedOf(extended), (std::vector<int>{1, 2, 3, 4}));
}

TEST(ListBoxModel, DraggingWithTheButtonHeld) {
  TListBoxModel single = MakeList(6, 100);
  single.ClickItem(1, false, false);
  EXPECT_TRUE(single.DragOver(4));
  EXPECT_EQ(SelectedOf(single), std::vector<int>{4});

  TListBoxModel extended = MakeList(6, 100, TListSelectMode::Extended);
  extended.ClickItem(3, false, false);
  extended.DragOver(5);
  extended.DragOver(1);
  EXPECT_EQ(SelectedOf(extended), (std::vector<int>{1, 2, 3}));
  EXPECT_FALSE(extended.DragOver(-1));
}

TEST(ListBoxModel, MultipleSelectionFocusPassesOnWhenItsItemGoes) {
  TListBoxModel list = MakeList(3, 100, TListSelectMode::Extended);
  list.ClickItem(2, false, false);
  list.Delete(2);
  EXPECT_EQ(list.ItemIndex(), 1);
  list.Clear();
  EXPECT_EQ(list.ItemIndex(), -1);
  EXPECT_FALSE(list.MoveFocus(TListMove::Down, false, false));
  EXPECT_FALSE(list.ClickItem(0, false, false));
}

TEST(ListBoxModel, OutOfRangeIndexesAreRefused) {
  TListBoxModel list = MakeList(2, 100);
  EXPECT_EQ(list.Insert(3, "x"), -1);
  EXPECT_EQ(list.Insert(-2, "x"), -1);
  EXPECT_FALSE(list.Delete(2));
  EXPECT_FALSE(list.SetData(-1, 5));
  EXPECT_FALSE(list.SetSelected(2, true));
  EXPECT_EQ(list.Text(7), "");
  EXPECT_EQ(list.Data(7), 0);
  EXPECT_EQ(list.Insert(-1, "end"), 2);
}

}  // namespace
}  // namespace plat
