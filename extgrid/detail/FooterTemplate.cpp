#include "extgrid/detail/FooterTemplate.h"

#include <algorithm>
#include <string_view>

namespace zorbit::detail {

namespace {

// The column a placeholder's number names: -1 when it is not decimal,
// ColumnCount when it lies beyond the columns.
int PlaceholderColumn(std::string_view Number, int ColumnCount) {
  if (Number.empty() || !std::all_of(Number.begin(), Number.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return -1;
  long long value = 0;
  for (char c : Number) {
    value = value * 10 + (c - '0');
    if (value >= ColumnCount) return ColumnCount;
  }
  return static_cast<int>(value);
}

}  // namespace

plat::String ExpandFooterTemplate(const plat::String& Template, int ColumnCount,
                                  const std::function<plat::String(int Column)>& ColumnText) {
  plat::String out;
  std::size_t at = 0;
  while (at < Template.size()) {
    const std::size_t open = Template.find("<#", at);
    const std::size_t close = open == plat::String::npos ? open : Template.find('>', open + 2);
    if (close == plat::String::npos) break;
    out.append(Template, at, open - at);
    const int column = PlaceholderColumn(std::string_view(Template).substr(open + 2, close - open - 2), ColumnCount);
    if (column >= 0 && column < ColumnCount) out += ColumnText(column);
    at = close + 1;
  }
  if (at < Template.size()) out.append(Template, at);
  return out;
}

}  // namespace zorbit::detail
