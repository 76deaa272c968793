// The grid's keys, presses, wheel, timer ticks, sizing, hints and hovered
// headers, driven by injected input on a real window in the headless
// display; each event is logged in the order the grid fires it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "extgrid/tests/ExtGridPaintFixture.h"
#include "platform/gdi/testing/RecordingThemeService.h"
#include "platform/rtl/Format.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/TForm.h"
#include "platform/win/InputInjection.h"
#include "platform/win/Messages.h"
#include "platform/win/VirtualKeys.h"
#include "testing/FormTest.h"

namespace zorbit {
namespace {

class Input : public testing::FormTest {
 protected:
  plat::TForm* FForm = new plat::TForm(nullptr);
  TExtStringGrid* FGrid = new TExtStringGrid(FForm);
  std::vector<std::string> FLog;

  void SetUp() override {
    FormTest::SetUp();
    FForm->SetBounds(0, 0, 500, 400);
    FGrid->SetParent(FForm);
    FGrid->SetBounds(10, 10, 400, 300);
    FGrid->SetColCount(4);
    FGrid->SetRowCount(20);
    FGrid->OnSelectionChanged = [this](plat::TObject*, int l, int t, int r, int b) {
      FLog.push_back(plat::Format("selection %d,%d-%d,%d", {l, t, r, b}));
    };
    FGrid->OnClickCell = [this](plat::TObject*, int row, int col) {
      FLog.push_back(plat::Format("click row %d col %d", {row, col}));
    };
    FGrid->OnKeyDown = [this](plat::TObject*, std::uint16_t& key, plat::TShiftState) {
      FLog.push_back(plat::Format("key %d", {static_cast<int>(key)}));
    };
    FForm->Show();
    FGrid->SetFocus();
    Pump();
  }
  void TearDown() override {
    delete FForm;
    FormTest::TearDown();
  }
  plat::TPoint CellMiddle(int col, int row) {
    const plat::TRect r = FGrid->CellRect(col, row);
    return OnScreen(FGrid, {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
  }
  void Press(plat::UINT key) {
    plat::InjectKeyPress(key);
    Pump();
  }
};

TEST_F(Input, ArrowsSkipRunsOfCellsThatCountAsFixed) {
  FGrid->OnIsFixedCell = [](plat::TObject*, int row, int, bool& fixed) { fixed = row == 2 || row == 3; };
  Press(plat::VK_DOWN);
  EXPECT_EQ(FGrid->Row(), 4);
  Press(plat::VK_UP);
  EXPECT_EQ(FGrid->Row(), 1);
  const std::vector<std::string> expected{"key 40", "selection 1,4-1,4", "key 38", "selection 1,1-1,1"};
  EXPECT_EQ(FLog, expected);
}

TEST_F(Input, NoMoveWhenOnlyFixedLookingCellsFollow) {
  FGrid->SetRow(17);
  FGrid->OnIsFixedCell = [](plat::TObject*, int row, int, bool& fixed) { fixed = row >= 18; };
  FLog.clear();
  Press(plat::VK_DOWN);
  EXPECT_EQ(FGrid->Row(), 17);
  EXPECT_EQ(FLog, std::vector<std::string>{"key 40"});
}

TEST_F(Input, WithoutSkippingTheArrowStopsAtACellThatCountsAsFixed) {
  FGrid->Navigation()->SetSkipFixedCells(false);
  FGrid->OnIsFixedCell = [](plat::TObject*, int row, int, bool& fixed) { fixed = row == 2; };
  Press(plat::VK_DOWN);
  // A cell that counts as fixed cannot become current.
  EXPECT_EQ(FGrid->Row(), 1);
  FGrid->OnIsFixedCell = nullptr;
  Press(plat::VK_DOWN);
  EXPECT_EQ(FGrid->Row(), 2);
}

TEST_F(Input, AKeyThatMovesNothingReportsNoSelectionChange) {
  Press(plat::VK_LEFT);
  EXPECT_EQ(FLog, std::vector<std::string>{"key 37"});
}

TEST_F(Input, ALeftPressReportsTheCellAsRowThenColumn) {
  plat::InjectClick(CellMiddle(2, 5));
  Pump();
  const std::vector<std::string> expected{"click row 5 col 2", "selection 2,5-2,5"};
  EXPECT_EQ(FLog, expected);
}

TEST_F(Input, ARefusedClickChangesNothing) {
  FGrid->OnCanClickCell = [](plat::TObject*, int row, int, bool& allow) { allow = row != 5; };
  plat::InjectClick(CellMiddle(2, 5));
  Pump();
  EXPECT_TRUE(FLog.empty());
  EXPECT_EQ(FGrid->Row(), 1);
}

TEST_F(Input, APressOnAColumnSizingEdgeIsNoCellClick) {
  FGrid->SetOptions(FGrid->Options().Include(plat::TGridOption::goColSizing));
  const plat::TRect r = FGrid->CellRect(2, 5);
  plat::InjectClick(OnScreen(FGrid, {r.Right - 1, (r.Top + r.Bottom) / 2}));
  Pump();
  for (const std::string& entry : FLog) EXPECT_EQ(entry.find("click"), std::string::npos) << entry;
}

TEST_F(Input, TheWheelMovesTheSelectionByItsStepWithinTheRows) {
  FGrid->MouseActions()->SetWheelIncrement(5);
  const struct {
    int Delta;
    int Row;
  } turns[] = {{-120, 6}, {-120, 11}, {120, 6}, {120, 1}, {120, 1}};
  for (const auto& turn : turns) {
    plat::InjectWheel(CellMiddle(1, 1), turn.Delta);
    Pump();
    EXPECT_EQ(FGrid->Row(), turn.Row) << turn.Delta;
  }
  FGrid->SetRow(17);
  plat::InjectWheel(CellMiddle(1, 1), -120);
  Pump();
  EXPECT_EQ(FGrid->Row(), 19);
  EXPECT_EQ(FLog.front(), "selection 1,6-1,6");
}

TEST_F(Input, TheWheelScrollsWithoutMovingTheCurrentRowWhenAskedTo) {
  FGrid->MouseActions()->SetWheelIncrement(2);
  FGrid->MouseActions()->SetWheelAction(TWheelAction::waScroll);
  plat::InjectWheel(CellMiddle(1, 1), -120);
  Pump();
  EXPECT_EQ(FGrid->TopRow(), 3);
  EXPECT_EQ(FGrid->Row(), 1);
  plat::InjectWheel(CellMiddle(1, 3), 240);
  Pump();
  EXPECT_EQ(FGrid->TopRow(), 1);
  EXPECT_TRUE(FLog.empty());
}

TEST_F(Input, TypedTextLivesFourIdleTicks) {
  FGrid->Navigation()->SetAutoGotoIncremental(true);
  FGrid->SetIncrementalText("AB");
  const std::uint32_t start = FGrid->TickCount();
  for (int tick = 1; tick <= 3; ++tick) {
    Clock().Advance(TExtStringGrid::GridTimerPeriod);
    Pump();
    EXPECT_EQ(FGrid->IncrementalText(), "AB") << tick;
  }
  Clock().Advance(TExtStringGrid::GridTimerPeriod);
  Pump();
  EXPECT_EQ(FGrid->IncrementalText(), "");
  EXPECT_EQ(FGrid->TickCount(), start + 4);
}

TEST_F(Input, NavigationReleasesEndTheTypedText) {
  const struct {
    plat::UINT Key;
    bool Clears;
  } cases[] = {{plat::VK_DOWN, true}, {plat::VK_NEXT, true}, {plat::VK_DELETE, true}, {plat::VK_SHIFT, false},
               {plat::VK_F1, false}};
  for (const auto& c : cases) {
    FGrid->SetIncrementalText("X");
    plat::InjectKeyUp(c.Key);
    Pump();
    EXPECT_EQ(FGrid->IncrementalText().empty(), c.Clears) << c.Key;
  }
}

TEST_F(Input, ReleasesReachTheFormFirstAndThenTheGrid) {
  FForm->SetKeyPreview(true);
  FForm->OnKeyUp = [this](plat::TObject*, std::uint16_t& key, plat::TShiftState) {
    FLog.push_back(plat::Format("form up %d", {static_cast<int>(key)}));
  };
  FGrid->OnKeyUp = [this](plat::TObject*, std::uint16_t& key, plat::TShiftState) {
    FLog.push_back(plat::Format("grid up %d", {static_cast<int>(key)}));
  };
  plat::InjectKeyUp(plat::VK_F9);
  Pump();
  const std::vector<std::string> expected{"form up 120", "grid up 120"};
  EXPECT_EQ(FLog, expected);
}

TEST_F(Input, BlinkingTextTogglesThePhaseEveryTick) {
  FGrid->SetEnableBlink(true);
  FGrid->SetCells(1, 1, "<blink>now</blink>");
  const bool phase = FGrid->BlinkPhase();
  Clock().Advance(TExtStringGrid::GridTimerPeriod);
  Pump();
  EXPECT_NE(FGrid->BlinkPhase(), phase);
}

TEST_F(Input, SizingStretchesTheStretchColumnOverTheClientWidth) {
  FGrid->SetColCount(2);
  FGrid->SetRowCount(3);
  FGrid->SetColWidths(0, 100);
  FGrid->ColumnSize()->SetStretch(true);
  FGrid->SetWidth(300);
  Pump();
  EXPECT_EQ(FGrid->ColWidths(0), 100);
  EXPECT_EQ(FGrid->ColWidths(1), FGrid->ClientWidth() - 100 - 1);
  FGrid->SetWidth(360);
  Pump();
  EXPECT_EQ(FGrid->ColWidths(1), FGrid->ClientWidth() - 100 - 1);
}

TEST_F(Input, WidthsFollowTheGridWhenSynchronised) {
  FGrid->SetColCount(2);
  FGrid->SetColWidths(0, 100);
  FGrid->SetColWidths(1, 50);
  FGrid->ColumnSize()->SetSynchWithGrid(true);
  const int before = FGrid->ClientWidth();
  FGrid->SetWidth(FGrid->Width() + before);
  Pump();
  EXPECT_EQ(FGrid->ColWidths(0), 200);
  EXPECT_EQ(FGrid->ColWidths(1), 100);
}

struct THintCase {
  const char* Name;
  bool ShowCells;
  bool OwnHint;
  const char* Expected;
  bool AtRightEdge;
  bool AtTop;
};

TEST_F(Input, CellHintsTakeTheirTextAndPlaceFromTheCell) {
  FGrid->SetCells(2, 3, "<b>bold</b> text");
  const THintCase cases[] = {
      {"plain", false, false, "grid hint", false, false},
      {"cell text", true, false, "bold text", false, true},
      {"own hint", true, true, "from the event", true, true},
  };
  const plat::TRect r = FGrid->CellRect(2, 3);
  for (const THintCase& c : cases) {
    FGrid->SetHintShowCells(c.ShowCells);
    FGrid->OnGridHint = [&](plat::TObject*, int row, int col, plat::String& hint) {
      if (c.OwnHint && row == 3 && col == 2) hint = "from the event";
    };
    plat::THintInfo info;
    info.HintStr = "grid hint";
    info.CursorPos = {r.Left + 3, r.Top + 3};
    FGrid->Perform(plat::CM_HINTSHOW, 0, reinterpret_cast<plat::LPARAM>(&info));
    EXPECT_EQ(info.HintStr, c.Expected) << c.Name;
    EXPECT_EQ(info.HintColor, FGrid->HintColor()) << c.Name;
    const plat::TPoint place = FGrid->ScreenToClient(info.HintPos);
    EXPECT_EQ(place.X, c.AtRightEdge ? r.Right : r.Left) << c.Name;
    EXPECT_EQ(place.Y, c.AtTop ? r.Top : r.Bottom + 6) << c.Name;
    EXPECT_EQ(info.CursorRect, r) << c.Name;
  }
}

TEST_F(Input, CellsChangedReportsTheCells) {
  plat::TRect reported;
  FGrid->OnCellsChanged = [&](plat::TObject*, const plat::TRect& r) { reported = r; };
  FGrid->CellsChanged({1, 2, 3, 4});
  EXPECT_EQ(reported, (plat::TRect{1, 2, 3, 4}));
}

// ListView headers under a visual style follow the mouse. What the headers
// show is read from the theme drawing the grid does by itself (no forced
// repaint): one letter per header, the latest state drawn for it.
class HeaderHover : public testing::ExtGridPaintTest {
 protected:
  // Made before the grid, which reads the style when it is created.
  plat::testing::ThemeRecorder FThemes;
  std::size_t FSeen = 0;
  std::map<std::pair<int, int>, char> FShown;

  void SetUp() override {
    ExtGridPaintTest::SetUp();
    FGrid->SetLook(TGridLook::glListView);
    Show(4, 4);
  }
  plat::TPoint Over(int Col, int Row) {
    const plat::TRect r = FGrid->CellRect(Col, Row);
    return OnScreen(FGrid, {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
  }
  // Row 0's headers, "|", column 0's: '.' normal, 'h' hot, 'P' pressed.
  std::string Headers() {
    Pump();
    const auto& calls = FThemes.Service().Calls();
    for (; FSeen < calls.size(); ++FSeen) {
      const auto& call = calls[FSeen];
      // The themed rectangle stands one pixel out of the cell.
      const plat::TGridCoord cell = FGrid->MouseCoord(call.Rect.Left + 1, call.Rect.Top + 1);
      const bool headerItem = call.ClassName == u"header" && call.PartId == 1;
      FShown[{cell.X, cell.Y}] = !headerItem ? '?' : " .hP"[std::clamp(call.StateId, 0, 3)];
    }
    std::string shown;
    for (int col = 0; col < 4; ++col) shown += FShown[{col, 0}];
    shown += '|';
    for (int row = 1; row < 4; ++row) shown += FShown[{0, row}];
    return shown;
  }
};

TEST_F(HeaderHover, TheHeaderUnderTheMouseIsHotPressedWhileTheButtonIsDownAndNormalOnceLeft) {
  ASSERT_TRUE(FGrid->IsWinXP());
  const auto pointer = [](plat::TPoint at, void (*inject)(plat::TPoint, plat::MouseButton)) {
    return [at, inject] { inject(at, plat::MouseButton::Left); };
  };
  const auto move = [](plat::TPoint at) { return [at] { plat::InjectMouseMove(at); }; };
  const struct {
    const char* Step;
    std::function<void()> Act;
    const char* Shown;
  } steps[] = {
      {"shown", [] {}, "....|..."},
      {"over column header 2", move(Over(2, 0)), "..h.|..."},
      {"pressed", pointer(Over(2, 0), plat::InjectMouseDown), "..P.|..."},
      {"released", pointer(Over(2, 0), plat::InjectMouseUp), "..h.|..."},
      {"over row header 2", move(Over(0, 2)), "....|.h."},
      {"over a data cell", move(Over(2, 2)), "....|..."},
      {"over column header 1", move(Over(1, 0)), ".h..|..."},
      {"left the grid", move(OnScreen(FForm, {FForm->ClientWidth() - 4, FForm->ClientHeight() - 4})), "....|..."},
  };
  for (const auto& step : steps) {
    step.Act();
    EXPECT_EQ(Headers(), step.Shown) << step.Step;
  }
}

TEST_F(HeaderHover, OtherLooksDoNotRepaintAsTheMouseMoves) {
  FGrid->SetLook(TGridLook::glXP);
  Repaint();
  const std::int64_t passes = FGrid->PaintPass();
  for (const plat::TPoint at : {Over(2, 0), Over(0, 2), Over(1, 0)}) plat::InjectMouseMove(at);
  Pump();
  EXPECT_EQ(FGrid->PaintPass(), passes);
}

}  // namespace
}  // namespace zorbit
