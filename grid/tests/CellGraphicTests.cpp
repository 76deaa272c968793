// The cell graphic's picture objects: one owner each, deep copies on Assign.
#include <gtest/gtest.h>

#include <memory>

#include "grid/TCellGraphic.h"
#include "grid/TCellProperties.h"
#include "grid/TFilePicture.h"
#include "grid/TIntList.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TPicture.h"
#include "platform/rtl/StringList.h"

namespace zorbit {
namespace {

TEST(CellGraphic, StartsAsNoneOwningNothing) {
  const TCellGraphic graphic;
  EXPECT_EQ(graphic.CellType(), TCellType::ctNone);
  EXPECT_FALSE(graphic.CellCreated());
  EXPECT_EQ(graphic.Object(), nullptr);
}

TEST(CellGraphic, AssignCopiesFieldsAndGivesTheCopyItsOwnPicture) {
  TCellGraphic source;
  source.SetCellType(TCellType::ctBitmap);
  source.SetCellHAlign(TCellHAlign::haAfterText);
  source.SetCellVAlign(TCellVAlign::vaFull);
  source.SetCellIndex(7);
  source.SetCellTransparent(true);
  source.SetCellBoolean(true);
  source.SetCellAngle(45);
  source.SetCellValue(2.5);
  source.SetCellErrFrom(3);
  source.SetCellErrLen(4);
  source.SetCellText("note");
  source.SetNodeValue(-1);
  source.SetCellColor(0x123456);
  source.SetCellTextColorTo(0x654321);
  auto bitmap = std::make_unique<plat::TBitmap>();
  bitmap->SetSize(3, 2);
  source.TakeObject(std::move(bitmap));

  TCellGraphic copy;
  copy.Assign(&source);
  EXPECT_EQ(copy.CellType(), TCellType::ctBitmap);
  EXPECT_EQ(copy.CellHAlign(), TCellHAlign::haAfterText);
  EXPECT_EQ(copy.CellVAlign(), TCellVAlign::vaFull);
  EXPECT_EQ(copy.CellIndex(), 7);
  EXPECT_TRUE(copy.CellTransparent());
  EXPECT_TRUE(copy.CellBoolean());
  EXPECT_EQ(copy.CellAngle(), 45);
  EXPECT_EQ(copy.CellValue(), 2.5);
  EXPECT_EQ(copy.CellErrFrom(), 3);
  EXPECT_EQ(copy.CellErrLen(), 4);
  EXPECT_EQ(copy.CellText(), "note");
  EXPECT_EQ(copy.NodeValue(), -1);
  EXPECT_EQ(copy.CellColor(), 0x123456);
  EXPECT_EQ(copy.CellColorTo(), plat::clNone);
  EXPECT_EQ(copy.CellTextColorTo(), 0x654321);
  ASSERT_NE(copy.Bitmap(), nullptr);
  EXPECT_NE(copy.Bitmap(), source.Bitmap());
  EXPECT_TRUE(copy.CellCreated());
  EXPECT_EQ(copy.Bitmap()->Width(), 3);
  EXPECT_EQ(copy.Bitmap()->Height(), 2);
}

TEST(CellGraphic, EveryKindOfOwnedObjectIsCopiedDeeply) {
  const auto check = [](std::unique_ptr<plat::TObject> Object, const auto& Same) {
    TCellGraphic source;
    source.TakeObject(std::move(Object));
    TCellGraphic copy;
    copy.Assign(&source);
    ASSERT_NE(copy.Object(), nullptr);
    EXPECT_NE(copy.Object(), source.Object());
    EXPECT_TRUE(Same(source, copy));
  };
  auto captions = std::make_unique<plat::TStringList>();
  captions->Add("one");
  captions->Add("two");
  check(std::move(captions), [](const TCellGraphic& A, const TCellGraphic& B) {
    return B.Strings() && B.Strings()->Text() == A.Strings()->Text();
  });
  auto images = std::make_unique<TIntList>(2, 3);
  images->Add(4);
  images->Add(9);
  check(std::move(images), [](const TCellGraphic& A, const TCellGraphic& B) {
    return B.Images() && B.Images()->AsText() == A.Images()->AsText();
  });
  check(std::make_unique<plat::TPicture>(),
        [](const TCellGraphic&, const TCellGraphic& B) { return B.Picture() != nullptr; });
  check(std::make_unique<TFilePicture>(),
        [](const TCellGraphic&, const TCellGraphic& B) { return B.FilePicture() != nullptr; });
}

TEST(CellGraphic, AReferredObjectStaysTheCallersAndIsSharedByCopies) {
  plat::TBitmap mine;
  TCellGraphic source;
  source.ReferObject(&mine);
  TCellGraphic copy;
  copy.Assign(&source);
  EXPECT_EQ(copy.Bitmap(), &mine);
  EXPECT_FALSE(copy.CellCreated());
  EXPECT_EQ(copy.Icon(), nullptr);  // another kind answers nothing
}

TEST(CellGraphic, PropertiesOwnTheirGraphicAndFreeAReplacedOne) {
  // The sanitizer's leak check sees a graphic the properties forgot.
  TCellProperties properties(nullptr, 0, 0);
  properties.SetGraphic(new TCellGraphic);
  auto* second = new TCellGraphic;
  properties.SetGraphic(second);
  EXPECT_EQ(properties.Graphic(), second);
  properties.SetGraphic(second);  // the same one again is kept
  EXPECT_EQ(properties.Graphic(), second);
}

}  // namespace
}  // namespace zorbit
