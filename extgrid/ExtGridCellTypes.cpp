// Cell graphics as objects: making, removing and finding them, the cell
// type, the room each kind claims, comments, error marks, rotation and the
// button's rectangle.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/ButtonPacking.h"
#include "extgrid/detail/PictureFit.h"
#include "grid/TCellProperties.h"
#include "grid/TFilePicture.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TIcon.h"
#include "platform/gdi/TPicture.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/TImageList.h"

namespace zorbit {

using plat::TPoint;

namespace {

constexpr int ProgressPieSize = 20;
// The room a radio item takes beside its caption.
constexpr int RadioItemRoom = 12;

}  // namespace

TCellGraphic* TExtStringGrid::StoredGraphic(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return nullptr;
  return GetCellGraphic(ACol, ARow);
}

TCellGraphic* TExtStringGrid::CreateCellGraphic(int ACol, int ARow) {
  auto* graphic = new TCellGraphic;
  SetCellGraphic(ACol, ARow, graphic);
  RepaintCell(RealToDisplayCol(ACol), ARow);
  return graphic;
}

bool TExtStringGrid::RemoveCellGraphic(int ACol, int ARow) {
  if (!StoredGraphic(ACol, ARow)) return false;
  GetCellProperties(ACol, ARow)->SetGraphic(nullptr);
  RepaintCell(RealToDisplayCol(ACol), ARow);
  return true;
}

bool TExtStringGrid::RemoveCellGraphicOfType(int ACol, int ARow, TCellType AType) {
  return GetCellType(ACol, ARow) == AType && RemoveCellGraphic(ACol, ARow);
}

TCellGraphic* TExtStringGrid::FindCellGraphic(int ACol, int ARow) {
  if (ACol == 0 && ARow >= 0 && FMouseActions->HotmailRowSelect()) {
    if (!FRowCheckGraphic) FRowCheckGraphic = std::make_unique<TCellGraphic>();
    FRowCheckGraphic->SetCellType(TCellType::ctRowCheckBox);
    FRowCheckGraphic->SetCellTransparent(FControlLook->ControlStyle() == TControlStyle::csFlat);
    const plat::TGridRect selection = Selection();
    const bool selected = FMouseActions->DisjunctRowSelect() ? FRowSelection.Get(RowFlagIndex(ARow))
                                                             : ARow >= selection.Top && ARow <= selection.Bottom;
    FRowCheckGraphic->SetCellBoolean(selected);
    return FRowCheckGraphic.get();
  }
  return StoredGraphic(ACol, ARow);
}

TCellType TExtStringGrid::GetCellType(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return TCellType::ctEmpty;
  const TCellGraphic* graphic = FindCellGraphic(ACol, ARow);
  return graphic ? graphic->CellType() : TCellType::ctEmpty;
}

TIntList* TExtStringGrid::GetCellImages(int ACol, int ARow) {
  const TCellGraphic* graphic = StoredGraphic(ACol, ARow);
  return graphic && graphic->CellType() == TCellType::ctImages ? graphic->Images() : nullptr;
}

int TExtStringGrid::GetGraphicSortKey(int ACol, int ARow) {
  const TCellGraphic* graphic = StoredGraphic(ACol, ARow);
  if (!graphic) return -1;
  switch (graphic->CellType()) {
    case TCellType::ctImageList: return graphic->CellIndex();
    case TCellType::ctBitmap:
    case TCellType::ctIcon:
      // Equal pictures sort together; the order among them is arbitrary.
      return static_cast<int>(reinterpret_cast<std::uintptr_t>(graphic->Object()) & 0x7FFFFFFF);
    default: return -1;
  }
}

TPoint TExtStringGrid::FittedPictureSize(const TCellGraphic& Graphic, int CellWidth, int CellHeight) const {
  TPoint natural{0, 0};
  if (const plat::TPicture* picture = Graphic.Picture())
    natural = {picture->Width(), picture->Height()};
  else if (const TFilePicture* file = Graphic.FilePicture())
    natural = {file->Width(), file->Height()};
  const TPoint room{CellWidth - Graphic.CellIndex(), CellHeight - Graphic.CellIndex()};
  return detail::FitPictureSize(natural, room, Graphic.CellAngle());
}

TPoint TExtStringGrid::GetGraphicExtent(int ACol, int ARow) { return GraphicExtent(ACol, ARow, false, 1.0); }

TPoint TExtStringGrid::GetGraphicPrintExtent(int ACol, int ARow, double Scale) {
  return GraphicExtent(ACol, ARow, true, Scale);
}

TPoint TExtStringGrid::GraphicExtent(int ACol, int ARow, bool Print, double Scale) {
  const TCellGraphic* graphic = FindCellGraphic(ACol, ARow);
  if (!graphic) return {0, 0};
  const int displayCol = RealToDisplayCol(ACol);
  const TPoint cell{ColWidths(displayCol), RowHeights(ARow)};
  const bool hasText = !GetCellText(ACol, ARow).empty();
  const TCellHAlign hAlign = graphic->CellHAlign();
  const TCellVAlign vAlign = graphic->CellVAlign();
  const bool besideText = hAlign == TCellHAlign::haBeforeText || hAlign == TCellHAlign::haAfterText;
  const bool aboveText = vAlign == TCellVAlign::vaUnderText || vAlign == TCellVAlign::vaAboveText;
  // Pictures share the cell with the text only on the side they stand.
  const auto beside = [&](TPoint Size) -> TPoint {
    if (Print) return Size;
    return {besideText || !hasText ? Size.X : 0, aboveText || !hasText ? Size.Y : 0};
  };
  const auto scaled = [&](TPoint Size) -> TPoint {
    if (!Print || Scale <= 0) return Size;
    return {static_cast<int>(std::lround(Size.X / Scale)), static_cast<int>(std::lround(Size.Y / Scale))};
  };
  const int check = FControlLook->CheckSize();
  TPoint size{0, 0};
  switch (graphic->CellType()) {
    case TCellType::ctBitmap:
      if (plat::TBitmap* bitmap = graphic->Bitmap()) size = scaled(beside({bitmap->Width(), bitmap->Height()}));
      break;
    case TCellType::ctIcon:
      if (plat::TIcon* icon = graphic->Icon()) {
        size = scaled(beside({icon->Width(), icon->Height()}));
        size.Y = scaled({0, icon->Height()}).Y;
      }
      break;
    case TCellType::ctImageList:
      if (FGridImages) size = beside({FGridImages->Width(), FGridImages->Height()});
      break;
    case TCellType::ctDataImage:
      if (Print && FGridImages) size = {FGridImages->Width(), FGridImages->Height()};
      break;
    case TCellType::ctCheckBox:
    case TCellType::ctDataCheckBox:
    case TCellType::ctVirtCheckBox:
    case TCellType::ctRowCheckBox: size = {check, check}; break;
    case TCellType::ctRadio:
      if (const plat::TStringList* captions = graphic->Strings()) {
        plat::TBitmap scratch;
        scratch.SetSize(1, 1);
        plat::TCanvas* canvas = scratch.Canvas();
        plat::TGridDrawState state;
        plat::TColor colorTo = plat::clNone;
        bool wordWrap = WordWrap();
        plat::TAlignment align = plat::TAlignment::taLeftJustify;
        TVAlignment vertical = TVAlignment::vtaTop;
        GetCellColor(displayCol, ARow, state, Print, false, true, canvas->Brush(), colorTo, canvas->Font(), wordWrap,
                     align, vertical);
        const int line = canvas->TextHeight("gh");
        if (graphic->CellBoolean()) {
          for (int i = 0; i < captions->Count(); ++i) size.X += canvas->TextWidth(captions->Strings(i)) + RadioItemRoom;
          size.Y = line;
        } else {
          int widest = 0;
          for (int i = 0; i < captions->Count(); ++i)
            widest = std::max(widest, canvas->TextWidth(captions->Strings(i)));
          size = {widest + RadioItemRoom, line * captions->Count()};
        }
      }
      break;
    case TCellType::ctImages:
      if (const TIntList* images = graphic->Images(); images && FGridImages) {
        const int n = images->Count();
        size = graphic->CellBoolean() ? TPoint{n * FGridImages->Width(), FGridImages->Height()}
                                      : TPoint{FGridImages->Width(), n * FGridImages->Height()};
      }
      break;
    case TCellType::ctPicture:
    case TCellType::ctFilePicture: size = scaled(FittedPictureSize(*graphic, cell.X, cell.Y)); break;
    case TCellType::ctProgress:
      if (Print) size = cell;
      break;
    case TCellType::ctButton:
    case TCellType::ctBitButton: {
      const TPoint packed = detail::PackedButtonSize(graphic->CellIndex());
      size = hasText ? TPoint{besideText ? packed.X : 0, aboveText ? packed.Y : 0} : packed;
      break;
    }
    case TCellType::ctProgressPie: size = {ProgressPieSize, ProgressPieSize}; break;
    default: break;
  }
  if (vAlign == TCellVAlign::vaFull) size.Y = cell.Y;
  if (hAlign == TCellHAlign::haFull) size.X = cell.X;
  return size;
}

bool TExtStringGrid::GetComment(int ACol, int ARow, plat::String& Text) {
  const TCellGraphic* graphic = StoredGraphic(ACol, ARow);
  if (!graphic || graphic->CellType() != TCellType::ctComment) return false;
  Text = graphic->CellText();
  return true;
}

void TExtStringGrid::GetCellError(int ACol, int ARow, int& ErrFrom, int& ErrLen) {
  const TCellGraphic* graphic = StoredGraphic(ACol, ARow);
  ErrFrom = graphic ? graphic->CellErrFrom() : 0;
  ErrLen = graphic ? graphic->CellErrLen() : 0;
}

bool TExtStringGrid::IsRotated(int ACol, int ARow, int& Angle) {
  const TCellGraphic* graphic = StoredGraphic(ACol, ARow);
  if (!graphic || graphic->CellType() != TCellType::ctRotated) return false;
  Angle = graphic->CellAngle();
  return true;
}

void TExtStringGrid::GetButtonRect(int ACol, int ARow, plat::TRect& Rect) {
  const TCellGraphic* graphic = StoredGraphic(DisplayToRealCol(ACol), ARow);
  if (!graphic) return;
  const plat::TRect cell = GetCellRect(ACol, ARow);
  const TPoint offset = detail::PackedButtonOffset(graphic->CellValue());
  const TPoint size = detail::PackedButtonSize(graphic->CellIndex());
  Rect = {cell.Left + offset.X, cell.Top + offset.Y, cell.Left + offset.X + size.X, cell.Top + offset.Y + size.Y};
  if (graphic->CellVAlign() == TCellVAlign::vaFull) {
    Rect.Top = cell.Top;
    Rect.Bottom = cell.Bottom;
  }
  if (graphic->CellHAlign() == TCellHAlign::haFull) {
    Rect.Left = cell.Left;
    Rect.Right = cell.Right;
  }
}

}  // namespace zorbit
