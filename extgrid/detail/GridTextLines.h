#pragma once
// The lines of a text grid stream, read whole before the grid changes so
// that a bad line leaves the grid as it was: the normal counts first, then
// in any order column widths ("cw " index "," width) and cells (column
// offset "," row offset "," text; a text with line breaks carries them as
// TAB and backspace).
//
// Reading stops at the first line whose first or second comma field is
// missing or empty; Consumed is where that line starts (the text's size
// when every line was read). Work and memory are proportional to the text.
//
// Refuses: a field that is not a number with StrToInt's plat::EConvertError;
// a count outside 0..kMaxGridTextCount and a negative width with
// plat::EReadError.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/rtl/Types.h"

namespace zorbit::detail {

// Counts beyond this are refused: no grid this program shows comes near,
// and it keeps a count plus the fixed ones within an int.
inline constexpr int kMaxGridTextCount = 1000000;

struct TGridTextWidth {
  int Col = 0;  // a column of the whole grid
  int Width = 0;
};

struct TGridTextCell {
  int Col = 0;  // offsets from the first normal cell, as written
  int Row = 0;
  plat::String Text;  // line breaks restored
};

struct TGridTextLines {
  bool Counted = false;  // the counts line was there
  int ColCount = 0;
  int RowCount = 0;
  std::vector<TGridTextWidth> Widths;
  std::vector<TGridTextCell> Cells;
  // One past the highest column (row) that a width or a cell names.
  std::int64_t ColsReached = 0;
  std::int64_t RowsReached = 0;
  std::size_t Consumed = 0;
};

TGridTextLines ReadGridTextLines(std::string_view Text);

}  // namespace zorbit::detail
