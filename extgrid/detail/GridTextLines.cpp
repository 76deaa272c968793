#include "extgrid/detail/GridTextLines.h"

#include <algorithm>
#include <utility>

#include "platform/rtl/Conversions.h"
#include "platform/rtl/Exception.h"

namespace zorbit::detail {
namespace {

// The line's first two comma fields and the rest; false when either of
// the two is missing or empty.
bool SplitFields(std::string_view Line, std::string_view& First, std::string_view& Second, std::string_view& Rest) {
  const std::size_t comma1 = Line.find(',');
  if (comma1 == std::string_view::npos) return false;
  First = Line.substr(0, comma1);
  const std::size_t comma2 = Line.find(',', comma1 + 1);
  Second = Line.substr(comma1 + 1, comma2 == std::string_view::npos ? std::string_view::npos : comma2 - comma1 - 1);
  Rest = comma2 == std::string_view::npos ? std::string_view() : Line.substr(comma2 + 1);
  return !First.empty() && !Second.empty();
}

int Number(std::string_view Field) { return plat::StrToInt(plat::String(Field)); }

int Count(std::string_view Field) {
  const int count = Number(Field);
  if (count < 0 || count > kMaxGridTextCount) throw plat::EReadError("Invalid grid text: count out of range");
  return count;
}

plat::String CellText(std::string_view Field) {
  plat::String text(Field);
  if (text.find('\t') != plat::String::npos) {
    std::replace(text.begin(), text.end(), '\t', '\r');
    std::replace(text.begin(), text.end(), '\b', '\n');
  }
  return text;
}

void Reach(std::int64_t& Reached, int Index) {
  if (Index >= 0) Reached = std::max(Reached, std::int64_t{Index} + 1);
}

}  // namespace

TGridTextLines ReadGridTextLines(std::string_view Text) {
  TGridTextLines lines;
  std::size_t at = 0;
  while (at < Text.size()) {
    const std::size_t lf = Text.find('\n', at);
    const std::size_t next = lf == std::string_view::npos ? Text.size() : lf + 1;
    std::string_view line = Text.substr(at, next - at);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    std::string_view first, second, rest;
    if (!SplitFields(line, first, second, rest)) break;
    if (!lines.Counted) {
      lines.ColCount = Count(first);
      lines.RowCount = Count(second);
      lines.Counted = true;
    } else if (first.starts_with("cw ")) {
      const TGridTextWidth width{Number(first.substr(3)), Number(second)};
      if (width.Width < 0) throw plat::EReadError("Invalid grid text: negative width");
      Reach(lines.ColsReached, width.Col);
      lines.Widths.push_back(width);
    } else {
      TGridTextCell cell{Number(first), Number(second), CellText(rest)};
      Reach(lines.ColsReached, cell.Col);
      Reach(lines.RowsReached, cell.Row);
      lines.Cells.push_back(std::move(cell));
    }
    at = next;
  }
  lines.Consumed = at;
  return lines;
}

}  // namespace zorbit::detail
