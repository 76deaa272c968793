#pragma once
// The records of a cell-block stream: one TGridPropIO for the block, then
// for each cell written a TGridCellIO, followed by a TGridCellPropIO when
// the cell has properties and, when those announce a graphic, its
// TGridGraphicIO. A graphic that holds a picture object says so in its
// CellCreated, and the object's record follows: a bitmap (TGridBMPIO, as a
// BMP file), an icon (TGridIconIO, as an icon file), radio captions or an
// image index list (TGridSLIO), a picture (TGridPicIO, as a BMP file) or a
// file picture (TGridFilePicIO, its file name). The graphic read back owns
// a copy of the object.
//
// Reading refuses (plat::EReadError) what cannot be a block: negative or
// unequal counts and size lists, sizes that are not non-negative integers,
// coordinates beyond 16 bits, enumerations beyond their values, picture
// data that does not decode (pictures keep to the bitmap's size bounds),
// image indexes that are no integers.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "grid/TCellGraphic.h"
#include "grid/TCellProperties.h"
#include "platform/rtl/Streams.h"

namespace zorbit::detail {

struct TGridPropIO {
  int ColCount = 0;
  int RowCount = 0;
  plat::String ColWidths;  // decimal, joined by ","
  plat::String RowHeights;
  bool FullGrid = false;
  std::int64_t ID = 0;

  void Write(plat::TStream& Stream) const;
  void Read(plat::TStream& Stream);
  // The widths (heights) checked against the counts.
  std::vector<int> Widths() const;
  std::vector<int> Heights() const;
};

struct TGridCellIO {
  int Col = 0;
  int Row = 0;
  plat::String Cell;
  bool HasProp = false;

  void Write(plat::TStream& Stream) const;
  void Read(plat::TStream& Stream);
};

struct TGridCellPropIO {
  std::unique_ptr<TCellProperties> CellProperties = std::make_unique<TCellProperties>(nullptr, 0, 0);
  bool HasGraphic = false;

  void Write(plat::TStream& Stream) const;
  void Read(plat::TStream& Stream);
};

struct TGridGraphicIO {
  std::unique_ptr<TCellGraphic> CellGraphic = std::make_unique<TCellGraphic>();

  // The graphic's fields, then the record of its picture object.
  void Write(plat::TStream& Stream) const;
  void Read(plat::TStream& Stream);
};

// Reads a whole cell-block stream from its position: the block first, then
// every cell with its properties (nullptr without) and its graphic (handed
// over; nullptr without), until the position reaches the stream's size less
// one.
void ReadCellBlock(
    plat::TStream& Stream, const std::function<void(const TGridPropIO&)>& OnBlock,
    const std::function<void(const TGridCellIO&, const TCellProperties*, std::unique_ptr<TCellGraphic>)>& OnCell);

}  // namespace zorbit::detail
