// Grouping: caption rows (nodes) over the runs of equal texts of a column,
// summary rows, and taking them out again. Rows come and go in one pass
// each way, so grouping costs in proportion to the rows.
#include <algorithm>
#include <optional>
#include <vector>

#include "extgrid/GridUpdateScope.h"
#include "extgrid/TExtStringGrid.h"
#include "grid/TCellProperties.h"

namespace zorbit {

namespace {

// A run of rows with one text in the grouped column.
struct TGroupRun {
  int Start;
  int Rows;
  plat::String Value;
};

}  // namespace

void TExtStringGrid::DecorateGroupRow(int ARow, int CaptionCol, bool Summary) {
  const TGrouping& g = *FGrouping;
  const plat::TColor color = Summary ? g.SummaryColor() : g.HeaderColor();
  const plat::TColor colorTo = Summary ? g.SummaryColorTo() : g.HeaderColorTo();
  const plat::TColor textColor = Summary ? g.SummaryTextColor() : g.HeaderTextColor();
  if (Summary ? g.MergeSummary() : g.MergeHeader()) {
    MergeCellRange(CaptionCol, ARow, ColCount() - CaptionCol, 1);
    // A merged row takes its colours on the merged cell.
    if (color != plat::clNone) SetCellBrushColor(CaptionCol, ARow, plat::ColorToRGB(color));
    if (colorTo != plat::clNone) SetCellBrushColorTo(CaptionCol, ARow, plat::ColorToRGB(colorTo));
    if (textColor != plat::clNone) SetCellFontColor(CaptionCol, ARow, plat::ColorToRGB(textColor));
    return;
  }
  if (color != plat::clNone) SetRowBrushColor(ARow, plat::ColorToRGB(color));
  if (colorTo != plat::clNone) SetRowBrushColorTo(ARow, plat::ColorToRGB(colorTo));
  if (textColor != plat::clNone) SetRowFontColor(ARow, plat::ColorToRGB(textColor));
}

std::vector<int> TExtStringGrid::NormalNodeRows() {
  std::vector<int> rows = NodeRows();
  const int last = RowCount() - FFixedFooters - 1;
  std::erase_if(rows, [this, last](int Row) { return Row < FixedRows() || Row > last; });
  return rows;
}

void TExtStringGrid::AdjustNodeSpans(const std::vector<int>& Nodes,
                                     const std::function<int(int Start, int End)>& Delta) {
  for (const int row : Nodes) {
    TCellGraphic* node = NodeAt(row);
    // A span of 0 reaches to the next node whatever comes between.
    if (node && node->CellIndex() > 0)
      node->SetCellIndex(std::max(1, node->CellIndex() + Delta(row, row + node->CellIndex())));
  }
}

void TExtStringGrid::GroupOnColumn(int ACol) {
  // Captions go to column 1 once the column is gone: it must remain.
  if (ACol <= 0 || ACol < FixedCols() || ACol >= ColCount() || ColCount() < 3) return;
  TGridUpdateScope update(*this);
  if (FGroupColumn > 0) RemoveGrouping();
  FGroupColumn = ACol;
  FGroupWidth = ColWidths(ACol);
  FGroupFixedTexts.clear();
  FGroupFooterTexts.clear();
  for (int row = 0; row < FixedRows(); ++row) FGroupFixedTexts.push_back(Cells(ACol, row));
  for (int row = RowCount() - 1; row >= RowCount() - FFixedFooters; --row) FGroupFooterTexts.push_back(Cells(ACol, row));
  if (FSortSettings->AutoSortForGrouping()) {
    FSortSettings->SetColumn(ACol);
    QSort();
  }
  std::vector<TGroupRun> runs;
  for (int row = FixedRows(); row < RowCount() - FFixedFooters; ++row) {
    const plat::String& value = Cells(ACol, row);
    if (runs.empty() || value != runs.back().Value) runs.push_back({row, 0, value});
    ++runs.back().Rows;
  }
  // Each run: its caption, its rows and, with Summary, its summary row.
  const bool summary = FGrouping->Summary();
  std::vector<int> added;
  int at = FixedRows();
  for (TGroupRun& run : runs) {
    run.Start = at;
    added.push_back(at);
    at += 1 + run.Rows;
    if (summary) added.push_back(at++);
  }
  InsertRowsAt(added);
  RemoveCols(ACol, 1);
  for (const TGroupRun& run : runs) {
    SetCells(1, run.Start, run.Value);
    AddNode(run.Start, 1 + run.Rows + (summary ? 1 : 0));
    DecorateGroupRow(run.Start, 1, false);
    if (!summary) continue;
    const int summaryRow = run.Start + 1 + run.Rows;
    MarkSummaryRow(summaryRow);
    DecorateGroupRow(summaryRow, 1, true);
  }
  SetRow(FixedRows());
}

void TExtStringGrid::RemoveGrouping() {
  if (FGroupColumn <= 0) return;
  TGridUpdateScope update(*this);
  ExpandAllNodes();
  // The rows that stay get the value of the caption above them.
  std::vector<int> removed;
  std::vector<plat::String> values;
  plat::String value;
  int summaryRow = -1;
  for (int row = FixedRows(); row < RowCount() - FFixedFooters; ++row) {
    if (IsNodeRow(row)) {
      value = Cells(1, row);
      const int last = row + GetNodeSpan(row) - 1;
      summaryRow = last > row && IsSummaryRow(last) ? last : -1;
      RemoveNode(row);
      removed.push_back(row);
    } else if (row == summaryRow) {
      removed.push_back(row);
    } else {
      values.push_back(value);
    }
  }
  RemoveRowList(removed);
  InsertCols(FGroupColumn, 1);
  SetColWidths(FGroupColumn, FGroupWidth);
  // Fixed rows from the top and footer rows from the bottom, as far as both
  // are still there.
  const int fixedRows = std::min(FixedRows(), static_cast<int>(FGroupFixedTexts.size()));
  for (int row = 0; row < fixedRows; ++row) SetCells(FGroupColumn, row, FGroupFixedTexts[row]);
  const int footers = std::min(FFixedFooters, static_cast<int>(FGroupFooterTexts.size()));
  for (int k = 0; k < footers; ++k) SetCells(FGroupColumn, RowCount() - 1 - k, FGroupFooterTexts[k]);
  for (std::size_t i = 0; i < values.size(); ++i) SetCells(FGroupColumn, FixedRows() + static_cast<int>(i), values[i]);
  FGroupColumn = -1;
}

void TExtStringGrid::GroupOnColumnInPlace(int ACol) {
  if (ACol <= 0 || ACol < FixedCols() || ACol + 1 >= ColCount()) return;
  TGridUpdateScope update(*this);
  ExpandAllNodes();
  // Runs of the rows between the node and summary rows already there.
  std::vector<TGroupRun> runs;
  bool open = false;
  for (int row = FixedRows(); row < RowCount() - FFixedFooters; ++row) {
    if (IsNodeRow(row) || IsSummaryRow(row)) {
      open = false;
      continue;
    }
    const plat::String& value = Cells(ACol, row);
    if (!open || value != runs.back().Value) runs.push_back({row, 0, value});
    open = true;
    ++runs.back().Rows;
  }
  if (runs.empty()) return;
  const bool summary = FGrouping->Summary();
  // A caption before each run's first row; the summary after the last
  // run's last row. Either lies inside a node that holds that row.
  std::vector<int> anchors, added;
  for (std::size_t k = 0; k < runs.size(); ++k) {
    anchors.push_back(runs[k].Start);
    added.push_back(runs[k].Start + static_cast<int>(k));
  }
  const TGroupRun& lastRun = runs.back();
  const int lastCaption = added.back();
  if (summary) {
    anchors.push_back(lastRun.Start + lastRun.Rows - 1);
    added.push_back(lastCaption + 1 + lastRun.Rows);
  }
  AdjustNodeSpans(NormalNodeRows(), [&anchors](int Start, int End) {
    return static_cast<int>(std::count_if(anchors.begin(), anchors.end(),
                                          [Start, End](int Anchor) { return Anchor > Start && Anchor < End; }));
  });
  InsertRowsAt(added);
  const auto levelOf = [this](int ARow) {
    return HasCellProperties(0, ARow) ? GetCellProperties(0, ARow)->NodeLevel() : 0;
  };
  for (std::size_t k = 0; k < runs.size(); ++k) {
    const int caption = added[k];
    const int rows = runs[k].Rows;
    SetCells(ACol + 1, caption, runs[k].Value);
    for (int row = caption + 1; row <= caption + rows; ++row) SetCells(ACol, row, {});
    // New rows stand at the level of the rows they join; the node raises them.
    GetCellProperties(0, caption)->SetNodeLevel(levelOf(caption + 1));
    const bool closes = summary && k + 1 == runs.size();
    if (closes) GetCellProperties(0, caption + 1 + rows)->SetNodeLevel(levelOf(caption + rows));
    AddNode(caption, 1 + rows + (closes ? 1 : 0));
    NodeAt(caption)->SetNodeValue(ACol);
    DecorateGroupRow(caption, ACol + 1, false);
  }
  if (summary) {
    const int summaryRow = added.back();
    MarkSummaryRow(summaryRow);
    DecorateGroupRow(summaryRow, ACol + 1, true);
  }
  SetRow(FixedRows());
}

void TExtStringGrid::RemoveGroupLevel(int ACol) {
  if (ACol < 0 || ACol + 1 >= ColCount()) return;
  TGridUpdateScope update(*this);
  ExpandAllNodes();
  std::vector<int> removed, outer;
  // Only rows under a caption of this level get a value: others keep theirs.
  std::optional<plat::String> value;
  int summaryRow = -1;
  for (int row = FixedRows(); row < RowCount() - FFixedFooters; ++row) {
    TCellGraphic* node = NodeAt(row);
    if (node && node->NodeValue() == ACol) {
      value = Cells(ACol + 1, row);
      const int last = row + node->CellIndex() - 1;
      summaryRow = last > row && IsSummaryRow(last) ? last : -1;
      RemoveNode(row);
      removed.push_back(row);
    } else if (row == summaryRow) {
      removed.push_back(row);
    } else if (node || IsSummaryRow(row)) {
      // Rows of other levels are no group's members.
      outer.push_back(row);
      value.reset();
    } else if (value) {
      SetCells(ACol, row, *value);
    }
  }
  AdjustNodeSpans(outer, [&removed](int Start, int End) {
    return -static_cast<int>(std::count_if(removed.begin(), removed.end(),
                                           [Start, End](int Row) { return Row > Start && Row < End; }));
  });
  RemoveRowList(removed);
  SetRow(std::clamp(FixedRows(), 0, RowCount() - 1));
}

}  // namespace zorbit
