#include "skin/SkListBox.h"

#include <algorithm>

#include "platform/gdi/DrawText.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/ControlPaint.h"
#include "platform/ui/FontMeasure.h"
#include "platform/ui/TControlCanvas.h"
#include "platform/win/Messages.h"
#include "skin/SkinCanvas.h"
#include "skin/ThemeChoice.h"
#include "skin/ThemeValues.h"

namespace zorbit {

namespace {

constexpr plat::UINT kAlignmentFormat[] = {plat::DT_LEFT, plat::DT_RIGHT, plat::DT_CENTER};

}  // namespace

TskListBox::TskListBox(plat::TComponent* AOwner) : plat::TCustomListBox(AOwner) {
  auto style = ControlStyle();
  style.Include(plat::TControlStyleItem::csOpaque);
  SetControlStyle(style);
  SetBorderStyle(plat::TBorderStyle::bsNone);
  SetBorderWidth(2);
  SetStyle(plat::TListBoxStyle::lbOwnerDrawFixed);
  SetUIStyle(GetOwnerFormUIStyle(AOwner));
}

TskListBox::~TskListBox() = default;

void TskListBox::SetFileTheme(TskFileTheme* Value) {
  LinkFileTheme(*this, FFileTheme, Value);
  SetUIStyle(FUIStyle);
}

void TskListBox::SetUIStyle(TskUIStyle Value) {
  FUIStyle = Value;
  FBorderColor = SkinColor(FFileTheme, Value, element::ControlBorderColor);
  Invalidate();
}

void TskListBox::SetBorderColor(plat::TColor Value) {
  FBorderColor = Value;
  Invalidate();
}

void TskListBox::SetAlignment(plat::TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Invalidate();
}

void TskListBox::SetSelectedColor(plat::TColor Value) {
  if (FSelectedColor == Value) return;
  FSelectedColor = Value;
  Invalidate();
}

void TskListBox::SetSelectedTextColor(plat::TColor Value) {
  if (FSelectedTextColor == Value) return;
  FSelectedTextColor = Value;
  Invalidate();
}

void TskListBox::SetDisabledTextColor(plat::TColor Value) {
  if (FDisabledTextColor == Value) return;
  FDisabledTextColor = Value;
  Invalidate();
}

void TskListBox::SetShowFocusRect(bool Value) {
  if (FShowFocusRect == Value) return;
  FShowFocusRect = Value;
  if (Focused()) Invalidate();
}

void TskListBox::WndProc(plat::TMessage& Message) {
  if (Message.Msg == plat::CN_DRAWITEM) {
    DrawOwnerItem(Message);
    return;
  }
  plat::TCustomListBox::WndProc(Message);
  const bool painted = Message.Msg == plat::WM_PAINT || Message.Msg == plat::WM_ERASEBKGND;
  if (painted && HandleAllocated()) DrawControlBorder(*this, FBorderColor, Color(), true);
}

void TskListBox::Notification(plat::TComponent* AComponent, plat::TOperation Operation) {
  plat::TCustomListBox::Notification(AComponent, Operation);
  if (ForgetFreedTheme(FFileTheme, AComponent, Operation)) SetUIStyle(TskUIStyle::DeepBlue);
}

// Items.

void TskListBox::DrawOwnerItem(plat::TMessage& Message) {
  auto* item = reinterpret_cast<plat::DRAWITEMSTRUCT*>(Message.LParam);
  if (!item) return;
  const plat::TOwnerDrawState state = plat::OwnerDrawStateOf(item->itemState);
  const auto index = static_cast<int>(item->itemID);
  auto& canvas = static_cast<plat::TControlCanvas&>(*Canvas());
  const plat::TControlCanvasLock lock(canvas, item->hDC);
  canvas.SetFont(*Font());
  canvas.Brush()->SetColor(Color());
  canvas.Brush()->SetStyle(plat::TBrushStyle::bsSolid);
  using Item = plat::TOwnerDrawStateItem;
  if (state.Contains(Item::odSelected)) {
    canvas.Brush()->SetColor(FSelectedColor);
    canvas.Font()->SetColor(FSelectedTextColor);
  }
  if (!Enabled() || state.Contains(Item::odDisabled) || state.Contains(Item::odGrayed)) {
    canvas.Font()->SetColor(FDisabledTextColor);
  }
  if (index < 0) {
    canvas.FillRect(item->rcItem);
    if (state.Contains(Item::odFocused)) canvas.DrawFocusRect(item->rcItem);
  } else {
    DrawItem(index, item->rcItem, state);
  }
  Message.Result = plat::TRUE;
}

void TskListBox::DrawItem(int Index, plat::TRect Rect, plat::TOwnerDrawState State) {
  if (OnDrawItem) {
    OnDrawItem(this, Index, Rect, State);
    return;
  }
  DrawItemText(Index, Rect, State);
  if (FShowFocusRect && State.Contains(plat::TOwnerDrawStateItem::odFocused)) Canvas()->DrawFocusRect(Rect);
}

void TskListBox::DrawItemText(int Index, plat::TRect Rect, plat::TOwnerDrawState) {
  plat::TCanvas& canvas = *Canvas();
  canvas.FillRect(Rect);
  plat::TRect place = Rect;
  place.Left += 2;
  const plat::UINT format =
      plat::DT_SINGLELINE | plat::DT_VCENTER | plat::DT_NOPREFIX | kAlignmentFormat[static_cast<int>(FAlignment)];
  plat::DrawCanvasText(canvas, Items()->Strings(Index), place, format);
}

void TskListBox::MeasureItem(int Index, int& Height) {
  if (OnMeasureItem) {
    OnMeasureItem(this, Index, Height);
    return;
  }
  // One line of text is as high as the font, whatever the width (none
  // included).
  Height = std::min(plat::TFontMeasure(Font()).TextHeight(), 255);
}

}  // namespace zorbit
