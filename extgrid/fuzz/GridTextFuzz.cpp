// Any bytes as a text grid stream, as LoadGridText reads them before the
// grid changes: every line parsed or refused with the read error (fields
// that are no integers with the conversion error); no crash, no other
// exception, no hang, counts within their bound, and the lines read
// ending inside the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "extgrid/detail/GridTextLines.h"
#include "platform/rtl/Exception.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using zorbit::detail::kMaxGridTextCount;
  try {
    const zorbit::detail::TGridTextLines lines =
        zorbit::detail::ReadGridTextLines(std::string_view(reinterpret_cast<const char*>(data), size));
    if (lines.Consumed > size) std::abort();
    if (lines.ColCount < 0 || lines.ColCount > kMaxGridTextCount || lines.RowCount < 0 ||
        lines.RowCount > kMaxGridTextCount)
      std::abort();
    for (const auto& cell : lines.Cells)
      if (cell.Col >= lines.ColsReached || cell.Row >= lines.RowsReached) std::abort();
    for (const auto& width : lines.Widths)
      if (width.Width < 0 || width.Col >= lines.ColsReached) std::abort();
  } catch (const plat::EReadError&) {
  } catch (const plat::EConvertError&) {
  }
  return 0;
}
