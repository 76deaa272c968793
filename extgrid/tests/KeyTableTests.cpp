// The grid's key table, typed through the headless display: what each key
// does to the rows, the current cell and the row selection flags under the
// switches that ask for it.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "extgrid/tests/GridRowsFixture.h"
#include "platform/rtl/Format.h"
#include "platform/win/InputInjection.h"
#include "platform/win/VirtualKeys.h"

namespace zorbit {
namespace {

using plat::TGridOption;

struct Keystroke {
  plat::UINT Key;
  std::vector<plat::UINT> Modifiers;
};

class KeyTable : public testing::GridRowsTest {
 protected:
  // Six rows tagged 0..5 in column 1, one fixed row and column, focused.
  TExtStringGrid* Start() {
    MakeGrid(6);
    FGrid->SetBounds(0, 0, 400, 300);
    FForm->Show();
    FGrid->SetFocus();
    Pump();
    return FGrid;
  }
  void Press(const Keystroke& K) {
    switch (K.Modifiers.size()) {
      case 0: plat::InjectKeyPress(K.Key); break;
      case 1: plat::InjectKeyPress(K.Key, {K.Modifiers[0]}); break;
      default: plat::InjectKeyPress(K.Key, {K.Modifiers[0], K.Modifiers[1]}); break;
    }
    Pump();
  }

 public:
  // The table's set-up steps add options.
  void AddOptions(std::initializer_list<TGridOption> Added) {
    plat::TGridOptions options = FGrid->Options();
    for (TGridOption o : Added) options.Include(o);
    FGrid->SetOptions(options);
  }

