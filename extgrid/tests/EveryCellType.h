#pragma once
// A cell of each of the 24 cell types, each with a representative graphic
// (fields, captions, images, pictures), for the tests that paint, stream
// and copy them all. Pictures are drawn here; the file picture reads the
// BMP file written into the folder given.
#include <memory>
#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "grid/TFilePicture.h"
#include "grid/TIntList.h"
#include "platform/gdi/BmpCodec.h"
#include "platform/gdi/IcoCodec.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TIcon.h"
#include "platform/gdi/TPicture.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/TImageList.h"
#include "testing/FileContent.h"

namespace zorbit::testing {

struct TCellTypeSample {
  TCellType Type;
  const char* Name;
  const char* Text;  // the cell's text
};

// In the types' order; ctEmpty is a cell without a graphic.
inline const std::vector<TCellTypeSample>& CellTypeSamples() {
  static const std::vector<TCellTypeSample> samples = {
      {TCellType::ctBitmap, "ctBitmap", "bitmap"},
      {TCellType::ctIcon, "ctIcon", "icon"},
      {TCellType::ctNone, "ctNone", "none"},
      {TCellType::ctImageList, "ctImageList", "image"},
      {TCellType::ctCheckBox, "ctCheckBox", "check"},
      {TCellType::ctDataCheckBox, "ctDataCheckBox", "Y"},
      {TCellType::ctRotated, "ctRotated", "Turned"},
      {TCellType::ctDataImage, "ctDataImage", "1"},
      {TCellType::ctNode, "ctNode", "node"},
      {TCellType::ctRadio, "ctRadio", "B"},
      {TCellType::ctEmpty, "ctEmpty", "plain"},
      {TCellType::ctImages, "ctImages", ""},
      {TCellType::ctPicture, "ctPicture", ""},
      {TCellType::ctFilePicture, "ctFilePicture", ""},
      {TCellType::ctValue, "ctValue", "value"},
      {TCellType::ctProgress, "ctProgress", "65"},
      {TCellType::ctComment, "ctComment", "commented"},
      {TCellType::ctButton, "ctButton", ""},
      {TCellType::ctBitButton, "ctBitButton", ""},
      {TCellType::ctVirtCheckBox, "ctVirtCheckBox", "N"},
      {TCellType::ctRowCheckBox, "ctRowCheckBox", ""},
      {TCellType::ctProgressPie, "ctProgressPie", "pie"},
      {TCellType::ctSummary, "ctSummary", "summary"},
      {TCellType::ctRangeIndicator, "ctRangeIndicator", "-40"},
  };
  return samples;
}

// A Width x Height bitmap in two colours split on the diagonal.
inline std::unique_ptr<plat::TBitmap> SampleBitmap(int Width, int Height, plat::TColor A, plat::TColor B) {
  auto bitmap = std::make_unique<plat::TBitmap>();
  bitmap->SetSize(Width, Height);
  plat::TCanvas* canvas = bitmap->Canvas();
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x) canvas->SetPixels(x, y, x * Height >= y * Width ? A : B);
  return bitmap;
}

// Three 16-pixel images: red, green and blue squares with a white dot.
inline void FillSampleImages(plat::TImageList& Images) {
  for (const plat::TColor colour : {plat::clRed, plat::clGreen, plat::clBlue}) {
    auto bitmap = SampleBitmap(16, 16, colour, colour);
    bitmap->Canvas()->SetPixels(8, 8, plat::clWhite);
    Images.Add(bitmap.get(), nullptr);
  }
}

inline std::unique_ptr<plat::TIcon> SampleIcon() {
  plat::IconFile file;
  plat::IconImage image;
  image.Image = std::make_unique<plat::Bitmap>(16, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) image.Image->Put(x, y, (x - 8) * (x - 8) + (y - 8) * (y - 8) < 49 ? 0xFFE08000 : 0);
  file.Images.push_back(std::move(image));
  const std::vector<plat::Byte> bytes = plat::WriteIco(file);
  plat::TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<plat::Int64>(bytes.size()));
  stream.SetPosition(0);
  auto icon = std::make_unique<plat::TIcon>();
  icon->LoadFromStream(stream);
  return icon;
}

