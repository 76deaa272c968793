// The string grid on the headless display, driven by keys, the mouse and
// its scroll bars: navigation across the fixed cells and the view's edges,
// drag selection scrolled on by the timer, sizing and moving by the mouse,
// the in-place editor, Tab with and without goTabs, thumb tracking on the
// 0..127 range, and the errors the grid raises for bad counts and indexes.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "platform/rtl/Exception.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/ui/TInplaceEdit.h"
#include "platform/ui/TStringGrid.h"
#include "platform/ui/tests/StdControlsFixture.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/StandardControlMessages.h"
#include "platform/win/VirtualKeys.h"

namespace plat::testing {
namespace {

// A string grid that exposes the operations the class library keeps for
// descendants.
class TTestGrid : public TStringGrid {
 public:
  using TCustomGrid::DeleteColumn;
  using TCustomGrid::DeleteRow;
  using TCustomGrid::GatherRowsAtEnd;
  using TCustomGrid::MoveColumn;
  using TCustomGrid::MoveColumns;
  using TCustomGrid::MoveRow;
  using TCustomGrid::MoveRows;
  using TCustomGrid::ScatterRowsFromEnd;
  using TStringGrid::EraseRows;
  using TStringGrid::TakeRowCells;
  using TStringGrid::TStringGrid;
};

// Keeps its vertical bar shown (and disabled) after every scroll-range update.
class TKeepBarGrid : public TStringGrid {
 public:
  using TStringGrid::TStringGrid;

