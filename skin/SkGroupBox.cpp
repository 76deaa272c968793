#include "skin/SkGroupBox.h"

#include <array>
#include <cstdlib>

#include "platform/gdi/DrawText.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/ControlMessages.h"
#include "platform/win/Messages.h"
#include "skin/SkMgr.h"
#include "skin/SkinGeometry.h"
#include "skin/ThemeChoice.h"
#include "skin/ThemeValues.h"

namespace zorbit {

namespace {

constexpr plat::TColor kDisabledCaption = 0x808080;

}  // namespace

TskCustomGroupBox::TskCustomGroupBox(plat::TComponent* AOwner) : TskCustomPanel(AOwner) {
  plat::TCustomPanel::SetCaption(" ");
  SetBounds(Left(), Top(), 185, 105);
  SetParentColor(true);
  SetUIStyle(GetOwnerFormUIStyle(AOwner));
}

void TskCustomGroupBox::SetFileTheme(TskFileTheme* Value) {
  LinkFileTheme(*this, FFileTheme, Value);
  SetUIStyle(FUIStyle);
}

void TskCustomGroupBox::SetUIStyle(TskUIStyle Value) {
  FUIStyle = Value;
  ApplyGroupStyle(Value);
  Invalidate();
}

void TskCustomGroupBox::ApplyGroupStyle(TskUIStyle Style) {
  ContainerApplyUIStyle(*this, Style, FFileTheme);
  FBorderColor = SkinColor(FFileTheme, Style, element::ControlBorderColor);
  Font()->SetColor(SkinColor(FFileTheme, Style, element::ControlFontColor));
}

void TskCustomGroupBox::SetCaption(const plat::String& Value) {
  FCaption = Value;
  Invalidate();
}

void TskCustomGroupBox::SetBorderColor(plat::TColor Value) {
  FBorderColor = Value;
  Invalidate();
}

int TskCustomGroupBox::FontHeight() const { return std::abs(Font()->Height()); }

void TskCustomGroupBox::AdjustClientRect(plat::TRect& Rect) {
  TskCustomPanel::AdjustClientRect(Rect);
  Rect.Left += 3;
  Rect.Right -= 3;
  Rect.Bottom -= 3;
  Rect.Top += FontHeight() + 5;
}

void TskCustomGroupBox::PaintTo(plat::TCanvas& Canvas) {
  const plat::TRect client = ClientRect();
  if (Transparent()) {
    PaintPicture(Canvas);
  } else {
    Canvas.Brush()->SetColor(Color());
    Canvas.FillRect(client);
  }
  Canvas.SetFont(*Font());
  const int captionWidth = FCaption.empty() ? 0 : Canvas.TextWidth(FCaption);
  const int y = FontHeight() / 2 + 1;
  const int right = client.Right - 2;
  const int bottom = client.Bottom - 2;
  const int end = FCaption.empty() ? 0 : captionWidth + 6;
  const std::array<plat::TPoint, 6> line{{{2, y}, {0, y}, {0, bottom}, {right, bottom}, {right, y}, {end, y}}};
  Canvas.Pen()->SetColor(FBorderColor);
  Canvas.Pen()->SetStyle(plat::TPenStyle::psSolid);
  Canvas.Polyline(line);
  if (FCaption.empty()) return;
  Canvas.Brush()->SetStyle(plat::TBrushStyle::bsClear);
  if (!Enabled()) Canvas.Font()->SetColor(kDisabledCaption);
  Canvas.TextOut(5, 0, FCaption);
}

void TskCustomGroupBox::WndProc(plat::TMessage& Message) {
  TskCustomPanel::WndProc(Message);
  switch (Message.Msg) {
    case plat::CM_FONTCHANGED:
      Realign();
      Invalidate();
      break;
    case plat::CM_TEXTCHANGED:
    case plat::CM_ENABLEDCHANGED: Invalidate(); break;
    default: break;
  }
}

void TskCustomGroupBox::Notification(plat::TComponent* AComponent, plat::TOperation Operation) {
  TskCustomPanel::Notification(AComponent, Operation);
  if (!ForgetFreedTheme(FFileTheme, AComponent, Operation)) return;
  ContainerApplyUIStyle(*this, TskUIStyle::DeepBlue, nullptr);
  SetUIStyle(TskUIStyle::DeepBlue);
}

}  // namespace zorbit