 protected:
  // The rows whose selection flag is set.
  // Without disjunct selection the flags are the selection's rows: none.
  std::string FlaggedRows() {
    std::string rows;
    if (!FGrid->MouseActions()->DisjunctRowSelect()) return rows;
    for (int r = 0; r < FGrid->RowCount(); ++r)
      if (FGrid->IsRowSelected(r)) rows += (rows.empty() ? "" : " ") + std::to_string(r);
    return rows;
  }
  std::vector<std::string> FLog;
};

struct KeyCase {
  const char* Name;
  std::function<void(KeyTable&, TExtStringGrid*)> Setup;
  std::vector<Keystroke> Keys;
  const char* Shown;
  plat::TPoint Current;
  const char* Flagged;
};

const Keystroke Down{plat::VK_DOWN, {}};
const Keystroke ShiftDown{plat::VK_DOWN, {plat::VK_SHIFT}};
const Keystroke Space{plat::VK_SPACE, {}};
const Keystroke Tab{plat::VK_TAB, {}};

void ByRow(TExtStringGrid* G) { G->Navigation()->SetHomeEndKey(THomeEndAction::heFirstLastRow); }

TEST_F(KeyTable, EachKeyDoesItsPart) {
  const char* all = "0 1 2 3 4 5";
  // clang-format off
  const KeyCase cases[] = {
      {"Home by row: the first normal row",
       [](KeyTable&, TExtStringGrid* g) { ByRow(g); g->SetRow(4); },
       {{plat::VK_HOME, {}}}, all, {1, 1}, ""},
      {"End by row: the last row",
       [](KeyTable&, TExtStringGrid* g) { ByRow(g); },
       {{plat::VK_END, {}}}, all, {1, 5}, ""},
      {"End by row stops above the footer",
       [](KeyTable&, TExtStringGrid* g) { ByRow(g); g->SetFixedFooters(1); },
       {{plat::VK_END, {}}}, all, {1, 4}, ""},
      {"Home with a footer and disjunct rows flags the row it reaches",
       [](KeyTable&, TExtStringGrid* g) { ByRow(g); g->SetFixedFooters(1); g->SetRow(3); g->MouseActions()->SetDisjunctRowSelect(true); },
       {{plat::VK_HOME, {}}}, all, {1, 1}, "1"},
      {"Insert before the current row",
       [](KeyTable&, TExtStringGrid* g) { g->Navigation()->SetAllowInsertRow(true); g->SetRow(2); },
       {{plat::VK_INSERT, {}}}, "0 1 _ 2 3 4 5", {1, 2}, ""},
      {"Insert after the current row",
       [](KeyTable&, TExtStringGrid* g) {
         g->Navigation()->SetAllowInsertRow(true);
         g->Navigation()->SetInsertPosition(TInsertPosition::pInsertAfter);
         g->SetRow(2); },
       {{plat::VK_INSERT, {}}}, "0 1 2 _ 3 4 5", {1, 3}, ""},
      {"Insert refused by OnCanInsertRow",
       [](KeyTable&, TExtStringGrid* g) {
         g->Navigation()->SetAllowInsertRow(true);
         g->OnCanInsertRow = [](plat::TObject*, int, bool& can) { can = false; }; },
       {{plat::VK_INSERT, {}}}, all, {1, 1}, ""},
      {"Insert without AllowInsertRow",
       [](KeyTable&, TExtStringGrid*) {},
       {{plat::VK_INSERT, {}}}, all, {1, 1}, ""},
      {"Delete removes the current row",
       [](KeyTable&, TExtStringGrid* g) { g->Navigation()->SetAllowDeleteRow(true); g->SetRow(2); },
       {{plat::VK_DELETE, {}}}, "0 1 3 4 5", {1, 2}, ""},
      {"Delete on the only normal row clears it",
       [](KeyTable&, TExtStringGrid* g) { g->Navigation()->SetAllowDeleteRow(true); g->SetRowCount(2); },
       {{plat::VK_DELETE, {}}}, "0 _", {1, 1}, ""},
      {"Delete refused by OnCanDeleteRow",
       [](KeyTable&, TExtStringGrid* g) {
         g->Navigation()->SetAllowDeleteRow(true);
         g->OnCanDeleteRow = [](plat::TObject*, int, bool& can) { can = false; }; },
       {{plat::VK_DELETE, {}}}, all, {1, 1}, ""},
      {"Down on the last row appends a row",
       [](KeyTable&, TExtStringGrid* g) { g->Navigation()->SetAppendOnArrowDown(true); g->SetRow(5); },
       {Down}, "0 1 2 3 4 5 _", {1, 6}, ""},
      {"AppendOnArrowDown refused by OnCanAddRow",
       [](KeyTable&, TExtStringGrid* g) {
         g->Navigation()->SetAppendOnArrowDown(true);
         g->OnCanAddRow = [](plat::TObject*, bool& can) { can = false; };
         g->SetRow(5); },
       {Down}, all, {1, 5}, ""},
      {"Down above a footer appends above it and goes there",
       [](KeyTable&, TExtStringGrid* g) { g->Navigation()->SetAppendOnArrowDown(true); g->SetFixedFooters(1); g->SetRow(4); },
       {Down}, "0 1 2 3 4 _ 5", {1, 5}, ""},
      {"Ctrl+A with disjunct rows flags every normal row",
       [](KeyTable& t, TExtStringGrid* g) { t.AddOptions({TGridOption::goRangeSelect}); g->MouseActions()->SetDisjunctRowSelect(true); g->SetRow(3); },
       {{'A', {plat::VK_CONTROL}}}, all, {1, 1}, "1 2 3 4 5"},
      {"Ctrl+A without a range selection does nothing",
       [](KeyTable&, TExtStringGrid* g) {
         plat::TGridOptions options = g->Options();
         options.Exclude(TGridOption::goRangeSelect);
         g->SetOptions(options);
         g->MouseActions()->SetDisjunctRowSelect(true);
         g->SetRow(3); },
       {{'A', {plat::VK_CONTROL}}}, all, {1, 3}, ""},
      {"Space toggles the row on",
       [](KeyTable&, TExtStringGrid* g) { g->MouseActions()->SetDisjunctRowSelect(true); g->SetRow(3); },
       {Space}, all, {1, 3}, "3"},
      {"Space toggles the row off again",
       [](KeyTable&, TExtStringGrid* g) { g->MouseActions()->SetDisjunctRowSelect(true); g->SetRow(3); },
       {Space, Space}, all, {1, 3}, ""},
      {"Down flags the row it reaches, the others cleared",
       [](KeyTable&, TExtStringGrid* g) { g->MouseActions()->SetDisjunctRowSelect(true); g->SetRowSelected(5, true); },
       {Down}, all, {1, 2}, "2"},
      {"Shift+Down extends from the anchor",
       [](KeyTable& t, TExtStringGrid* g) { t.AddOptions({TGridOption::goRangeSelect}); g->MouseActions()->SetDisjunctRowSelect(true); },
       {Down, ShiftDown, ShiftDown}, all, {1, 4}, "2 3 4"},
      {"Tab walks to the next editable cell",
       [](KeyTable& t, TExtStringGrid*) { t.AddOptions({TGridOption::goTabs, TGridOption::goEditing}); },
       {Tab}, all, {2, 1}, ""},
      {"Tab past the last column goes to the next row",
       [](KeyTable& t, TExtStringGrid*) { t.AddOptions({TGridOption::goTabs, TGridOption::goEditing}); },
       {Tab, Tab}, all, {1, 2}, ""},
      {"Tab past the last cell wraps to the first",
       [](KeyTable& t, TExtStringGrid* g) { t.AddOptions({TGridOption::goTabs, TGridOption::goEditing}); g->SetCol(2); g->SetRow(5); },
       {Tab}, all, {1, 1}, ""},
      {"Shift+Tab walks back",
       [](KeyTable& t, TExtStringGrid* g) { t.AddOptions({TGridOption::goTabs, TGridOption::goEditing}); g->SetRow(2); },
       {{plat::VK_TAB, {plat::VK_SHIFT}}}, all, {2, 1}, ""},
      {"Tab passes over cells that cannot be edited",
       [](KeyTable& t, TExtStringGrid* g) {
         t.AddOptions({TGridOption::goTabs, TGridOption::goEditing});
         g->OnCanEditCell = [](plat::TObject*, int row, int, bool& can) { can = row == 4; }; },
       {Tab}, all, {1, 4}, ""},
      {"Tab where nothing can be edited stays",
       [](KeyTable& t, TExtStringGrid*) { t.AddOptions({TGridOption::goTabs}); },
       {Tab}, all, {1, 1}, ""},
      {"Tab down the column",
       [](KeyTable& t, TExtStringGrid* g) {
         t.AddOptions({TGridOption::goTabs});
         g->Navigation()->SetTabAdvanceDirection(TAdvanceDirection::adTopBottom);
         g->SetRow(5); },
       {Tab}, all, {2, 1}, ""},
  };
  // clang-format on
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.Name);
    delete FForm;
    FForm = new plat::TForm(nullptr);
    FGrid = new TExtStringGrid(FForm);
    Start();
    c.Setup(*this, FGrid);
    for (const Keystroke& k : c.Keys) Press(k);
    EXPECT_EQ(Shown(), c.Shown);
    EXPECT_EQ(FGrid->Col(), c.Current.X);
    EXPECT_EQ(FGrid->Row(), c.Current.Y);
    EXPECT_EQ(FlaggedRows(), c.Flagged);
  }
}