 protected:
  void ScrollRangeUpdated() override {
    ShowScrollBar(Handle(), SB_VERT, true);
    EnableScrollBar(Handle(), SB_VERT, ESB_DISABLE_BOTH);
  }
};

class StringGrid : public StdControlsTest {
 protected:
  // A focused grid of Cols x Rows cells (64 x 24 pixels, lines of 1, one
  // fixed row and column) whose client area is 300 x 200, with every cell
  // reading "c,r"; events are written to Log.
  TTestGrid* MakeGrid(int Cols, int Rows, TGridOptions Options = {}) {
    TTestGrid* grid = Make<TTestGrid>(Bounds(10, 10, 304, 204));
    grid->SetColCount(Cols);
    grid->SetRowCount(Rows);
    grid->SetOptions(grid->Options() + Options);
    grid->SetScrollBars(TScrollStyle::ssNone);
    for (int r = 0; r < std::min(Rows, 50); ++r)
      for (int c = 0; c < std::min(Cols, 50); ++c) grid->SetCells(c, r, std::to_string(c) + "," + std::to_string(r));
    grid->OnTopLeftChanged = [this, grid](TObject*) {
      Log.push_back("TopLeft " + std::to_string(grid->LeftCol()) + "," + std::to_string(grid->TopRow()));
    };
    grid->OnSetEditText = [this](TObject*, int c, int r, const String& v) {
      Log.push_back("SetEditText " + std::to_string(c) + "," + std::to_string(r) + " " + v);
    };
    grid->OnRowMoved = [this](TObject*, int from, int to) {
      Log.push_back("RowMoved " + std::to_string(from) + "," + std::to_string(to));
    };
    grid->OnColumnMoved = [this](TObject*, int from, int to) {
      Log.push_back("ColumnMoved " + std::to_string(from) + "," + std::to_string(to));
    };
    grid->SetFocus();
    Pump();
    return grid;
  }
  // The middle of a cell, on the screen.
  TPoint CellOnScreen(TCustomGrid* Grid, int ACol, int ARow) {
    const TRect r = Grid->CellRect(ACol, ARow);
    return OnScreen(Grid, {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
  }
  static std::string Where(TCustomGrid* Grid) {
    return std::to_string(Grid->Col()) + "," + std::to_string(Grid->Row()) + " view " +
           std::to_string(Grid->LeftCol()) + "," + std::to_string(Grid->TopRow());
  }
  static std::string Sel(TCustomGrid* Grid) {
    const TGridRect s = Grid->Selection();
    return std::to_string(s.Left) + "," + std::to_string(s.Top) + "-" + std::to_string(s.Right) + "," +
           std::to_string(s.Bottom);
  }
  std::vector<std::string> Log;
};

template <typename F>
std::string ErrorOf(F&& Call) {
  try {
    Call();
  } catch (const EInvalidGridOperation& e) {
    return e.what();
  }
  return "no error";
}

TEST_F(StringGrid, CountsFixedCountsAndIndexesAreChecked) {
  TTestGrid* grid = MakeGrid(5, 5);
  EXPECT_EQ(ErrorOf([&] { grid->SetFixedCols(5); }), "Fixed column count must be less than column count");
  EXPECT_EQ(ErrorOf([&] { grid->SetFixedRows(7); }), "Fixed row count must be less than row count");
  EXPECT_EQ(ErrorOf([&] { grid->SetFixedRows(-1); }), "Grid index out of range");
  EXPECT_EQ(ErrorOf([&] { grid->SetCol(0); }), "Grid index out of range");  // a fixed column
  EXPECT_EQ(ErrorOf([&] { grid->SetRow(5); }), "Grid index out of range");
  EXPECT_EQ(ErrorOf([&] { grid->SetColWidths(5, 10); }), "Grid index out of range");
  EXPECT_EQ(ErrorOf([&] { grid->SetSelection({1, 1, 9, 2}); }), "Grid index out of range");
  EXPECT_EQ(ErrorOf([&] { grid->MoveRow(0, 5); }), "Grid index out of range");
  // Nothing changed on the way.
  EXPECT_EQ(grid->FixedCols(), 1);
  EXPECT_EQ(grid->FixedRows(), 1);
  EXPECT_EQ(Where(grid), "1,1 view 1,1");
  EXPECT_EQ(Sel(grid), "1,1-1,1");
  // Sizes out of range read as the default; counts stay at least 1 and
  // take the fixed counts down with them.
  grid->SetColWidths(2, 30);
  EXPECT_EQ(grid->ColWidths(2), 30);
  EXPECT_EQ(grid->ColWidths(99), 64);
  EXPECT_EQ(grid->RowHeights(-1), 24);
  grid->SetFixedCols(3);
  grid->SetColCount(2);
  EXPECT_EQ(grid->FixedCols(), 1);
  grid->SetRowCount(0);
  EXPECT_EQ(grid->RowCount(), 1);
  EXPECT_EQ(grid->FixedRows(), 0);
  // Cells beyond the counts are kept and show again when the grid grows.
  EXPECT_EQ(grid->Cells(4, 4), "4,4");
  grid->SetCells(9, 9, "far");
  grid->SetColCount(10);
  grid->SetRowCount(10);
  EXPECT_EQ(grid->Cells(9, 9), "far");
  EXPECT_THROW(grid->SetCells(-1, 0, "x"), EListError);
}

// A 20 x 40 grid in a client of 300 x 200: columns 1..3 show whole beside
// the fixed one (64 + 1 each), rows 1..7 below the fixed one (24 + 1 each).
TEST_F(StringGrid, KeysMoveTheCurrentCellAndTheView) {
  struct Case {
    const char* Keys;
    const char* Where;
  };
  const Case cases[] = {
      {"{RIGHT}{RIGHT}{DOWN}", "3,2 view 1,1"},
      {"{RIGHT}{RIGHT}{RIGHT}", "4,1 view 2,1"},  // over the right edge: the view follows
      {"{LEFT}{UP}", "1,1 view 1,1"},             // the fixed cells stop the moves
      {"{END}", "19,1 view 17,1"},
      {"{END}{HOME}", "1,1 view 1,1"},
      {"{C-END}", "1,39 view 1,33"},
      {"{C-END}{C-HOME}", "1,1 view 1,1"},
      {"{PGDN}", "1,8 view 1,8"},
      {"{PGDN}{PGDN}{PGUP}", "1,8 view 1,8"},
      {"{DOWN}{DOWN}{C-PGDN}", "1,7 view 1,1"},
      {"{C-DOWN}{C-DOWN}", "1,1 view 1,3"},  // the view alone
      {"{C-RIGHT}", "4,1 view 4,1"},
      {"{TAB}", "1,1 view 1,1"},  // without goTabs Tab is not the grid's
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Keys);
    TTestGrid* grid = MakeGrid(20, 40);
    Type(c.Keys);
    EXPECT_EQ(Where(grid), c.Where);
    delete grid;
  }
}

TEST_F(StringGrid, ShiftExtendsTheSelectionAndRowSelectTakesWholeRows) {
  TTestGrid* grid = MakeGrid(6, 6);
  Type("{S-RIGHT}{S-DOWN}{S-DOWN}");
  EXPECT_EQ(Sel(grid), "1,1-2,3");
  Type("{RIGHT}");
  EXPECT_EQ(Sel(grid), "3,3-3,3");
  grid->SetOptions(grid->Options() - TGridOptions{TGridOption::goRangeSelect});
  Type("{S-DOWN}");
  EXPECT_EQ(Sel(grid), "3,4-3,4");
  grid->SetOptions(grid->Options() + TGridOptions{TGridOption::goRowSelect});
  EXPECT_EQ(Sel(grid), "1,4-5,4");
  Type("{HOME}");  // first row under row select
  EXPECT_EQ(Sel(grid), "1,1-5,1");
}

TEST_F(StringGrid, TabMovesAlongTheRowsOnlyWithGoTabs) {
  TEdit* next = Make<TEdit>(Bounds(10, 230, 100, 21));
  next->SetTabStop(true);
  TTestGrid* grid = MakeGrid(4, 3, {TGridOption::goTabs});
  Type("{TAB}{TAB}{TAB}");  // over the row's end onto the next row
  EXPECT_EQ(Where(grid), "1,2 view 1,1");
  Type("{S-TAB}");
  EXPECT_EQ(Where(grid), "3,1 view 1,1");
  EXPECT_TRUE(grid->Focused());
  grid->SetOptions(grid->Options() - TGridOptions{TGridOption::goTabs});
  Type("{TAB}");
  EXPECT_EQ(Where(grid), "3,1 view 1,1");
  EXPECT_TRUE(next->Focused());
}

TEST_F(StringGrid, ClickingAndDraggingSelects) {
  TTestGrid* grid = MakeGrid(6, 6);
  InjectClick(CellOnScreen(grid, 2, 3));
  Pump();
  EXPECT_EQ(Where(grid), "2,3 view 1,1");
  Clock().Advance(1000);
  InjectDrag(CellOnScreen(grid, 1, 1), CellOnScreen(grid, 3, 2));
  Pump();
  EXPECT_EQ(Sel(grid), "1,1-3,2");
  EXPECT_EQ(grid->GridState(), TGridState::gsNormal);
  // Clicks on fixed cells and beyond the last cell move nothing.
  Clock().Advance(1000);
  InjectClick(OnScreen(grid, {10, 10}));
  Pump();
  EXPECT_EQ(Sel(grid), "1,1-3,2");
  // Shift+click extends from the anchor.
  Clock().Advance(1000);
  InjectKeyDown(VK_SHIFT);
  InjectClick(CellOnScreen(grid, 2, 4));
  InjectKeyUp(VK_SHIFT);
  Pump();
  EXPECT_EQ(Sel(grid), "1,1-2,4");
}

TEST_F(StringGrid, ADragBeyondTheViewScrollsOnTheTimer) {
  TTestGrid* grid = MakeGrid(8, 40);
  InjectMouseDown(CellOnScreen(grid, 1, 2));
  InjectMouseMove(OnScreen(grid, {100, 250}));  // below the grid
  Pump();
  EXPECT_EQ(grid->GridState(), TGridState::gsSelecting);
  EXPECT_EQ(grid->Row(), 2);
  // The first tick reaches the row below the view, each further tick one more.
  std::vector<int> rows;
  for (int tick = 0; tick < 4; ++tick) {
    Clock().Advance(60);
    Pump();
    rows.push_back(grid->Row());
  }
  EXPECT_EQ(rows, (std::vector<int>{8, 9, 10, 11}));
  EXPECT_EQ(grid->TopRow(), grid->Row() - grid->VisibleRowCount() + 1);
  // Beside the fixed column the selection runs left, one column a tick.
  InjectMouseMove(OnScreen(grid, {5, 100}));
  Pump();
  Clock().Advance(60);
  Pump();
  InjectMouseUp(OnScreen(grid, {5, 100}));
  Pump();
  EXPECT_EQ(grid->GridState(), TGridState::gsNormal);
  const int last = grid->Row();
  Clock().Advance(600);
  Pump();
  EXPECT_EQ(grid->Row(), last);  // the timer stopped with the release
  EXPECT_EQ(Sel(grid).substr(0, 4), "1,2-");
}

TEST_F(StringGrid, ColumnsAndRowsAreSizedByTheMouse) {
  TTestGrid* grid = MakeGrid(5, 5, {TGridOption::goColSizing, TGridOption::goRowSizing});
  // The line after column 1 lies at x = 65 + 64 = 129, in the fixed row.
  InjectDrag(OnScreen(grid, {129, 12}), OnScreen(grid, {159, 12}));
  Pump();
  EXPECT_EQ(grid->ColWidths(1), 94);
  EXPECT_EQ(grid->ColWidths(2), 64);
  // The line after row 2 lies at y = 25 + 25 + 24 = 74, in the fixed column.
  Clock().Advance(1000);
  InjectDrag(OnScreen(grid, {30, 74}), OnScreen(grid, {30, 64}));
  Pump();
  EXPECT_EQ(grid->RowHeights(2), 14);
  // Not narrower than nothing.
  Clock().Advance(1000);
  InjectDrag(OnScreen(grid, {159, 12}), OnScreen(grid, {20, 12}));
  Pump();
  EXPECT_EQ(grid->ColWidths(1), 0);
  EXPECT_EQ(grid->GridState(), TGridState::gsNormal);
  // Without the options the same press selects nothing and sizes nothing.
  grid->SetOptions(grid->Options() - TGridOptions{TGridOption::goColSizing, TGridOption::goRowSizing});
  Clock().Advance(1000);
  InjectDrag(OnScreen(grid, {30, 74}), OnScreen(grid, {30, 100}));
  Pump();
  EXPECT_EQ(grid->RowHeights(2), 14);
}

TEST_F(StringGrid, RowsAndColumnsAreMovedByTheMouseAndTheProgram) {
  TTestGrid* grid = MakeGrid(5, 6, {TGridOption::goRowMoving, TGridOption::goColMoving});
  grid->SetRowHeights(2, 30);
  grid->SetRow(2);
  InjectDrag(CellOnScreen(grid, 0, 2), CellOnScreen(grid, 0, 4));
  Pump();
  EXPECT_EQ(Log, (std::vector<std::string>{"RowMoved 2,4"}));
  EXPECT_EQ(grid->Cells(1, 4), "1,2");
  EXPECT_EQ(grid->Cells(1, 2), "1,3");
  EXPECT_EQ(grid->RowHeights(4), 30);  // the height goes with the row
  EXPECT_EQ(grid->Row(), 4);           // and so does the current cell
  Log.clear();
  Clock().Advance(1000);
  InjectDrag(CellOnScreen(grid, 3, 0), CellOnScreen(grid, 1, 0));
  Pump();
  EXPECT_EQ(Log, (std::vector<std::string>{"ColumnMoved 3,1"}));
  EXPECT_EQ(grid->Cells(1, 1), "3,1");
  Log.clear();
  grid->DeleteRow(1);
  EXPECT_EQ(grid->RowCount(), 5);
  EXPECT_EQ(grid->Cells(1, 1), "3,3");
  grid->DeleteColumn(1);
  EXPECT_EQ(grid->ColCount(), 4);
  EXPECT_EQ(grid->Cells(1, 1), "1,3");
}

TEST_F(StringGrid, TheEditorCommitsOnEnterAndCancelsOnEscape) {
  TTestGrid* grid = MakeGrid(5, 5, {TGridOption::goEditing});
  Type("{RIGHT}{F2}");
  ASSERT_TRUE(grid->EditorMode());
  TInplaceEdit* editor = grid->InplaceEditor();
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(editor->Focused());
  EXPECT_EQ(editor->BoundsRect(), grid->CellRect(2, 1));
  EXPECT_EQ(editor->Text(), "2,1");
  Type("{END}x{ENTER}");
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_FALSE(editor->Visible());
  EXPECT_TRUE(grid->Focused());
  EXPECT_EQ(grid->Cells(2, 1), "2,1x");
  // Escape puts the text back; nothing is committed.
  Type("{F2}abc{ESC}");
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_EQ(grid->Cells(2, 1), "2,1x");
  // A typed character opens the editor in place of the text; moving on
  // commits it; an unchanged text is not committed.
  Type("q{DOWN}{ENTER}{ENTER}");
  EXPECT_EQ(grid->Cells(2, 1), "q");
  EXPECT_EQ(Where(grid), "2,2 view 1,1");
  EXPECT_EQ(Log, (std::vector<std::string>{"SetEditText 2,1 2,1x", "SetEditText 2,1 q"}));
  // Without goEditing the keys edit nothing.
  grid->SetOptions(grid->Options() - TGridOptions{TGridOption::goEditing});
  Type("{F2}z{ENTER}");
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_EQ(grid->Cells(2, 2), "2,2");
}

TEST_F(StringGrid, TheEditorTakesAMaskAndFollowsTheView) {
  TTestGrid* grid = MakeGrid(5, 40, {TGridOption::goEditing});
  grid->OnGetEditMask = [](TObject*, int, int, String& Mask) { Mask = "99;0;_"; };
  grid->SetCells(1, 1, "");
  Type("{F2}a7b3{ENTER}");
  EXPECT_EQ(grid->Cells(1, 1), "73");
  // Scrolled out of view, the editor waits; back in view it shows again.
  Type("{F2}");
  ASSERT_TRUE(grid->EditorMode());
  grid->SetTopRow(20);
  Pump();
  EXPECT_TRUE(grid->EditorMode());
  EXPECT_FALSE(grid->InplaceEditor()->Visible());
  grid->SetTopRow(1);
  Pump();
  EXPECT_TRUE(grid->InplaceEditor()->Visible());
  EXPECT_EQ(grid->InplaceEditor()->BoundsRect(), grid->CellRect(1, 1));
}

TEST_F(StringGrid, ThumbTrackingReachesTheLastRowOfAHundredThousand) {
  TTestGrid* grid = MakeGrid(5, 100000, {TGridOption::goThumbTracking});
  grid->SetScrollBars(TScrollStyle::ssBoth);
  Pump();
  SCROLLINFO info;
  info.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(grid->Handle(), SB_VERT, &info));
  EXPECT_EQ(info.nMin, 0);
  EXPECT_EQ(info.nMax, 127);
  Log.clear();
  // Drag the thumb down to the end of its track.
  SCROLLBARINFO bar;
  GetScrollBarInfo(grid->Handle(), OBJID_VSCROLL, &bar);
  const TRect r = bar.rcScrollBar;
  const int x = (r.Left + r.Right) / 2;
  InjectDrag({x, r.Top + (bar.xyThumbTop + bar.xyThumbBottom) / 2}, {x, r.Bottom + 40}, 4);
  Pump();
  EXPECT_EQ(grid->TopRow() + grid->VisibleRowCount() - 1, 99999);
  ASSERT_FALSE(Log.empty());
  // Each step of the thumb moved the view once: one notification a move.
  EXPECT_LE(Log.size(), 5u);
  for (std::size_t i = 1; i < Log.size(); ++i) EXPECT_NE(Log[i], Log[i - 1]);
  info.fMask = SIF_POS;
  GetScrollInfo(grid->Handle(), SB_VERT, &info);
  EXPECT_EQ(info.nPos, 127);
  // The middle of the range is the middle of the rows.
  SendMessage(grid->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 64), 0);
  EXPECT_NEAR(grid->TopRow(), 50000, 500);
  // Without thumb tracking only the release moves the view.
  grid->SetOptions(grid->Options() - TGridOptions{TGridOption::goThumbTracking});
  const int top = grid->TopRow();
  SendMessage(grid->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0), 0);
  EXPECT_EQ(grid->TopRow(), top);
  SendMessage(grid->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
  EXPECT_EQ(grid->TopRow(), 1);
}

TEST_F(StringGrid, TheHorizontalThumbReachesTheLastColumn) {
  TTestGrid* grid = MakeGrid(300, 5, {TGridOption::goThumbTracking});
  grid->SetScrollBars(TScrollStyle::ssBoth);
  Pump();
  Log.clear();
  SendMessage(grid->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 127), 0);
  EXPECT_EQ(grid->LeftCol() + grid->VisibleColCount() - 1, 299);
  EXPECT_EQ(Log.size(), 1u);
  SendMessage(grid->Handle(), WM_HSCROLL, MAKEWPARAM(SB_LINEUP, 0), 0);
  SendMessage(grid->Handle(), WM_HSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);  // back to the end
  SendMessage(grid->Handle(), WM_HSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);  // no further
  EXPECT_EQ(Log.size(), 3u);
  SendMessage(grid->Handle(), WM_HSCROLL, MAKEWPARAM(SB_LEFT, 0), 0);
  EXPECT_EQ(grid->LeftCol(), 1);
}

