// Cell blocks: the cells of a rectangle with their properties, graphics
// and sizes, written as streamed records and placed back at any cell.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>

#include "extgrid/GridUpdateScope.h"
#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/CellBlockRecords.h"
#include "grid/TCellProperties.h"
#include "platform/rtl/Exception.h"

namespace zorbit {
namespace {

// The records carry coordinates in 16 bits.
constexpr int kMaxBlockIndex = 0xFFFF;

plat::String JoinSizes(int From, int To, const std::function<int(int)>& Size) {
  plat::String list;
  for (int i = From; i <= To; ++i) list += (i > From ? "," : "") + std::to_string(Size(i));
  return list;
}

}  // namespace

plat::TRect TExtStringGrid::NormalRange() const {
  if (FIncludeFixedCells) return {0, 0, ColCount() - 1, RowCount() - 1};
  return {TBaseGrid::FixedCols(), TBaseGrid::FixedRows(), ColCount() - FFixedRightCols - 1,
          RowCount() - FFixedFooters - 1};
}

void TExtStringGrid::SaveCellBlock(const plat::TRect& R, plat::TStream& Stream) {
  if (R.Left < 0 || R.Top < 0 || R.Right > kMaxBlockIndex || R.Bottom > kMaxBlockIndex)
    throw plat::EWriteError("Cell block beyond the columns and rows a stream can hold");
  GridProgress(0, -1);
  detail::TGridPropIO block;
  block.ColCount = std::max(0, R.Right - R.Left + 1);
  block.RowCount = std::max(0, R.Bottom - R.Top + 1);
  block.ColWidths = JoinSizes(R.Left, R.Right, [this](int c) { return ColWidths(c); });
  block.RowHeights = JoinSizes(R.Top, R.Bottom, [this](int r) { return RowHeights(r); });
  block.FullGrid = FIncludeFixedCells
                       ? block.ColCount == ColCount() && block.RowCount == RowCount()
                       : block.ColCount == ColCount() - FixedCols() && block.RowCount == RowCount() - FixedRows();
  block.ID = HandleAllocated() ? reinterpret_cast<std::intptr_t>(Handle()) : 0;
  block.Write(Stream);

  int reported = -1;
  for (int row = R.Top; row <= R.Bottom; ++row) {
    for (int col = R.Left; col <= R.Right; ++col) {
      auto* properties = dynamic_cast<TCellProperties*>(GetGridObject(col, row));
      const plat::String& text = GetRawCellText(col, row);
      // The reader takes the first cell as the block's corner, so the
      // corner is written even when empty.
      const bool corner = col == R.Left && row == R.Top;
      if (text.empty() && !properties && !corner) continue;
      detail::TGridCellIO cell;
      cell.Col = col;
      cell.Row = row;
      cell.Cell = text;
      cell.HasProp = properties != nullptr;
      cell.Write(Stream);
      if (!properties) continue;
      detail::TGridCellPropIO copy;
      copy.CellProperties->Assign(properties);
      copy.HasGraphic = properties->Graphic() != nullptr;
      copy.Write(Stream);
      if (!copy.HasGraphic) continue;
      detail::TGridGraphicIO graphic;
      graphic.CellGraphic->Assign(properties->Graphic());
      graphic.Write(Stream);
    }
    GridProgress(1, row);
    const int progress = static_cast<int>(std::lround((row - R.Top) * 100.0 / std::max(1, R.Bottom - R.Top)));
    if (OnFileProgress && progress != reported) OnFileProgress(this, static_cast<std::int16_t>(progress));
    reported = progress;
  }
  GridProgress(2, -1);
}

void TExtStringGrid::LoadCellBlock(plat::TPoint P, plat::TStream& Stream) {
  TGridUpdateScope update(*this);
  bool fullGrid = false;
  bool first = true;
  plat::TPoint origin{0, 0};  // the block's corner less the point
  const auto placeBlock = [&](const detail::TGridPropIO& block) {
    fullGrid = block.FullGrid;
    if (!fullGrid) return;
    // Checked whole before the grid is cleared: a bad block loses nothing.
    const std::vector<int> widths = block.Widths();
    const std::vector<int> heights = block.Heights();
    ClearAll();
    SetRowCount(block.RowCount);
    SetColCount(block.ColCount);
    for (int c = 0; c < block.ColCount; ++c) SetColWidths(c, widths[c]);
    for (int r = 0; r < block.RowCount; ++r) SetRowHeights(r, heights[r]);
  };
  const auto placeCell = [&](const detail::TGridCellIO& cell, const TCellProperties* properties,
                             std::unique_ptr<TCellGraphic> graphic) {
    // A full grid keeps its own places: the shape it just gave the grid
    // would leave cells shifted to the point outside.
    if (first && !fullGrid) origin = {cell.Col - P.X, cell.Row - P.Y};
    first = false;
    const int col = cell.Col - origin.X;
    const int row = cell.Row - origin.Y;
    if (col < 0 || row < 0) throw plat::EReadError("Invalid cell block: a cell before the block's corner");
    SetRawCellText(col, row, cell.Cell);
    if (!properties) return;
    TCellProperties* target = GetCellProperties(col, row);
    target->Assign(properties);
    target->SetOwnerCol(col);
    target->SetOwnerRow(row);
    target->SetGraphic(graphic.release());
  };
  detail::ReadCellBlock(Stream, placeBlock, placeCell);
}

}  // namespace zorbit
