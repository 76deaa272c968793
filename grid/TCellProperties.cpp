#include "grid/TCellProperties.h"

#include "grid/TBaseGrid.h"
#include "grid/TCellGraphic.h"

namespace zorbit {

TCellProperties::TCellProperties(TBaseGrid* AGrid, int ACol, int ARow)
    : FOwnerGrid(AGrid), FOwnerCol(ACol), FOwnerRow(ARow), FWordWrap(AGrid ? AGrid->WordWrap() : true) {}

TCellProperties::~TCellProperties() = default;

void TCellProperties::SetGraphic(TCellGraphic* Value) {
  if (Value != FGraphic.get()) FGraphic.reset(Value);
}

void TCellProperties::RepaintOwner() {
  if (FOwnerGrid) FOwnerGrid->RepaintCell(FOwnerCol, FOwnerRow);
}

void TCellProperties::SetBrushColor(plat::TColor Value) {
  FBrushColor = Value;
  RepaintOwner();
}

void TCellProperties::SetBrushColorTo(plat::TColor Value) {
  FBrushColorTo = Value;
  RepaintOwner();
}

void TCellProperties::SetVAlignment(TVAlignment Value) {
  FVAlignment = Value;
  RepaintOwner();
}

void TCellProperties::SetWordWrap(bool Value) {
  FWordWrap = Value;
  RepaintOwner();
}

void TCellProperties::Assign(const plat::TPersistent* Source) {
  const auto* source = dynamic_cast<const TCellProperties*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  FIsBaseCell = source->FIsBaseCell;
  FCellSpanX = source->FCellSpanX;
  FCellSpanY = source->FCellSpanY;
  FOwnerRow = source->FOwnerRow;
  FOwnerCol = source->FOwnerCol;
  FAlignment = source->FAlignment;
  FBorderColor = source->FBorderColor;
  FBorderWidth = source->FBorderWidth;
  FBrushColor = source->FBrushColor;
  FBrushStyle = source->FBrushStyle;
  FFontColor = source->FFontColor;
  FFontStyle = source->FFontStyle;
  FFontName = source->FFontName;
  FFontSize = source->FFontSize;
  FReadOnly = source->FReadOnly;
  FEditor = source->FEditor;
  FVAlignment = source->FVAlignment;
  SetWordWrap(source->FWordWrap);
  FNodeLevel = source->FNodeLevel;
  FControl = source->FControl;
}

}  // namespace zorbit