TEST_F(StringGrid, TheWheelMovesTheCurrentRow) {
  TTestGrid* grid = MakeGrid(4, 30);
  InjectWheel(CellOnScreen(grid, 1, 1), -2 * WHEEL_DELTA);
  Pump();
  EXPECT_EQ(grid->Row(), 3);
  InjectWheel(CellOnScreen(grid, 1, 1), WHEEL_DELTA);
  Pump();
  EXPECT_EQ(grid->Row(), 2);
  // A handler that takes the notch keeps it from the grid.
  grid->OnMouseWheelDown = [](TObject*, TShiftState, TPoint, bool& Handled) { Handled = true; };
  InjectWheel(CellOnScreen(grid, 1, 1), -WHEEL_DELTA);
  Pump();
  EXPECT_EQ(grid->Row(), 2);
}

}  // namespace
}  // namespace plat::testing

namespace plat::testing {
namespace {

TEST_F(StringGrid, SelectCellCanRefuseACellAndLeavingTheGridClosesTheEditor) {
  TEdit* other = Make<TEdit>(Bounds(10, 230, 100, 21));
  TTestGrid* grid = MakeGrid(5, 5, {TGridOption::goEditing});
  grid->OnSelectCell = [](TObject*, int ACol, int ARow, bool& CanSelect) { CanSelect = !(ACol == 2 && ARow == 1); };
  Type("{RIGHT}");
  EXPECT_EQ(Where(grid), "1,1 view 1,1");  // refused: the cell stays
  Type("{DOWN}{RIGHT}{F2}{END}!");
  EXPECT_EQ(Where(grid), "2,2 view 1,1");
  ASSERT_TRUE(grid->EditorMode());
  InjectClick(OnScreen(other, {5, 5}));
  Pump();
  EXPECT_TRUE(other->Focused());
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_FALSE(grid->InplaceEditor()->Visible());
  EXPECT_EQ(grid->Cells(2, 2), "2,2!");
  EXPECT_EQ(Log, (std::vector<std::string>{"SetEditText 2,2 2,2!"}));
}

}  // namespace
}  // namespace plat::testing

