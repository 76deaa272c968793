// The scroll bars' thumb: the hint that names the column or row it stands
// on while it is dragged, synchronous scrolling, and the hit tests of the
// mouse.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "extgrid/tests/GridRowsFixture.h"
#include "platform/rtl/MulDiv.h"
#include "platform/ui/THintWindow.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Mouse.h"
#include "platform/win/Messages.h"
#include "platform/win/ScrollBars.h"

namespace zorbit {
namespace {

class Scrolling : public testing::GridRowsTest {
 protected:
  // 30 columns of 64 pixels in a 600 x 400 form.
  void MakeWideGrid() {
    MakeGrid(40);
    FGrid->SetColCount(30);
    FGrid->SetBounds(0, 0, 500, 300);
    FForm->Show();
    Pump();
  }
  plat::THintWindow* Hint() const {
    for (int i = 0; i < FGrid->ComponentCount(); ++i)
      if (auto* hint = dynamic_cast<plat::THintWindow*>(FGrid->Components(i))) return hint;
    return nullptr;
  }
  bool HintShows() const { return Hint() && Hint()->IsShowing(); }
  // What the bar sends while its thumb is dragged to Position, and when
  // the drag ends.
  void Track(unsigned Message, int Position) {
    plat::SendMessage(FGrid->Handle(), Message, plat::MAKEWPARAM(plat::SB_THUMBTRACK, Position), 0);
  }
  void EndScroll(unsigned Message) {
    plat::SendMessage(FGrid->Handle(), Message, plat::MAKEWPARAM(plat::SB_ENDSCROLL, 0), 0);
  }
  // Drags the bar's thumb to the far end of its track and lets it go.
  void DragThumb(int Bar) {
    plat::SCROLLBARINFO bar{};
    bar.cbSize = sizeof(bar);
    plat::GetScrollBarInfo(FGrid->Handle(), Bar, &bar);
    const plat::TRect r = bar.rcScrollBar;
    const int middle = (bar.xyThumbTop + bar.xyThumbBottom) / 2;
    if (Bar == plat::OBJID_HSCROLL) {
      const int y = (r.Top + r.Bottom) / 2;
      plat::InjectDrag({r.Left + middle, y}, {r.Right + 40, y}, 4);
    } else {
      const int x = (r.Left + r.Right) / 2;
      plat::InjectDrag({x, r.Top + middle}, {x, r.Bottom + 40}, 4);
    }
    Pump();
  }
};

TEST_F(Scrolling, TheHintNamesTheColumnWhileTheThumbIsDragged) {
  MakeWideGrid();
  FGrid->SetScrollHints(TScrollHintType::shHorizontal);
  const int last = FGrid->ColCount() - FGrid->VisibleColCount();
  plat::SetCursorPos(300, 200);
  Track(plat::WM_HSCROLL, 127);
  ASSERT_TRUE(HintShows());
  EXPECT_EQ(Hint()->Caption(), "Col : " + std::to_string(last));
  EXPECT_EQ(Hint()->Color(), FGrid->HintColor());
  // Beside the cursor.
  EXPECT_EQ(Hint()->Left(), 310);
  EXPECT_EQ(Hint()->Top(), 200);
  Track(plat::WM_HSCROLL, 0);
  EXPECT_EQ(Hint()->Caption(), "Col : 1");
  EndScroll(plat::WM_HSCROLL);
  EXPECT_FALSE(HintShows());
  // A real drag of the thumb ends with the hint gone and the view moved.
  std::vector<int> seen;
  FGrid->OnScrollHint = [&seen](plat::TObject*, int Index, plat::String&) { seen.push_back(Index); };
  DragThumb(plat::OBJID_HSCROLL);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), last);
  EXPECT_FALSE(HintShows());
  EXPECT_EQ(FGrid->LeftCol(), last);
}

TEST_F(Scrolling, AHandlerReplacesTheTextAndOnlyTheChosenBarHints) {
  MakeWideGrid();
  FGrid->SetScrollHints(TScrollHintType::shVertical);
  int seen = -1;
  FGrid->OnScrollHint = [&seen](plat::TObject*, int Index, plat::String& Text) {
    seen = Index;
    Text = "Row " + std::to_string(Index) + " of 40";
  };
  Track(plat::WM_HSCROLL, 127);
  EXPECT_FALSE(HintShows());
  EXPECT_EQ(seen, -1);
  EndScroll(plat::WM_HSCROLL);
  const int last = FGrid->RowCount() - FGrid->VisibleRowCount();
  Track(plat::WM_VSCROLL, 127);
  ASSERT_TRUE(HintShows());
  EXPECT_EQ(seen, last);
  EXPECT_EQ(Hint()->Caption(), "Row " + std::to_string(last) + " of 40");
  EndScroll(plat::WM_VSCROLL);
  EXPECT_FALSE(HintShows());
}

