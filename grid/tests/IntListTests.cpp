// TIntList and TSortIndexList: which changes fire the change event (with
// the list's column and row), the comma text both ways, a bad item in the
// text, and the descending bit of the sort columns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/TIntList.h"
#include "grid/TSortIndexList.h"
#include "platform/rtl/Exception.h"

namespace zorbit {
namespace {

// Records "change col,row" for each event, with the list's text then.
struct ChangeLog {
  std::vector<std::string> Entries;
  void Watch(TIntList& List) {
    List.OnChange = [this, &List](plat::TObject* Sender, int ACol, int ARow) {
      EXPECT_EQ(Sender, &List);
      Entries.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + " [" + List.AsText() + "]");
    };
  }
};

TEST(IntList, WhichChangesFireTheEvent) {
  TIntList list(3, 7);
  ChangeLog log;
  log.Watch(list);
  list.Add(10);
  list.Add(20);
  list.Insert(0, 5);  // silent
  list.SetItem(1, 11);
  list.Delete(2);
  list.Insert(2, 30);  // at the end: silent
  EXPECT_EQ(log.Entries, (std::vector<std::string>{"3,7 [10]", "3,7 [10,20]", "3,7 [5,11,20]", "3,7 [5,11]"}));
  EXPECT_EQ(list.AsText(), "5,11,30");
  list.Clear();  // silent
  EXPECT_EQ(log.Entries.size(), 4u);
}

TEST(IntList, IndexesOutsideTheListRaise) {
  TIntList list(0, 0);
  list.Add(1);
  EXPECT_THROW(list.Item(1), plat::EListError);
  EXPECT_THROW(list.Item(-1), plat::EListError);
  EXPECT_THROW(list.SetItem(1, 0), plat::EListError);
  EXPECT_THROW(list.Delete(1), plat::EListError);
  EXPECT_THROW(list.Insert(2, 0), plat::EListError);
  EXPECT_EQ(list.AsText(), "1");
}

TEST(IntList, CommaText) {
  TIntList list(1, 2);
  EXPECT_EQ(list.AsText(), "");
  ChangeLog log;
  log.Watch(list);
  list.SetAsText("4,-2,17");
  EXPECT_EQ(log.Entries, (std::vector<std::string>{"1,2 [4]", "1,2 [4,-2]", "1,2 [4,-2,17]"}));
  EXPECT_EQ(list.AsText(), "4,-2,17");
  log.Entries.clear();
  list.SetAsText("");
  EXPECT_EQ(list.Count(), 0);
  EXPECT_TRUE(log.Entries.empty());
}

TEST(IntList, ABadItemRaisesAndKeepsTheItemsBeforeIt) {
  struct Case {
    const char* Text;
    const char* Kept;
  };
  for (const Case& c : {Case{"1,x,3", "1"}, Case{"1,2,", "1,2"}, Case{",5", ""}, Case{"9,99999999999", "9"}}) {
    TIntList list(0, 0);
    list.SetAsText("7,7,7");
    EXPECT_THROW(list.SetAsText(c.Text), plat::EConvertError) << c.Text;
    EXPECT_EQ(list.AsText(), c.Kept) << c.Text;
  }
}

TEST(SortIndexList, DescendingColumnsCarryBit31) {
  TSortIndexList list(0, 0);
  ChangeLog log;
  log.Watch(list);
  list.AppendColumn(5, true);
  list.AppendColumn(3, false);
  EXPECT_EQ(list.Item(1), static_cast<int>(0x80000003u));
  EXPECT_EQ(list.IndexOfColumn(3), 1);
  EXPECT_EQ(list.IndexOfColumn(5), 0);
  EXPECT_EQ(list.IndexOfColumn(4), -1);
  EXPECT_FALSE(TSortIndexList::IsAscending(list.Item(1)));
  EXPECT_EQ(TSortIndexList::ColumnOf(list.Item(1)), 3);

  log.Entries.clear();
  list.FlipDirection(3);
  EXPECT_EQ(list.Item(1), 3);
  EXPECT_EQ(log.Entries.size(), 1u);
  list.FlipDirection(5);
  EXPECT_EQ(list.Item(0), static_cast<int>(0x80000005u));
  list.FlipDirection(4);  // absent: nothing
  EXPECT_EQ(log.Entries.size(), 2u);
}

TEST(SortIndexList, OnlyTheFirstEntryOfAColumnFlips) {
  TSortIndexList list(0, 0);
  list.AppendColumn(2, false);
  list.AppendColumn(2, true);
  list.FlipDirection(2);
  EXPECT_EQ(list.AsText(), "2,2");
}

}  // namespace
}  // namespace zorbit