namespace plat::testing {
namespace {

TEST_F(StringGrid, WithAlwaysShowEditorTheEditorFollowsTheCurrentCell) {
  TTestGrid* grid = MakeGrid(5, 5, {TGridOption::goEditing, TGridOption::goAlwaysShowEditor});
  ASSERT_TRUE(grid->EditorMode());
  TInplaceEdit* editor = grid->InplaceEditor();
  EXPECT_TRUE(editor->Visible());
  EXPECT_EQ(editor->Text(), "1,1");
  Type("{END}a{DOWN}");
  EXPECT_EQ(grid->Cells(1, 1), "1,1a");
  EXPECT_TRUE(editor->Visible());
  EXPECT_EQ(editor->BoundsRect(), grid->CellRect(1, 2));
  EXPECT_EQ(editor->Text(), "1,2");
  // Escape puts the text back and keeps the editor open; Enter commits.
  Type("{END}b{ESC}");
  EXPECT_TRUE(editor->Visible());
  EXPECT_EQ(editor->Text(), "1,2");
  Type("{END}c{ENTER}");
  EXPECT_EQ(grid->Cells(1, 2), "1,2c");
  EXPECT_EQ(Log, (std::vector<std::string>{"SetEditText 1,1 1,1a", "SetEditText 1,2 1,2c"}));
}

}  // namespace
}  // namespace plat::testing

