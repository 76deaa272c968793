// The setters that store and repaint, and the grid's small operations.
#include <numeric>

#include "extgrid/TExtStringGrid.h"
#include "grid/ExtUtilUnicode.h"
#include "grid/TPictureContainer.h"
#include "platform/ui/TImageList.h"

namespace zorbit {

namespace {

// Stores Value; true when it differed.
template <typename T>
bool Store(T& Field, const T& Value) {
  if (Field == Value) return false;
  Field = Value;
  return true;
}

}  // namespace

void TExtStringGrid::SetActiveCellShow(bool Value) {
  FActiveCellShow = Value;
  Invalidate();
}

void TExtStringGrid::SetActiveCellFont(const plat::TFont* Value) {
  if (Value) FActiveCellFont->Assign(*Value);
  Invalidate();
}

void TExtStringGrid::SetActiveCellColor(plat::TColor Value) {
  FActiveCellColor = Value;
  Invalidate();
}

void TExtStringGrid::SetActiveCellColorTo(plat::TColor Value) {
  FActiveCellColorTo = Value;
  Invalidate();
}

void TExtStringGrid::SetSelectionColor(plat::TColor Value) {
  if (Store(FSelectionColor, Value)) Invalidate();
}
void TExtStringGrid::SetSelectionColorTo(plat::TColor Value) {
  if (Store(FSelectionColorTo, Value)) Invalidate();
}
void TExtStringGrid::SetSelectionTextColor(plat::TColor Value) {
  if (Store(FSelectionTextColor, Value)) Invalidate();
}
void TExtStringGrid::SetSelectionRectangle(bool Value) {
  if (Store(FSelectionRectangle, Value)) Invalidate();
}
void TExtStringGrid::SetSelectionResizer(bool Value) {
  if (Store(FSelectionResizer, Value)) Invalidate();
}
void TExtStringGrid::SetShowSelection(bool Value) {
  if (Store(FShowSelection, Value)) Invalidate();
}

void TExtStringGrid::SetURLColor(plat::TColor Value) {
  FURLColor = Value;
  if (FURLShow) Invalidate();
}
void TExtStringGrid::SetURLShow(bool Value) { FURLShow = Value; }
void TExtStringGrid::SetURLFull(bool Value) {
  FURLFull = Value;
  if (FURLShow) Invalidate();
}

void TExtStringGrid::SetFixedFont(const plat::TFont* Value) {
  if (Value) FFixedFont->Assign(*Value);
}

void TExtStringGrid::SetFixedFooters(int Value) {
  FFixedFooters = Value;
  UpdateDisplayRowLimit();
  Invalidate();
}

void TExtStringGrid::SetFixedRightCols(int Value) {
  FFixedRightCols = Value;
  Invalidate();
}

void TExtStringGrid::SetLook(TGridLook Value) {
  if (!Store(FLook, Value)) return;
  Invalidate();
  if (!Loading() && FFooterPanel) FFooterPanel->Invalidate();
}

void TExtStringGrid::SetFlat(bool Value) {
  FFlat = Value;
  if (!Loading()) Invalidate();
}

void TExtStringGrid::SetAutoThemeAdapt(bool Value) {
  FAutoThemeAdapt = Value;
  FSearchFooter->SetAutoThemeAdapt(Value);
  if (Value) ApplyXPColors();
}

void TExtStringGrid::SetRowIndicator(const plat::TBitmap* Value) {
  if (Value) FRowIndicator->Assign(*Value);
  InvalidateCell(0, Row());
}

void TExtStringGrid::SetBackGround(const TBackGround* Value) {
  FBackGround->Assign(Value);
  Invalidate();
}

void TExtStringGrid::SetMaxEditLength(int Value) { FMaxEditLength = Value; }

void TExtStringGrid::SetHovering(bool Value) { Store(FHovering, Value); }

void TExtStringGrid::ResetColumnOrder() {
  FColumnOrder.resize(static_cast<std::size_t>(ColCount()));
  std::iota(FColumnOrder.begin(), FColumnOrder.end(), 0);
}

plat::WideString TExtStringGrid::GetCellWideText(int ACol, int ARow) {
  return DecodeUnicodeCellText(GetCellText(ACol, ARow));
}

void TExtStringGrid::SetCellWideText(int ACol, int ARow, const plat::WideString& Value) {
  SetCellText(ACol, ARow, EncodeUnicodeCellText(Value));
}

void TExtStringGrid::HiddenLastRowChanged() {
  TBaseGrid::HiddenLastRowChanged();
  if (FFooterPanel) FFooterPanel->Invalidate();
}

void TExtStringGrid::SetGridImages(plat::TImageList* Value) {
  if (FGridImages == Value) return;
  FGridImages = Value;
  Invalidate();
}

void TExtStringGrid::SetPictureContainer(TPictureContainer* Value) {
  if (FPictureContainer == Value) return;
  FPictureContainer = Value;
  Invalidate();
}

}  // namespace zorbit
