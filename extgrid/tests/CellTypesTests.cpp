// Cell graphics as data: making and removing them, the cell type and the
// room each kind claims, typed values, check boxes and radio groups.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "extgrid/ExtGridError.h"
#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/ButtonPacking.h"
#include "extgrid/detail/PictureFit.h"
#include "extgrid/tests/GridRowsFixture.h"
#include "grid/TCellProperties.h"
#include "grid/TFilePicture.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TPicture.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/TImageList.h"
#include "testing/LocaleScope.h"

namespace zorbit {
namespace {

class CellTypes : public testing::GridRowsTest {
 protected:
  // A radio group of Captions in a cell; CellIndex -1 keeps the choice in
  // the cell's text.
  TCellGraphic* Radio(int ACol, int ARow, std::vector<const char*> Captions, int Index) {
    TCellGraphic* graphic = FGrid->CreateCellGraphic(ACol, ARow);
    graphic->SetCellType(TCellType::ctRadio);
    auto strings = std::make_unique<plat::TStringList>();
    for (const char* caption : Captions) strings->Add(caption);
    graphic->TakeObject(std::move(strings));
    graphic->SetCellIndex(Index);
    return graphic;
  }
  TCellGraphic* OfType(int ACol, int ARow, TCellType Type) {
    TCellGraphic* graphic = FGrid->CreateCellGraphic(ACol, ARow);
    graphic->SetCellType(Type);
    return graphic;
  }
};

TEST_F(CellTypes, TypedReadsAndWrites) {
  MakeGrid(4);
  struct IntCase {
    const char* Text;
    int Value;  // when it reads
    bool Reads;
  };
  // clang-format off
  const IntCase ints[] = {
      {"",            0,          true},
      {"-",           0,          true},
      {"0",           0,          true},
      {"42",          42,         true},
      {"-17",         -17,        true},
      {" 7 ",         7,          true},
      {"2147483647",  2147483647, true},
      {"-2147483648", INT32_MIN,  true},
      {"12a",         0,          false},
      {"99999999999", 0,          false},
      {"2147483648",  0,          false},
      {"1.5",         0,          false},
      {"$FF",         0,          false},
      {"--3",         0,          false},
  };
  // clang-format on
  for (const IntCase& c : ints) {
    SCOPED_TRACE(c.Text);
    FGrid->SetCellText(2, 1, c.Text);
    if (c.Reads) {
      EXPECT_EQ(FGrid->GetCellInt(2, 1), c.Value);
    } else {
      try {
        FGrid->GetCellInt(2, 1);
        ADD_FAILURE() << "no error";
      } catch (const EExtGridError& e) {
        EXPECT_EQ(e.Message(), "Cell does not contain integer value");
      }
    }
  }
  for (const auto& [text, value] : std::vector<std::pair<const char*, double>>{
           {"", 0}, {"-", 0}, {"3.5", 3.5}, {"$ -1,234.50", -1234.5}, {"(12)", -12}}) {
    SCOPED_TRACE(text);
    FGrid->SetCellText(2, 1, text);
    EXPECT_DOUBLE_EQ(FGrid->GetCellFloat(2, 1), value);
  }
  FGrid->SetCellText(2, 1, "none");
  try {
    FGrid->GetCellFloat(2, 1);
    ADD_FAILURE() << "no error";
  } catch (const EExtGridError& e) {
    EXPECT_EQ(e.Message(), "Cell does not contain a float value");
  }
  FGrid->SetCellFloat(2, 1, 3.14159);
  EXPECT_EQ(FGrid->GetCellText(2, 1), "3.14");
  // A hidden row still reads at its real row.
  FGrid->SetCellText(2, 3, "8.25");
  FGrid->HideRowRange(3, 3);
  EXPECT_DOUBLE_EQ(FGrid->GetRealCellFloat(2, 3), 8.25);
}

TEST_F(CellTypes, DatesInTheShortFormatAndZeroDatesByTheSwitch) {
  testing::TLocaleScope english(plat::TFormatSettings::English());
  MakeGrid(3);
  FGrid->SetCellDate(2, 1, 45000);  // 2023-03-15
  EXPECT_EQ(FGrid->GetCellText(2, 1), "3/15/2023");
  EXPECT_TRUE(FGrid->FormatZeroDates());
  FGrid->SetCellDate(2, 1, 0);
  EXPECT_EQ(FGrid->GetCellText(2, 1), "12/30/1899");
  FGrid->SetFormatZeroDates(false);
  FGrid->SetCellDate(2, 1, -3);
  EXPECT_EQ(FGrid->GetCellText(2, 1), "");
}

TEST_F(CellTypes, AGraphicIsMadeReplacedAndRemoved) {
  MakeGrid(4);
  FGrid->SetCells(2, 1, "");
  TCellGraphic* first = FGrid->CreateCellGraphic(2, 1);
  EXPECT_EQ(FGrid->GetCellText(2, 1), "");  // an empty cell stays empty
  EXPECT_EQ(FGrid->FindCellGraphic(2, 1), first);
  EXPECT_EQ(FGrid->GetCellType(2, 1), TCellType::ctNone);
  TCellGraphic* second = FGrid->CreateCellGraphic(2, 1);  // frees the first
  EXPECT_EQ(FGrid->FindCellGraphic(2, 1), second);
  second->SetCellType(TCellType::ctComment);
  second->SetCellText("see me");
  plat::String comment;
  EXPECT_TRUE(FGrid->GetComment(2, 1, comment));
  EXPECT_EQ(comment, "see me");
  EXPECT_FALSE(FGrid->RemoveCellGraphicOfType(2, 1, TCellType::ctRotated));
  EXPECT_TRUE(FGrid->RemoveCellGraphicOfType(2, 1, TCellType::ctComment));
  EXPECT_FALSE(FGrid->RemoveCellGraphic(2, 1));
  EXPECT_FALSE(FGrid->GetComment(2, 1, comment));
  for (const auto& [col, row] : std::vector<std::pair<int, int>>{{-1, 1}, {1, -1}, {2, 1}, {2, 300}}) {
    EXPECT_EQ(FGrid->GetCellType(col, row), TCellType::ctEmpty);
    EXPECT_EQ(FGrid->GetGraphicExtent(col, row), plat::TPoint(0, 0));
  }
  int from = -1, length = -1;
  FGrid->GetCellError(2, 1, from, length);
  EXPECT_EQ(from, 0);
  EXPECT_EQ(length, 0);
}

TEST_F(CellTypes, TheRowCheckBoxIsTheGridsOwnAndSurvivesRemoval) {
  MakeGrid(4);
  FGrid->MouseActions()->SetHotmailRowSelect(true);
  TCellGraphic* box = FGrid->FindCellGraphic(0, 2);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(FGrid->GetCellType(0, 2), TCellType::ctRowCheckBox);
  EXPECT_FALSE(FGrid->RemoveCellGraphic(0, 2));  // no cell holds it
  EXPECT_EQ(FGrid->FindCellGraphic(0, 3), box);
  FGrid->SetRow(2);
  bool state = false;
  EXPECT_TRUE(FGrid->GetCheckBoxState(0, 2, state));
  EXPECT_TRUE(state);
  EXPECT_TRUE(FGrid->GetCheckBoxState(0, 3, state));
  EXPECT_FALSE(state);
}

TEST_F(CellTypes, EachKindClaimsItsRoom) {
  MakeGrid(4);
  plat::TImageList images(nullptr);
  FGrid->SetGridImages(&images);
  FGrid->SetColWidths(2, 90);
  FGrid->SetRowHeights(1, 30);
  const int check = FGrid->ControlLook()->CheckSize();
  struct Case {
    const char* Name;
    std::function<void(TCellGraphic*)> Make;
    bool Text;
    plat::TPoint Extent;
  };
  const auto bitmap = [](TCellGraphic* G) {
    auto picture = std::make_unique<plat::TBitmap>();
    picture->SetSize(10, 8);
    G->SetCellType(TCellType::ctBitmap);
    G->TakeObject(std::move(picture));
  };
  const auto type = [](TCellType T) { return [T](TCellGraphic* G) { G->SetCellType(T); }; };
  const auto imageStrip = [](bool SideBySide) {
    return [SideBySide](TCellGraphic* G) {
      auto list = std::make_unique<TIntList>(2, 1);
      for (int i : {0, 1, 2}) list->Add(i);
      G->SetCellType(TCellType::ctImages);
      G->SetCellBoolean(SideBySide);
      G->TakeObject(std::move(list));
    };
  };
  const auto button = [](TCellHAlign H) {
    return [H](TCellGraphic* G) {
      G->SetCellType(TCellType::ctButton);
      G->SetCellIndex(80 | 20 << 16);
      G->SetCellHAlign(H);
    };
  };
  // clang-format off
  const Case cases[] = {
      {"bitmap, no text",            bitmap,                               false, {10, 8}},
      {"bitmap over text",           bitmap,                               true,  {0, 0}},
      {"bitmap before text",         [&](TCellGraphic* G) { bitmap(G); G->SetCellHAlign(TCellHAlign::haBeforeText); },
                                                                           true,  {10, 0}},
      {"bitmap under text",          [&](TCellGraphic* G) { bitmap(G); G->SetCellVAlign(TCellVAlign::vaUnderText); },
                                                                           true,  {0, 8}},
      {"bitmap full width",          [&](TCellGraphic* G) { bitmap(G); G->SetCellHAlign(TCellHAlign::haFull); },
                                                                           true,  {90, 0}},
      {"check box",                  type(TCellType::ctCheckBox),          true,  {check, check}},
      {"data check box",             type(TCellType::ctDataCheckBox),      true,  {check, check}},
      {"image list",                 type(TCellType::ctImageList),         false, {16, 16}},
      {"images side by side",        imageStrip(true),                     true,  {48, 16}},
      {"images stacked",             imageStrip(false),                    true,  {16, 48}},
      {"button, no text",            button(TCellHAlign::haLeft),          false, {80, 20}},
      {"button over text",           button(TCellHAlign::haLeft),          true,  {0, 0}},
      {"button after text",          button(TCellHAlign::haAfterText),     true,  {80, 0}},
      {"pie",                        type(TCellType::ctProgressPie),       true,  {20, 20}},
      {"progress",                   type(TCellType::ctProgress),          true,  {0, 0}},
      {"progress, full height",      [&](TCellGraphic* G) { G->SetCellType(TCellType::ctProgress);
                                                             G->SetCellVAlign(TCellVAlign::vaFull); },
                                                                           true,  {0, 30}},
      {"node",                       type(TCellType::ctNode),              true,  {0, 0}},
      {"data image",                 type(TCellType::ctDataImage),         true,  {0, 0}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    FGrid->SetCells(2, 1, c.Text ? "text" : "");
    c.Make(FGrid->CreateCellGraphic(2, 1));
    EXPECT_EQ(FGrid->GetGraphicExtent(2, 1), c.Extent);
  }
  // Printing: bitmaps claim their room whatever the text, pictures scale,
  // a progress bar takes the cell and a data image the image size.
  FGrid->SetCells(2, 1, "text");
  bitmap(FGrid->CreateCellGraphic(2, 1));
  EXPECT_EQ(FGrid->GetGraphicPrintExtent(2, 1, 2.0), plat::TPoint(5, 4));
  type(TCellType::ctProgress)(FGrid->CreateCellGraphic(2, 1));
  EXPECT_EQ(FGrid->GetGraphicPrintExtent(2, 1, 2.0), plat::TPoint(90, 30));
  type(TCellType::ctDataImage)(FGrid->CreateCellGraphic(2, 1));
  EXPECT_EQ(FGrid->GetGraphicPrintExtent(2, 1, 2.0), plat::TPoint(16, 16));
  // Without images the image kinds claim nothing.
  FGrid->SetGridImages(nullptr);
  type(TCellType::ctImageList)(FGrid->CreateCellGraphic(2, 1));
  EXPECT_EQ(FGrid->GetGraphicExtent(2, 1), plat::TPoint(0, 0));
}

TEST_F(CellTypes, ARadioGroupClaimsItsCaptionsRoom) {
  MakeGrid(3);
  Radio(2, 1, {"a", "bb"}, 0)->SetCellBoolean(true);
  const plat::TPoint sideBySide = FGrid->GetGraphicExtent(2, 1);
  Radio(2, 1, {"a", "bb"}, 0);
  const plat::TPoint stacked = FGrid->GetGraphicExtent(2, 1);
  // Side by side each caption gets 12 pixels of room, stacked the widest:
  // the difference is the first caption and its room.
  EXPECT_GT(stacked.X, 12);
  EXPECT_GT(sideBySide.X - stacked.X, 12);
  EXPECT_LT(sideBySide.X - stacked.X, stacked.X);
  EXPECT_EQ(stacked.Y, 2 * sideBySide.Y);
}

TEST(PictureFit, EachModeFitsTheRoom) {
  struct Case {
    int Mode;
    plat::TPoint Natural, Room, Size;
  };
  // clang-format off
  const Case cases[] = {
      {0, {40, 20}, {30, 30}, {40, 20}},  // natural
      {1, {40, 20}, {30, 30}, {30, 30}},  // stretch
      {2, {40, 20}, {30, 30}, {30, 15}},  // stretch with aspect, width limits
      {2, {10, 40}, {30, 20}, {5, 20}},   // height limits
      {2, {0, 0},   {30, 20}, {0, 20}},   // no natural size scales by 1
      {3, {20, 10}, {30, 30}, {20, 10}},  // shrink: fits
      {3, {40, 10}, {30, 30}, {30, 30}},  // shrink: too wide
      {4, {20, 10}, {30, 30}, {20, 10}},  // shrink with aspect: fits
      {4, {60, 10}, {30, 30}, {30, 5}},   // too wide, height scaled alike
      {4, {10, 60}, {30, 30}, {5, 30}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Mode);
    EXPECT_EQ(detail::FitPictureSize(c.Natural, c.Room, c.Mode), c.Size);
  }
}

TEST_F(CellTypes, APictureFitsItsCellLessTheMargin) {
  MakeGrid(3);
  FGrid->SetColWidths(2, 64);
  FGrid->SetRowHeights(1, 40);
  TCellGraphic* graphic = OfType(2, 1, TCellType::ctPicture);
  auto picture = std::make_unique<plat::TPicture>();
  picture->Bitmap()->SetSize(100, 20);
  graphic->TakeObject(std::move(picture));
  graphic->SetCellIndex(4);  // margin
  graphic->SetCellAngle(2);  // stretch with aspect
  FGrid->SetCells(2, 1, "");
  EXPECT_EQ(FGrid->GetGraphicExtent(2, 1), plat::TPoint(60, 12));
}

TEST(ButtonPacking, SizesAndOffsetsUnpackFromAnyValue) {
  EXPECT_EQ(detail::PackedButtonSize(80 | 20 << 16), plat::TPoint(80, 20));
  EXPECT_EQ(detail::PackedButtonSize(-1), plat::TPoint(0xFFFF, 0xFFFF));
  struct Case {
    double Value;
    plat::TPoint Offset;
  };
  // clang-format off
  const Case cases[] = {
      {3 + (5 << 16),                              {3, 5}},
      {3.6,                                        {4, 0}},
      {std::numeric_limits<double>::quiet_NaN(),   {0, 0}},
      {1e300,                                      {0xFFFF, 0x7FFF}},
      {-1e300,                                     {0, 0x8000}},
      {std::numeric_limits<double>::infinity(),    {0xFFFF, 0x7FFF}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Value);
    EXPECT_EQ(detail::PackedButtonOffset(c.Value), c.Offset);
  }
}

TEST_F(CellTypes, TheButtonsRectangleStandsAtItsOffset) {
  MakeGrid(3);
  TCellGraphic* graphic = OfType(2, 1, TCellType::ctButton);
  graphic->SetCellIndex(30 | 12 << 16);
  graphic->SetCellValue(4 + (3 << 16));
  const plat::TRect cell = FGrid->GetCellRect(2, 1);
  plat::TRect rect;
  FGrid->GetButtonRect(2, 1, rect);
  EXPECT_EQ(rect, plat::TRect(cell.Left + 4, cell.Top + 3, cell.Left + 34, cell.Top + 15));
  graphic->SetCellVAlign(TCellVAlign::vaFull);
  FGrid->GetButtonRect(2, 1, rect);
  EXPECT_EQ(rect, plat::TRect(cell.Left + 4, cell.Top, cell.Left + 34, cell.Bottom));
  EXPECT_TRUE(FGrid->IsButtonCell(2, 1));
  EXPECT_TRUE(FGrid->IsControlCell(2, 1));
  graphic->SetCellType(TCellType::ctBitButton);
  EXPECT_TRUE(FGrid->IsButtonCell(2, 1));
  EXPECT_FALSE(FGrid->IsControlCell(2, 1));
}

TEST_F(CellTypes, CheckBoxesHoldTheirStateInTheirFlagOrTheirText) {
  MakeGrid(5);
  FGrid->SetOptions(FGrid->Options() + plat::TGridOptions{plat::TGridOption::goEditing});
  OfType(2, 1, TCellType::ctCheckBox);
  OfType(2, 2, TCellType::ctDataCheckBox);
  OfType(2, 3, TCellType::ctVirtCheckBox);
  FGrid->SetCellText(2, 2, "maybe");  // neither check text
  bool state = true;
  EXPECT_TRUE(FGrid->GetCheckBoxState(2, 2, state));
  EXPECT_FALSE(state);
  EXPECT_TRUE(FGrid->ToggleCheckBox(2, 2, true));
  EXPECT_EQ(FGrid->GetCellText(2, 2), "Y");
  EXPECT_TRUE(FGrid->ToggleCheckBox(2, 2, true));
  EXPECT_EQ(FGrid->GetCellText(2, 2), "N");
  EXPECT_TRUE(FGrid->ToggleCheckBox(2, 1, false));
  EXPECT_TRUE(FGrid->FindCellGraphic(2, 1)->CellBoolean());
  EXPECT_FALSE(FGrid->ToggleCheckBox(2, 4, false));  // not a check box
  FGrid->CheckAllInColumn(2);
  EXPECT_EQ(FGrid->GetCellText(2, 3), "Y");
  EXPECT_TRUE(FGrid->FindCellGraphic(2, 1)->CellBoolean());
  FGrid->UncheckAllInColumn(2);
  EXPECT_EQ(FGrid->GetCellText(2, 2), "N");
  EXPECT_FALSE(FGrid->FindCellGraphic(2, 1)->CellBoolean());
  FGrid->SetCheckBoxFlag(2, 1, true);
  EXPECT_TRUE(FGrid->GetCheckBoxState(2, 1, state));
  EXPECT_TRUE(state);
  // A read-only cell refuses the user's toggle unless checks stay active.
  FGrid->GetCellProperties(2, 1)->SetReadOnly(true);
  EXPECT_FALSE(FGrid->ToggleCheckBox(2, 1, true));
  EXPECT_TRUE(FGrid->ToggleCheckBox(2, 1, false));
  FGrid->ControlLook()->SetCheckAlwaysActive(true);
  EXPECT_TRUE(FGrid->ToggleCheckBox(2, 1, true));
}

TEST_F(CellTypes, APreciseCheckBoxHitLandsOnTheBoxOnly) {
  MakeGrid(4);
  FGrid->SetDefaultColWidth(60);
  FGrid->SetDefaultRowHeight(30);
  TCellGraphic* box = OfType(2, 1, TCellType::ctCheckBox);
  const plat::TRect cell = FGrid->GetCellRect(2, 1);
  const int size = FGrid->ControlLook()->CheckSize();
  EXPECT_TRUE(FGrid->CheckBoxHit(2, 1, cell.Right - 1, cell.Bottom - 1));  // anywhere while not precise
  EXPECT_FALSE(FGrid->CheckBoxHit(2, 2, cell.Left + 5, cell.Top + 40));    // no check box there
  FGrid->MouseActions()->SetPreciseCheckBoxCheck(true);
  struct Case {
    const char* Name;
    plat::TAlignment HAlign;
    TCellVAlign VAlign;
    plat::TPoint Box;  // the box's top-left in the cell
  };
  const int midX = (60 - size) / 2, midY = (30 - size) / 2;
  // clang-format off
  const Case cases[] = {
      {"left, top",      plat::TAlignment::taLeftJustify,  TCellVAlign::vaTop,    {2, 2}},
      {"right, bottom",  plat::TAlignment::taRightJustify, TCellVAlign::vaBottom, {60 - 2 - size, 30 - 2 - size}},
      {"centre, centre", plat::TAlignment::taCenter,       TCellVAlign::vaCenter, {midX, midY}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    FGrid->GetCellProperties(2, 1)->SetAlignment(c.HAlign);
    box->SetCellVAlign(c.VAlign);
    const int x = cell.Left + c.Box.X, y = cell.Top + c.Box.Y;
    EXPECT_TRUE(FGrid->CheckBoxHit(2, 1, x, y));
    EXPECT_TRUE(FGrid->CheckBoxHit(2, 1, x + size - 1, y + size - 1));
    EXPECT_FALSE(FGrid->CheckBoxHit(2, 1, x - 1, y));
    EXPECT_FALSE(FGrid->CheckBoxHit(2, 1, x, y + size));
  }
}

TEST_F(CellTypes, ARadioGroupStepsToTheNextCaptionAndWraps) {
  MakeGrid(4);
  TCellGraphic* indexed = Radio(2, 1, {"one", "two", "three"}, 2);
  FGrid->AdvanceRadio(2, 1, false);
  EXPECT_EQ(indexed->CellIndex(), 0);
  EXPECT_EQ(FGrid->GetCellText(2, 1), "one");
  int index = -1;
  EXPECT_TRUE(FGrid->GetRadioIndex(2, 1, index));
  EXPECT_EQ(index, 0);
  // A data radio keeps its choice in the text; an unknown text starts over.
  TCellGraphic* data = Radio(2, 2, {"one", "two"}, -1);
  FGrid->SetCellText(2, 2, "two");
  FGrid->AdvanceRadio(2, 2, false);
  EXPECT_EQ(FGrid->GetCellText(2, 2), "one");
  FGrid->SetCellText(2, 2, "eleven");
  FGrid->AdvanceRadio(2, 2, false);
  EXPECT_EQ(FGrid->GetCellText(2, 2), "one");
  EXPECT_EQ(data->CellIndex(), -1);
  EXPECT_TRUE(FGrid->IsRadioCell(2, 2));
  ASSERT_NE(FGrid->GetRadioStrings(2, 2), nullptr);
  EXPECT_EQ(FGrid->GetRadioStrings(2, 2)->Count(), 2);
  // No captions, or not a radio: nothing happens.
  Radio(2, 3, {}, 0);
  FGrid->AdvanceRadio(2, 3, false);
  EXPECT_EQ(FGrid->GetCellText(2, 3), "");
  FGrid->AdvanceRadio(1, 3, false);
  EXPECT_EQ(FGrid->GetCellText(1, 3), "3");
  EXPECT_FALSE(FGrid->GetRadioIndex(1, 3, index));
  // By the user, a read-only cell refuses unless radios stay active.
  FGrid->GetCellProperties(2, 1)->SetReadOnly(true);
  FGrid->AdvanceRadio(2, 1, true);
  EXPECT_EQ(indexed->CellIndex(), 0);
  FGrid->ControlLook()->SetRadioAlwaysActive(true);
  FGrid->AdvanceRadio(2, 1, true);
  EXPECT_EQ(indexed->CellIndex(), 1);
}

TEST_F(CellTypes, CheckBoxAndRadioOperationsTakeDisplayColumns) {
  MakeGrid(4);
  FGrid->SetColCount(4);
  OfType(3, 1, TCellType::ctCheckBox);
  FGrid->SetColumnShown(2, false);  // display column 2 is real column 3
  EXPECT_TRUE(FGrid->IsCheckBoxCell(2, 1));
  EXPECT_TRUE(FGrid->ToggleCheckBox(2, 1, false));
  EXPECT_TRUE(FGrid->FindCellGraphic(3, 1)->CellBoolean());
}

TEST_F(CellTypes, SortKeysAndImageLists) {
  MakeGrid(3);
  OfType(2, 1, TCellType::ctImageList)->SetCellIndex(5);
  EXPECT_EQ(FGrid->GetGraphicSortKey(2, 1), 5);
  OfType(2, 2, TCellType::ctProgress);
  EXPECT_EQ(FGrid->GetGraphicSortKey(2, 2), -1);
  EXPECT_EQ(FGrid->GetGraphicSortKey(1, 1), -1);
  TCellGraphic* strip = OfType(2, 2, TCellType::ctImages);
  strip->TakeObject(std::make_unique<TIntList>(2, 2));
  EXPECT_EQ(FGrid->GetCellImages(2, 2), strip->Images());
  EXPECT_EQ(FGrid->GetCellImages(2, 1), nullptr);
  int angle = 0;
  OfType(1, 1, TCellType::ctRotated)->SetCellAngle(30);
  EXPECT_TRUE(FGrid->IsRotated(1, 1, angle));
  EXPECT_EQ(angle, 30);
  EXPECT_FALSE(FGrid->IsRotated(2, 1, angle));
}

TEST_F(CellTypes, AnEmptyCheckBoxExportsItsStateAsTheCheckTexts) {
  MakeGrid(3);
  FGrid->SetCells(2, 1, "");
  TCellGraphic* box = OfType(2, 1, TCellType::ctCheckBox);
  plat::String text;
  FGrid->GetExportText(2, 1, text);
  EXPECT_EQ(text, "N");
  box->SetCellBoolean(true);
  FGrid->GetExportText(2, 1, text);
  EXPECT_EQ(text, "Y");
  FGrid->SetCells(2, 1, "own");  // a text of its own exports as it is
  FGrid->GetExportText(2, 1, text);
  EXPECT_EQ(text, "own");
}

TEST_F(CellTypes, ARotatedCellMeasuresItsTurnedText) {
  MakeGrid(3);
  FGrid->SetCells(2, 1, "turned text");
  int width = 0, height = 0;
  FGrid->GetCellTextSize(2, 1, width, height, false);
  const int plainWidth = width;
  OfType(2, 1, TCellType::ctRotated)->SetCellAngle(90);
  FGrid->GetCellTextSize(2, 1, width, height, false);
  // Upright the text's width runs down the cell, its height across it.
  plat::TBitmap scratch;
  scratch.SetSize(1, 1);
  scratch.Canvas()->SetFont(*FGrid->Font());
  EXPECT_EQ(width, scratch.Canvas()->TextHeight("turned text") + 12);
  EXPECT_EQ(height, scratch.Canvas()->TextWidth("turned text") + 12);
  EXPECT_LT(width, plainWidth);
}

}  // namespace
}  // namespace zorbit