namespace plat::testing {
namespace {

TEST_F(StringGrid, CellRectAndMouseToCellFollowTheView) {
  TTestGrid* grid = MakeGrid(20, 40);
  EXPECT_EQ(grid->CellRect(0, 0), (TRect{0, 0, 64, 24}));
  EXPECT_EQ(grid->CellRect(2, 1), (TRect{130, 25, 194, 49}));
  EXPECT_EQ(grid->CellRect(4, 1), (TRect{260, 25, 300, 49}));  // cut by the client's edge
  EXPECT_TRUE(grid->CellRect(5, 1).IsEmpty());                 // beyond it
  EXPECT_TRUE(grid->CellRect(-1, 1).IsEmpty());
  grid->SetLeftCol(3);
  grid->SetTopRow(10);
  EXPECT_TRUE(grid->CellRect(2, 1).IsEmpty());  // scrolled out
  EXPECT_EQ(grid->CellRect(0, 10), (TRect{0, 25, 64, 49}));
  EXPECT_EQ(grid->CellRect(3, 0), (TRect{65, 0, 129, 24}));
  int col = 0, row = 0;
  grid->MouseToCell(70, 30, col, row);
  EXPECT_EQ(col, 3);
  EXPECT_EQ(row, 10);
  grid->MouseToCell(64, 24, col, row);  // the lines belong to the cells before them
  EXPECT_EQ(col, 0);
  EXPECT_EQ(row, 0);
  grid->MouseToCell(-1, 30, col, row);
  EXPECT_EQ(col, -1);
  EXPECT_EQ(row, -1);
  // A double click on the current cell opens the editor with goEditing.
  grid->SetOptions(grid->Options() + TGridOptions{TGridOption::goEditing});
  grid->SetCol(4);
  grid->SetRow(11);
  InjectDoubleClick(CellOnScreen(grid, 4, 11));
  Pump();
  EXPECT_TRUE(grid->EditorMode());
  EXPECT_EQ(grid->InplaceEditor()->Text(), "4,11");
}

}  // namespace
}  // namespace plat::testing

