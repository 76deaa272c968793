// Any text pasted into a grid: measured, then pasted at a cell with the
// growth options the first byte picks: no crash, no exception, the grid
// growing no further than the text's fields and lines reach, and nothing
// stored outside the grid.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "extgrid/TExtStringGrid.h"
#include "platform/ui/ClassLibrary.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1 || size > 8192) return 0;
  plat::InitClassLibrary();
  zorbit::TExtStringGrid grid(nullptr);
  grid.SetColCount(4);
  grid.SetRowCount(4);
  plat::TGridOptions options = grid.Options();
  options.Include(plat::TGridOption::goEditing);
  grid.SetOptions(options);
  const std::uint8_t switches = data[0];
  grid.Navigation()->SetAllowClipboardColGrow(switches & 1);
  grid.Navigation()->SetAllowClipboardRowGrow(switches & 2);
  const int col = 1 + ((switches >> 2) & 3);
  const int row = 1 + ((switches >> 4) & 3);
  const plat::String text(reinterpret_cast<const char*>(data + 1), size - 1);

  int cols = 0;
  int rows = 0;
  grid.MeasureText(text, cols, rows);
  if (cols < 0 || rows < 0 || static_cast<std::size_t>(cols) > text.size() + 1 ||
      static_cast<std::size_t>(rows) > text.size())
    std::abort();
  grid.PasteText(col, row, text);
  // A pasted line of n fields reaches column col + n - 1; each line break
  // can add one row.
  const int lineBreaks = static_cast<int>(std::count(text.begin(), text.end(), '\n') +
                                          std::count(text.begin(), text.end(), '\r'));
  if (grid.ColCount() > std::max(4, col + static_cast<int>(text.size()) + 1)) std::abort();
  if (grid.RowCount() > std::max(4, row + lineBreaks + 1)) std::abort();
  if (!(switches & 1) && grid.ColCount() != 4) std::abort();
  if (!(switches & 2) && grid.RowCount() != 4) std::abort();
  for (int r = 0; r < grid.RowCount() + 2; ++r)
    for (int c = grid.ColCount(); c < grid.ColCount() + 2; ++c)
      if (!grid.Cells(c, r).empty()) std::abort();
  for (int c = 0; c < grid.ColCount() + 2; ++c)
    for (int r = grid.RowCount(); r < grid.RowCount() + 2; ++r)
      if (!grid.Cells(c, r).empty()) std::abort();
  return 0;
}
