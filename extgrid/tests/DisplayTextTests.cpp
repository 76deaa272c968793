// The display-text hooks in the advanced grid: which rows they serve as the
// row count and the footers change, what the grid's text readers give, and
// what a cell paints.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "extgrid/tests/ExtGridPaintFixture.h"
#include "extgrid/tests/GridRowsFixture.h"
#include "grid/ExtUtilUnicode.h"
#include "platform/gdi/Colors.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/TClipboard.h"

namespace zorbit {
namespace {

class DisplayText : public testing::GridRowsTest {
 protected:
  // Every text the hook serves comes back in brackets.
  void BracketShownTexts() {
    FGrid->OnGetDisplText = [](plat::TObject*, int, int, plat::String& Value) { Value = "[" + Value + "]"; };
  }
  // Column 1 of every row as the grid shows it, blanks as "_".
  std::string ShownTexts() const {
    std::string picture;
    for (int r = 0; r < FGrid->RowCount(); ++r) {
      const plat::String text = FGrid->GetCellText(1, r);
      picture += (r ? " " : "") + (text.empty() ? std::string("_") : text);
    }
    return picture;
  }
};

TEST_F(DisplayText, TheHookServesEveryRowAboveTheFootersWhateverChangesThem) {
  struct Case {
    const char* Name;
    std::function<void(TExtStringGrid*)> Run;
    const char* Shown;
  };
  const Case cases[] = {
      {"a new grid", [](TExtStringGrid*) {}, "[0] [1] [2] [3] [4] [5]"},
      {"a footer", [](TExtStringGrid* g) { g->SetFixedFooters(1); }, "[0] [1] [2] [3] [4] 5"},
      {"the footer taken away",
       [](TExtStringGrid* g) {
         g->SetFixedFooters(1);
         g->SetFixedFooters(0);
       },
       "[0] [1] [2] [3] [4] [5]"},
      {"fewer rows under two footers",
       [](TExtStringGrid* g) {
         g->SetFixedFooters(2);
         g->SetRowCount(4);
       },
       "[0] [1] 2 3"},
      {"more rows", [](TExtStringGrid* g) { g->SetRowCount(8); }, "[0] [1] [2] [3] [4] [5] [] []"},
      {"rows inserted above a footer",
       [](TExtStringGrid* g) {
         g->SetFixedFooters(1);
         g->InsertRows(2, 2);
       },
       "[0] [1] [] [] [2] [3] [4] 5"},
      {"rows removed above a footer",
       [](TExtStringGrid* g) {
         g->SetFixedFooters(1);
         g->RemoveRows(1, 2);
       },
       "[0] [3] [4] 5"},
      {"rows hidden above a footer",
       [](TExtStringGrid* g) {
         g->SetFixedFooters(1);
         g->HideRowRange(1, 2);
       },
       "[0] [3] [4] 5"},
      {"hidden rows shown again",
       [](TExtStringGrid* g) {
         g->SetFixedFooters(1);
         g->HideRowRange(1, 2);
         g->UnhideAllRows();
       },
       "[0] [1] [2] [3] [4] 5"},
      {"more footers than rows", [](TExtStringGrid* g) { g->SetFixedFooters(9); }, "0 1 2 3 4 5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    delete FGrid;
    FGrid = new TExtStringGrid(FForm);
    MakeGrid(6);
    BracketShownTexts();
    c.Run(FGrid);
    EXPECT_EQ(ShownTexts(), c.Shown);
    EXPECT_EQ(FGrid->DisplayRowLimit(), FGrid->RowCount() - std::min(FGrid->FixedFooters(), FGrid->RowCount()));
  }
}

TEST_F(DisplayText, TheGridsReadersGiveTheShownText) {
  MakeGrid(4);
  FGrid->SetCells(2, 1, "stored");
  FGrid->OnGetDisplText = [](plat::TObject*, int ACol, int ARow, plat::String& Value) {
    if (ACol == 2 && ARow == 1) Value = "shown";
  };
  struct Case {
    const char* Reader;
    std::function<plat::String()> Read;
  };
  TExtStringGrid* g = FGrid;
  const Case cases[] = {
      {"GetCellText", [g] { return g->GetCellText(2, 1); }},
      {"GetDisplayText",
       [g] {
         plat::String text;
         g->GetDisplayText(2, 1, text);
         return text;
       }},
      {"GetExportText",
       [g] {
         plat::String text;
         g->GetExportText(2, 1, text);
         return text;
       }},
      {"GetHiddenAwareCellText", [g] { return g->GetHiddenAwareCellText(2, 1); }},
      {"the text grid stream",
       [g] {
         plat::TStringStream stream;
         g->SaveGridText(stream);
         const plat::String all = stream.DataString();
         const std::size_t at = all.find("2,1,");
         return at == plat::String::npos ? plat::String() : all.substr(at + 4, all.find('\r', at) - at - 4);
       }},
      {"a copy",
       [g] {
         plat::Clipboard()->Clear();
         g->SetSelection({2, 1, 2, 1});
         g->CopySelection();
         return plat::Clipboard()->AsText();
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Reader);
    EXPECT_EQ(c.Read(), "shown");
  }
  EXPECT_EQ(FGrid->GetRawCellText(2, 1), "stored");
}

TEST_F(DisplayText, TheWideHookGivesEncodedUnicodeText) {
  MakeGrid(4);
  FGrid->SetCells(2, 1, "stored");
  FGrid->OnGetDisplWideText = [](plat::TObject*, int ACol, int ARow, plat::WideString& Value) {
    if (ACol == 2 && ARow == 1) Value = u"\u20AC 5";
  };
  EXPECT_EQ(FGrid->GetCellText(2, 1), EncodeUnicodeCellText(u"\u20AC 5"));
  EXPECT_EQ(FGrid->GetCellWideText(2, 1), u"\u20AC 5");
  EXPECT_EQ(FGrid->GetCellWideText(2, 2), u"") << "a row the handler leaves alone";
}

class DisplayTextPaint : public testing::ExtGridPaintTest {
 protected:
  // The cell's pixels as the window shows them.
  std::vector<plat::TColor> CellPixels(int Col, int Row) {
    const plat::TRect r = FGrid->CellRect(Col, Row);
    std::vector<plat::TColor> pixels;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) pixels.push_back(At(x, y));
    return pixels;
  }
  // The cell painted with Text stored in it and no hooks.
  std::vector<plat::TColor> PaintedWithStored(const plat::String& Text) {
    FGrid->OnGetDisplText = nullptr;
    FGrid->OnGetDisplWideText = nullptr;
    FGrid->SetCells(2, 2, Text);
    Repaint();
    return CellPixels(2, 2);
  }
};

TEST_F(DisplayTextPaint, ACellPaintsTheTextTheHooksGive) {
  Show(4, 4);
  const std::vector<plat::TColor> stored = PaintedWithStored("stored");

  FGrid->OnGetDisplText = [](plat::TObject*, int ACol, int ARow, plat::String& Value) {
    if (ACol == 2 && ARow == 2) Value = "shown";
  };
  Repaint();
  Keep("display-text");
  const std::vector<plat::TColor> hooked = CellPixels(2, 2);
  EXPECT_NE(hooked, stored);
  EXPECT_EQ(hooked, PaintedWithStored("shown"));

  FGrid->SetCells(2, 2, "stored");
  FGrid->OnGetDisplWideText = [](plat::TObject*, int ACol, int ARow, plat::WideString& Value) {
    if (ACol == 2 && ARow == 2) Value = u"\u20AC 5";
  };
  Repaint();
  Keep("display-wide-text");
  const std::vector<plat::TColor> wide = CellPixels(2, 2);
  EXPECT_EQ(wide, PaintedWithStored(EncodeUnicodeCellText(u"\u20AC 5")));
  EXPECT_NE(wide, stored);
}

}  // namespace
}  // namespace zorbit