namespace plat::testing {
namespace {

TEST_F(StringGrid, RowsAndColsAreTheCellsAsStrings) {
  TTestGrid* grid = MakeGrid(3, 4);
  TStrings* row = grid->Rows(2);
  EXPECT_EQ(row->Count(), 3);
  EXPECT_EQ(row->CommaText(), "\"0,2\",\"1,2\",\"2,2\"");
  row->SetStrings(1, "x");
  EXPECT_EQ(grid->Cells(1, 2), "x");
  TStrings* col = grid->Cols(0);
  EXPECT_EQ(col->Count(), 4);
  TStringList marker;
  col->SetObjects(3, &marker);
  EXPECT_EQ(grid->Objects(0, 3), &marker);
  EXPECT_THROW(col->Insert(0, "no"), EInvalidGridOperation);
  EXPECT_THROW(row->Delete(0), EInvalidGridOperation);
  EXPECT_THROW(grid->Rows(-1), EListError);
  EXPECT_EQ(grid->Cells(0, 0), "0,0");  // nothing moved
  TStringList values;
  values.Add("a");
  values.Add("b");
  grid->SetRows(1, values);
  EXPECT_EQ(grid->Rows(1)->CommaText(), "a,b,");
  row->Clear();
  EXPECT_EQ(grid->Rows(2)->CommaText(), ",,");
  EXPECT_EQ(grid->Objects(0, 3), &marker);  // another row's object stays
  // The same list object serves the row each time.
  EXPECT_EQ(grid->Rows(2), row);
  // Rows of any length are written and emptied by their stored cells only.
  grid->SetColCount(2000000000);
  grid->SetRows(1, values);
  grid->Rows(1)->Clear();
  EXPECT_EQ(grid->Cells(0, 1), "");
}

}  // namespace
}  // namespace plat::testing

namespace plat::testing {
namespace {

TEST_F(StringGrid, TheEditorKeepsTheLinesOfACell) {
  TTestGrid* grid = MakeGrid(5, 5, {TGridOption::goEditing});
  grid->SetRowHeights(1, 40);
  grid->SetCells(1, 1, "first\r\nsecond");
  Type("{F2}");
  TInplaceEdit* editor = grid->InplaceEditor();
  ASSERT_TRUE(editor->Visible());
  EXPECT_EQ(SendMessage(editor->Handle(), EM_GETLINECOUNT, 0, 0), 2);
  EXPECT_EQ(editor->Text(), "first\r\nsecond");
  Type("{C-END}");
  InjectKeyDown(VK_CONTROL);
  InjectKeyPress(VK_RETURN);  // Ctrl+Enter: a break, not a commit
  InjectKeyUp(VK_CONTROL);
  Pump();
  EXPECT_TRUE(grid->EditorMode());
  Type("third{ENTER}");
  EXPECT_EQ(grid->Cells(1, 1), "first\r\nsecond\r\nthird");
}

}  // namespace
}  // namespace plat::testing

