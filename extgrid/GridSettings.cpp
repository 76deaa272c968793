#include "extgrid/GridSettings.h"

#include "extgrid/TExtStringGrid.h"

namespace zorbit {

using plat::TComponentStateItem;

void TColumnSize::Assign(const plat::TPersistent* Source) {
  if (const auto* source = dynamic_cast<const TColumnSize*>(Source)) {
    FValues = source->FValues;
    FKey = source->FKey;
    FSection = source->FSection;
  }
}

void TColumnSize::SetStretch(bool Value) {
  FValues.Stretch = Value;
  if (FGrid && FGrid->Parent()) FGrid->StretchColumn(FValues.StretchColumn);
}

void TNavigation::Assign(const plat::TPersistent* Source) {
  if (const auto* source = dynamic_cast<const TNavigation*>(Source)) FValues = source->FValues;
}

void TMouseActions::Assign(const plat::TPersistent* Source) {
  if (const auto* source = dynamic_cast<const TMouseActions*>(Source)) FValues = source->FValues;
}

bool TMouseActions::Designing() const {
  return FGrid && FGrid->ComponentState().Contains(TComponentStateItem::csDesigning);
}

void TMouseActions::SetDisjunctRowSelect(bool Value) {
  FValues.DisjunctRowSelect = Value;
  if (Value && Designing()) FValues.DisjunctColSelect = FValues.DisjunctCellSelect = false;
}

void TMouseActions::SetDisjunctColSelect(bool Value) {
  FValues.DisjunctColSelect = Value;
  if (Value && Designing()) FValues.DisjunctRowSelect = FValues.DisjunctCellSelect = false;
}

void TMouseActions::SetDisjunctCellSelect(bool Value) {
  FValues.DisjunctCellSelect = Value;
  if (Value && Designing()) FValues.DisjunctRowSelect = FValues.DisjunctColSelect = false;
}

void TMouseActions::SetHotmailRowSelect(bool Value) {
  FValues.HotmailRowSelect = Value;
  if (FGrid) FGrid->Invalidate();
}

TCellNode::TCellNode(TExtStringGrid* Grid)
    : FGrid(Grid), FExpandGlyph(std::make_unique<plat::TBitmap>()), FContractGlyph(std::make_unique<plat::TBitmap>()) {}

void TCellNode::Assign(const plat::TPersistent* Source) {
  if (const auto* source = dynamic_cast<const TCellNode*>(Source)) {
    FValues = source->FValues;
    FExpandGlyph->Assign(*source->FExpandGlyph);
    FContractGlyph->Assign(*source->FContractGlyph);
  }
}

template <typename T>
void TCellNode::Change(T TValues::*Field, T Value) {
  if (FValues.*Field == Value) return;
  FValues.*Field = Value;
  if (FGrid) FGrid->Invalidate();
}

void TCellNode::SetNodeType(TNodeType Value) { Change(&TValues::NodeType, Value); }
void TCellNode::SetNodeIndent(int Value) { Change(&TValues::NodeIndent, Value); }
void TCellNode::SetShowTree(bool Value) { Change(&TValues::ShowTree, Value); }
void TCellNode::SetShowTreeFull(bool Value) { Change(&TValues::ShowTreeFull, Value); }
void TCellNode::SetTreeColor(plat::TColor Value) { Change(&TValues::TreeColor, Value); }

void TCellNode::SetExpandGlyph(const plat::TBitmap* Value) {
  if (Value) FExpandGlyph->Assign(*Value);
}

void TCellNode::SetContractGlyph(const plat::TBitmap* Value) {
  if (Value) FContractGlyph->Assign(*Value);
}

void TSizeWhileTyping::Assign(const plat::TPersistent* Source) {
  if (const auto* source = dynamic_cast<const TSizeWhileTyping*>(Source)) FValues = source->FValues;
}

THTMLSettings::THTMLSettings() : FColWidths(std::make_unique<plat::TStringList>()) {}

void THTMLSettings::Assign(const plat::TPersistent* Source) {
  if (const auto* source = dynamic_cast<const THTMLSettings*>(Source)) {
    FValues = source->FValues;
    FColWidths->Assign(*source->FColWidths);
  }
}

TPrintSettings::TPrintSettings(TExtStringGrid* Grid)
    : FGrid(Grid),
      FTitleLines(std::make_unique<plat::TStringList>()),
      FFont(std::make_unique<plat::TFont>()),
      FFixedFont(std::make_unique<plat::TFont>()),
      FHeaderFont(std::make_unique<plat::TFont>()),
      FFooterFont(std::make_unique<plat::TFont>()) {}

void TPrintSettings::Assign(const plat::TPersistent* Source) {
  if (const auto* source = dynamic_cast<const TPrintSettings*>(Source)) {
    FValues = source->FValues;
    FTitleLines->Assign(*source->FTitleLines);
    FFont->Assign(*source->FFont);
    FFixedFont->Assign(*source->FFixedFont);
    FHeaderFont->Assign(*source->FHeaderFont);
    FFooterFont->Assign(*source->FFooterFont);
  }
}

void TPrintSettings::SetFont(const plat::TFont* Value) {
  if (Value) FFont->Assign(*Value);
}
void TPrintSettings::SetFixedFont(const plat::TFont* Value) {
  if (Value) FFixedFont->Assign(*Value);
}
void TPrintSettings::SetHeaderFont(const plat::TFont* Value) {
  if (Value) FHeaderFont->Assign(*Value);
}
void TPrintSettings::SetFooterFont(const plat::TFont* Value) {
  if (Value) FFooterFont->Assign(*Value);
}

}  // namespace zorbit
