// Filtering: a row is tested against the Filter's conditions in their
// order; the rows that fail are hidden together, and shown again when
// filtering is switched off.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "extgrid/GridUpdateScope.h"
#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/Nearest.h"
#include "grid/ExtUtilMatcher.h"

namespace zorbit {

namespace {

// The text less the condition's prefix, and less its suffix when the
// suffix's first occurrence is the one that ends the text.
plat::String StripAffixes(plat::String Text, const TFilterData& Condition) {
  const plat::String& prefix = Condition.Prefix();
  if (!prefix.empty() && Text.compare(0, prefix.size(), prefix) == 0) Text.erase(0, prefix.size());
  const plat::String& suffix = Condition.Suffix();
  if (!suffix.empty() && suffix.size() <= Text.size() && Text.find(suffix) == Text.size() - suffix.size())
    Text.erase(Text.size() - suffix.size());
  return Text;
}

}  // namespace

bool TExtStringGrid::FilterRowMatches(int ARow) {
  bool result = true;
  for (int i = 0; i < FFilter->Count(); ++i) {
    const TFilterData& condition = *FFilter->Items(i);
    // A column left of the cells (a layout can name one) holds no text.
    plat::String text;
    if (condition.Column() >= 0)
      text = condition.Data() == TFilterCells::fcVirtual ? GetCellText(condition.Column(), ARow)
                                                         : GetRawCellText(condition.Column(), ARow);
    const bool met =
        EvaluateFilterCondition(condition.Condition(), StripAffixes(text, condition), condition.CaseSensitive());
    switch (condition.Operation()) {
      case TFilterOperation::foSHORT:
        if (!met) return false;
        result = true;
        break;
      case TFilterOperation::foNONE: result = met; break;
      case TFilterOperation::foAND: result = result && met; break;
      case TFilterOperation::foXOR: result = result != met; break;
      case TFilterOperation::foOR: result = result || met; break;
    }
  }
  return result;
}

void TExtStringGrid::ApplyFilter() {
  // Hiding every normal row takes fixed rows with it (the grid keeps a
  // normal row); those rows are still headers, never tested.
  const int first = FFilterActive ? std::max(FixedRows(), FFilterFixedRows) : FixedRows();
  const int end = RowCount() - FixedFooters();
  const int normalRows = end - first;
  // Rows already hidden (contracted nodes, an earlier filter) make display
  // and real rows differ; the rows to hide are listed as real rows.
  std::vector<int> failing;
  int percent = 0;
  for (int row = first; row < end; ++row) {
    if (!FilterRowMatches(row)) failing.push_back(DisplayToRealRow(row));
    percent = detail::Nearest((row - first + 1) * 100.0 / normalRows);
    if (OnFilterProgress) OnFilterProgress(this, static_cast<std::int16_t>(percent));
  }
  HideRowList(failing);
  if (OnFilterProgress && normalRows > 0) OnFilterProgress(this, static_cast<std::int16_t>(percent));
}

void TExtStringGrid::SetFilterActive(bool Value) {
  if (Value != FFilterActive) {
    FFilterActive = Value;
    if (Value) {
      FFilterFixedRows = TBaseGrid::FixedRows();
      {
        TGridUpdateScope update(*this);
        ApplyFilter();
      }
      FSelectionSaved = false;
    } else {
      UnhideAllRows();
      // Rows removed while the filter was on may leave too few for them all.
      TBaseGrid::SetFixedRows(std::min(FFilterFixedRows, RowCount() - 1));
      if (FSelectionSaved) RestoreSelection();
    }
  }
  CalcFooter(-1);
}

}  // namespace zorbit
