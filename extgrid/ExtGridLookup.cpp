// The incremental lookup: characters typed on a grid that does not edit
// move to the first row whose sort-column text begins with them.
#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/FindText.h"
#include "platform/rtl/StringUtils.h"
#include "platform/rtl/Unicode.h"

namespace zorbit {

namespace {

constexpr char32_t kBackspace = 8;

// Text without its last character (a whole UTF-8 sequence).
void DropLastCharacter(plat::String& Text) {
  while (!Text.empty()) {
    const auto byte = static_cast<unsigned char>(Text.back());
    Text.pop_back();
    if ((byte & 0xC0) != 0x80) return;
  }
}

}  // namespace

int TExtStringGrid::LookupIncremental(const plat::String& Text) {
  if (RowCount() < 2) return -1;
  const int col = FSortSettings->Show() ? FSortSettings->Column() : 1;
  plat::String upper;
  for (int row = FixedRows(); row < RowCount(); ++row) {
    detail::UpperCaseInto(Cells(col, row), upper);
    if (upper.starts_with(Text)) return row;
  }
  return -1;
}

bool TExtStringGrid::LookupTypedKey(char32_t Key) {
  if (Options().Contains(plat::TGridOption::goEditing) || !FNavigation->AutoGotoWhenSorted()) return false;
  plat::String typed;
  if (FNavigation->AutoGotoIncremental()) {
    typed = FInput.IncrementalText;
    if (Key == kBackspace)
      DropLastCharacter(typed);
    else
      plat::AppendUtf8(typed, Key);
  } else {
    plat::AppendUtf8(typed, Key);
  }
  SetIncrementalText(typed);
  const int row = LookupIncremental(plat::AnsiUpperCase(typed));
  if (row < 0) {
    SetIncrementalText({});
    return true;
  }
  const plat::TGridRect before = Selection();
  if (row >= TBaseGrid::FixedRows()) SetRow(row);
  SelectionChangedFrom(before);
  return true;
}

}  // namespace zorbit
