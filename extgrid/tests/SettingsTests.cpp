// The settings objects: their defaults, Assign from their own class (every
// listed property) and from another class (ignored), and the setters that
// act.
#include <gtest/gtest.h>

#include "extgrid/TExtStringGrid.h"
#include "platform/rtl/Exception.h"
#include "platform/ui/TForm.h"
#include "testing/FormTest.h"

namespace zorbit {
namespace {

class Settings : public testing::FormTest {
 protected:
  plat::TForm FForm{nullptr};
  TExtStringGrid* FGrid = new TExtStringGrid(&FForm);
  TExtStringGrid* FOther = new TExtStringGrid(&FForm);
};

TEST_F(Settings, ColumnSizeDefaultsAndAssign) {
  TColumnSize& size = *FGrid->ColumnSize();
  EXPECT_FALSE(size.Save());
  EXPECT_EQ(size.Key(), "");
  EXPECT_EQ(size.Section(), "");
  EXPECT_FALSE(size.Stretch());
  EXPECT_EQ(size.StretchColumn(), -1);
  EXPECT_FALSE(size.SynchWithGrid());
  EXPECT_EQ(size.Location(), TColumnSizeLocation::clRegistry);
  TColumnSize& other = *FOther->ColumnSize();
  other.SetSave(true);
  other.SetKey("k.ini");
  other.SetSection("s");
  other.SetStretchColumn(2);
  other.SetSynchWithGrid(true);
  other.SetLocation(TColumnSizeLocation::clIniFile);
  size.Assign(&other);
  EXPECT_TRUE(size.Save());
  EXPECT_EQ(size.Key(), "k.ini");
  EXPECT_EQ(size.Section(), "s");
  EXPECT_EQ(size.StretchColumn(), 2);
  EXPECT_TRUE(size.SynchWithGrid());
  EXPECT_EQ(size.Location(), TColumnSizeLocation::clIniFile);
  // Another class is ignored, not refused.
  size.Assign(FOther->Navigation());
  EXPECT_EQ(size.Key(), "k.ini");
}

TEST_F(Settings, NavigationHasExactlySixFlagsSetAndAssignCopiesEachOwnValue) {
  TNavigation& nav = *FGrid->Navigation();
  struct Flag {
    const char* name;
    bool (TNavigation::*get)() const;
    bool expected;
  };
  const Flag flags[] = {
      {"AllowInsertRow", &TNavigation::AllowInsertRow, false},
      {"AllowDeleteRow", &TNavigation::AllowDeleteRow, false},
      {"AlwaysEdit", &TNavigation::AlwaysEdit, false},
      {"AdvanceOnEnter", &TNavigation::AdvanceOnEnter, false},
      {"AdvanceInsert", &TNavigation::AdvanceInsert, false},
      {"AutoGotoWhenSorted", &TNavigation::AutoGotoWhenSorted, false},
      {"AutoGotoIncremental", &TNavigation::AutoGotoIncremental, false},
      {"AutoComboDropSize", &TNavigation::AutoComboDropSize, false},
      {"AllowClipboardShortCuts", &TNavigation::AllowClipboardShortCuts, false},
      {"AllowCtrlEnter", &TNavigation::AllowCtrlEnter, true},
      {"AllowSmartClipboard", &TNavigation::AllowSmartClipboard, false},
      {"AllowRTFClipboard", &TNavigation::AllowRTFClipboard, false},
      {"AllowFmtClipboard", &TNavigation::AllowFmtClipboard, false},
      {"AllowClipboardAlways", &TNavigation::AllowClipboardAlways, false},
      {"AllowClipboardRowGrow", &TNavigation::AllowClipboardRowGrow, true},
      {"AllowClipboardColGrow", &TNavigation::AllowClipboardColGrow, true},
      {"AdvanceAuto", &TNavigation::AdvanceAuto, false},
      {"AppendOnArrowDown", &TNavigation::AppendOnArrowDown, false},
      {"EditSelectAll", &TNavigation::EditSelectAll, true},
      {"CursorWalkEditor", &TNavigation::CursorWalkEditor, false},
      {"MoveRowOnSort", &TNavigation::MoveRowOnSort, false},
      {"ImproveMaskSel", &TNavigation::ImproveMaskSel, false},
      {"CopyHTMLTagsToClipboard", &TNavigation::CopyHTMLTagsToClipboard, true},
      {"KeepHorizScroll", &TNavigation::KeepHorizScroll, false},
      {"LineFeedOnEnter", &TNavigation::LineFeedOnEnter, false},
      {"SkipFixedCells", &TNavigation::SkipFixedCells, true},
      {"TabToNextAtEnd", &TNavigation::TabToNextAtEnd, false},
  };
  for (const Flag& f : flags) EXPECT_EQ((nav.*f.get)(), f.expected) << f.name;
  EXPECT_EQ(nav.AdvanceDirection(), TAdvanceDirection::adLeftRight);
  EXPECT_EQ(nav.InsertPosition(), TInsertPosition::pInsertBefore);
  EXPECT_EQ(nav.HomeEndKey(), THomeEndAction::heFirstLastColumn);
  EXPECT_EQ(nav.TabAdvanceDirection(), TAdvanceDirection::adLeftRight);

  TNavigation& other = *FOther->Navigation();
  other.SetTabAdvanceDirection(TAdvanceDirection::adTopBottom);
  other.SetAdvanceDirection(TAdvanceDirection::adLeftRight);
  other.SetAllowCtrlEnter(false);
  other.SetLineFeedOnEnter(true);
  nav.Assign(&other);
  EXPECT_EQ(nav.TabAdvanceDirection(), TAdvanceDirection::adTopBottom);
  EXPECT_EQ(nav.AdvanceDirection(), TAdvanceDirection::adLeftRight);
  EXPECT_FALSE(nav.AllowCtrlEnter());
  EXPECT_TRUE(nav.LineFeedOnEnter());
}

TEST_F(Settings, MouseActionsAssignEveryPropertyAndDisjunctFlagsAreIndependentAtRunTime) {
  TMouseActions& mouse = *FGrid->MouseActions();
  EXPECT_TRUE(mouse.AutoSizeColOnDblClick());
  EXPECT_FALSE(mouse.RowSelect());
  EXPECT_EQ(mouse.WheelIncrement(), 0);
  EXPECT_EQ(mouse.WheelAction(), TWheelAction::waMoveSelection);
  EXPECT_EQ(mouse.FixedRowsEdit(), TGridFixedCellEdit::fceNone);
  mouse.SetDisjunctColSelect(true);
  mouse.SetDisjunctCellSelect(true);
  mouse.SetDisjunctRowSelect(true);
  EXPECT_TRUE(mouse.DisjunctColSelect());
  EXPECT_TRUE(mouse.DisjunctCellSelect());

  TMouseActions& other = *FOther->MouseActions();
  other.SetHotmailRowSelect(true);
  other.SetSizeFixedRow(true);
  other.SetWheelIncrement(4);
  other.SetWheelAction(TWheelAction::waScroll);
  other.SetFixedColsEdit(TGridFixedCellEdit::fceDblClick);
  mouse.Assign(&other);
  EXPECT_TRUE(mouse.HotmailRowSelect());
  EXPECT_TRUE(mouse.SizeFixedRow());
  EXPECT_EQ(mouse.WheelIncrement(), 4);
  EXPECT_EQ(mouse.WheelAction(), TWheelAction::waScroll);
  EXPECT_EQ(mouse.FixedColsEdit(), TGridFixedCellEdit::fceDblClick);
  EXPECT_FALSE(mouse.DisjunctRowSelect());
}

TEST_F(Settings, CellNodeDefaultsAssignAndGlyphCopies) {
  TCellNode& node = *FGrid->CellNode();
  EXPECT_EQ(node.Color(), 0xC0C0C0);
  EXPECT_FALSE(node.ExpandOne());
  EXPECT_EQ(node.NodeType(), TNodeType::cnXP);
  EXPECT_EQ(node.NodeColor(), 0);
  EXPECT_EQ(node.NodeIndent(), 12);
  EXPECT_TRUE(node.ShowTree());
  EXPECT_TRUE(node.ShowTreeFull());
  EXPECT_EQ(node.TreeColor(), 0x808080);
  EXPECT_TRUE(node.ExpandGlyph()->Empty());
  plat::TBitmap glyph;
  glyph.SetSize(9, 9);
  TCellNode& other = *FOther->CellNode();
  other.SetExpandGlyph(&glyph);
  other.SetNodeIndent(20);
  other.SetNodeType(TNodeType::cnFlat);
  node.Assign(&other);
  EXPECT_EQ(node.NodeIndent(), 20);
  EXPECT_EQ(node.NodeType(), TNodeType::cnFlat);
  EXPECT_EQ(node.ExpandGlyph()->Width(), 9);
  EXPECT_NE(node.ExpandGlyph(), other.ExpandGlyph());
}

TEST_F(Settings, SizeWhileTypingHtmlAndPrintSettings) {
  EXPECT_FALSE(FGrid->SizeWhileTyping()->Height());
  EXPECT_FALSE(FGrid->SizeWhileTyping()->Width());
  FOther->SizeWhileTyping()->SetHeight(true);
  FGrid->SizeWhileTyping()->Assign(FOther->SizeWhileTyping());
  EXPECT_TRUE(FGrid->SizeWhileTyping()->Height());

  THTMLSettings& html = *FGrid->HTMLSettings();
  EXPECT_EQ(html.BorderSize(), 1);
  EXPECT_EQ(html.CellSpacing(), 0);
  EXPECT_EQ(html.CellPadding(), 0);
  EXPECT_TRUE(html.SaveColor());
  EXPECT_TRUE(html.SaveFonts());
  EXPECT_EQ(html.Width(), 100);
  EXPECT_FALSE(html.XHTML());
  EXPECT_EQ(html.TableStyle(), "");
  FOther->HTMLSettings()->SetPrefixTag("<p>");
  FOther->HTMLSettings()->ColWidths()->Add("40");
  html.Assign(FOther->HTMLSettings());
  EXPECT_EQ(html.PrefixTag(), "<p>");
  EXPECT_EQ(html.ColWidths()->Count(), 1);

  TPrintSettings& print = *FGrid->PrintSettings();
  EXPECT_EQ(print.DateFormat(), "dd/mm/yyyy");
  EXPECT_EQ(print.PageNumSep(), "/");
  EXPECT_TRUE(print.Centered());
  EXPECT_TRUE(print.UseDisplayFont());
  EXPECT_FALSE(print.RepeatFixedRows());
  EXPECT_EQ(print.Borders(), TPrintBorders::pbSingle);
  EXPECT_EQ(print.FitToPage(), TFitToPage::fpNever);
  EXPECT_EQ(print.Time(), TPrintPosition::ppNone);
  EXPECT_EQ(print.FooterSize(), 0);
  FOther->PrintSettings()->SetTitleText("Report");
  FOther->PrintSettings()->TitleLines()->Add("line");
  FOther->PrintSettings()->HeaderFont()->SetSize(15);
  print.Assign(FOther->PrintSettings());
  EXPECT_EQ(print.TitleText(), "Report");
  EXPECT_EQ(print.TitleLines()->Strings(0), "line");
  EXPECT_EQ(print.HeaderFont()->Size(), 15);
}

TEST_F(Settings, SortSettingsDefaultsAndTheSortRowCheck) {
  TSortSettings& sort = *FGrid->SortSettings();
  EXPECT_TRUE(sort.AutoSortForGrouping());
  EXPECT_FALSE(sort.Show());
  EXPECT_EQ(sort.IndexColor(), 0xFFFF);
  EXPECT_TRUE(sort.Full());
  EXPECT_TRUE(sort.AutoFormat());
  EXPECT_EQ(sort.BlankPos(), TSortBlankPosition::blFirst);
  EXPECT_EQ(sort.Direction(), TSortDirection::sdAscending);
  EXPECT_EQ(sort.Row(), 0);
  FGrid->SetFixedRows(2);
  EXPECT_THROW(
      {
        try {
          sort.SetRow(2);
        } catch (const plat::Exception& e) {
          EXPECT_EQ(e.Message(), "Sort row should be smaller than number of fixed rows");
          throw;
        }
      },
      plat::Exception);
  sort.SetRow(1);
  EXPECT_EQ(sort.Row(), 1);
  FOther->SortSettings()->SetColumn(3);
  FOther->SortSettings()->SetDirection(TSortDirection::sdDescending);
  sort.Assign(FOther->SortSettings());
  EXPECT_EQ(sort.Column(), 3);
  EXPECT_EQ(sort.Direction(), TSortDirection::sdDescending);
  EXPECT_EQ(sort.Row(), 0);
}

TEST_F(Settings, ControlLookAssignCopiesItsListOnly) {
  TControlLook& look = *FGrid->ControlLook();
  EXPECT_EQ(look.Color(), 0);
  EXPECT_EQ(look.CommentColor(), 0xFF);
  EXPECT_EQ(look.CheckSize(), 15);
  EXPECT_EQ(look.RadioSize(), 10);
  EXPECT_EQ(look.ControlStyle(), TControlStyle::csWinXP);
  EXPECT_EQ(look.ProgressBorderColor(), 0x808080);
  EXPECT_EQ(look.ProgressMarginX(), 2);
  EXPECT_EQ(look.FixedGradientFrom(), plat::clNone);
  TControlLook& other = *FOther->ControlLook();
  other.SetCheckSize(20);
  other.SetControlStyle(TControlStyle::csFlat);
  other.SetCommentColor(0x00FF00);
  other.SetFlatButton(true);
  other.SetProgressXP(true);
  look.Assign(&other);
  EXPECT_EQ(look.CheckSize(), 20);
  EXPECT_EQ(look.ControlStyle(), TControlStyle::csFlat);
  EXPECT_EQ(look.CommentColor(), 0x00FF00);
  EXPECT_FALSE(look.FlatButton());
  EXPECT_FALSE(look.ProgressXP());
  // A gradient colour other than clNone reaches the grid's fixed cells.
  look.SetFixedGradientFrom(0x123456);
  EXPECT_EQ(FGrid->FixedGradientFrom(), 0x123456);
}

TEST_F(Settings, BandsBackGroundAndFilter) {
  TBands& bands = *FGrid->Bands();
  EXPECT_FALSE(bands.Active());
  EXPECT_EQ(bands.PrimaryColor(), plat::clInfoBk);
  EXPECT_EQ(bands.SecondaryColor(), plat::clWindow);
  EXPECT_EQ(bands.TotalLength(), 2);
  TBands& other = *FOther->Bands();
  other.SetActive(true);
  other.SetPrimaryColor(plat::clRed);
  other.SetPrimaryLength(3);
  other.SetSecondaryColor(plat::clBlue);
  other.SetSecondaryLength(2);
  other.SetPrint(true);
  bands.Assign(&other);
  EXPECT_TRUE(bands.Active());
  EXPECT_EQ(bands.PrimaryColor(), plat::clRed);
  EXPECT_EQ(bands.PrimaryLength(), 3);
  EXPECT_EQ(bands.SecondaryColor(), plat::clBlue);
  EXPECT_EQ(bands.SecondaryLength(), 2);
  EXPECT_TRUE(bands.Print());
  EXPECT_EQ(bands.TotalLength(), 5);

  TBackGround& back = *FGrid->BackGround();
  EXPECT_EQ(back.Display(), TBackGroundDisplay::bdTile);
  EXPECT_EQ(back.Cells(), TBackGroundCells::bcNormal);
  EXPECT_EQ(back.Color(), plat::clWindow);
  EXPECT_EQ(back.ColorTo(), plat::clBtnFace);
  FOther->BackGround()->SetDisplay(TBackGroundDisplay::bdGradientVert);
  FGrid->SetBackGround(FOther->BackGround());
  EXPECT_EQ(back.Display(), TBackGroundDisplay::bdGradientVert);

  TFilterData* data = FOther->Filter()->Add();
  EXPECT_TRUE(data->CaseSensitive());
  EXPECT_EQ(data->Data(), TFilterCells::fcVirtual);
  data->SetColumn(2);
  data->SetCondition(">5");
  FGrid->Filter()->Assign(FOther->Filter());
  ASSERT_EQ(FGrid->Filter()->Count(), 1);
  EXPECT_EQ(FGrid->Filter()->Items(0)->Condition(), ">5");
  EXPECT_EQ(FGrid->Filter()->GetOwner(), FGrid);
}

}  // namespace
}  // namespace zorbit
