#include "skin/SkEdit.h"

#include "platform/win/Messages.h"
#include "skin/SkinCanvas.h"
#include "skin/ThemeChoice.h"
#include "skin/ThemeValues.h"

namespace zorbit {

TskEdit::TskEdit(plat::TComponent* AOwner) : plat::TCustomEdit(AOwner) {
  auto style = ControlStyle();
  style.Include(plat::TControlStyleItem::csOpaque);
  SetControlStyle(style);
  SetBorderStyle(plat::TBorderStyle::bsNone);
  SetBorderWidth(2);
  SetUIStyle(GetOwnerFormUIStyle(AOwner));
}

void TskEdit::SetFileTheme(TskFileTheme* Value) {
  LinkFileTheme(*this, FFileTheme, Value);
  SetUIStyle(FUIStyle);
}

void TskEdit::SetUIStyle(TskUIStyle Value) {
  FUIStyle = Value;
  FBorderColor = SkinColor(FFileTheme, FUIStyle, element::ControlBorderColor);
  StyleChanged();
  Invalidate();
}

void TskEdit::SetBorderColor(plat::TColor Value) {
  if (FBorderColor == Value) return;
  FBorderColor = Value;
  Invalidate();
}

void TskEdit::WndProc(plat::TMessage& Message) {
  plat::TCustomEdit::WndProc(Message);
  const bool painted = Message.Msg == plat::WM_PAINT || Message.Msg == plat::WM_ERASEBKGND;
  if (painted && HandleAllocated()) DrawControlBorder(*this, FBorderColor, Color(), true);
}

void TskEdit::Notification(plat::TComponent* AComponent, plat::TOperation Operation) {
  plat::TCustomEdit::Notification(AComponent, Operation);
  if (ForgetFreedTheme(FFileTheme, AComponent, Operation)) SetUIStyle(TskUIStyle::DeepBlue);
}

}  // namespace zorbit