namespace plat::testing {
namespace {

TEST_F(StringGrid, ForEachObjectVisitsEveryStoredObjectAlsoBeyondTheCounts) {
  TTestGrid* grid = MakeGrid(3, 3);
  TStringList a, b, c;
  grid->SetObjects(2, 1, &b);
  grid->SetObjects(0, 1, &a);
  grid->SetObjects(40, 70000, &c);  // outside the counts
  grid->SetCells(1, 1, "text only");
  std::vector<std::tuple<int, int, TObject*>> seen;
  grid->ForEachObject([&](int ACol, int ARow, TObject* Object) { seen.emplace_back(ACol, ARow, Object); });
  const std::vector<std::tuple<int, int, TObject*>> expected{{0, 1, &a}, {2, 1, &b}, {40, 70000, &c}};
  EXPECT_EQ(seen, expected);
  // Moving a row takes its objects along.
  grid->MoveRow(1, 2);
  seen.clear();
  grid->ForEachObject([&](int ACol, int ARow, TObject* Object) { seen.emplace_back(ACol, ARow, Object); });
  const std::vector<std::tuple<int, int, TObject*>> moved{{0, 2, &a}, {2, 2, &b}, {40, 70000, &c}};
  EXPECT_EQ(seen, moved);
}

}  // namespace
// Column 0 of rows 0..Count-1 (row 0 of columns 0..Count-1), joined by " ".
std::string RowTags(TStringGrid* Grid, int Count) {
  std::string tags;
  for (int r = 0; r < Count; ++r) tags += (r ? " " : "") + Grid->Cells(0, r);
  return tags;
}
std::string ColTags(TStringGrid* Grid, int Count) {
  std::string tags;
  for (int c = 0; c < Count; ++c) tags += (c ? " " : "") + Grid->Cells(c, 0);
  return tags;
}

TEST_F(StringGrid, BlocksOfRowsAndColumnsMoveInOneStep) {
  struct Case {
    int From, Count, To;
    const char* Rows;  // column 0 of rows 0..6 afterwards
    const char* Cols;  // row 0 of columns 0..6 afterwards
  };
  const Case cases[] = {
      {1, 2, 4, "0,0 0,3 0,4 0,5 0,1 0,2 0,6", "0,0 3,0 4,0 5,0 1,0 2,0 6,0"},
      {4, 3, 1, "0,0 0,4 0,5 0,6 0,1 0,2 0,3", "0,0 4,0 5,0 6,0 1,0 2,0 3,0"},
      {2, 1, 2, "0,0 0,1 0,2 0,3 0,4 0,5 0,6", "0,0 1,0 2,0 3,0 4,0 5,0 6,0"},
      {2, 0, 5, "0,0 0,1 0,2 0,3 0,4 0,5 0,6", "0,0 1,0 2,0 3,0 4,0 5,0 6,0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.From) + "+" + std::to_string(c.Count) + "->" + std::to_string(c.To));
    TTestGrid* grid = MakeGrid(7, 7);
    Log.clear();
    grid->SetRowHeights(c.From, 40);
    grid->SetColWidths(c.From, 90);
    grid->SetRow(c.From);
    grid->MoveRows(c.From, c.Count, c.To);
    grid->MoveColumns(c.From, c.Count, c.To);
    EXPECT_EQ(RowTags(grid, 7), c.Rows);
    EXPECT_EQ(ColTags(grid, 7), c.Cols);
    // Sizes and the current cell travel with their rows and columns.
    const int at = c.Count > 0 ? c.To : c.From;
    EXPECT_EQ(grid->RowHeights(at), 40);
    EXPECT_EQ(grid->ColWidths(at), 90);
    EXPECT_EQ(grid->Row(), at);
    EXPECT_TRUE(Log.empty());  // block moves are the program's, no user event
    delete grid;
  }
  TTestGrid* grid = MakeGrid(7, 7);
  EXPECT_EQ(ErrorOf([&] { grid->MoveRows(5, 3, 0); }), "Grid index out of range");
  EXPECT_EQ(ErrorOf([&] { grid->MoveColumns(0, 2, 6); }), "Grid index out of range");
  EXPECT_EQ(RowTags(grid, 7), "0,0 0,1 0,2 0,3 0,4 0,5 0,6");
}

TEST_F(StringGrid, RowSetsGatherAtTheEndAndScatterBackInOnePass) {
  struct Case {
    std::vector<int> Rows;
    const char* Gathered;  // column 0 of rows 0..6 once gathered
  };
  const Case cases[] = {
      {{1, 4}, "0,0 0,2 0,3 0,5 0,6 0,1 0,4"},
      {{0, 1, 2}, "0,3 0,4 0,5 0,6 0,0 0,1 0,2"},
      {{6}, "0,0 0,1 0,2 0,3 0,4 0,5 0,6"},
      {{0, 2, 4, 6}, "0,1 0,3 0,5 0,0 0,2 0,4 0,6"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Gathered);
    TTestGrid* grid = MakeGrid(3, 7);
    grid->SetObjects(1, 900, grid);  // beyond the count: stays where it is
    grid->SetRowHeights(c.Rows.front(), 40);
    grid->SetRow(c.Rows.back());
    grid->GatherRowsAtEnd(c.Rows);
    EXPECT_EQ(RowTags(grid, 7), c.Gathered);
    const int first = 7 - static_cast<int>(c.Rows.size());
    // Heights and the current row travel with their rows.
    EXPECT_EQ(grid->RowHeights(first), 40);
    EXPECT_EQ(grid->Row(), 6);
    EXPECT_EQ(grid->Objects(1, 900), grid);
    std::vector<int> heights(c.Rows.size(), grid->DefaultRowHeight());
    heights.back() = 33;
    grid->ScatterRowsFromEnd(c.Rows, heights);
    EXPECT_EQ(RowTags(grid, 7), "0,0 0,1 0,2 0,3 0,4 0,5 0,6");
    EXPECT_EQ(grid->RowHeights(c.Rows.back()), 33);
    EXPECT_EQ(grid->Row(), c.Rows.back());
    grid->SetObjects(1, 900, nullptr);
    delete grid;
  }
  TTestGrid* grid = MakeGrid(3, 7);
  EXPECT_EQ(ErrorOf([&] { grid->GatherRowsAtEnd({3, 2}); }), "Grid index out of range");
  EXPECT_EQ(ErrorOf([&] { grid->GatherRowsAtEnd({5, 7}); }), "Grid index out of range");
  EXPECT_EQ(ErrorOf([&] { grid->ScatterRowsFromEnd({1}, {}); }), "Grid index out of range");
  EXPECT_EQ(RowTags(grid, 7), "0,0 0,1 0,2 0,3 0,4 0,5 0,6");
}

TEST_F(StringGrid, TakenRowCellsLeaveTheirRowsEmpty) {
  TTestGrid* grid = MakeGrid(3, 4);
  TStringList owned;
  grid->SetObjects(2, 3, &owned);
  std::vector<std::string> taken;
  grid->TakeRowCells(2, 3, [&](int ACol, int ARow, String&& Text, TObject* Object) {
    taken.push_back(std::to_string(ACol) + "/" + std::to_string(ARow) + "=" + Text + (Object ? "+" : ""));
  });
  EXPECT_EQ(taken, (std::vector<std::string>{"0/2=0,2", "1/2=1,2", "2/2=2,2", "0/3=0,3", "1/3=1,3", "2/3=2,3+"}));
  EXPECT_EQ(grid->Cells(0, 2), "");
  EXPECT_EQ(grid->Objects(2, 3), nullptr);
  EXPECT_EQ(grid->Cells(0, 1), "0,1");
}

TEST_F(StringGrid, ErasedRowsAreEmptyAndTheirObjectsAreVisitedFirst) {
  TTestGrid* grid = MakeGrid(3, 6);
  TStringList a, b, c;
  grid->SetObjects(0, 2, &a);
  grid->SetObjects(2, 3, &b);
  grid->SetObjects(7, 900, &c);  // outside the counts
  std::vector<TObject*> seen;
  grid->ForEachObjectInRows(2, 900, [&](int, int, TObject* Object) { seen.push_back(Object); });
  EXPECT_EQ(seen, (std::vector<TObject*>{&a, &b, &c}));
  grid->EraseRows(3, 900);
  EXPECT_EQ(grid->Cells(1, 3), "");
  EXPECT_EQ(grid->Objects(2, 3), nullptr);
  EXPECT_EQ(grid->Objects(7, 900), nullptr);
  EXPECT_EQ(grid->Cells(1, 2), "1,2");
  EXPECT_EQ(grid->Objects(0, 2), &a);
}

TEST_F(StringGrid, ADescendantsBarPolicyOutlastsTheGridsSizing) {
  auto* grid = Make<TKeepBarGrid>(Bounds(10, 10, 304, 204));
  grid->SetRowCount(3);
  grid->SetBounds(10, 10, 320, 220);
  SCROLLBARINFO vert;
  ASSERT_TRUE(GetScrollBarInfo(grid->Handle(), OBJID_VSCROLL, &vert));
  EXPECT_FALSE(vert.rgstate[0] & STATE_SYSTEM_INVISIBLE);
  EXPECT_TRUE(vert.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
}

}  // namespace plat::testing
