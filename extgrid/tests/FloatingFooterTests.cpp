// The floating footer: how Visible and FooterStyle set the grid's footer
// row, the footer calculation types, the recalculation when cells or a
// column change, the custom template and the panel's hints.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/FooterTemplate.h"
#include "extgrid/tests/GridRowsFixture.h"
#include "grid/TCellProperties.h"
#include "platform/ui/ControlMessages.h"

namespace zorbit {
namespace {

class FloatingFooter : public testing::GridRowsTest {
 protected:
  // A new grid for each case of a table.
  void FreshGrid() {
    delete FGrid;
    FGrid = new TExtStringGrid(FForm);
  }
  // One fixed row, Values in column 2 of rows 1.., and a footer row below
  // them shown by a visible fixed-last-row footer.
  void Fill(const std::vector<std::string>& Values) {
    FreshGrid();
    MakeGrid(static_cast<int>(Values.size()) + 2);
    for (std::size_t i = 0; i < Values.size(); ++i) FGrid->SetCells(2, static_cast<int>(i) + 1, Values[i]);
    FGrid->FloatingFooter()->SetVisible(true);
  }
  int FooterRow() const { return FGrid->RowCount() - 1; }
  void SetCalcType(int ACol, int Type) {
    FGrid->GetCellProperties(ACol, FooterRow())->SetCalcType(static_cast<std::uint8_t>(Type));
  }
  std::string FooterText(int ACol) const { return FGrid->Cells(ACol, FooterRow()); }
};

TEST_F(FloatingFooter, VisibleAndStyleSetTheFooterRow) {
  struct Case {
    const char* Name;
    std::function<void(TFloatingFooter*)> Run;
    int FixedFooters;
    bool HideLastRow;
    bool PanelShown;
  };
  using S = TFooterStyle;
  // clang-format off
  const Case cases[] = {
      {"shown, last row style",     [](TFloatingFooter* f) { f->SetVisible(true); },                           1, true,  true},
      {"shown then hidden",         [](TFloatingFooter* f) { f->SetVisible(true); f->SetVisible(false); },     0, false, false},
      {"shown as column preview",   [](TFloatingFooter* f) { f->SetFooterStyle(S::fsColumnPreview); f->SetVisible(true); },
                                                                                                               0, false, true},
      {"shown as custom preview",   [](TFloatingFooter* f) { f->SetFooterStyle(S::fsCustomPreview); f->SetVisible(true); },
                                                                                                               0, false, true},
      // The style changing while the footer shows moves the footer row too.
      {"shown, then a preview",     [](TFloatingFooter* f) { f->SetVisible(true); f->SetFooterStyle(S::fsColumnPreview); },
                                                                                                               0, false, true},
      {"preview, then last row",    [](TFloatingFooter* f) {
                                      f->SetFooterStyle(S::fsColumnPreview); f->SetVisible(true);
                                      f->SetFooterStyle(S::fsFixedLastRow); },                                1, true,  true},
      {"style alone, not shown",    [](TFloatingFooter* f) { f->SetFooterStyle(S::fsCustomPreview); f->SetFooterStyle(S::fsFixedLastRow); },
                                                                                                               0, false, false},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    FreshGrid();
    MakeGrid(6);
    c.Run(FGrid->FloatingFooter());
    EXPECT_EQ(FGrid->FixedFooters(), c.FixedFooters);
    EXPECT_EQ(FGrid->HideLastRow(), c.HideLastRow);
    EXPECT_EQ(FGrid->FooterPanel()->Visible(), c.PanelShown);
    EXPECT_EQ(FGrid->FooterPanel()->Height(), c.PanelShown ? FGrid->DefaultRowHeight() : 0);
  }
}

TEST_F(FloatingFooter, TheCalculationTypes) {
  struct Case {
    const char* Name;
    int Type;
    std::string Want;
  };
  // Rows 1..4 hold 4, "x", 1 and 7 (the footer row is row 5).
  // clang-format off
  const Case cases[] = {
      {"none: emptied",            0,    ""},
      {"sum",                      1,    "12.00"},
      {"average over all rows",    2,    "3.00"},
      {"row count",                3,    "4"},
      {"minimum",                  4,    "1.00"},
      {"maximum",                  5,    "7.00"},
      {"unknown: left alone",      6,    "old"},
      {"custom without a handler", 7,    ""},
      {"high bit ignored",         0x81, "12.00"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Fill({"4", "x", "1", "7"});
    FGrid->SetCells(2, FooterRow(), "old");
    SetCalcType(2, c.Type);
    FGrid->CalcFooter(-1);
    EXPECT_EQ(FooterText(2), c.Want);
  }
}

TEST_F(FloatingFooter, ACustomFooterAsksItsHandler) {
  Fill({"1", "2"});
  SetCalcType(2, 7);
  std::vector<std::pair<int, int>> asked;
  FGrid->FloatingFooter()->OnCalcFooter = [&](plat::TObject* Sender, int ACol, int ARow, plat::String& Value) {
    EXPECT_EQ(Sender, FGrid);
    EXPECT_EQ(Value, "");
    asked.emplace_back(ACol, ARow);
    Value = "mine";
  };
  FGrid->CalcFooter(2);
  EXPECT_EQ(FooterText(2), "mine");
  EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{2, FooterRow()}}));
}

