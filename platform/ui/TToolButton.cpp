#include "platform/ui/TToolButton.h"

#include <algorithm>

#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/TToolBar.h"

namespace plat {

TToolButton::TToolButton(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetControlStyle({TControlStyleItem::csCaptureMouse, TControlStyleItem::csOpaque});
  TGraphicControl::SetBounds(0, 0, 23, 22);
}

TToolButton::~TToolButton() {
  // The bar forgets it while it is still a tool button.
  if (Parent()) Parent()->RemoveControl(this);
}

TToolBar* TToolButton::Bar() const { return dynamic_cast<TToolBar*>(Parent()); }

int TToolButton::Index() const {
  const TToolBar* bar = Bar();
  if (!bar) return -1;
  for (int i = 0; i < bar->ButtonCount(); ++i)
    if (bar->Buttons(i) == this) return i;
  return -1;
}

void TToolButton::Changed() {
  if (TToolBar* bar = Bar()) bar->LayOut();
}

void TToolButton::Place(const TRect& Bounds) {
  TGraphicControl::SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
}

void TToolButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TToolBar* bar = Bar();
  if (!bar || bar->FLayingOut) {
    TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    return;
  }
  if (IsGap() && AWidth != FGapWidth) {
    FGapWidth = std::max(AWidth, 0);
    Changed();
  }
}

// Properties.

void TToolButton::SetStyle(TToolButtonStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  Changed();
}

void TToolButton::SetGrouped(bool Value) {
  if (FGrouped == Value) return;
  FGrouped = Value;
  if (FGrouped && FDown) SetDown(true);
}

void TToolButton::SetDown(bool Value) {
  if (FDown == Value) {
    // Grouping a down button may still have to lift the others.
    if (Value && FGrouped && Bar()) Bar()->LiftGroup(this);
    return;
  }
  FDown = Value;
  if (FDown && FGrouped && Bar()) Bar()->LiftGroup(this);
  Invalidate();
}

void TToolButton::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  Changed();
}

void TToolButton::SetIndeterminate(bool Value) {
  if (FIndeterminate == Value) return;
  FIndeterminate = Value;
  Invalidate();
}

void TToolButton::SetMarked(bool Value) {
  if (FMarked == Value) return;
  FMarked = Value;
  Invalidate();
}

void TToolButton::SetWrap(bool Value) {
  if (FWrap == Value) return;
  FWrap = Value;
  Changed();
}

void TToolButton::SetAutoSize(bool Value) {
  if (AutoSize() == Value) return;
  TGraphicControl::SetAutoSize(Value);
  Changed();
}

void TToolButton::SetDropdownMenu(TPopupMenu* Value) { FDropdownMenu = Value; }

void TToolButton::SetMenuItem(TMenuItem* Value) {
  if (FMenuItem == Value) return;
  FMenuItem = Value;
  TakeFromMenuItem();
}

void TToolButton::TakeFromMenuItem() {
  if (!FMenuItem) return;
  SetCaption(FMenuItem->Caption());
  SetEnabled(FMenuItem->Enabled());
  SetVisible(FMenuItem->Visible());
  SetImageIndex(FMenuItem->ImageIndex());
  SetHint(FMenuItem->Hint());
}

// Menus.

bool TToolButton::HasSubMenu() const { return FMenuItem && FMenuItem->Count() > 0; }

bool TToolButton::CheckMenuDropdown() {
  TToolBar* bar = Bar();
  if (HasSubMenu() && bar) {
    bar->TrackMenu(this);
    return true;
  }
  if (!FDropdownMenu || !Parent()) return false;
  DropDown();
  return true;
}

void TToolButton::Click() {
  TGraphicControl::Click();
  if (FMenuItem && !HasSubMenu()) FMenuItem->Click();
}

void TToolButton::DropDown() {
  FMenuShown = true;
  Invalidate();
  Update();
  const TPoint below = ClientToScreen({0, Height()});
  FDropdownMenu->SetPopupComponent(this);
  FDropdownMenu->Popup(below.X, below.Y);
  FMenuShown = false;
  Invalidate();
}

bool TToolButton::OnArrowPart(int X) const {
  return FStyle == TToolButtonStyle::tbsDropDown && X >= Width() - kArrowPartWidth;
}

// The mouse.

void TToolButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != TMouseButton::mbLeft || !Enabled() || IsGap()) return;
  if (HasSubMenu() || (FDropdownMenu && (OnArrowPart(X) || FStyle != TToolButtonStyle::tbsDropDown))) {
    SetMouseCapture(false);
    CheckMenuDropdown();
    return;
  }
  FHeld = true;
  FMouseOver = true;
  Invalidate();
}

void TToolButton::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!FHeld) return;
  const bool over = ClientRect().Contains(TPoint{X, Y});
  if (over == FMouseOver) return;
  FMouseOver = over;
  Invalidate();
}

void TToolButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (Button != TMouseButton::mbLeft || !FHeld) return;
  FHeld = false;
  const bool click = ClientRect().Contains(TPoint{X, Y}) && Enabled();
  Invalidate();
  if (!click) return;
  if (FStyle == TToolButtonStyle::tbsCheck) SetDown(!FDown || (FGrouped && !FAllowAllUp));
  Click();
}

void TToolButton::WndProc(TMessage& Message) {
  TGraphicControl::WndProc(Message);
  switch (Message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      FHot = Message.Msg == CM_MOUSEENTER && Enabled();
      Invalidate();
      break;
    case CM_ENABLEDCHANGED:
      if (!Enabled()) FHot = FHeld = false;
      Invalidate();
      break;
    case CM_TEXTCHANGED:
    case CM_VISIBLECHANGED: Changed(); break;
    default: break;
  }
}

}  // namespace plat
