#include "grid/TExtGridButton.h"

#include "grid/TExtGridButtonActionLink.h"
#include "grid/detail/ExtGridButtonColors.h"
#include "grid/detail/GlyphShades.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/TWinControl.h"
#include "platform/win/Messages.h"
#include "platform/win/Mouse.h"

namespace zorbit {

TExtGridButton::TExtGridButton(plat::TComponent* AOwner)
    : plat::TGraphicControl(AOwner),
      FGlyph(std::make_unique<plat::TBitmap>()),
      FGlyphHot(std::make_unique<plat::TBitmap>()),
      FGlyphDown(std::make_unique<plat::TBitmap>()),
      FGlyphDisabled(std::make_unique<plat::TBitmap>()),
      FShade(std::make_unique<plat::TBitmap>()) {
  SetControlStyle({plat::TControlStyleItem::csCaptureMouse, plat::TControlStyleItem::csDoubleClicks});
  SetBounds(Left(), Top(), 22, 23);
  plat::TGraphicControl::SetColor(plat::clBtnFace);
  for (plat::TBitmap* glyph : {FGlyph.get(), FGlyphHot.get(), FGlyphDown.get(), FGlyphDisabled.get(), FShade.get()})
    glyph->SetTransparent(true);
}

TExtGridButton::~TExtGridButton() = default;

template <typename T>
void TExtGridButton::Store(T& Field, T Value) {
  Field = Value;
  Invalidate();
}

template <typename T>
void TExtGridButton::StoreChanged(T& Field, T Value) {
  if (Field == Value) return;
  Store(Field, Value);
}

bool TExtGridButton::Loading() const { return ComponentState().Contains(plat::TComponentStateItem::csLoading); }

// Properties.

void TExtGridButton::SetAllowAllUp(bool Value) {
  if (FAllowAllUp == Value) return;
  FAllowAllUp = Value;
  NotifyGroup();
}

void TExtGridButton::SetAutoThemeAdapt(bool Value) {
  FAutoThemeAdapt = Value;
  if (Value) AdaptToTheme();
}

void TExtGridButton::SetAutoXPStyle(bool Value) { StoreChanged(FAutoXPStyle, Value); }
void TExtGridButton::SetBorderColor(plat::TColor Value) { Store(FBorderColor, Value); }
void TExtGridButton::SetBorderDownColor(plat::TColor Value) { StoreChanged(FBorderDownColor, Value); }
void TExtGridButton::SetBorderHotColor(plat::TColor Value) { StoreChanged(FBorderHotColor, Value); }
void TExtGridButton::SetColorTo(plat::TColor Value) { Store(FColorTo, Value); }
void TExtGridButton::SetColorDown(plat::TColor Value) { StoreChanged(FColorDown, Value); }
void TExtGridButton::SetColorDownTo(plat::TColor Value) { StoreChanged(FColorDownTo, Value); }
void TExtGridButton::SetColorHot(plat::TColor Value) { StoreChanged(FColorHot, Value); }
void TExtGridButton::SetColorHotTo(plat::TColor Value) { StoreChanged(FColorHotTo, Value); }
void TExtGridButton::SetColorChecked(plat::TColor Value) { Store(FColorChecked, Value); }
void TExtGridButton::SetColorCheckedTo(plat::TColor Value) { Store(FColorCheckedTo, Value); }
void TExtGridButton::SetDropDownButton(bool Value) { Store(FDropDownButton, Value); }
void TExtGridButton::SetFlat(bool Value) { StoreChanged(FFlat, Value); }
void TExtGridButton::SetLayout(plat::TButtonLayout Value) { StoreChanged(FLayout, Value); }
void TExtGridButton::SetRounded(bool Value) { Store(FRounded, Value); }
void TExtGridButton::SetShowCaption(bool Value) { StoreChanged(FShowCaption, Value); }
void TExtGridButton::SetSpacing(int Value) { StoreChanged(FSpacing, Value); }
void TExtGridButton::SetStyle(TExtGridButtonStyle Value) { Store(FStyle, Value); }

void TExtGridButton::SetMargin(int Value) {
  if (Value >= -1) StoreChanged(FMargin, Value);
}

void TExtGridButton::SetGroupIndex(int Value) {
  if (FGroupIndex == Value) return;
  FGroupIndex = Value;
  NotifyGroup();
}

void TExtGridButton::SetDown(bool Value) {
  if (FGroupIndex == 0 && FStyle == TExtGridButtonStyle::tasButton) Value = false;
  if (FStyle == TExtGridButtonStyle::tasCheck) {
    Store(FDown, Value);
    return;
  }
  if (Value == FDown) return;
  // The down button of a group comes up only when the group allows it.
  if (FDown && !FAllowAllUp) return;
  FDown = Value;
  FState = Value ? plat::TButtonState::bsExclusive : plat::TButtonState::bsUp;
  Invalidate();
  if (Value) NotifyGroup();
}

void TExtGridButton::SetDropDownMenu(plat::TPopupMenu* Value) { FDropDownMenu = Value; }

void TExtGridButton::CopyGlyph(plat::TBitmap& Target, const plat::TBitmap* Value) {
  if (Value) {
    Target.Assign(*Value);
  } else {
    Target.SetSize(0, 0);
  }
  Target.SetTransparent(true);
}

void TExtGridButton::SetGlyph(const plat::TBitmap* Value) {
  CopyGlyph(*FGlyph, Value);
  if (FGlyphDisabled->Empty() && !FGlyph->Empty()) detail::MakeGreyGlyph(*FGlyph, *FGlyphDisabled);
  // A shade of the glyph that was there before would be wrong.
  if (FShaded && !Loading()) BuildShade();
  Invalidate();
}

void TExtGridButton::SetGlyphHot(const plat::TBitmap* Value) { CopyGlyph(*FGlyphHot, Value); }
void TExtGridButton::SetGlyphDown(const plat::TBitmap* Value) { CopyGlyph(*FGlyphDown, Value); }
void TExtGridButton::SetGlyphDisabled(const plat::TBitmap* Value) { CopyGlyph(*FGlyphDisabled, Value); }

void TExtGridButton::SetShaded(bool Value) {
  FShaded = Value;
  if (Value && !Loading()) BuildShade();
}

void TExtGridButton::BuildShade() {
  detail::MakeGlyphShade(*FGlyph, *FShade);
  FShade->SetTransparent(true);
}

// The group.

void TExtGridButton::NotifyGroup() {
  if (FGroupIndex == 0 || !Parent()) return;
  plat::TMessage message{plat::CM_BUTTONPRESSED, static_cast<plat::WPARAM>(FGroupIndex),
                         reinterpret_cast<plat::LPARAM>(static_cast<plat::TControl*>(this)), 0};
  Parent()->Broadcast(message);
}

void TExtGridButton::GroupButtonPressed(TExtGridButton* Sender) {
  if (Sender == this) return;
  if (Sender->Down() && FDown) {
    FDown = false;
    FState = plat::TButtonState::bsUp;
    Invalidate();
    if (auto* action = dynamic_cast<plat::TAction*>(Action())) action->SetChecked(false);
  }
  FAllowAllUp = Sender->AllowAllUp();
}

// The desktop's look.

void TExtGridButton::AdaptToTheme() {
  const detail::TExtGridButtonColors& colors = detail::CurrentThemeButtonColors();
  plat::TGraphicControl::SetColor(colors.Color);
  FColorTo = colors.ColorTo;
  FColorHot = colors.ColorHot;
  FColorHotTo = colors.ColorHotTo;
  FColorDown = colors.ColorDown;
  FColorDownTo = colors.ColorDownTo;
  FColorChecked = colors.ColorChecked;
  FColorCheckedTo = colors.ColorCheckedTo;
  FBorderDownColor = colors.BorderDownAndHot;
  FBorderHotColor = colors.BorderDownAndHot;
  FBorderColor = plat::clNone;
  FRounded = false;
  FFlat = true;
  Invalidate();
}

void TExtGridButton::Loaded() {
  plat::TGraphicControl::Loaded();
  if (FShaded) BuildShade();
  if (FAutoThemeAdapt) AdaptToTheme();
}

std::unique_ptr<plat::TControlActionLink> TExtGridButton::CreateActionLink() {
  return std::make_unique<TExtGridButtonActionLink>(this);
}

// The mouse.

bool TExtGridButton::Hovered() const {
  return FMouseInControl && !ComponentState().Contains(plat::TComponentStateItem::csDesigning);
}

void TExtGridButton::CheckMouseInControl() {
  plat::POINT cursor;
  const bool over = Parent() && Parent()->HandleAllocated() && plat::GetCursorPos(&cursor) &&
                    ClientRect().Contains(ScreenToClient(cursor));
  if (over == FMouseInControl) return;
  FMouseInControl = over;
  Invalidate();
}

void TExtGridButton::MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
  plat::TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != plat::TMouseButton::mbLeft || !Enabled()) return;
  if (Shift.Contains(plat::TShiftStateItem::ssDouble) && FDown) DblClick();
  if (FDropDownButton && X >= Width() - DropDownWidth) {
    FState = plat::TButtonState::bsUp;
    Invalidate();
    if (OnDropDown) OnDropDown(this);
    if (FDropDownMenu) {
      const plat::TPoint at = ClientToScreen({0, Height()});
      FDropDownMenu->Popup(at.X, at.Y);
    }
    return;
  }
  FState = plat::TButtonState::bsDown;
  Invalidate();
  FDragging = true;
}