TEST_F(FloatingFooter, TheRowCountOfAFixedRowAndFourRowsAboveTheFooter) {
  MakeGrid(5);
  FGrid->FloatingFooter()->SetVisible(true);
  SetCalcType(1, 3);
  FGrid->CalcFooter(1);
  EXPECT_EQ(FooterText(1), "3");
}

TEST_F(FloatingFooter, HiddenRowsCountOnlyWhenAsked) {
  struct Case {
    const char* Name;
    bool CalculateHidden;
    std::string Sum, Count;
  };
  const Case cases[] = {
      {"shown rows", false, "12.00", "3"},
      {"hidden rows too", true, "21.00", "6"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Fill({"1", "2", "3", "4", "5", "6"});
    FGrid->HideRowRange(2, 4);  // 2, 3 and 4 leave 1, 5 and 6 on show
    FGrid->FloatingFooter()->SetCalculateHiddenRows(c.CalculateHidden);
    SetCalcType(2, 1);
    SetCalcType(1, 3);
    FGrid->CalcFooter(-1);
    EXPECT_EQ(FooterText(2), c.Sum);
    EXPECT_EQ(FooterText(1), c.Count);
  }
}

TEST_F(FloatingFooter, NothingIsCalculatedOutsideTheLastRowStyle) {
  struct Case {
    const char* Name;
    std::function<void(TFloatingFooter*)> Run;
  };
  const Case cases[] = {
      {"not shown", [](TFloatingFooter* f) { f->SetVisible(false); }},
      {"column preview", [](TFloatingFooter* f) { f->SetFooterStyle(TFooterStyle::fsColumnPreview); }},
      {"calculation off", [](TFloatingFooter* f) { f->SetCalculate(false); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Fill({"1", "2"});
    SetCalcType(2, 1);
    FGrid->SetCells(2, FooterRow(), "old");
    c.Run(FGrid->FloatingFooter());
    FGrid->CalcFooter(-1);
    FGrid->ColumnChanged();
    EXPECT_EQ(FooterText(2), "old");
  }
}

TEST_F(FloatingFooter, ChangedCellsAndColumnsRecalculate) {
  Fill({"1", "2"});
  FGrid->SetColCount(4);
  FGrid->SetCells(3, 1, "10");
  SetCalcType(2, 1);
  SetCalcType(3, 1);
  FGrid->CalcFooter(-1);
  EXPECT_EQ(FooterText(2), "3.00");
  EXPECT_EQ(FooterText(3), "10.00");
  // One column: only its footer follows.
  FGrid->SetCells(2, 1, "5");
  FGrid->SetCells(3, 1, "20");
  FGrid->ColumnChanged(2);
  EXPECT_EQ(FooterText(2), "7.00");
  EXPECT_EQ(FooterText(3), "10.00");
  FGrid->ColumnChanged();
  EXPECT_EQ(FooterText(3), "20.00");
  // Changed cells recalculate every footer, after OnCellsChanged.
  FGrid->SetCells(2, 2, "0");
  std::string seenInHandler;
  FGrid->OnCellsChanged = [&](plat::TObject*, const plat::TRect&) { seenInHandler = FooterText(2); };
  FGrid->CellsChanged({2, 2, 2, 2});
  EXPECT_EQ(seenInHandler, "7.00");
  EXPECT_EQ(FooterText(2), "5.00");
  // So does an operation that reports its cells: clearing a row.
  FGrid->ClearRows(1, 1);
  EXPECT_EQ(FooterText(2), "0.00");
  EXPECT_EQ(FooterText(3), "0.00");
}

TEST_F(FloatingFooter, TheCustomTemplateTakesTheCurrentRow) {
  struct Case {
    const char* Template;
    std::string Want;
  };
  // The current row is 2: columns "2", "b" and "20" (column 3 lies beyond
  // the three columns).
  // clang-format off
  const Case cases[] = {
      {"Total: <#2>",             "Total: 20"},
      {"<#1>/<#2>",               "b/20"},
      {"a<#x>b",                  "ab"},
      {"<#>|<#-1>|<# 1>",         "||"},
      {"<#3> and <#99999999999>", " and "},
      {"no placeholder",          "no placeholder"},
      {"open <#2",                "open <#2"},
      {"<#0><#0>",                "22"},
  };
  // clang-format on
  MakeGrid(4);
  FGrid->SetCells(1, 2, "b");
  FGrid->SetCells(2, 2, "20");
  FGrid->SetCells(0, 2, "2");
  FGrid->SetRow(2);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Template);
    FGrid->FloatingFooter()->SetCustomTemplate(c.Template);
    EXPECT_EQ(FGrid->FooterTemplateText(), c.Want);
  }
}

TEST_F(FloatingFooter, AssignCopiesTheSettingsAndShowsThroughTheGrid) {
  MakeGrid(5);
  auto* other = new TExtStringGrid(FForm);
  TFloatingFooter* source = other->FloatingFooter();
  source->SetCalculateHiddenRows(true);
  source->SetColor(plat::clRed);
  source->SetColumn(2);
  source->SetCustomTemplate("<#1>");
  source->SetShowHint(true);
  source->SetVisible(true);
  FGrid->FloatingFooter()->Assign(source);
  const TFloatingFooter* copy = FGrid->FloatingFooter();
  EXPECT_TRUE(copy->CalculateHiddenRows());
  EXPECT_EQ(copy->Color(), plat::clRed);
  EXPECT_EQ(copy->Column(), 2);
  EXPECT_EQ(copy->CustomTemplate(), "<#1>");
  EXPECT_TRUE(copy->ShowHint());
  EXPECT_TRUE(copy->Visible());
  EXPECT_EQ(FGrid->FixedFooters(), 1);
  EXPECT_TRUE(FGrid->FooterPanel()->ShowHint());
}

TEST_F(FloatingFooter, HintsNameTheColumnUnderTheMouse) {
  MakeGrid(5);
  FGrid->SetColCount(20);
  FGrid->SetDefaultColWidth(50);
  FGrid->FloatingFooter()->SetVisible(true);
  std::vector<std::pair<int, int>> asked;
  FGrid->OnGridHint = [&](plat::TObject*, int ARow, int ACol, plat::String& Hint) {
    asked.emplace_back(ARow, ACol);
    Hint = "col " + std::to_string(ACol);
  };
  TFooterPanel* panel = FGrid->FooterPanel();
  const auto hintAt = [&](int X, plat::THintInfo& Info) {
    Info.CursorPos = {X, 5};
    return panel->Perform(plat::CM_HINTSHOW, 0, reinterpret_cast<plat::LPARAM>(&Info));
  };
  struct Case {
    const char* Name;
    bool ShowHint;
    int LeftCol;
    int X;
    int Column;  // -1: off the columns
    plat::LRESULT Result;
  };
  // Column 0 is fixed; scrolled, column 3 stands right of it.
  // clang-format off
  const Case cases[] = {
      {"the fixed column",          true,  1, 10,  0,  0},
      {"the third column",          true,  1, 120, 2,  0},
      {"scrolled",                  true,  3, 60,  3,  0},
      {"hints off: asked, not shown", false, 1, 60, 1, 1},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    FGrid->FloatingFooter()->SetShowHint(c.ShowHint);
    FGrid->SetLeftCol(c.LeftCol);
    asked.clear();
    plat::THintInfo info;
    EXPECT_EQ(hintAt(c.X, info), c.Result);
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{FGrid->RowCount() - 1, c.Column}}));
    EXPECT_EQ(info.HintStr, "col " + std::to_string(c.Column));
    // Leaving the column's rectangle hides the hint.
    EXPECT_TRUE(info.CursorRect.Contains(plat::TPoint{c.X, 5}));
    EXPECT_EQ(info.CursorRect.Width(), 50);
    EXPECT_EQ(panel->HintColumn(), c.ShowHint ? c.Column : -1);
    panel->Perform(plat::CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(panel->HintColumn(), -1);
  }
}

}  // namespace
}  // namespace zorbit