// Gives cell (ACol, ARow) the sample's text and graphic; a file picture
// reads "sample.bmp", written into PictureFolder.
inline TCellGraphic* MakeSampleCell(TExtStringGrid& Grid, int ACol, int ARow, const TCellTypeSample& Sample,
                                    const std::string& PictureFolder) {
  Grid.SetCellText(ACol, ARow, Sample.Text);
  if (Sample.Type == TCellType::ctEmpty) return nullptr;
  TCellGraphic* g = Grid.CreateCellGraphic(ACol, ARow);
  g->SetCellType(Sample.Type);
  g->SetCellVAlign(TCellVAlign::vaCenter);
  switch (Sample.Type) {
    case TCellType::ctBitmap:
      g->TakeObject(SampleBitmap(14, 14, plat::clNavy, plat::clYellow));
      g->SetCellHAlign(TCellHAlign::haBeforeText);
      break;
    case TCellType::ctIcon:
      g->TakeObject(SampleIcon());
      g->SetCellHAlign(TCellHAlign::haBeforeText);
      break;
    case TCellType::ctImageList:
      g->SetCellIndex(1);
      g->SetCellHAlign(TCellHAlign::haBeforeText);
      break;
    case TCellType::ctCheckBox:
      g->SetCellBoolean(true);
      g->SetCellHAlign(TCellHAlign::haBeforeText);
      break;
    case TCellType::ctRotated: g->SetCellAngle(30); break;
    case TCellType::ctRadio: {
      auto captions = std::make_unique<plat::TStringList>();
      for (const char* caption : {"A", "B", "C"}) captions->Add(caption);
      g->TakeObject(std::move(captions));
      g->SetCellIndex(-1);
      g->SetCellBoolean(true);
      g->SetCellVAlign(TCellVAlign::vaTop);
      break;
    }
    case TCellType::ctImages: {
      auto list = std::make_unique<TIntList>(ACol, ARow);
      for (int index : {0, 2, 1}) list->Add(index);
      g->TakeObject(std::move(list));
      g->SetCellBoolean(true);
      break;
    }
    case TCellType::ctPicture: {
      auto picture = std::make_unique<plat::TPicture>();
      picture->SetGraphic(SampleBitmap(40, 20, plat::clTeal, plat::clSilver).get());
      g->TakeObject(std::move(picture));
      g->SetCellAngle(4);  // shrunk keeping its aspect
      break;
    }
    case TCellType::ctFilePicture: {
      const std::unique_ptr<plat::TBitmap> bitmap = SampleBitmap(30, 16, plat::clMaroon, plat::clLime);
      const std::vector<plat::Byte> bytes = plat::WriteBmp(*bitmap->Image());
      const std::string path = PictureFolder + "/sample.bmp";
      WriteFileContent(path, std::string(bytes.begin(), bytes.end()));
      auto file = std::make_unique<TFilePicture>();
      file->SetFilename(path);
      g->TakeObject(std::move(file));
      g->SetCellAngle(1);  // stretched
      g->SetCellIndex(6);  // margin
      break;
    }
    case TCellType::ctProgress: g->SetCellValue(65); break;
    case TCellType::ctComment: g->SetCellText("a note"); break;
    case TCellType::ctButton:
      g->SetCellIndex(70 | 22 << 16);
      g->SetCellText("Press");
      g->SetCellHAlign(TCellHAlign::haCenter);
      break;
    case TCellType::ctBitButton:
      g->SetCellIndex(80 | 22 << 16);
      g->SetCellText("Go");
      g->TakeObject(SampleBitmap(12, 12, plat::clGreen, plat::clFuchsia));
      g->SetCellHAlign(TCellHAlign::haCenter);
      break;
    case TCellType::ctProgressPie:
      g->SetCellValue(30);
      g->SetCellHAlign(TCellHAlign::haBeforeText);
      break;
    case TCellType::ctDataImage:
    case TCellType::ctDataCheckBox:
    case TCellType::ctVirtCheckBox:
    case TCellType::ctRowCheckBox: g->SetCellHAlign(TCellHAlign::haCenter); break;
    default: break;
  }
  g->SetCellErrFrom(Sample.Type == TCellType::ctValue ? 1 : 0);
  g->SetCellErrLen(Sample.Type == TCellType::ctValue ? 3 : 0);
  return g;
}

}  // namespace zorbit::testing