TEST_F(KeyTable, SpaceWorksTheControlCells) {
  Start();
  AddOptions({TGridOption::goEditing});
  FGrid->CreateCellGraphic(1, 1)->SetCellType(TCellType::ctCheckBox);
  FGrid->OnCheckBoxClick = [this](plat::TObject*, int col, int row, bool state) {
    FLog.push_back(plat::Format("check %d,%d %d", {col, row, static_cast<int>(state)}));
  };
  Press(Space);
  Press(Space);
  const std::vector<std::string> expected{"check 1,1 1", "check 1,1 0"};
  EXPECT_EQ(FLog, expected);
}

TEST_F(KeyTable, ClipboardShortCutsAskTheirEvents) {
  Start();
  FGrid->Navigation()->SetAllowClipboardShortCuts(true);
  FGrid->Navigation()->SetAllowClipboardAlways(true);
  FGrid->SetCells(1, 1, "copied");
  bool allowCopy = false;
  FGrid->OnClipboardCopy = [&](plat::TObject*, bool& allow) {
    FLog.push_back("copy");
    allow = allowCopy;
  };
  FGrid->OnClipboardPaste = [&](plat::TObject*, bool&) { FLog.push_back("paste"); };
  Press({'C', {plat::VK_CONTROL}});
  EXPECT_EQ(FGrid->LastClipboardAction(), TExtStringGrid::TClipboardAction::caNone);
  allowCopy = true;
  Press({plat::VK_INSERT, {plat::VK_CONTROL}});
  EXPECT_EQ(FGrid->LastClipboardAction(), TExtStringGrid::TClipboardAction::caCopy);
  FGrid->SetRow(2);
  Press({plat::VK_INSERT, {plat::VK_SHIFT}});
  EXPECT_EQ(FGrid->Cells(1, 2), "copied");
  const std::vector<std::string> expected{"copy", "copy", "paste"};
  EXPECT_EQ(FLog, expected);
}

}  // namespace
}  // namespace zorbit
