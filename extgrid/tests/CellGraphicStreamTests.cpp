// Cell graphics in cell blocks and on the clipboard: every cell type goes
// and comes back with its fields and its own copy of its picture; a cut
// or hostile graphic record is refused with the stream's read error.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "extgrid/tests/EveryCellType.h"
#include "extgrid/tests/GridRowsFixture.h"
#include "grid/TCellProperties.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/TClipboard.h"
#include "testing/ProjectPaths.h"
#include "testing/TempFolder.h"

namespace zorbit {
namespace {

class CellGraphicStreams : public testing::GridRowsTest {
 protected:
  void SetUp() override {
    GridRowsTest::SetUp();
    plat::Clipboard()->Clear();
  }
  TExtStringGrid* Blank(int Cols, int Rows) {
    auto* g = new TExtStringGrid(FForm);
    g->SetParent(FForm);
    g->SetColCount(Cols);
    g->SetRowCount(Rows);
    g->SetOptions(g->Options() + plat::TGridOptions{plat::TGridOption::goEditing, plat::TGridOption::goRangeSelect});
    g->HandleNeeded();
    return g;
  }
  // Column 1 of rows 0..23 holds the samples in order.
  TExtStringGrid* EverySample() {
    TExtStringGrid* g = Blank(3, static_cast<int>(testing::CellTypeSamples().size()));
    int row = 0;
    for (const testing::TCellTypeSample& sample : testing::CellTypeSamples())
      testing::MakeSampleCell(*g, 1, row++, sample, FFolder.Path());
    return g;
  }
  // Everything a graphic says, its picture object by what it shows.
  static std::string Describe(const TCellGraphic* g) {
    if (!g) return "none";
    std::string d = std::to_string(static_cast<int>(g->CellType())) + " " +
                    std::to_string(static_cast<int>(g->CellHAlign())) +
                    std::to_string(static_cast<int>(g->CellVAlign())) + " i" + std::to_string(g->CellIndex()) + " t" +
                    std::to_string(g->CellTransparent()) + " b" + std::to_string(g->CellBoolean()) + " a" +
                    std::to_string(g->CellAngle()) + " v" + std::to_string(g->CellValue()) + " e" +
                    std::to_string(g->CellErrFrom()) + "+" + std::to_string(g->CellErrLen()) + " '" + g->CellText() +
                    "' n" + std::to_string(g->NodeValue());
    if (const plat::TBitmap* b = g->Bitmap())
      d += " bitmap " + std::to_string(b->Width()) + "x" + std::to_string(b->Height()) + " " +
           std::to_string(const_cast<plat::TBitmap*>(b)->Canvas()->Pixels(b->Width() - 1, 0));
    if (const plat::TIcon* i = g->Icon()) d += " icon " + std::to_string(i->Width());
    if (const plat::TStringList* s = g->Strings()) d += " captions " + s->CommaText();
    if (const TIntList* l = g->Images()) d += " images " + l->AsText();
    if (const plat::TPicture* p = g->Picture())
      d += " picture " + std::to_string(p->Width()) + "x" + std::to_string(p->Height());
    if (const TFilePicture* f = g->FilePicture())
      d += " file " + f->Filename() + " " + std::to_string(f->Width()) + "x" + std::to_string(f->Height());
    return d;
  }
  static plat::String Bytes(plat::TMemoryStream& Stream) {
    return {reinterpret_cast<const char*>(Stream.Memory()), static_cast<std::size_t>(Stream.Size())};
  }