TEST_F(Scrolling, ScrollSynchFollowsTheThumbWithoutThumbTracking) {
  MakeWideGrid();
  FGrid->SetOptions(FGrid->Options() - plat::TGridOptions{plat::TGridOption::goThumbTracking});
  const int middle = plat::MulDiv(64, FGrid->RowCount() - FGrid->VisibleRowCount() - 1, 127) + 1;
  plat::SendMessage(FGrid->Handle(), plat::WM_VSCROLL, plat::MAKEWPARAM(plat::SB_THUMBTRACK, 64), 0);
  EXPECT_EQ(FGrid->TopRow(), 1);
  FGrid->SetScrollSynch(true);
  plat::SendMessage(FGrid->Handle(), plat::WM_VSCROLL, plat::MAKEWPARAM(plat::SB_THUMBTRACK, 64), 0);
  EXPECT_EQ(FGrid->TopRow(), middle);
}

TEST_F(Scrolling, ANewColumnCountReStretchesTheStretchColumn) {
  MakeGrid(3);
  FGrid->ColumnSize()->SetStretch(true);
  FGrid->SetColCount(4);
  int total = 0;
  for (int c = 0; c < 4; ++c) total += FGrid->ColWidths(c);
  EXPECT_EQ(total, FGrid->ClientWidth() - 1);
  FGrid->SetColCount(2);
  EXPECT_EQ(FGrid->ColWidths(0) + FGrid->ColWidths(1), FGrid->ClientWidth() - 1);
  // Without a parent nothing is stretched.
  FGrid->SetParent(nullptr);
  FGrid->SetColCount(3);
  EXPECT_EQ(FGrid->ColWidths(2), FGrid->DefaultColWidth());
}

TEST_F(Scrolling, SizingBordersLieOnTheFixedCellsOnly) {
  MakeGrid(10);
  FGrid->SetOptions(FGrid->Options() + plat::TGridOptions{plat::TGridOption::goColSizing});
  const plat::TRect header = FGrid->CellRect(1, 0);
  const plat::TRect body = FGrid->CellRect(1, 3);
  const plat::TRect fixed = FGrid->CellRect(0, 3);
  struct Case {
    const char* Where;
    int X, Y;
    bool ColSizing, RowSizing;
  };
  const Case cases[] = {
      {"header, right edge", header.Right - 2, header.Top + 5, true, false},
      {"header, left edge", header.Left + 3, header.Top + 5, true, false},
      {"header, middle", (header.Left + header.Right) / 2, header.Top + 5, false, false},
      {"body, right edge", body.Right - 2, body.Top + 5, false, false},
      {"fixed column, bottom edge", fixed.Left + 5, fixed.Bottom - 1, false, true},
      {"fixed column, middle", fixed.Left + 5, (fixed.Top + fixed.Bottom) / 2, false, false},
      {"body, bottom edge", body.Left + 5, body.Bottom - 1, false, false},
      {"outside the cells", 390, 240, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Where);
    FGrid->SetOptions(FGrid->Options() + plat::TGridOptions{plat::TGridOption::goColSizing} -
                      plat::TGridOptions{plat::TGridOption::goRowSizing});
    EXPECT_EQ(FGrid->IsOnSizingBorder(c.X, c.Y), c.ColSizing);
    FGrid->SetOptions(FGrid->Options() - plat::TGridOptions{plat::TGridOption::goColSizing} +
                      plat::TGridOptions{plat::TGridOption::goRowSizing});
    EXPECT_EQ(FGrid->IsOnSizingBorder(c.X, c.Y), c.RowSizing);
  }
  int col = -1;
  int row = -1;
  EXPECT_TRUE(FGrid->ScreenToCell(FGrid->ClientToScreen({body.Left + 5, body.Top + 5}), col, row));
  EXPECT_EQ(col, 1);
  EXPECT_EQ(row, 3);
}

}  // namespace
}  // namespace zorbit
