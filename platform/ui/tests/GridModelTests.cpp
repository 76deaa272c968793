// The grid's parts without a window: the sparse cell store (what reads
// empty, what moves and what is refused) and one axis's geometry (where
// cells start, which cell a pixel hits, how far the view scrolls), also at
// a hundred thousand rows.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/rtl/Exception.h"
#include "platform/rtl/Object.h"
#include "platform/ui/detail/GridAxis.h"
#include "platform/ui/detail/SparseCellStore.h"

namespace plat::testing {
namespace {

TEST(SparseCellStore, UnwrittenCellsReadEmptyAndWritesAnywhereAreKept) {
  TSparseCellStore store;
  EXPECT_EQ(store.Text(0, 0), "");
  EXPECT_EQ(store.Object(7, 1000000), nullptr);
  store.SetText(3, 2, "c");
  store.SetText(1, 2, "a");
  store.SetText(2, 2, "b");
  store.SetText(500000, 900000, "far");
  EXPECT_EQ(store.Text(1, 2) + store.Text(2, 2) + store.Text(3, 2), "abc");
  EXPECT_EQ(store.Text(500000, 900000), "far");
  EXPECT_EQ(store.CellCount(), 4u);
  // An emptied cell costs nothing again; one with an object stays.
  TObject marker;
  store.SetObject(2, 2, &marker);
  store.SetText(2, 2, "");
  store.SetText(1, 2, "");
  EXPECT_EQ(store.CellCount(), 3u);
  EXPECT_EQ(store.Object(2, 2), &marker);
  // Clearing part of a row or column keeps objects unless asked.
  store.SetText(0, 2, "first");
  store.ClearRow(2, 1, false);
  EXPECT_EQ(store.Text(0, 2) + "|" + store.Text(3, 2), "first|");
  EXPECT_EQ(store.Object(2, 2), &marker);
  store.ClearCol(2, 0, true);
  EXPECT_EQ(store.Object(2, 2), nullptr);
  EXPECT_EQ(store.CellCount(), 2u);  // (0, 2) and the far cell
}

TEST(SparseCellStore, ClearingABlocksTextsKeepsItsObjectsAndWhatLiesOutside) {
  // clang-format off
  // Before, a 5 x 3 corner ("o" a text and an object) and one far cell:
  //   a b c d e
  //   f o h i j
  //   k l m n o
  // clang-format on
  TObject marker;
  const auto fill = [&](TSparseCellStore& store) {
    const char* rows[] = {"abcde", "fohij", "klmno"};
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 5; ++c) store.SetText(c, r, String(1, rows[r][c]));
    store.SetObject(1, 1, &marker);
    store.SetText(900000, 2, "far");
  };
  const auto picture = [](const TSparseCellStore& store) {
    String rows;
    for (int r = 0; r < 3; ++r) {
      rows += r ? "|" : "";
      for (int c = 0; c < 5; ++c) rows += store.Text(c, r).empty() ? String(".") : store.Text(c, r);
    }
    return rows + " " + (store.Text(900000, 2).empty() ? String("-") : store.Text(900000, 2));
  };
  struct Case {
    const char* Name;
    int Left, Top, Right, Bottom;
    const char* Picture;
    std::size_t Cells;
  };
  const Case cases[] = {
      {"a middle block", 1, 0, 2, 1, "a..de|f..ij|klmno far", 13},
      {"past every edge", 0, 0, 2000000000, 2000000000, ".....|.....|..... -", 1},
      {"rows with nothing stored", 0, 5, 9, 700000, "abcde|fohij|klmno far", 16},
      {"an empty block", 3, 1, 2, 1, "abcde|fohij|klmno far", 16},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TSparseCellStore store;
    fill(store);
    store.ClearTexts(c.Left, c.Top, c.Right, c.Bottom);
    EXPECT_EQ(picture(store), c.Picture);
    EXPECT_EQ(store.Object(1, 1), &marker);
    EXPECT_EQ(store.CellCount(), c.Cells);
  }
}

TEST(SparseCellStore, ReadsAfterEachChangeSeeTheChange) {
  // A row just read is read again after rows are emptied, moved, deleted
  // or cleared, and after cells are added to it.
  TSparseCellStore store;
  store.SetText(0, 1, "one");
  store.SetText(0, 2, "two");
  EXPECT_EQ(store.Text(0, 1), "one");
  store.SetText(3, 1, "more");
  EXPECT_EQ(store.Text(3, 1), "more");
  store.SetText(0, 1, "");
  store.SetText(3, 1, "");
  EXPECT_EQ(store.Text(0, 1), "");
  store.SetText(0, 1, "again");
  EXPECT_EQ(store.Text(0, 1), "again");
  store.MoveRow(2, 1);
  EXPECT_EQ(store.Text(0, 1), "two");
  store.DeleteRow(1);
  EXPECT_EQ(store.Text(0, 1), "again");
  store.EraseRows(0, 5);
  EXPECT_EQ(store.Text(0, 1), "");
  store.SetText(0, 1, "last");
  EXPECT_EQ(store.Text(0, 1), "last");
  store.Clear();
  EXPECT_EQ(store.Text(0, 1), "");
}

TEST(SparseCellStore, NegativeIndexesAreListErrorsThatChangeNothing) {
  TSparseCellStore store;
  store.SetText(0, 0, "kept");
  const auto expectError = [](auto&& call, const char* text) {
    try {
      call();
      ADD_FAILURE() << "no error for " << text;
    } catch (const EListError& e) {
      EXPECT_STREQ(e.what(), text);
    }
  };
  expectError([&] { store.SetText(0, -1, "x"); }, "List index out of bounds (-1)");
  expectError([&] { store.SetText(-3, 0, "x"); }, "List index out of bounds (-3)");
  expectError([&] { (void)store.Text(0, -2); }, "List index out of bounds (-2)");
  expectError([&] { store.DeleteRow(-1); }, "List index out of bounds (-1)");
  expectError([&] { store.MoveCol(0, -5); }, "List index out of bounds (-5)");
  expectError([&] { store.ClearTexts(0, -4, 3, 3); }, "List index out of bounds (-4)");
  EXPECT_EQ(store.Text(0, 0), "kept");
  EXPECT_EQ(store.CellCount(), 1u);
}

// Rows "r0".."r4" in column 0 and columns "c0".."c4" in row 9, then one move
// or delete: the column (row) read back in order.
TEST(SparseCellStore, RowsAndColumnsMoveAndDeleteWhole) {
  struct Case {
    const char* Name;
    void (*Act)(TSparseCellStore&);
    const char* Rows;
    int ColsRow;  // where the row of columns is afterwards
    const char* Cols;
  };
  const Case cases[] = {
      {"row down", [](TSparseCellStore& s) { s.MoveRow(1, 3); }, "r0 r2 r3 r1 r4", 9, "c0 c1 c2 c3 c4"},
      {"row up", [](TSparseCellStore& s) { s.MoveRow(4, 0); }, "r4 r0 r1 r2 r3", 9, "c0 c1 c2 c3 c4"},
      {"column right", [](TSparseCellStore& s) { s.MoveCol(0, 2); }, "- - - - -", 9, "c1 c2 c0 c3 c4"},
      {"column left", [](TSparseCellStore& s) { s.MoveCol(3, 1); }, "r0 r1 r2 r3 r4", 9, "c0 c3 c1 c2 c4"},
      {"delete row", [](TSparseCellStore& s) { s.DeleteRow(2); }, "r0 r1 r3 r4 -", 8, "c0 c1 c2 c3 c4"},
      {"delete column", [](TSparseCellStore& s) { s.DeleteCol(0); }, "- - - - -", 9, "c1 c2 c3 c4 -"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TSparseCellStore store;
    for (int i = 0; i < 5; ++i) {
      store.SetText(0, i, "r" + std::to_string(i));
      store.SetText(i, 9, "c" + std::to_string(i));
    }
    c.Act(store);
    String rows, cols;
    for (int i = 0; i < 5; ++i) {
      const String r = store.Text(0, i);
      const String k = store.Text(i, c.ColsRow);
      rows += (i ? " " : "") + (r.empty() ? String("-") : r);
      cols += (i ? " " : "") + (k.empty() ? String("-") : k);
    }
    EXPECT_EQ(rows, c.Rows);
    EXPECT_EQ(cols, c.Cols);
  }
}

// Rows spread over many hundreds of indexes, moved, deleted and cleared in
// blocks that cross each other, against a plain map of the same cells: every
// cell and object reads the same after each step, and the objects are
// visited in the same order.
// The rows the model test reads back: the first 720 and the far ones swaps reach.
std::vector<int> RowsToCheck() {
  std::vector<int> rows;
  for (int r = 0; r < 720; ++r) rows.push_back(r);
  for (int r : {5000, 6000, 7000}) rows.push_back(r);
  return rows;
}

TEST(SparseCellStore, ManyRowsBehaveLikeAPlainMapOfCells) {
  using TModel = std::map<std::pair<int, int>, std::pair<String, TObject*>>;  // (row, col)
  TObject objects[3];
  TSparseCellStore store;
  TModel model;
  const auto write = [&](int c, int r, const String& text, TObject* object) {
    store.SetText(c, r, text);
    store.SetObject(c, r, object);
    if (text.empty() && !object) {
      model.erase({r, c});
    } else {
      model[{r, c}] = {text, object};
    }
  };
  // Remaps the model's rows (or columns) as the store should; an index
  // remapped below 0 is gone.
  const auto remap = [&](bool Rows, auto NewIndex) {
    TModel moved;
    for (const auto& [key, cell] : model) {
      const int index = NewIndex(Rows ? key.first : key.second);
      if (index >= 0) moved[Rows ? std::pair{index, key.second} : std::pair{key.first, index}] = cell;
    }
    model = moved;
  };
  const auto shifted = [](int i, int from, int count, int to) {
    if (i >= from && i < from + count) return to + (i - from);
    if (from < to && i >= from + count && i < to + count) return i - count;
    if (to < from && i >= to && i < from) return i + count;
    return i;
  };
  for (int r = 0; r < 700; r += (r % 3) + 1)
    for (int c = (r * 7) % 5; c < 9; c += 2)
      write(c, r, "r" + std::to_string(r) + "c" + std::to_string(c), (r + c) % 11 == 0 ? &objects[r % 3] : nullptr);
  struct Step {
    const char* Name;
    std::function<void()> Act;
  };
  const Step steps[] = {
      {"rows down across pages",
       [&] {
         store.MoveRows(10, 70, 300);
         remap(true, [&](int i) { return shifted(i, 10, 70, 300); });
       }},
      {"rows up across pages",
       [&] {
         store.MoveRows(500, 130, 3);
         remap(true, [&](int i) { return shifted(i, 500, 130, 3); });
       }},
      {"columns",
       [&] {
         store.MoveCols(1, 3, 5);
         remap(false, [&](int i) { return shifted(i, 1, 3, 5); });
       }},
      {"delete a row",
       [&] {
         store.DeleteRow(64);
         remap(true, [](int i) { return i == 64 ? -1 : i > 64 ? i - 1 : i; });
       }},
      {"delete a column",
       [&] {
         store.DeleteCol(2);
         remap(false, [](int i) { return i == 2 ? -1 : i > 2 ? i - 1 : i; });
       }},
      {"erase whole pages",
       [&] {
         store.EraseRows(100, 260);
         std::erase_if(model, [](const auto& cell) { return cell.first.first >= 100 && cell.first.first <= 260; });
       }},
      {"clear texts",
       [&] {
         store.ClearTexts(0, 300, 3, 420);
         for (auto& [key, cell] : model)
           if (key.first >= 300 && key.first <= 420 && key.second <= 3) cell.first.clear();
         std::erase_if(model, [](const auto& cell) { return cell.second.first.empty() && !cell.second.second; });
       }},
      {"swap stored rows",
       [&] {
         store.SwapRows(0, 650);
         remap(true, [](int i) { return i == 0 ? 650 : i == 650 ? 0 : i; });
       }},
      {"swap a stored row with an empty one on a page of its own",
       [&] {
         store.SwapRows(1, 5000);
         remap(true, [](int i) { return i == 1 ? 5000 : i == 5000 ? 1 : i; });
       }},
      {"swap it back, leaving that page empty",
       [&] {
         store.SwapRows(5000, 1);
         remap(true, [](int i) { return i == 1 ? 5000 : i == 5000 ? 1 : i; });
       }},
      {"swap two empty rows",
       [&] { store.SwapRows(6000, 7000); }},
      {"write again",
       [&] {
         for (int r = 95; r < 270; r += 5) write(4, r, "again", r % 2 ? &objects[0] : nullptr);
       }},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.Name);
    step.Act();
    for (int r : RowsToCheck())
      for (int c = 0; c < 10; ++c) {
        const auto cell = model.find({r, c});
        ASSERT_EQ(store.Text(c, r), cell == model.end() ? "" : cell->second.first) << c << "," << r;
        ASSERT_EQ(store.Object(c, r), cell == model.end() ? nullptr : cell->second.second) << c << "," << r;
      }
    EXPECT_EQ(store.CellCount(), model.size());
    std::vector<std::tuple<int, int, TObject*>> visited, expected;
    store.ForEachObject([&](int c, int r, TObject* object) { visited.emplace_back(r, c, object); });
    for (const auto& [key, cell] : model)
      if (cell.second) expected.emplace_back(key.first, key.second, cell.second);
    EXPECT_EQ(visited, expected);
  }
}

// Ten columns of 50 pixels with one fixed, lines of 1, in a client 200 wide:
// fixed 0..50, then columns from First.
TGridAxis TenColumns() {
  TGridAxis axis;
  axis.SetDefaultExtent(50);
  axis.SetCount(10);
  axis.SetFixed(1);
  axis.SetFirst(1);
  axis.SetLineWidth(1);
  return axis;
}

TEST(GridAxis, StartsHitsAndVisibleCounts) {
  TGridAxis axis = TenColumns();
  EXPECT_EQ(axis.FixedBoundary(), 51);
  EXPECT_EQ(axis.Start(0, 200), 0);
  EXPECT_EQ(axis.Start(1, 200), 51);
  EXPECT_EQ(axis.Start(3, 200), 153);
  EXPECT_EQ(axis.Start(4, 200), -1);    // starts at 204, past the client
  EXPECT_EQ(axis.IndexAt(50, 200), 0);  // the line belongs to the cell before it
  EXPECT_EQ(axis.IndexAt(51, 200), 1);
  EXPECT_EQ(axis.IndexAt(199, 200), 3);
  EXPECT_EQ(axis.IndexAt(200, 200), -1);
  EXPECT_EQ(axis.LastFullVisible(200), 2);  // column 3 shows 47 of its 50 pixels
  EXPECT_EQ(axis.VisibleCount(200), 2);
  EXPECT_EQ(axis.LastVisible(200), 3);
  EXPECT_EQ(axis.MaxFirst(200), 8);  // columns 8 and 9 fill 101 of 149 pixels; 7 would not fit
  axis.SetFirst(5);
  EXPECT_EQ(axis.Start(4, 200), -1);  // scrolled out
  EXPECT_EQ(axis.Start(5, 200), 51);
  EXPECT_EQ(axis.IndexAt(60, 200), 5);
  EXPECT_EQ(axis.FirstShowing(3, 200), 3);
  EXPECT_EQ(axis.FirstShowing(9, 200), 8);
  EXPECT_EQ(axis.FirstShowing(6, 200), 5);  // already whole: no move
  axis.SetExtent(6, 0);
  EXPECT_EQ(axis.Start(7, 200), 103);  // a hidden column keeps only its line
}

TEST(GridAxis, WithoutLinesCellsTouch) {
  TGridAxis axis = TenColumns();
  axis.SetLineWidth(0);
  EXPECT_EQ(axis.FixedBoundary(), 50);
  EXPECT_EQ(axis.Start(2, 200), 100);
  EXPECT_EQ(axis.IndexAt(100, 200), 2);
  EXPECT_EQ(axis.LastFullVisible(200), 3);
}

TEST(GridAxis, AHundredThousandRowsScrollToTheEnd) {
  TGridAxis rows;
  rows.SetDefaultExtent(24);
  rows.SetCount(100000);
  rows.SetFixed(1);
  rows.SetFirst(1);
  rows.SetLineWidth(1);
  const int max = rows.MaxFirst(300);
  EXPECT_EQ(max, 100000 - 11);  // 11 rows of 25 below the fixed one fill 275 of 275
  rows.SetFirst(max);
  EXPECT_EQ(rows.LastFullVisible(300), 99999);
  int from = 0, to = 0;
  ASSERT_TRUE(rows.Span(99990, 99999, 300, from, to));
  EXPECT_EQ(from, 25 + 25);
  EXPECT_EQ(to, 300);
}

TEST(GridAxis, AHugeCountCostsOnlyWhatIsSized) {
  TGridAxis rows;
  rows.SetDefaultExtent(20);
  rows.SetCount(2000000000);
  rows.SetFixed(1);
  rows.SetFirst(1);
  rows.SetLineWidth(1);
  rows.SetExtent(3, 40);
  rows.MoveExtent(3, 1);
  EXPECT_EQ(rows.Extent(1), 40);
  EXPECT_EQ(rows.Extent(3), 20);
  EXPECT_EQ(rows.Extent(1999999999), 20);
  EXPECT_EQ(rows.MaxFirst(211), 2000000000 - 9);  // nine rows of 21 below the fixed one fit 190
  rows.SetFirst(rows.MaxFirst(211));
  EXPECT_EQ(rows.LastFullVisible(211), 1999999999);
  rows.SetCount(2);  // shrinking drops what lay beyond
  EXPECT_EQ(rows.Extent(1), 40);
}

}  // namespace
}  // namespace plat::testing