void TExtGridButton::MouseMove(plat::TShiftState Shift, int X, int Y) {
  plat::TGraphicControl::MouseMove(Shift, X, Y);
  if (!FDragging) return;
  const bool inside = ClientRect().Contains(plat::TPoint{X, Y});
  plat::TButtonState state =
      FDown ? plat::TButtonState::bsExclusive : (inside ? plat::TButtonState::bsDown : plat::TButtonState::bsUp);
  if (FStyle == TExtGridButtonStyle::tasCheck && FDown) state = plat::TButtonState::bsDown;
  if (state == FState) return;
  FState = state;
  Invalidate();
}

void TExtGridButton::MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
  plat::TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!FDragging || Button != plat::TMouseButton::mbLeft) return;
  FDragging = false;
  // A release off the button takes nothing back but the pressed look.
  const bool inside = ClientRect().Contains(plat::TPoint{X, Y});
  if (inside && (FGroupIndex != 0 || FStyle == TExtGridButtonStyle::tasCheck)) SetDown(!FDown);
  FState = FDown ? plat::TButtonState::bsExclusive : plat::TButtonState::bsUp;
  Invalidate();
  // The mouse may have left while it was held, unheard.
  if (FFlat) CheckMouseInControl();
  if (inside) Click();
}

// Messages.

