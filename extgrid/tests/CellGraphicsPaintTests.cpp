// Cell graphics painted in the headless display: a grid holding every cell
// type against its reference picture, and pixel probes of where graphics
// stand and how each kind and look draws.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "extgrid/detail/RotatedOrigin.h"
#include "extgrid/tests/EveryCellType.h"
#include "extgrid/tests/ExtGridPaintFixture.h"
#include "grid/TCellProperties.h"
#include "platform/gdi/testing/RecordingThemeService.h"
#include "platform/ui/TImageList.h"
#include "testing/ProjectPaths.h"
#include "testing/ReferencePicture.h"
#include "testing/TempFolder.h"

namespace zorbit {
namespace {

class CellGraphicsPaint : public testing::ExtGridPaintTest {
 protected:
  // The grid's client area as a picture.
  plat::Bitmap Picture() {
    plat::Bitmap picture(FGrid->ClientWidth(), FGrid->ClientHeight());
    for (int y = 0; y < picture.Height(); ++y)
      for (int x = 0; x < picture.Width(); ++x) picture.Put(x, y, plat::PixelFromColorRef(PixelAt(FGrid, {x, y})));
    return picture;
  }
  // Pixels inside R (client coordinates) of the colour.
  int Count(const plat::TRect& R, plat::TColor Colour) {
    int n = 0;
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x) n += At(x, y) == plat::ColorToRGB(Colour);
    return n;
  }
};

TEST_F(CellGraphicsPaint, EveryCellTypeAgainstItsReference) {
  FForm->SetBounds(20, 20, 760, 440);
  FGrid->SetBounds(4, 4, 720, 394);
  plat::TImageList images(nullptr);
  testing::FillSampleImages(images);
  FGrid->SetGridImages(&images);
  Show(6, 9);
  FGrid->SetDefaultColWidth(118);
  FGrid->SetFixedCols(0);
  FGrid->SetOptions(FGrid->Options() + plat::TGridOptions{plat::TGridOption::goEditing});
  FGrid->SetDefaultRowHeight(32);
  FGrid->SetFixedRowHeight(22);
  FGrid->SetRowHeights(0, 22);
  testing::TTempFolder folder("celltypes");
  const std::vector<testing::TCellTypeSample>& samples = testing::CellTypeSamples();
  // Three pairs of columns: the type's name, then its cell; the node sits
  // in column 0, where nodes live, with the others beside it.
  for (int pair = 0; pair < 3; ++pair) {
    FGrid->SetCells(pair * 2, 0, "type");
    FGrid->SetCells(pair * 2 + 1, 0, "cell");
  }
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const int pair = static_cast<int>(i) / 8, row = static_cast<int>(i) % 8 + 1;
    if (samples[i].Type == TCellType::ctNode) continue;
    FGrid->SetCells(pair * 2, row, samples[i].Name);
    testing::MakeSampleCell(*FGrid, pair * 2 + 1, row, samples[i], folder.Path());
  }
  // The node: row 8 of column 0 heads itself alone.
  FGrid->SetCells(0, 8, "");
  FGrid->AddNode(8, 1);
  FGrid->SetCellText(0, 8, "ctNode");
  FGrid->SetCol(1);
  Repaint();
  const plat::Bitmap shot = Picture();
  const std::string kept = testing::KeepForInspection(shot, "extgrid/cell-types.png");
  const testing::TPictureMatch match =
      testing::MatchReference(shot, testing::SourcePath("extgrid/tests/data/CellTypes.png"), 24);
  EXPECT_TRUE(match.Loaded && match.Differing * 1000 <= shot.Width() * shot.Height())
      << "the cell types do not match their reference (" << match.Differing << " pixels differ); see " << kept;
}

}  // namespace
}  // namespace zorbit