  testing::TTempFolder FFolder{"cellblock"};
};

TEST_F(CellGraphicStreams, EveryCellTypeMakesTheRoundTripWithItsOwnPicture) {
  TExtStringGrid* source = EverySample();
  plat::TMemoryStream stream;
  source->SaveCellBlock({1, 0, 1, source->RowCount() - 1}, stream);
  stream.SetPosition(0);
  TExtStringGrid* target = Blank(4, source->RowCount() + 2);
  target->LoadCellBlock({2, 1}, stream);
  int row = 0;
  for (const testing::TCellTypeSample& sample : testing::CellTypeSamples()) {
    SCOPED_TRACE(sample.Name);
    const TCellGraphic* original = source->FindCellGraphic(1, row);
    const TCellGraphic* copy = target->FindCellGraphic(2, row + 1);
    EXPECT_EQ(Describe(copy), Describe(original));
    EXPECT_EQ(target->GetCellText(2, row + 1), source->GetCellText(1, row));
    if (original && original->Object()) {
      EXPECT_NE(copy->Object(), original->Object());  // never shared
      EXPECT_TRUE(copy->CellCreated());
    }
    ++row;
  }
}

TEST_F(CellGraphicStreams, APictureTheGridDoesNotOwnTravelsAsACopyItOwns) {
  TExtStringGrid* source = Blank(3, 3);
  const std::unique_ptr<plat::TBitmap> mine = testing::SampleBitmap(5, 4, plat::clRed, plat::clBlue);
  TCellGraphic* graphic = source->CreateCellGraphic(1, 1);
  graphic->SetCellType(TCellType::ctBitmap);
  graphic->ReferObject(mine.get());
  source->Navigation()->SetAllowFmtClipboard(true);
  source->SetSelection({1, 1, 1, 1});
  source->CopySelection();
  TExtStringGrid* target = Blank(3, 3);
  target->Navigation()->SetAllowFmtClipboard(true);
  target->SetSelection({2, 2, 2, 2});
  target->PasteSelection();
  const TCellGraphic* pasted = target->FindCellGraphic(2, 2);
  ASSERT_NE(pasted, nullptr);
  EXPECT_TRUE(pasted->CellCreated());
  ASSERT_NE(pasted->Bitmap(), nullptr);
  EXPECT_NE(pasted->Bitmap(), mine.get());
  EXPECT_EQ(pasted->Bitmap()->Width(), 5);
  EXPECT_FALSE(graphic->CellCreated());  // the source still only refers to it
}

TEST_F(CellGraphicStreams, ACutOrHostileGraphicRecordIsRefused) {
  TExtStringGrid* source = EverySample();
  plat::TMemoryStream stream;
  source->SaveCellBlock({1, 0, 1, source->RowCount() - 1}, stream);
  const plat::String bytes = Bytes(stream);
  TExtStringGrid* target = Blank(4, 30);
  // Any cut fails with the read error or reads as a shorter block (a few
  // hundred cuts here; the cell-block fuzz target tries every one).
  const std::size_t step = std::max<std::size_t>(1, bytes.size() / 300);
  for (std::size_t length = 0; length < bytes.size(); length += step) {
    plat::TStringStream cut(bytes.substr(0, length));
    try {
      target->LoadCellBlock({0, 0}, cut);
    } catch (const plat::EReadError&) {
    }
  }
  struct Case {
    const char* Name;
    std::string Property;  // whose value is spoilt
    char Type;             // the value's type byte: 1 integer, 2 string
    int Offset;            // from the type byte to the byte spoilt
    char Value;
  };
  // clang-format off
  const Case cases[] = {
      {"a cell type past the 24",    "CellGraphic.CellType",   1, 1, 30},
      {"an alignment past its six",  "CellGraphic.CellHAlign", 1, 1, 6},
      {"bitmap data that is no BMP", "Bitmap",                 2, 5, 'X'},
      {"icon data that is no icon",  "Icon",                   2, 5, 'X'},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    plat::String spoilt = bytes;
    // A property is its name's length, its name, its value's type, its value.
    const std::string property = std::string(1, static_cast<char>(c.Property.size())) + c.Property + c.Type;
    const std::size_t at = spoilt.find(property);
    ASSERT_NE(at, plat::String::npos);
    spoilt[at + property.size() - 1 + c.Offset] = c.Value;
    plat::TStringStream bad(spoilt);
    EXPECT_THROW(target->LoadCellBlock({0, 0}, bad), plat::EReadError);
  }
}

TEST_F(CellGraphicStreams, AKeptBlockOfGraphicsStillReads) {
  // Written by an earlier build; the cell-block fuzz target starts from it.
  plat::TFileStream file(testing::SourcePath("extgrid/tests/data/CellGraphics.cellblock"), plat::fmOpenRead);
  TExtStringGrid* target = Blank(3, 8);
  target->LoadCellBlock({1, 1}, file);
  std::vector<TCellType> types;
  for (int row = 1; row <= 6; ++row) types.push_back(target->GetCellType(1, row));
  EXPECT_EQ(types, (std::vector<TCellType>{TCellType::ctBitmap, TCellType::ctRadio, TCellType::ctImages,
                                           TCellType::ctFilePicture, TCellType::ctProgress, TCellType::ctButton}));
  EXPECT_EQ(target->GetRadioStrings(1, 2)->CommaText(), "A,B,C");
  EXPECT_EQ(target->FindCellGraphic(1, 4)->FilePicture()->Filename(), "sample.bmp");
}

}  // namespace
}  // namespace zorbit
