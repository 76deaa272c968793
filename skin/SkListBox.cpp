#include "skin/SkListBox.h"

#include <algorithm>

#include "platform/gdi/DrawText.h"
#include "platform/gdi/TCanvas.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/ControlPaint.h"
#include "platform/ui/FontMeasure.h"
#include "platform/ui/TControlCanvas.h"
#include "platform/win/Messages.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/WindowStyles.h"
#include "skin/SkScrollBar.h"
#include "skin/SkinCanvas.h"
#include "skin/SkinGeometry.h"
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

TskListBox::~TskListBox() { ReleaseScrollBar(); }

void TskListBox::SetFileTheme(TskFileTheme* Value) {
  LinkFileTheme(*this, FFileTheme, Value);
  if (FVScrollBar) FVScrollBar->SetFileTheme(Value);
  SetUIStyle(FUIStyle);
}

void TskListBox::SetUIStyle(TskUIStyle Value) {
  FUIStyle = Value;
  FBorderColor = SkinColor(FFileTheme, Value, element::ControlBorderColor);
  if (FVScrollBar) FVScrollBar->SetUIStyle(ResolvedUIStyle(FFileTheme, Value));
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

// The scroll bar.

void TskListBox::SetVScrollBar(TskScrollBar* Value) {
  if (FVScrollBar == Value) return;
  ReleaseScrollBar();
  FVScrollBar = Value;
  if (!Value) return;
  FreeNotification(Value);
  Value->SetOrientation(TskProgressBarOrientation::skVertical);
  Value->OnChange = [this](plat::TObject*) { ScrollBarChanged(); };
  Value->BringToFront();
  PlaceScrollBar();
}

void TskListBox::ReleaseScrollBar() {
  TskScrollBar* old = FVScrollBar;
  if (!old) return;
  FVScrollBar = nullptr;
  RemoveFreeNotification(old);
  old->OnChange = nullptr;
  old->SetLineButton(0);
  old->SetMax(100);
  old->SetEnabled(true);
}

void TskListBox::PlaceScrollBar() {
  if (!FVScrollBar) return;
  const int barWidth = FVScrollBar->Width();
  const int left = Width() < barWidth ? Left() : Left() + Width() - barWidth - 2;
  FVScrollBar->SetBounds(left, Top() + 1, barWidth, Height() - 2);
  SyncScrollBar();
}

void TskListBox::SyncScrollBar() {
  if (!FVScrollBar || !HandleAllocated()) return;
  FUpdatingBar = true;
  const plat::ScopeExit done([this] { FUpdatingBar = false; });
  TskScrollBar& bar = *FVScrollBar;
  plat::SCROLLBARINFO info;
  const bool known = SafeGetScrollBarInfo(Handle(), plat::OBJID_VSCROLL, &info);
  const plat::DWORD gone = plat::STATE_SYSTEM_INVISIBLE | plat::STATE_SYSTEM_UNAVAILABLE;
  if (!known || (info.rgstate[0] & gone) != 0) {
    bar.SetLineButton(0);
    bar.SetEnabled(false);
    bar.SetVisible(false);
  } else if (Enabled()) {
    bar.SetLineButton(info.xyThumbBottom - info.xyThumbTop);
    bar.SetEnabled(true);
    bar.SetVisible(true);
  } else {
    bar.SetEnabled(false);
  }
  plat::SCROLLINFO range;
  range.fMask = plat::SIF_RANGE | plat::SIF_PAGE | plat::SIF_POS;
  if (!plat::GetScrollInfo(Handle(), plat::SB_VERT, &range)) return;
  bar.SetMax(range.nMax - static_cast<int>(range.nPage) + 1);
  bar.SetMin(range.nMin);
  bar.SetPosition(range.nPos);
}

void TskListBox::ScrollBarChanged() {
  if (FUpdatingBar || !FVScrollBar || !HandleAllocated()) return;
  const auto position = static_cast<plat::WPARAM>(FVScrollBar->Position());
  Perform(plat::WM_VSCROLL, plat::MAKEWPARAM(plat::SB_THUMBPOSITION, position), 0);
  SyncScrollBar();
}

void TskListBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  plat::TCustomListBox::SetBounds(ALeft, ATop, AWidth, AHeight);
  PlaceScrollBar();
}

bool TskListBox::MovesScrollBar(const plat::TMessage& Message) const {
  switch (Message.Msg) {
    case plat::LB_ADDSTRING:
    case plat::LB_INSERTSTRING:
    case plat::LB_DELETESTRING:
    case plat::LB_RESETCONTENT:
    case plat::LB_SETTOPINDEX:
    case plat::LB_SETCARETINDEX:
    case plat::LB_SETCURSEL:
    case plat::LB_SETITEMHEIGHT:
    case plat::WM_HSCROLL:
    case plat::WM_VSCROLL:
    case plat::WM_KEYDOWN:
    case plat::WM_CHAR:
    case plat::WM_MOUSEWHEEL:
    case plat::WM_LBUTTONDOWN:
    case plat::WM_SIZE:
    case plat::CM_ENABLEDCHANGED: return true;
    case plat::WM_MOUSEMOVE: return FLeftDown;
    default: return false;
  }
}

void TskListBox::WndProc(plat::TMessage& Message) {
  switch (Message.Msg) {
    case plat::CN_DRAWITEM: DrawOwnerItem(Message); return;
    case plat::WM_LBUTTONDOWN: FLeftDown = true; break;
    case plat::WM_LBUTTONUP: FLeftDown = false; break;
    default: break;
  }
  plat::TCustomListBox::WndProc(Message);
  if (MovesScrollBar(Message)) SyncScrollBar();
  switch (Message.Msg) {
    case plat::WM_PAINT:
    case plat::WM_ERASEBKGND:
      if (HandleAllocated()) DrawControlBorder(*this, FBorderColor, Color(), true);
      break;
    case plat::CM_VISIBLECHANGED:
      if (!FVScrollBar) break;
      if (Visible()) {
        PlaceScrollBar();
      } else {
        FVScrollBar->SetVisible(false);
      }
      break;
    default: break;
  }
}

void TskListBox::Notification(plat::TComponent* AComponent, plat::TOperation Operation) {
  plat::TCustomListBox::Notification(AComponent, Operation);
  if (Operation == plat::TOperation::opRemove && AComponent == FVScrollBar) FVScrollBar = nullptr;
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
