// The text grid stream: CR LF lines of the normal counts, the column widths
// and the normal cells' export texts, as one grid hands its cells to another.
#include <algorithm>
#include <cstdint>

#include "extgrid/GridUpdateScope.h"
#include "extgrid/TExtStringGrid.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/Exception.h"

namespace zorbit {
namespace {

// Counts beyond this are refused: no grid this program shows comes near,
// and a hostile count would otherwise size the grid's tables.
constexpr int kMaxGridTextCount = 1000000;

void WriteLine(plat::TStream& Stream, const plat::String& Line) {
  const plat::String bytes = Line + "\r\n";
  Stream.WriteBuffer(bytes.data(), static_cast<plat::Int64>(bytes.size()));
}

// The line's first two comma fields and the rest; false when either of
// the two is missing or empty.
bool SplitFields(const plat::String& Line, plat::String& First, plat::String& Second, plat::String& Rest) {
  const std::size_t comma1 = Line.find(',');
  if (comma1 == plat::String::npos) return false;
  First = Line.substr(0, comma1);
  const std::size_t comma2 = Line.find(',', comma1 + 1);
  Second = Line.substr(comma1 + 1, comma2 == plat::String::npos ? plat::String::npos : comma2 - comma1 - 1);
  Rest = comma2 == plat::String::npos ? plat::String() : Line.substr(comma2 + 1);
  return !First.empty() && !Second.empty();
}

int Count(const plat::String& Text) {
  const int count = plat::StrToInt(Text);
  if (count < 0 || count > kMaxGridTextCount) throw plat::EReadError("Invalid grid text: count out of range");
  return count;
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
  TGridUpdateScope update(*this);
  std::size_t at = 0;
  bool counted = false;
  plat::TRect normal{};
  while (at < rest.size()) {
    const std::size_t lf = rest.find('\n', at);
    const std::size_t next = lf == plat::String::npos ? rest.size() : lf + 1;
    plat::String line = rest.substr(at, next - at);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    plat::String first, second, text;
    if (!SplitFields(line, first, second, text)) break;
    if (!counted) {
      const int cols = Count(first), rows = Count(second);
      SetColCount(cols + (FIncludeFixedCells ? 0 : TBaseGrid::FixedCols()));
      SetRowCount(rows + (FIncludeFixedCells ? 0 : TBaseGrid::FixedRows()));
      normal = NormalRange();
      // The stream leaves out empty cells: what the grid held there goes.
      for (int row = normal.Top; row <= normal.Bottom; ++row)
        for (int col = normal.Left; col <= normal.Right; ++col) SetRawCellText(col, row, {});
      counted = true;
    } else if (first.rfind("cw ", 0) == 0) {
      const int col = plat::StrToInt(first.substr(3));
      const int width = plat::StrToInt(second);
      if (width < 0) throw plat::EReadError("Invalid grid text: negative width");
      if (col >= 0 && col < ColCount()) SetColWidths(col, width);
    } else {
      const std::int64_t col = std::int64_t{normal.Left} + plat::StrToInt(first);
      const std::int64_t row = std::int64_t{normal.Top} + plat::StrToInt(second);
      if (text.find('\t') != plat::String::npos) {
        std::replace(text.begin(), text.end(), '\t', '\r');
        std::replace(text.begin(), text.end(), '\b', '\n');
      }
      if (col >= normal.Left && col <= normal.Right && row >= normal.Top && row <= normal.Bottom)
        SetImportText(static_cast<int>(col), static_cast<int>(row), text);
    }
    at = next;
  }
  Stream.SetPosition(start + static_cast<plat::Int64>(at));
}

}  // namespace zorbit
