#pragma once
// The options of the grid's find (TExtStringGrid::FindCell): how a cell's
// text must match, which cells are searched, in which order, and whether the
// cell found becomes current.
#include "platform/rtl/Set.h"

namespace zorbit {

enum class TFindParameter {
  fnMatchCase,             // compare as written, not upper-cased
  fnMatchFull,             // the whole text equals the search text
  fnMatchRegular,          // the search text is a filter condition
  fnDirectionLeftRight,    // along a row, then the next row (else down a column)
  fnMatchStart,            // the text begins with the search text
  fnFindInCurrentRow,      // only the current row
  fnFindInCurrentCol,      // only the current column
  fnIncludeFixed,          // the whole grid, fixed cells too
  fnAutoGoto,              // the cell found becomes current
  fnIgnoreHTMLTags,        // tags stripped before comparing
  fnBackward,              // walk backwards
  fnIncludeHiddenColumns,  // real columns, the hidden ones included
  fnFindInPresetCol,       // only FindPresetCol
  fnFindInPresetRow        // only FindPresetRow
};
using TFindParams = plat::TSet<TFindParameter>;

}  // namespace zorbit
