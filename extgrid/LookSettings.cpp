#include "extgrid/LookSettings.h"

#include "extgrid/TExtStringGrid.h"
#include "platform/rtl/Exception.h"

namespace zorbit {

using plat::TComponentStateItem;

namespace {

// Copies a picture given to a glyph setter; nullptr is ignored.
void CopyGlyph(plat::TBitmap& Glyph, const plat::TBitmap* Value) {
  if (Value) Glyph.Assign(*Value);
}

}  // namespace

TSortSettings::TSortSettings(TExtStringGrid* Grid)
    : FGrid(Grid),
      FUpGlyph(std::make_unique<plat::TBitmap>()),
      FDownGlyph(std::make_unique<plat::TBitmap>()),
      FIndexUpGlyph(std::make_unique<plat::TBitmap>()),
      FIndexDownGlyph(std::make_unique<plat::TBitmap>()) {}

void TSortSettings::Assign(const plat::TPersistent* Source) {
  if (const auto* source = dynamic_cast<const TSortSettings*>(Source)) {
    FValues = source->FValues;
    FUpGlyph->Assign(*source->FUpGlyph);
    FDownGlyph->Assign(*source->FDownGlyph);
    FIndexUpGlyph->Assign(*source->FIndexUpGlyph);
    FIndexDownGlyph->Assign(*source->FIndexDownGlyph);
  }
}

void TSortSettings::SetShow(bool Value) {
  if (FValues.Show == Value) return;
  FValues.Show = Value;
  if (FGrid) FGrid->Invalidate();
}

void TSortSettings::SetRow(int Value) {
  const bool reading = FGrid && (FGrid->ComponentState().Contains(TComponentStateItem::csLoading) ||
                                 FGrid->ComponentState().Contains(TComponentStateItem::csReading));
  if (FGrid && !reading && Value >= FGrid->FixedRows())
    throw plat::Exception("Sort row should be smaller than number of fixed rows");
  FValues.Row = Value;
}

void TSortSettings::SetUpGlyph(const plat::TBitmap* Value) { CopyGlyph(*FUpGlyph, Value); }
void TSortSettings::SetDownGlyph(const plat::TBitmap* Value) { CopyGlyph(*FDownGlyph, Value); }
void TSortSettings::SetIndexUpGlyph(const plat::TBitmap* Value) { CopyGlyph(*FIndexUpGlyph, Value); }
void TSortSettings::SetIndexDownGlyph(const plat::TBitmap* Value) { CopyGlyph(*FIndexDownGlyph, Value); }

TControlLook::TControlLook(TExtStringGrid* Grid)
    : FGrid(Grid),
      FCheckedGlyph(std::make_unique<plat::TBitmap>()),
      FUnCheckedGlyph(std::make_unique<plat::TBitmap>()),
      FRadioOnGlyph(std::make_unique<plat::TBitmap>()),
      FRadioOffGlyph(std::make_unique<plat::TBitmap>()) {}

void TControlLook::Assign(const plat::TPersistent* Source) {
  const auto* source = dynamic_cast<const TControlLook*>(Source);
  if (!source) return;
  const TValues& from = source->FValues;
  FValues.CheckSize = from.CheckSize;
  FValues.RadioSize = from.RadioSize;
  FValues.ControlStyle = from.ControlStyle;
  FCheckedGlyph->Assign(*source->FCheckedGlyph);
  FUnCheckedGlyph->Assign(*source->FUnCheckedGlyph);
  FRadioOnGlyph->Assign(*source->FRadioOnGlyph);
  FRadioOffGlyph->Assign(*source->FRadioOffGlyph);
  FValues.ProgressMarginX = from.ProgressMarginX;
  FValues.ProgressMarginY = from.ProgressMarginY;
  FValues.CommentColor = from.CommentColor;
  FValues.Color = from.Color;
  FValues.ProgressBorderColor = from.ProgressBorderColor;
  FValues.CheckAlwaysActive = from.CheckAlwaysActive;
  FValues.RadioAlwaysActive = from.RadioAlwaysActive;
}

template <typename T>
void TControlLook::Change(T TValues::*Field, T Value) {
  FValues.*Field = Value;
  if (FGrid) FGrid->Invalidate();
}

void TControlLook::ChangeGlyph(plat::TBitmap& Glyph, const plat::TBitmap* Value) {
  CopyGlyph(Glyph, Value);
  if (FGrid) FGrid->Invalidate();
}

void TControlLook::SetColor(plat::TColor Value) { Change(&TValues::Color, Value); }
void TControlLook::SetCommentColor(plat::TColor Value) { Change(&TValues::CommentColor, Value); }
void TControlLook::SetFixedGradientFrom(plat::TColor Value) {
  if (Value != plat::clNone && FGrid) FGrid->SetFixedGradientFrom(Value);
  Change(&TValues::FixedGradientFrom, Value);
}
void TControlLook::SetFixedGradientTo(plat::TColor Value) {
  if (Value != plat::clNone && FGrid) FGrid->SetFixedGradientTo(Value);
  Change(&TValues::FixedGradientTo, Value);
}
void TControlLook::SetCheckSize(int Value) { Change(&TValues::CheckSize, Value); }
void TControlLook::SetCheckAlwaysActive(bool Value) { Change(&TValues::CheckAlwaysActive, Value); }
void TControlLook::SetRadioSize(int Value) { Change(&TValues::RadioSize, Value); }
void TControlLook::SetRadioAlwaysActive(bool Value) { Change(&TValues::RadioAlwaysActive, Value); }
void TControlLook::SetControlStyle(TControlStyle Value) { Change(&TValues::ControlStyle, Value); }
void TControlLook::SetDropDownAlwaysVisible(bool Value) { Change(&TValues::DropDownAlwaysVisible, Value); }
void TControlLook::SetFlatButton(bool Value) { Change(&TValues::FlatButton, Value); }
void TControlLook::SetNoDisabledCheckRadioLook(bool Value) { Change(&TValues::NoDisabledCheckRadioLook, Value); }
void TControlLook::SetNoDisabledButtonLook(bool Value) { Change(&TValues::NoDisabledButtonLook, Value); }
void TControlLook::SetProgressBorderColor(plat::TColor Value) { Change(&TValues::ProgressBorderColor, Value); }
void TControlLook::SetProgressMarginX(int Value) { Change(&TValues::ProgressMarginX, Value); }
void TControlLook::SetProgressMarginY(int Value) { Change(&TValues::ProgressMarginY, Value); }
void TControlLook::SetProgressXP(bool Value) { Change(&TValues::ProgressXP, Value); }
void TControlLook::SetCheckedGlyph(const plat::TBitmap* Value) { ChangeGlyph(*FCheckedGlyph, Value); }
void TControlLook::SetUnCheckedGlyph(const plat::TBitmap* Value) { ChangeGlyph(*FUnCheckedGlyph, Value); }
void TControlLook::SetRadioOnGlyph(const plat::TBitmap* Value) { ChangeGlyph(*FRadioOnGlyph, Value); }
void TControlLook::SetRadioOffGlyph(const plat::TBitmap* Value) { ChangeGlyph(*FRadioOffGlyph, Value); }

void TBands::Assign(const plat::TPersistent* Source) {
  if (const auto* source = dynamic_cast<const TBands*>(Source)) FValues = source->FValues;
}

template <typename T>
void TBands::Change(T TValues::*Field, T Value) {
  FValues.*Field = Value;
  if (FValues.Active && FGrid) FGrid->Invalidate();
}

void TBands::SetActive(bool Value) {
  FValues.Active = Value;
  if (FGrid) FGrid->Invalidate();
}
void TBands::SetPrimaryColor(plat::TColor Value) { Change(&TValues::PrimaryColor, Value); }
void TBands::SetPrimaryLength(int Value) { Change(&TValues::PrimaryLength, Value); }
void TBands::SetSecondaryColor(plat::TColor Value) { Change(&TValues::SecondaryColor, Value); }
void TBands::SetSecondaryLength(int Value) { Change(&TValues::SecondaryLength, Value); }

TBackGround::TBackGround(TExtStringGrid* Grid) : FGrid(Grid), FBitmap(std::make_unique<plat::TBitmap>()) {}

void TBackGround::Assign(const plat::TPersistent* Source) {
  if (const auto* source = dynamic_cast<const TBackGround*>(Source)) {
    FValues = source->FValues;
    FBitmap->Assign(*source->FBitmap);
    if (FGrid) FGrid->Invalidate();
  }
}

template <typename T>
void TBackGround::Change(T TValues::*Field, T Value) {
  FValues.*Field = Value;
  if (FGrid) FGrid->Invalidate();
}

void TBackGround::SetTop(int Value) { Change(&TValues::Top, Value); }
void TBackGround::SetLeft(int Value) { Change(&TValues::Left, Value); }
void TBackGround::SetDisplay(TBackGroundDisplay Value) { Change(&TValues::Display, Value); }
void TBackGround::SetCells(TBackGroundCells Value) { Change(&TValues::Cells, Value); }
void TBackGround::SetColor(plat::TColor Value) { Change(&TValues::Color, Value); }
void TBackGround::SetColorTo(plat::TColor Value) { Change(&TValues::ColorTo, Value); }
void TBackGround::SetBitmap(const plat::TBitmap* Value) {
  CopyGlyph(*FBitmap, Value);
  if (FGrid) FGrid->Invalidate();
}

void TFilterData::Assign(const plat::TPersistent* Source) {
  if (const auto* source = dynamic_cast<const TFilterData*>(Source)) FValues = source->FValues;
}

TFilter::TFilter(TExtStringGrid* Grid) : plat::TCollection(plat::CollectionItemClass<TFilterData>()), FGrid(Grid) {}

plat::TPersistent* TFilter::GetOwner() const { return FGrid; }

}  // namespace zorbit
