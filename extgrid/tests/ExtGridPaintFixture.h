#pragma once
// A painted advanced grid on a shown form in the headless display: cells of
// a fixed size, no border or scroll bars unless a test asks for them, and
// probes of what the window shows.
#include <string>

#include "extgrid/TExtStringGrid.h"
#include "platform/gdi/Bitmap.h"
#include "platform/ui/TForm.h"
#include "testing/FormTest.h"

namespace zorbit::testing {

class ExtGridPaintTest : public FormTest {
 protected:
  static constexpr int CellW = 64;
  static constexpr int CellH = 20;

  void SetUp() override;
  void TearDown() override;

  // Shape the grid, show the form and paint.
  void Show(int Cols, int Rows);
  void Repaint();
  // The colour at a client point of the grid.
  plat::TColor At(int X, int Y) { return static_cast<plat::TColor>(PixelAt(FGrid, {X, Y})); }
  // The colour a little inside the cell's top-left corner, away from its
  // text (which starts two pixels in and runs right).
  plat::TColor CellColour(int Col, int Row);
  // The colour of the grid's window edge, Inset pixels in from its left
  // side and 10 down from its top (outside the client area).
  plat::TColor EdgeAt(int Inset);
  // Pixels of a cell's inside that differ from Background.
  int Ink(int Col, int Row, plat::TColor Background);
  // The grid's client area, saved for a person to look at.
  std::string Keep(const std::string& Name);

  plat::TForm* FForm = nullptr;
  TExtStringGrid* FGrid = nullptr;
};

}  // namespace zorbit::testing
