#include "extgrid/tests/ExtGridPaintFixture.h"

#include "platform/win/WindowPos.h"
#include "testing/ReferencePicture.h"

namespace zorbit::testing {

void ExtGridPaintTest::SetUp() {
  FormTest::SetUp();
  FForm = new plat::TForm(nullptr);
  FForm->SetBounds(20, 20, 520, 360);
  FGrid = new TExtStringGrid(FForm);
  FGrid->SetParent(FForm);
  FGrid->SetBorderStyle(plat::TBorderStyle::bsNone);
  FGrid->SetScrollBars(plat::TScrollStyle::ssNone);
  FGrid->SetBounds(4, 4, 480, 300);
}

void ExtGridPaintTest::TearDown() {
  delete FForm;
  FormTest::TearDown();
}

void ExtGridPaintTest::Show(int Cols, int Rows) {
  FGrid->SetColCount(Cols);
  FGrid->SetRowCount(Rows);
  FGrid->SetDefaultColWidth(CellW);
  FGrid->SetDefaultRowHeight(CellH);
  FGrid->SetFixedRowHeight(CellH);
  FForm->Show();
  Pump();
}

void ExtGridPaintTest::Repaint() {
  FGrid->Invalidate();
  Pump();
}

plat::TColor ExtGridPaintTest::CellColour(int Col, int Row) {
  const plat::TRect r = FGrid->CellRect(Col, Row);
  return At(r.Left + 3, r.Bottom - 4);
}

plat::TColor ExtGridPaintTest::EdgeAt(int Inset) {
  const plat::TPoint origin = FGrid->ClientToScreen({0, 0});
  plat::RECT window;
  plat::GetWindowRect(FGrid->Handle(), &window);
  return At(window.Left - origin.X + Inset, window.Top - origin.Y + 10);
}

int ExtGridPaintTest::Ink(int Col, int Row, plat::TColor Background) {
  const plat::TRect r = FGrid->CellRect(Col, Row);
  int n = 0;
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y)
    for (int x = r.Left + 1; x < r.Right - 1; ++x) n += At(x, y) != plat::ColorToRGB(Background);
  return n;
}

std::string ExtGridPaintTest::Keep(const std::string& Name) {
  plat::Bitmap picture(FGrid->ClientWidth(), FGrid->ClientHeight());
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) picture.Put(x, y, plat::PixelFromColorRef(PixelAt(FGrid, {x, y})));
  return KeepForInspection(picture, "extgrid/" + Name + ".png");
}

}  // namespace zorbit::testing
