// Any bytes as a cell-block stream, as a paste of the private clipboard
// format reads them: every record, cell graphics and their pictures too,
// parsed or refused with the stream's read error (sizes that are no
// integers with the conversion error); no crash, no other exception, no
// hang, and nothing read past the stream.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "extgrid/detail/CellBlockRecords.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Streams.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  plat::TMemoryStream stream;
  stream.WriteBuffer(data, static_cast<plat::Int64>(size));
  stream.SetPosition(0);
  try {
    zorbit::detail::ReadCellBlock(
        stream,
        [&](const zorbit::detail::TGridPropIO& block) {
          // Counts that passed are bounded by the lists the stream held.
          if (block.ColCount > static_cast<std::int64_t>(size) || block.RowCount > static_cast<std::int64_t>(size))
            std::abort();
        },
        [](const zorbit::detail::TGridCellIO& cell, const zorbit::TCellProperties*,
           std::unique_ptr<zorbit::TCellGraphic> graphic) {
          if (cell.Col < 0 || cell.Col > 0xFFFF || cell.Row < 0 || cell.Row > 0xFFFF) std::abort();
          // A graphic read back is whole: its type one of the 24.
          if (graphic && static_cast<int>(graphic->CellType()) >= zorbit::CellTypeCount) std::abort();
        });
  } catch (const plat::EStreamError&) {
  } catch (const plat::EConvertError&) {
  }
  if (stream.Position() > stream.Size()) std::abort();
  return 0;
}
