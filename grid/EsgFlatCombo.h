#pragma once
// TEsgFlatCombo: the flat look the grid's combo editors share, over any
// combo box class (the plain box of TESGCustomCombo, the Unicode box of
// TESGUniCustomCombo).
//
// Flat (on at creation; the box's Ctl3D is always its opposite): the
// client area is filled with the box's colour (not for csOwnerDrawFixed),
// the arrow button is drawn flat at the right, ButtonWidth wide (the
// vertical scroll bar's width + 4 at creation; only 14 to 32 are taken),
// and the box paints its field. After every paint, on entry, exit, the
// mouse coming and going and non-client painting, three rings are drawn
// round the whole window: the box is active when the mouse is over it or
// it is its form's active control, and FocusBorder is on; active, a sunken
// edge, a ring of clBtnFace and one of the box's colour; inactive, two
// rings of the parent's colour and one of the box's. Then (not for
// csOwnerDrawFixed nor with the themed look) the button gets a raised edge,
// or an etched one with Etched. The themed look (Themed) draws the style's
// combo drop-down button instead of the classic flat arrow.
//
// A paste that would take the edit part's text beyond MaxLength is refused
// whole. AutoFocus: the mouse coming over the box focuses it. DropWidth above 0
// sets the drop-down's width. Disabled, a flat box takes its parent's
// colour; enabled again, it has its own back.
#include "platform/ui/TCustomComboBox.h"

namespace zorbit {

template <class TComboBase>
class TEsgFlatCombo : public TComboBase {
 public:
  explicit TEsgFlatCombo(plat::TComponent* AOwner);

  bool AutoFocus() const { return FAutoFocus; }
  void SetAutoFocus(bool Value) { FAutoFocus = Value; }
  int ButtonWidth() const { return FButtonWidth; }
  // Takes 14 to 32 and repaints; ignores others.
  void SetButtonWidth(int Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool Etched() const { return FEtched; }
  void SetEtched(bool Value);
  bool FocusBorder() const { return FFocusBorder; }
  void SetFocusBorder(bool Value);
  int DropWidth() const { return FDropWidth; }
  void SetDropWidth(int Value);
  bool Themed() const { return FThemed; }
  void SetThemed(bool Value);

  // The flat button's rectangle in window coordinates.
  plat::TRect FlatButtonRect();

 protected:
  void WndProc(plat::TMessage& Message) override;
  void EditWndProc(plat::TMessage& Message) override;
  // Flat: from the flat button's left edge to the client area's right.
  plat::TRect ButtonRect() override;
  void PaintWindow(plat::HDC DC) override;
  void DropDown() override;
  void CloseUp() override;

 private:
  bool IsActive();
  // The mouse came over the box or its edit part, or left it.
  void MouseCrossed(bool Entered);
  // Whether the clipboard's text pasted into the edit part keeps it within
  // MaxLength.
  bool EditPartPasteFits();
  // The edit part and the flat button follow a new button width.
  void Relayout();
  // The rings and the button's edge, on the window's own DC.
  void DrawFrame();
  void DrawArrow(plat::HDC DC, const plat::TRect& Button);
  // From window to client coordinates.
  plat::TRect ToClient(const plat::TRect& Window);
  void EnabledChanged();

  bool FAutoFocus = false;
  int FButtonWidth;
  bool FFlat = true;
  bool FEtched = false;
  bool FFocusBorder = false;
  int FDropWidth = 0;
  bool FThemed = false;
  bool FMouseInControl = false;
  // What a disabled flat box keeps of its own colour.
  plat::TColor FSavedColor = plat::clWindow;
  bool FSavedParentColor = false;
};

extern template class TEsgFlatCombo<plat::TCustomComboBox>;

}  // namespace zorbit
