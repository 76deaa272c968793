// A new grid: its counts, heights, looks, version and settings at their
// defaults, and the objects it owns.
#include <gtest/gtest.h>

#include <string>

#include "extgrid/TExtStringGrid.h"
#include "platform/ui/TForm.h"
#include "platform/win/SystemMetrics.h"
#include "testing/FormTest.h"

namespace zorbit {
namespace {

class ExtGridDefaults : public testing::FormTest {};

TEST_F(ExtGridDefaults, ANewGridHasTheDocumentedDefaults) {
  plat::TForm form(nullptr);
  auto* grid = new TExtStringGrid(&form);
  struct Case {
    const char* name;
    long long actual;
    long long expected;
  };
  const Case cases[] = {
      {"RowCount", grid->RowCount(), 10},
      {"ColCount", grid->ColCount(), 5},
      {"FixedRows", grid->FixedRows(), 1},
      {"FixedCols", grid->FixedCols(), 1},
      {"DefaultRowHeight", grid->DefaultRowHeight(), 21},
      {"FixedRowHeight", grid->FixedRowHeight(), 21},
      {"FixedColWidth", grid->FixedColWidth(), 64},
      {"Width", grid->Width(), 400},
      {"Height", grid->Height(), 250},
      {"ActiveCellColor", grid->ActiveCellColor(), 0x808080},
      {"ActiveCellColorTo", grid->ActiveCellColorTo(), plat::clNone},
      {"SelectionColor", grid->SelectionColor(), 0xEACAB6},
      {"SelectionColorTo", grid->SelectionColorTo(), plat::clNone},
      {"SelectionTextColor", grid->SelectionTextColor(), 0},
      {"ShowSelection", grid->ShowSelection(), true},
      {"WordWrap", grid->WordWrap(), true},
      {"EnableHTML", grid->EnableHTML(), true},
      {"URLColor", grid->URLColor(), 0xFF0000},
      {"VAlignment", static_cast<int>(grid->VAlignment()), static_cast<int>(TVAlignment::vtaTop)},
      {"Look", static_cast<int>(grid->Look()), static_cast<int>(TGridLook::glXP)},
      {"LookColor1", grid->LookColor1(), plat::clWhite},
      {"LookColor2", grid->LookColor2(), plat::ColorToRGB(plat::clBtnFace)},
      {"ScrollType", static_cast<int>(grid->ScrollType()), static_cast<int>(TScrollType::ssNormal)},
      {"ScrollColor", grid->ScrollColor(), plat::clNone},
      {"ScrollWidth", grid->ScrollWidth(), plat::GetSystemMetrics(plat::SM_CXVSCROLL)},
      {"ScrollBars", static_cast<int>(grid->ScrollBars()), static_cast<int>(plat::TScrollStyle::ssBoth)},
      {"ScrollBarAlways", static_cast<int>(grid->ScrollBarAlways()), static_cast<int>(TScrollBarAlways::saNone)},
      {"HintColor", grid->HintColor(), plat::clInfoBk},
      {"EnableWheel", grid->EnableWheel(), true},
      {"IntelliZoom", grid->IntelliZoom(), true},
      {"EnhRowColMove", grid->EnhRowColMove(), true},
      {"AutoSize", grid->AutoSize(), false},
      {"IntegralHeight", grid->IntegralHeight(), false},
      {"DefaultEditor", static_cast<int>(grid->DefaultEditor()), static_cast<int>(TEditorType::edNormal)},
      {"MaxEditLength", grid->MaxEditLength(), 0},
      {"IsWinXP", grid->IsWinXP(), false},
      {"HasComCtl6", grid->HasComCtl6(), false},
      {"WheelMessage", grid->WheelMessage(), 522},
      {"Navigation.AllowCtrlEnter", grid->Navigation()->AllowCtrlEnter(), true},
      {"Navigation.AllowClipboardRowGrow", grid->Navigation()->AllowClipboardRowGrow(), true},
      {"Navigation.AllowClipboardColGrow", grid->Navigation()->AllowClipboardColGrow(), true},
      {"Navigation.EditSelectAll", grid->Navigation()->EditSelectAll(), true},
      {"Navigation.CopyHTMLTagsToClipboard", grid->Navigation()->CopyHTMLTagsToClipboard(), true},
      {"Navigation.SkipFixedCells", grid->Navigation()->SkipFixedCells(), true},
      {"Navigation.AlwaysEdit", grid->Navigation()->AlwaysEdit(), false},
      {"Navigation.AdvanceOnEnter", grid->Navigation()->AdvanceOnEnter(), false},
      {"Navigation.AllowInsertRow", grid->Navigation()->AllowInsertRow(), false},
      {"ColumnShown(0)", grid->ColumnShown(0), true},
      {"ColumnShown(511)", grid->ColumnShown(511), true},
      {"ColumnShown(600)", grid->ColumnShown(600), true},
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected) << c.name;
  EXPECT_EQ(grid->Version(), "3.3.0.1");
  grid->SetVersion("9.9");
  EXPECT_EQ(grid->Version(), "3.3.0.1");
  EXPECT_EQ(grid->GetVersionNumber(), 0x03030001u);
  EXPECT_EQ(grid->GetVersionString(), "3.3.0.1 Dec, 2005");
  EXPECT_EQ(grid->FloatFormat(), "%.2f");
  EXPECT_EQ(grid->CheckTrue(), "Y");
  EXPECT_EQ(grid->CheckFalse(), "N");
  EXPECT_EQ(grid->FixedFont()->Name(), "Tahoma");
  EXPECT_TRUE(grid->FixedFont()->Style().Contains(plat::TFontStyle::fsBold));
  EXPECT_TRUE(grid->ActiveCellFont()->Style().Contains(plat::TFontStyle::fsBold));
  // The panels are the grid's, at the bottom, empty until shown.
  ASSERT_NE(grid->FooterPanel(), nullptr);
  EXPECT_EQ(grid->FooterPanel()->Owner(), grid);
  EXPECT_EQ(grid->FooterPanel()->Align(), plat::TAlign::alBottom);
  EXPECT_EQ(grid->SearchPanel()->Height(), 0);
}

}  // namespace
}  // namespace zorbit
