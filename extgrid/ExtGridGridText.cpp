// The text grid stream: CR LF lines of the normal counts, the column widths
// and the normal cells' export texts, as one grid hands its cells to another.
#include <algorithm>
#include <cstdint>

#include "extgrid/GridUpdateScope.h"
#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/GridTextLines.h"
#include "platform/rtl/Exception.h"

namespace zorbit {
namespace {

void WriteLine(plat::TStream& Stream, const plat::String& Line) {
  const plat::String bytes = Line + "\r\n";
  Stream.WriteBuffer(bytes.data(), static_cast<plat::Int64>(bytes.size()));
}

}  // namespace

void TExtStringGrid::SaveGridText(plat::TStream& Stream) {
  const plat::TRect normal = NormalRange();
  WriteLine(Stream, std::to_string(normal.Width() + 1) + "," + std::to_string(normal.Height() + 1));
  for (int col = 0; col < ColCount(); ++col) WriteLine(Stream, "cw " + std::to_string(col) + "," + std::to_string(ColWidths(col)));
  for (int row = normal.Top; row <= normal.Bottom; ++row) {
    for (int col = normal.Left; col <= normal.Right; ++col) {
      plat::String text;
      GetExportText(col, row, text);
      if (text.empty()) continue;
      // One cell, one line: its line breaks travel as TAB and backspace.
      if (text.find('\r') != plat::String::npos) {
        std::replace(text.begin(), text.end(), '\r', '\t');
        std::replace(text.begin(), text.end(), '\n', '\b');
      }
      WriteLine(Stream, std::to_string(col - normal.Left) + "," + std::to_string(row - normal.Top) + "," + text);
    }
  }
}

void TExtStringGrid::LoadGridText(plat::TStream& Stream) {
  const plat::Int64 start = Stream.Position();
  plat::String rest(static_cast<std::size_t>(std::max<plat::Int64>(0, Stream.Size() - start)), '\0');
  rest.resize(static_cast<std::size_t>(Stream.Read(rest.data(), static_cast<plat::Int64>(rest.size()))));
  const detail::TGridTextLines lines = detail::ReadGridTextLines(rest);
  if (lines.Counted) {
    // A saved text carries every column's width, so columns beyond the grid
    // and beyond what its lines name were never saved. Empty rows are left
    // out, so the row count stands as written: rows cost little, and the
    // clearing below visits only cells that hold text.
    const plat::TRect normal = NormalRange();
    if (lines.ColCount > std::max<std::int64_t>(normal.Width() + 1, lines.ColsReached))
      throw plat::EReadError("Invalid grid text: more columns than its lines fill");

    TGridUpdateScope update(*this);
    SetColCount(lines.ColCount + (FIncludeFixedCells ? 0 : TBaseGrid::FixedCols()));
    SetRowCount(lines.RowCount + (FIncludeFixedCells ? 0 : TBaseGrid::FixedRows()));
    const plat::TRect placed = NormalRange();
    // The stream leaves out empty cells: what the grid held there goes.
    ClearTexts({placed.Left, placed.Top, placed.Right, placed.Bottom});
    for (const detail::TGridTextWidth& width : lines.Widths)
      if (width.Col >= 0 && width.Col < ColCount()) SetColWidths(width.Col, width.Width);
    for (const detail::TGridTextCell& cell : lines.Cells) {
      const std::int64_t col = std::int64_t{placed.Left} + cell.Col;
      const std::int64_t row = std::int64_t{placed.Top} + cell.Row;
      if (col >= placed.Left && col <= placed.Right && row >= placed.Top && row <= placed.Bottom)
        SetImportText(static_cast<int>(col), static_cast<int>(row), cell.Text);
    }
  }
  Stream.SetPosition(start + static_cast<plat::Int64>(lines.Consumed));
}

}  // namespace zorbit
