// Cell blocks, the text grid stream and the clipboard: round trips as
// tables, what a cut-short or hostile stream does to the grid, and copy,
// cut and paste on a placed grid through the platform's clipboard.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "extgrid/tests/GridRowsFixture.h"
#include "grid/ExtUtilUnicode.h"
#include "grid/TCellProperties.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/TClipboard.h"
#include "testing/LocaleScope.h"

namespace zorbit {
namespace {

using plat::TGridOption;

// A grid that logs its progress and after-paste hooks.
class LoggingGrid : public TExtStringGrid {
 public:
  using TExtStringGrid::TExtStringGrid;
  std::vector<std::string> Log;

 protected:
  void GridProgress(int Stage, int ARow) override {
    Log.push_back("progress " + std::to_string(Stage) + "," + std::to_string(ARow));
  }
  void AfterPaste(const plat::TRect& R, plat::TPoint Origin, TClipboardAction) override {
    Log.push_back("pasted " + std::to_string(R.Left) + "," + std::to_string(R.Top) + ".." + std::to_string(R.Right) +
                  "," + std::to_string(R.Bottom) + " from " + std::to_string(Origin.X) + "," +
                  std::to_string(Origin.Y));
  }
};

class StreamsClipboard : public testing::GridRowsTest {
 protected:
  void SetUp() override {
    GridRowsTest::SetUp();
    plat::Clipboard()->Clear();
  }
  testing::TLocaleScope FLocale{plat::TFormatSettings::English()};
  // A new placed grid of Cols x Rows, empty and editable, with one fixed
  // row and column.
  template <typename Grid = TExtStringGrid>
  Grid* Blank(int Cols, int Rows) {
    auto* g = new Grid(FForm);
    g->SetParent(FForm);
    g->SetColCount(Cols);
    g->SetRowCount(Rows);
    g->SetOptions(g->Options() + plat::TGridOptions{TGridOption::goEditing, TGridOption::goRangeSelect});
    g->HandleNeeded();
    return g;
  }
  // Rows top to bottom as "a b|c d", empty cells as "_".
  static std::string Picture(TExtStringGrid* g, plat::TRect R) {
    std::string picture;
    for (int r = R.Top; r <= R.Bottom; ++r) {
      if (r > R.Top) picture += "|";
      for (int c = R.Left; c <= R.Right; ++c) {
        const std::string& text = g->Cells(c, r);
        picture += (c > R.Left ? " " : "") + (text.empty() ? std::string("_") : text);
      }
    }
    return picture;
  }
  static void Select(TExtStringGrid* g, int Left, int Top, int Right, int Bottom) {
    g->SetSelection({Left, Top, Right, Bottom});
  }
};

TEST_F(StreamsClipboard, CopiedTextEndsRowsOnlyForBlocksOfSeveralRows) {
  struct Case {
    const char* Name;
    plat::TRect Selection;
    const char* Text;
  };
  const Case cases[] = {
      {"one row has no line end", {1, 1, 2, 1}, "a\tb"},
      {"two rows each end with CR LF", {1, 1, 2, 2}, "a\tb\r\nc\td\r\n"},
      {"one cell", {2, 2, 2, 2}, "d"},
      {"a line break is quoted without its CR", {1, 3, 1, 3}, "\"x\ny\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TExtStringGrid* g = Blank(4, 5);
    g->SetCells(1, 1, "a");
    g->SetCells(2, 1, "b");
    g->SetCells(1, 2, "c");
    g->SetCells(2, 2, "d");
    g->SetCells(1, 3, "x\r\ny");
    Select(g, c.Selection.Left, c.Selection.Top, c.Selection.Right, c.Selection.Bottom);
    g->CopySelection();
    EXPECT_EQ(plat::Clipboard()->AsText(), c.Text);
    EXPECT_EQ(g->LastClipboardAction(), TExtStringGrid::TClipboardAction::caCopy);
  }
}

TEST_F(StreamsClipboard, CopiedCellsGiveTheirPlainTexts) {
  struct Case {
    const char* Name;
    const char* Cell;
    bool CopyTags;
    const char* Text;
  };
  const Case cases[] = {
      {"HTML kept", "<b>bold</b>", true, "<b>bold</b>"},
      {"HTML stripped", "<b>bold</b>", false, "bold"},
      {"rich text as its plain text", "{\\rtf1\\ansi plain}", true, "plain"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TExtStringGrid* g = Blank(3, 3);
    g->Navigation()->SetCopyHTMLTagsToClipboard(c.CopyTags);
    g->SetCells(1, 1, c.Cell);
    Select(g, 1, 1, 1, 1);
    g->CopySelection();
    EXPECT_EQ(plat::Clipboard()->AsText(), c.Text);
  }
}

TEST_F(StreamsClipboard, ARichTextCornerTravelsAsRichText) {
  const plat::String rich = "{\\rtf1\\ansi {\\b bold} text}";
  TExtStringGrid* source = Blank(3, 3);
  source->Navigation()->SetAllowRTFClipboard(true);
  source->SetCells(1, 1, rich);
  Select(source, 1, 1, 1, 1);
  source->CopySelection();
  const plat::String bytes = plat::Clipboard()->GetBuffer(TExtStringGrid::RichTextClipboardFormat());
  EXPECT_EQ(bytes, rich + '\0');

  TExtStringGrid* target = Blank(3, 3);
  target->Navigation()->SetAllowRTFClipboard(true);
  EXPECT_EQ(target->PasteAt(2, 2), 0);
  EXPECT_EQ(target->Cells(2, 2), rich);
  // Without the switch the plain text is what pastes.
  TExtStringGrid* plain = Blank(3, 3);
  EXPECT_EQ(plain->PasteAt(2, 2), 1);
  EXPECT_EQ(plain->Cells(2, 2), "bold text");
}

TEST_F(StreamsClipboard, HiddenColumnsAreSkippedByCopyAndPaste) {
  TExtStringGrid* g = Blank(4, 3);
  g->SetCells(1, 1, "a");
  g->SetCells(2, 1, "hidden");
  g->SetCells(3, 1, "c");
  g->SetColumnShown(2, false);
  g->SetColCount(3);
  Select(g, 1, 1, 2, 1);
  g->CopySelection();
  EXPECT_EQ(plat::Clipboard()->AsText(), "a\tc");
  EXPECT_EQ(g->PasteText(1, 2, "x\ty"), 2);
  EXPECT_EQ(Picture(g, {1, 2, 3, 2}), "x _ y");
}

TEST_F(StreamsClipboard, UnicodeFieldsAreAskedAsWideTexts) {
  TExtStringGrid* g = Blank(3, 3);
  std::vector<plat::WideString> asked;
  g->OnClipboardBeforePasteWideCell = [&](plat::TObject*, int, int, plat::WideString& Value, bool&) {
    asked.push_back(Value);
    Value += u"!";
  };
  bool narrowAsked = false;
  g->OnClipboardBeforePasteCell = [&](plat::TObject*, int, int, plat::String&, bool&) { narrowAsked = true; };
  EXPECT_EQ(g->PasteText(1, 1, EncodeUnicodeCellText(u"\u00E9t\u00E9")), 1);
  EXPECT_EQ(asked, std::vector<plat::WideString>{u"\u00E9t\u00E9"});
  EXPECT_FALSE(narrowAsked);
  EXPECT_EQ(g->GetCellWideText(1, 1), u"\u00E9t\u00E9!");
}

TEST_F(StreamsClipboard, PasteReportsItsProgressRectangleAndTheCopyOrigin) {
  auto* g = Blank<LoggingGrid>(5, 5);
  g->Navigation()->SetAllowFmtClipboard(true);
  g->SetCells(1, 1, "a");
  g->SetCells(2, 2, "b");
  Select(g, 1, 1, 2, 2);
  g->CopySelection();
  Select(g, 3, 3, 3, 3);
  g->PasteSelection();
  auto* other = Blank<LoggingGrid>(5, 5);
  other->Navigation()->SetAllowFmtClipboard(true);
  Select(other, 2, 2, 2, 2);
  other->PasteSelection();
  EXPECT_EQ(g->Log, (std::vector<std::string>{"progress 0,-1", "progress 0,-1", "progress 1,1", "progress 1,2",
                                              "progress 2,-1", "progress 2,-1", "pasted 3,3..4,4 from 1,1",
                                              "progress 2,-1"}));
  EXPECT_EQ(other->Log, (std::vector<std::string>{"pasted 2,2..3,3 from -1,-1", "progress 2,-1"}));
}

TEST_F(StreamsClipboard, SavingABlockReportsItsRowsAsPercentages) {
  TExtStringGrid* g = Blank(3, 6);
  std::vector<int> progress;
  g->OnFileProgress = [&](plat::TObject*, std::int16_t Value) { progress.push_back(Value); };
  plat::TMemoryStream stream;
  g->SaveCellBlock({0, 1, 2, 5}, stream);
  EXPECT_EQ(progress, (std::vector<int>{0, 25, 50, 75, 100}));
}

TEST_F(StreamsClipboard, PastedTextFillsCellsAndGrowsAsNavigationAllows) {
  struct Case {
    const char* Name;
    const char* Text;
    bool RowGrow;
    int Pasted;
    int RowCount;
    const char* Shown;  // columns 1..2 of every row
  };
  const Case cases[] = {
      {"two rows copied from a grid", "a\tb\r\nc\td\r\n", true, 5, 3, "_ _|a b|c d"},
      {"three lines into two rows, growing", "a\r\nb\r\nc", true, 3, 4, "_ _|a _|b _|c _"},
      {"three lines into two rows, not growing", "a\r\nb\r\nc", false, 3, 3, "_ _|a _|b _"},
      {"a quoted multi-line field loses its quotes", "\"x\ny\"", true, 1, 3, "_ _|x\ny _|_ _"},
      {"vertical tabs become line breaks", "\"p\x0bq\n\"", true, 1, 3, "_ _|p\r\nq\n _|_ _"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TExtStringGrid* g = Blank(3, 3);
    g->Navigation()->SetAllowClipboardRowGrow(c.RowGrow);
    EXPECT_EQ(g->PasteText(1, 1, c.Text), c.Pasted);
    EXPECT_EQ(g->RowCount(), c.RowCount);
    EXPECT_EQ(Picture(g, {1, 0, 2, g->RowCount() - 1}), c.Shown);
  }
}

TEST_F(StreamsClipboard, PastedTextStaysInsideTheGridWithoutColumnGrowth) {
  TExtStringGrid* g = Blank(3, 3);
  g->Navigation()->SetAllowClipboardColGrow(false);
  EXPECT_EQ(g->PasteText(1, 1, "a\tb\tc\td"), 4);
  EXPECT_EQ(g->ColCount(), 3);
  EXPECT_EQ(Picture(g, {1, 1, 5, 1}), "a b _ _ _");
  g->Navigation()->SetAllowClipboardColGrow(true);
  EXPECT_EQ(g->PasteText(1, 2, "a\tb\tc\td"), 4);
  EXPECT_EQ(g->ColCount(), 5);
  EXPECT_EQ(Picture(g, {1, 2, 4, 2}), "a b c d");
}

TEST_F(StreamsClipboard, PasteAsksEveryCellAndKeepsReadOnlyCells) {
  TExtStringGrid* g = Blank(4, 3);
  g->GetCellProperties(2, 1)->SetReadOnly(true);
  std::vector<std::string> asked;
  g->OnClipboardBeforePasteCell = [&](plat::TObject*, int ACol, int ARow, plat::String& Value, bool& Allow) {
    asked.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + "=" + Value);
    if (Value == "no") Allow = false;
    Value += "!";
  };
  EXPECT_EQ(g->PasteText(1, 1, "a\tb\tno"), 3);
  EXPECT_EQ(asked, (std::vector<std::string>{"1,1=a", "3,1=no"}));
  EXPECT_EQ(Picture(g, {1, 1, 3, 1}), "a! _ _");
}

TEST_F(StreamsClipboard, TextIsMeasuredByItsWidestLineAndItsLineEnds) {
  struct Case {
    const char* Text;
    int Cols, Rows;
  };
  const Case cases[] = {{"", 1, 0}, {"a\tb", 2, 0}, {"a\r\nb\tc\td\r\n", 3, 2}, {"a\rb", 1, 1}};
  TExtStringGrid* g = Blank(2, 2);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Text);
    int cols = -1, rows = -1;
    g->MeasureText(c.Text, cols, rows);
    EXPECT_EQ(cols, c.Cols);
    EXPECT_EQ(rows, c.Rows);
  }
}

TEST_F(StreamsClipboard, GridTextRoundTripGivesTheNormalCellsWidthsAndCounts) {
  TExtStringGrid* source = Blank(5, 6);
  source->SetIncludeFixedCells(false);
  source->SetFixedFooters(1);
  source->SetFixedRightCols(1);
  source->SetCells(0, 0, "fixed");
  source->SetCells(1, 1, "a");
  source->SetCells(3, 4, "two\r\nlines");
  source->SetCells(4, 2, "right fixed");
  source->SetCells(2, 5, "footer");
  source->SetColWidths(2, 40);
  plat::TStringStream stream;
  source->SaveGridText(stream);
  EXPECT_EQ(stream.DataString().substr(0, 5), "3,4\r\n");

  TExtStringGrid* target = Blank(5, 5);
  target->SetIncludeFixedCells(false);
  target->SetCells(2, 2, "stale");
  stream.SetPosition(0);
  target->LoadGridText(stream);
  EXPECT_EQ(target->ColCount(), 4);  // the normal count and the fixed column
  EXPECT_EQ(target->RowCount(), 5);
  EXPECT_EQ(target->ColWidths(2), 40);
  EXPECT_EQ(Picture(target, {0, 0, 3, 4}), "_ _ _ _|_ a _ _|_ _ _ _|_ _ _ _|_ _ _ two\r\nlines");
}

TEST_F(StreamsClipboard, GridTextStopsAtTheFirstLineWithoutItsFieldsAndRefusesWildCounts) {
  TExtStringGrid* g = Blank(3, 3);
  g->SetIncludeFixedCells(true);
  plat::TStringStream good("2,2\r\n0,1,kept\r\nno fields here\r\n1,1,not read\r\n");
  g->LoadGridText(good);
  EXPECT_EQ(good.Position(), static_cast<plat::Int64>(std::string("2,2\r\n0,1,kept\r\n").size()));
  EXPECT_EQ(Picture(g, {0, 0, 1, 1}), "_ _|kept _");
  plat::TStringStream emptyField("2,2\r\n1,0,kept too\r\n0,,lost\r\n");
  g->LoadGridText(emptyField);
  EXPECT_EQ(emptyField.Position(), static_cast<plat::Int64>(std::string("2,2\r\n1,0,kept too\r\n").size()));
  EXPECT_EQ(Picture(g, {0, 0, 1, 1}), "_ kept too|_ _");

  plat::TStringStream wide("99999999,2\r\n");
  EXPECT_THROW(g->LoadGridText(wide), plat::EReadError);
  plat::TStringStream words("x,2\r\n");
  EXPECT_THROW(g->LoadGridText(words), plat::EConvertError);
  EXPECT_EQ(g->ColCount(), 2);
}

TEST_F(StreamsClipboard, GridTextOfAMillionByAMillionEmptyCellsIsRefusedAtOnce) {
  // Nothing of the grid is sized or cleared before the counts are checked:
  // the grid keeps its shape and its cells.
  TExtStringGrid* g = Blank(4, 4);
  g->SetCells(1, 1, "old");
  plat::TStringStream hostile("1000000,1000000\r\n");
  EXPECT_THROW(g->LoadGridText(hostile), plat::EReadError);
  EXPECT_EQ(g->ColCount(), 4);
  EXPECT_EQ(g->RowCount(), 4);
  EXPECT_EQ(g->Cells(1, 1), "old");

  // A million empty rows are a grid a saved text can describe; they load.
  plat::TStringStream tall("1,1000000\r\ncw 0,30\r\n0,999999,last\r\n");
  g->LoadGridText(tall);
  EXPECT_EQ(g->RowCount(), 1000000);
  EXPECT_EQ(g->Cells(0, 999999), "last");
}

TEST_F(StreamsClipboard, GridTextGrowsColumnsOnlyAsFarAsItsLinesReachAndFailsWhole) {
  struct Case {
    const char* Name;
    const char* Text;
    const char* Error;  // the class of the error raised; nullptr when loaded
    int Cols, Rows;     // the grid's counts afterwards
    plat::TPoint Probe;
    const char* ProbeText;  // the text of cell Probe afterwards
  };
  // A 4 x 4 grid, fixed cells included, holding "old" in cell (1, 1).
  const Case cases[] = {
      {"empty rows beyond the cells, as saved", "2,40\r\n0,0,a\r\n", nullptr, 2, 40, {0, 0}, "a"},
      {"columns beyond the grid and the widths", "40,4\r\ncw 0,10\r\n", "read", 4, 4, {1, 1}, "old"},
      {"the grid's own counts, no cells", "4,4\r\n", nullptr, 4, 4, {1, 1}, ""},
      {"fewer", "2,3\r\n1,2,b\r\n", nullptr, 2, 3, {1, 2}, "b"},
      {"rows the cells reach", "2,50\r\n1,49,far\r\n", nullptr, 2, 50, {1, 49}, "far"},
      {"columns the widths reach", "30,2\r\ncw 29,15\r\n", nullptr, 30, 2, {1, 1}, ""},
      {"columns the cells reach", "30,2\r\n29,1,far\r\n", nullptr, 30, 2, {29, 1}, "far"},
      {"a bad number after good lines", "2,2\r\n0,0,new\r\n1,x,bad\r\n", "convert", 4, 4, {1, 1}, "old"},
      {"a negative width after good lines", "2,2\r\n0,0,new\r\ncw 1,-4\r\n", "read", 4, 4, {1, 1}, "old"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TExtStringGrid* g = Blank(4, 4);
    g->SetCells(1, 1, "old");
    plat::TStringStream stream(c.Text);
    std::string error;
    try {
      g->LoadGridText(stream);
    } catch (const plat::EReadError&) {
      error = "read";
    } catch (const plat::EConvertError&) {
      error = "convert";
    }
    EXPECT_EQ(error, c.Error ? c.Error : "");
    EXPECT_EQ(g->ColCount(), c.Cols);
    EXPECT_EQ(g->RowCount(), c.Rows);
    EXPECT_EQ(g->Cells(c.Probe.X, c.Probe.Y), c.ProbeText);
    if (!c.Error) {
      EXPECT_EQ(g->Cells(1, 1), "") << "a cell the text leaves out is emptied";
    }
    delete g;
  }
}

TEST_F(StreamsClipboard, ACellBlockLandsWithItsCornerAtThePointWhateverItsSource) {
  struct Case {
    const char* Name;
    bool CornerEmpty;
    const char* Placed;  // columns 5..7, rows 7..8 of the target
  };
  const Case cases[] = {
      {"corner with text", false, "a b _|c _ d"},
      {"empty corner", true, "_ b _|c _ d"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TExtStringGrid* source = Blank(6, 6);
    if (!c.CornerEmpty) source->SetCells(2, 3, "a");
    source->SetCells(3, 3, "b");
    source->SetCells(2, 4, "c");
    source->SetCells(4, 4, "d");
    source->GetCellProperties(4, 4)->SetBrushColor(0x123456);
    plat::TMemoryStream stream;
    source->SaveCellBlock({2, 3, 4, 4}, stream);

    TExtStringGrid* target = Blank(5, 5);
    target->SetColCount(10);
    target->SetRowCount(10);
    stream.SetPosition(0);
    target->LoadCellBlock({5, 7}, stream);
    EXPECT_EQ(Picture(target, {5, 7, 7, 8}), c.Placed);
    ASSERT_TRUE(target->HasCellProperties(7, 8));
    EXPECT_EQ(target->GetCellProperties(7, 8)->BrushColor(), 0x123456);
    EXPECT_EQ(target->GetCellProperties(7, 8)->OwnerCol(), 7);
  }
}

TEST_F(StreamsClipboard, AFullGridBlockReshapesTheTargetFromItsCorner) {
  TExtStringGrid* source = Blank(3, 4);
  source->SetCells(0, 0, "h");
  source->SetCells(2, 3, "z");
  source->SetColWidths(1, 33);
  source->SetRowHeights(3, 44);
  plat::TMemoryStream stream;
  source->SaveCellBlock({0, 0, 2, 3}, stream);
  TExtStringGrid* target = Blank(5, 5);
  target->SetCells(4, 4, "old");
  stream.SetPosition(0);
  target->LoadCellBlock({1, 1}, stream);
  EXPECT_EQ(target->ColCount(), 3);
  EXPECT_EQ(target->RowCount(), 4);
  EXPECT_EQ(target->ColWidths(1), 33);
  EXPECT_EQ(target->RowHeights(3), 44);
  // Placed at the point, the last row and column would fall outside the
  // shape the block just gave the grid.
  EXPECT_EQ(Picture(target, {0, 0, 2, 3}), "h _ _|_ _ _|_ _ _|_ _ z");
  EXPECT_EQ(target->Cells(4, 4), "");
}

TEST_F(StreamsClipboard, AFullGridBlockClearsAHugeSparseGridByTheCellsItHolds) {
  // A million by a million cells, three of them holding something: clearing
  // visits those three, not the grid's area.
  TExtStringGrid* source = Blank(2, 2);
  source->SetCells(1, 1, "new");
  plat::TMemoryStream stream;
  source->SaveCellBlock({0, 0, 1, 1}, stream);
  TExtStringGrid* target = Blank(1000000, 1000000);
  target->SetCells(1, 1, "old");
  target->SetCells(999999, 999999, "far");
  target->GetCellProperties(500000, 3)->SetFontName("Arial");
  stream.SetPosition(0);
  target->LoadCellBlock({0, 0}, stream);
  EXPECT_EQ(target->ColCount(), 2);
  EXPECT_EQ(target->RowCount(), 2);
  EXPECT_EQ(target->Cells(1, 1), "new");
  EXPECT_EQ(target->Cells(999999, 999999), "");
  EXPECT_FALSE(target->HasCellProperties(500000, 3));
}

TEST_F(StreamsClipboard, ACutShortOrHostileBlockFailsAndAFullGridIsClearedOnlyWhenSound) {
  TExtStringGrid* source = Blank(3, 3);
  source->SetCells(1, 1, "a");
  source->GetCellProperties(2, 2)->SetFontName("Arial");
  plat::TMemoryStream stream;
  source->SaveCellBlock({0, 0, 2, 2}, stream);
  const plat::String bytes(reinterpret_cast<const char*>(stream.Memory()), static_cast<std::size_t>(stream.Size()));

  TExtStringGrid* target = Blank(5, 5);
  // A cut inside a record fails with the read error (any other error ends
  // the test); only cuts at a record's end (or one byte after, the
  // reader's end rule) read as shorter blocks.
  std::size_t records = 0;
  for (std::size_t at = bytes.find("TPF0"); at != plat::String::npos; at = bytes.find("TPF0", at + 1)) ++records;
  std::size_t loaded = 0;
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    plat::TStringStream cut(bytes.substr(0, length));
    try {
      target->LoadCellBlock({0, 0}, cut);
      ++loaded;
    } catch (const plat::EReadError&) {
    }
  }
  EXPECT_LE(loaded, 2 * records);

  // A full-grid block whose widths do not match its count leaves the grid.
  plat::String wrong = bytes;
  const std::size_t widths = wrong.find("ColWidths");
  ASSERT_NE(widths, plat::String::npos);
  const std::size_t list = widths + 9 + 1 + 4;  // name, type, length
  wrong[list] = 'z';
  target->SetCells(1, 1, "kept");
  plat::TStringStream bad(wrong);
  EXPECT_THROW(target->LoadCellBlock({0, 0}, bad), plat::EConvertError);
  EXPECT_EQ(target->Cells(1, 1), "kept");
}

TEST_F(StreamsClipboard, CopyAndPasteCarryCellsAndPropertiesBetweenGrids) {
  TExtStringGrid* source = Blank(4, 4);
  source->Navigation()->SetAllowFmtClipboard(true);
  source->SetCells(1, 1, "a");
  source->SetCells(2, 2, "d");
  source->GetCellProperties(2, 2)->SetFontColor(0x00FF00);
  Select(source, 1, 1, 2, 2);
  source->CopySelection();
  EXPECT_TRUE(plat::Clipboard()->HasFormat(TExtStringGrid::CellsClipboardFormat()));
  EXPECT_EQ(plat::Clipboard()->AsText(), "a\t\r\n\td\r\n");

  TExtStringGrid* target = Blank(5, 5);
  target->SetColCount(5);
  target->SetRowCount(5);
  target->Navigation()->SetAllowFmtClipboard(true);
  Select(target, 2, 2, 2, 2);
  target->PasteSelection();
  EXPECT_EQ(Picture(target, {2, 2, 3, 3}), "a _|_ d");
  EXPECT_EQ(target->GetCellProperties(3, 3)->FontColor(), 0x00FF00);

  // Without the private format the text is what pastes.
  TExtStringGrid* plain = Blank(5, 5);
  plain->SetColCount(5);
  plain->SetRowCount(5);
  Select(plain, 1, 1, 1, 1);
  plain->PasteSelection();
  EXPECT_EQ(Picture(plain, {1, 1, 2, 2}), "a _|_ d");
  EXPECT_FALSE(plain->HasCellProperties(2, 2));
}

TEST_F(StreamsClipboard, CutEmptiesTheEditableCellsOfTheSelection) {
  TExtStringGrid* g = Blank(4, 3);
  g->SetCells(1, 1, "a");
  g->SetCells(2, 1, "b");
  g->SetCells(3, 1, "c");
  g->GetCellProperties(2, 1)->SetReadOnly(true);
  Select(g, 1, 1, 3, 1);
  g->CutSelection();
  EXPECT_EQ(plat::Clipboard()->AsText(), "a\tb\tc");
  EXPECT_EQ(Picture(g, {1, 1, 3, 1}), "_ b _");
  EXPECT_EQ(g->LastClipboardAction(), TExtStringGrid::TClipboardAction::caCut);
}

TEST_F(StreamsClipboard, DisjunctSelectionsCopyTheFlaggedRowsOrColumnsAndCutRemovesThem) {
  struct Case {
    const char* Name;
    bool Rows;
    const char* Text;
    const char* Shown;
  };
  const Case cases[] = {
      {"rows", true, "1\t\r\n3\t\r\n", "0 2 4"},
      {"columns", false, "1\r\n2\r\n3\r\n4\r\n", "_ _ _ _ _"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TExtStringGrid* g = MakeGrid(5);
    g->SetOptions(g->Options() + plat::TGridOptions{TGridOption::goEditing});
    g->SetIncludeFixedCells(false);
    g->MouseActions()->SetDisjunctRowSelect(c.Rows);
    g->MouseActions()->SetDisjunctColSelect(!c.Rows);
    g->ClearRowSelection();
    g->ClearColSelection();
    if (c.Rows) {
      g->SetRowSelected(1, true);
      g->SetRowSelected(3, true);
    } else {
      g->SetColSelected(1, true);
    }
    g->CutSelection();
    EXPECT_EQ(plat::Clipboard()->AsText(), c.Text);
    EXPECT_EQ(Shown(), c.Shown);
  }
}

TEST_F(StreamsClipboard, SmartPasteContinuesTheSeriesOverTheSelection) {
  struct Case {
    const char* Name;
    const char* Clip;
    const char* Column;  // rows 1..5 of column 1 after the paste
  };
  const Case cases[] = {
      {"one value everywhere", "7", "7 7 7 7 7"},
      {"integer steps", "2\r\n5", "2 5 8 11 14"},
      {"float steps", "1.5\r\n2", "1.50 2.00 2.50 3.00 3.50"},
      {"texts repeat", "x\r\ny\r\n", "x y x y x"},
      {"dates step by days", "1/30/2024\r\n1/31/2024", "1/30/2024 1/31/2024 2/1/2024 2/2/2024 2/3/2024"},
      {"dates step by months", "1/15/2024\r\n2/15/2024", "1/15/2024 2/15/2024 3/15/2024 4/15/2024 5/15/2024"},
      // Months and days both changing step by the days between.
      {"dates step by their distance", "1/31/2024\r\n2/29/2024", "1/31/2024 2/29/2024 3/29/2024 4/27/2024 5/26/2024"},
      {"times step by their difference", "10:00\r\n10:30",
       "10:00:00 AM 10:30:00 AM 11:00:00 AM 11:30:00 AM 12:00:00 PM"},
      {"a block that fills the selection stays", "a\r\nb\r\nc\r\nd\r\ne\r\n", "a b c d e"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TExtStringGrid* g = Blank(3, 7);
    g->Navigation()->SetAllowSmartClipboard(true);
    plat::Clipboard()->SetAsText(c.Clip);
    Select(g, 1, 1, 1, 5);
    g->PasteSelection();
    std::string column;
    for (int r = 1; r <= 5; ++r) column += (r > 1 ? " " : "") + g->Cells(1, r);
    EXPECT_EQ(column, c.Column);
  }
}

}  // namespace
}  // namespace zorbit
