// Any bytes as a grid and a series of sorts with any settings and styles:
// no crash, no exception but the documented one, the rows after each sort a
// permutation of the rows before (column 0 kept where NormalCellsOnly keeps
// it, the fixed rows and footers in place), and UnSort giving back the rows
// exactly as they were before the first sort.
#include <algorithm>
#include <cstdlib>

#include "extgrid/ExtGridError.h"
#include "extgrid/fuzz/FuzzGrid.h"

using namespace zorbit;

namespace {

bool SameRowsInAnyOrder(std::vector<std::string> A, std::vector<std::string> B) {
  std::sort(A.begin(), A.end());
  std::sort(B.begin(), B.end());
  return A == B;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::TBytes bytes(data, size);
  std::unique_ptr<TExtStringGrid> grid = fuzz::MakeGrid(bytes);
  TSortSettings& sort = *grid->SortSettings();
  grid->SetFixedFooters(bytes.Next() % 3);
  const std::vector<std::string> loaded = fuzz::Rows(*grid, 0);
  constexpr int styles = static_cast<int>(TSortStyle::ssAlphaNumericNoCase) + 1;
  const std::uint8_t styleByte = bytes.Next();
  grid->OnGetFormat = [styleByte](plat::TObject*, int ACol, TSortStyle& Style, plat::String& Prefix,
                                          plat::String&) {
    Style = static_cast<TSortStyle>((styleByte + ACol) % styles);
    Prefix = styleByte & 0x80 ? "$" : "";
  };
  grid->OnCustomCompare = [](plat::TObject*, const plat::String& A, const plat::String& B, int& Res) {
    Res = A.size() < B.size() ? -1 : A.size() > B.size();
  };
  // One choice for every sort, so that UnSort moves column 0 as they did.
  sort.SetNormalCellsOnly(bytes.Next() & 1);
  const int from = sort.NormalCellsOnly() ? 1 : 0;
  for (int step = 0; step < 4 && !bytes.Empty(); ++step) {
    const std::uint8_t flags = bytes.Next();
    sort.SetFull(flags & 1);
    sort.SetIgnoreBlanks(flags & 2);
    sort.SetBlankPos(flags & 4 ? TSortBlankPosition::blLast : TSortBlankPosition::blFirst);
    sort.SetDirection(flags & 8 ? TSortDirection::sdDescending : TSortDirection::sdAscending);
    sort.SetColumn(bytes.Next() % 7 - 1);
    const std::vector<std::string> before = fuzz::Rows(*grid, 0);
    const std::vector<std::string> movable = fuzz::Rows(*grid, from);
    try {
      if (flags & 32) {
        grid->SortIndexes()->Clear();
        for (int n = bytes.Next() % 3; n > 0; --n) grid->SortIndexes()->AppendColumn(bytes.Next() % 6, flags & 64);
        grid->SortByIndexColumns();
      } else {
        grid->QSort();
      }
    } catch (const EExtGridError&) {
      if (grid->SortIndexes()->Count() != 0) std::abort();
    }
    if (grid->RowCount() != static_cast<int>(loaded.size()) || grid->UpdateCount() != 0) std::abort();
    if (!SameRowsInAnyOrder(fuzz::Rows(*grid, from), movable)) std::abort();
    // Column 0 under NormalCellsOnly, the fixed row and the footers stay.
    const std::vector<std::string> after = fuzz::Rows(*grid, 0);
    for (int r = 0; r < grid->RowCount(); ++r) {
      const auto row = static_cast<std::size_t>(r);
      const bool stays = r == 0 || r >= grid->RowCount() - grid->FixedFooters();
      if (stays && after[row] != before[row]) std::abort();
      if (from == 1 && grid->Cells(0, r) != before[row].substr(0, before[row].find('\x01'))) std::abort();
    }
  }
  grid->UnSort();
  if (fuzz::Rows(*grid, 0) != loaded) std::abort();
  return 0;
}
