#pragma once
// What the grid's find keeps between calls: the options and texts of the
// last search, the cell it found, the preset row and column, and the
// buffers that comparing reuses.
#include "extgrid/FindParams.h"
#include "platform/gdi/Geometry.h"
#include "platform/rtl/Types.h"

namespace zorbit::detail {

struct TFindState {
  TFindParams Options;
  // (-1, -1) when the last search found nothing.
  plat::TPoint LastFound{-1, -1};
  // As given, upper-cased unless fnMatchCase.
  plat::String Text;
  plat::WideString WideText;
  // The search text the cells are compared with (UTF-8 of the wide text
  // for a wide search).
  plat::String Prepared;
  // The search bar's text last searched by its buttons.
  plat::String FooterText;
  int PresetCol = -1;
  int PresetRow = -1;
  // Reused per cell.
  plat::String CellScratch;
  plat::String CaseScratch;
};

}  // namespace zorbit::detail