void TExtGridButton::WndProc(plat::TMessage& Message) {
  switch (Message.Msg) {
    case plat::CM_BUTTONPRESSED:
      if (static_cast<int>(Message.WParam) == FGroupIndex && FGroupIndex != 0) {
        if (auto* sender = dynamic_cast<TExtGridButton*>(reinterpret_cast<plat::TControl*>(Message.LParam)))
          GroupButtonPressed(sender);
      }
      return;
    case plat::CM_DIALOGCHAR:
      if (IsDialogCharFor(Message)) {
        Click();
        Message.Result = 1;
        return;
      }
      break;
    default: break;
  }
  plat::TGraphicControl::WndProc(Message);
  switch (Message.Msg) {
    case plat::CM_MOUSEENTER:
    case plat::CM_MOUSELEAVE:
      // Not while the mouse is held or the button drags itself.
      if (FFlat && Enabled() && !MouseCapture() && DragMode() != plat::TDragMode::dmAutomatic) {
        FMouseInControl = Message.Msg == plat::CM_MOUSEENTER;
        Invalidate();
      }
      break;
    case plat::CM_ENABLEDCHANGED: CheckMouseInControl(); break;
    case plat::CM_TEXTCHANGED:
    case plat::CM_FONTCHANGED:
    case plat::CM_SYSCOLORCHANGE: Invalidate(); break;
    case plat::WM_THEMECHANGED:
    case plat::CM_SYSFONTCHANGED:
      if (FAutoThemeAdapt) AdaptToTheme();
      break;
    default: break;
  }
}

}  // namespace zorbit
