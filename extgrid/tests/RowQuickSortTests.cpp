// The grid's quick sort on plain rows: the order of equal rows is the one
// the nested scheme gives, the nesting stays within log2 of the rows even
// against an adversary that makes every split lopsided, and the keys'
// style detection and the load-order list behave as their headers say.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <random>
#include <utility>
#include <vector>

#include "extgrid/detail/LoadOrder.h"
#include "extgrid/detail/RowQuickSort.h"
#include "extgrid/detail/SortKeys.h"
#include "platform/rtl/FormatSettings.h"

namespace zorbit::testing {
namespace {

// Rows of (key, id); the pivot copy sits at index Pivot.
struct TRows {
  std::vector<std::pair<int, int>> Items;
  std::pair<int, int> PivotCopy{};
  static constexpr int Pivot = -1;
  const std::pair<int, int>& At(int Row) const { return Row == Pivot ? PivotCopy : Items[static_cast<std::size_t>(Row)]; }
  int Compare(int A, int B) const { return (At(A).first > At(B).first) - (At(A).first < At(B).first); }
};

// The scheme written as plainly as it reads: both sides by nested calls.
void NestedSort(TRows& Rows, int Lo, int Hi, int Sign) {
  Rows.PivotCopy = Rows.At(Lo + (Hi - Lo) / 2);
  int i = Lo, j = Hi;
  do {
    while (Rows.Compare(TRows::Pivot, i) == Sign && i < Hi) ++i;
    while (Rows.Compare(j, TRows::Pivot) == Sign && j > Lo) --j;
    if (j >= i) {
      if (i != j && Rows.Compare(i, j) != 0) std::swap(Rows.Items[i], Rows.Items[j]);
      --j;
      ++i;
    }
  } while (j >= i);
  if (Lo < j) NestedSort(Rows, Lo, j, Sign);
  if (i < Hi) NestedSort(Rows, i, Hi, Sign);
}

int LoopedSort(TRows& Rows, int Sign) {
  return detail::QuickSortRows(
      0, static_cast<int>(Rows.Items.size()) - 1, TRows::Pivot, Sign,
      [&Rows](int Row) { Rows.PivotCopy = Rows.At(Row); }, [&Rows](int A, int B) { return Rows.Compare(A, B); },
      [&Rows](int I, int J) {
        if (Rows.Compare(I, J) != 0) std::swap(Rows.Items[I], Rows.Items[J]);
      });
}

TEST(RowQuickSort, EqualRowsEndWhereTheNestedSchemePutsThem) {
  std::mt19937 random(7);
  for (const int size : {1, 2, 3, 10, 100, 1000}) {
    for (const int distinct : {1, 3, 50}) {
      for (const int sign : {1, -1}) {
        SCOPED_TRACE(::testing::Message() << size << " rows, " << distinct << " keys, sign " << sign);
        TRows nested, looped;
        for (int id = 0; id < size; ++id) nested.Items.emplace_back(static_cast<int>(random() % distinct), id);
        looped = nested;
        NestedSort(nested, 0, size - 1, sign);
        LoopedSort(looped, sign);
        EXPECT_EQ(looped.Items, nested.Items);
        for (int r = 1; r < size; ++r) ASSERT_NE(looped.Compare(r - 1, r), sign);
      }
    }
  }
}

// McIlroy's adversary: keys are decided only as the sort asks, so that the
// pivot always turns out the smallest of what is still undecided.
struct TAdversary {
  explicit TAdversary(int Size) : Value(Size, Size), Item(Size) { std::iota(Item.begin(), Item.end(), 0); }
  std::vector<int> Value;  // Size: not decided ("gas")
  std::vector<int> Item;   // the item at each row
  int PivotItem = 0;
  int Candidate = -1;
  int Solid = 0;
  long Comparisons = 0;
  int ItemAt(int Row) const { return Row < 0 ? PivotItem : Item[static_cast<std::size_t>(Row)]; }
  bool Gas(int X) const { return Value[X] == static_cast<int>(Value.size()); }
  int Compare(int A, int B) {
    ++Comparisons;
    const int x = ItemAt(A), y = ItemAt(B);
    if (Gas(x) && Gas(y)) Value[x == Candidate ? x : y] = Solid++;
    if (Gas(x))
      Candidate = x;
    else if (Gas(y))
      Candidate = y;
    return (Value[x] > Value[y]) - (Value[x] < Value[y]);
  }
};

TEST(RowQuickSort, AnAdversaryCannotDeepenTheNesting) {
  const int size = 5000;
  TAdversary adversary(size);
  const int depth = detail::QuickSortRows(
      0, size - 1, -1, 1, [&](int Row) { adversary.PivotItem = adversary.ItemAt(Row); },
      [&](int A, int B) { return adversary.Compare(A, B); },
      [&](int I, int J) {
        if (adversary.Compare(I, J) != 0) std::swap(adversary.Item[I], adversary.Item[J]);
      });
  // The splits were lopsided (quadratic work) ...
  EXPECT_GT(adversary.Comparisons, static_cast<long>(size) * size / 8);
  // ... and the nesting stayed shallow.
  EXPECT_LE(depth, 2 * std::log2(size));
  for (int r = 1; r < size; ++r) ASSERT_LE(adversary.Value[adversary.Item[r - 1]], adversary.Value[adversary.Item[r]]);
}

TEST(SortKeys, AutomaticStyleDetection) {
  plat::TFormatSettings saved = plat::FormatSettings();
  plat::FormatSettings().DecimalSeparator = '.';
  plat::FormatSettings().DateSeparator = '/';
  plat::FormatSettings().TimeSeparator = ':';
  struct Case {
    const char* Text;
    bool CheckBox;
    TSortStyle Expected;
  };
  using S = TSortStyle;
  // clang-format off
  const Case cases[] = {
      {"12.5",            false, S::ssNumeric},
      {"-9",              false, S::ssNumeric},
      {"3/1/2001",        false, S::ssDate},
      {"12/25/2000",      false, S::ssDate},
      {"3/1/2001 10:15",  false, S::ssDateTime},
      {"a/b",             false, S::ssAlphabetic},
      {"12/",             false, S::ssAlphabetic},  // the separator is last
      {"2001/3/1",        false, S::ssAlphabetic},  // at position 5: not a date, no time
      {"10:15",           false, S::ssTime},
      {"9:05",            false, S::ssTime},
      {"a:b",             false, S::ssAlphabetic},
      {"abc",             false, S::ssAlphabetic},
      {"",                false, S::ssAlphabetic},
      {"abc",             true,  S::ssCheckBox},
  };
  // clang-format on
  for (const Case& c : cases) EXPECT_EQ(detail::DetectSortStyle(c.Text, c.CheckBox), c.Expected) << c.Text;
  plat::FormatSettings() = saved;
}

TEST(LoadOrder, FollowsTheRowsWhileInStep) {
  detail::TLoadOrder order;
  order.Resized(0, 3);  // never built: not in step
  EXPECT_FALSE(order.InStep(3));
  order.Rebuild(5);
  order.Exchanged(0, 4, 5);
  EXPECT_EQ(order.Order(), (std::vector<int>{4, 1, 2, 3, 0}));
  order.Moved(0, 2, 3, 5);
  EXPECT_EQ(order.Order(), (std::vector<int>{2, 3, 0, 4, 1}));
  order.Resized(5, 7);
  EXPECT_EQ(order.Order(), (std::vector<int>{2, 3, 0, 4, 1, 5, 6}));
  order.Scattered({0, 4}, 7);
  EXPECT_EQ(order.Order(), (std::vector<int>{5, 2, 3, 0, 6, 4, 1}));
  order.Gathered({0, 4}, 7);
  EXPECT_EQ(order.Order(), (std::vector<int>{2, 3, 0, 4, 1, 5, 6}));
  order.Resized(7, 5);
  EXPECT_EQ(order.Order(), (std::vector<int>{2, 3, 0, 4, 1}));
  // A change of a count it was not told of leaves it alone.
  order.Exchanged(0, 1, 9);
  order.Moved(0, 1, 2, 4);
  EXPECT_EQ(order.Order(), (std::vector<int>{2, 3, 0, 4, 1}));
}

}  // namespace
}  // namespace zorbit::testing
