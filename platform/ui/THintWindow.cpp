#include "platform/ui/THintWindow.h"

#include <algorithm>

#include "platform/gdi/DCStateSaver.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/TCanvas.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/TScreen.h"
#include "platform/win/WindowDC.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"

namespace plat {

namespace {

constexpr int kTextMargin = 2;

}  // namespace

String GetShortHint(const String& Hint) {
  const auto bar = Hint.find('|');
  return bar == String::npos ? Hint : Hint.substr(0, bar);
}

String GetLongHint(const String& Hint) {
  const auto bar = Hint.find('|');
  return bar == String::npos ? Hint : Hint.substr(bar + 1);
}

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  SetColor(clInfoBk);
  if (Screen) SetFont(Screen->HintFont());
  SetVisible(false);
}

void THintWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP | WS_BORDER;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  Params.WndParent = nullptr;
}

TRect THintWindow::CalcHintRect(int MaxWidth, const String& AHint) {
  TRect r{0, 0, std::max(MaxWidth, 1), 0};
  const HDC dc = GetDC(nullptr);
  {
    const ScopeExit released([dc] { ReleaseDC(nullptr, dc); });
    const DCStateSaver saved(dc);
    SelectObject(dc, Font()->Handle());
    DrawTextA(dc, AHint.c_str(), static_cast<int>(AHint.size()), &r,
              DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  }
  // Room for the border and a margin on each side.
  r.Right += 2 * (kTextMargin + 1) + 2;
  r.Bottom += 2 * (kTextMargin + 1);
  return r;
}

void THintWindow::ActivateHint(TRect Rect, const String& AHint) {
  SetCaption(AHint);
  // Kept on the screen.
  if (Screen) {
    const int right = Screen->Width(), bottom = Screen->Height();
    if (Rect.Right > right) Rect = Rect.Translated(right - Rect.Right, 0);
    if (Rect.Bottom > bottom) Rect = Rect.Translated(0, bottom - Rect.Bottom);
    if (Rect.Left < 0) Rect = Rect.Translated(-Rect.Left, 0);
    if (Rect.Top < 0) Rect = Rect.Translated(0, -Rect.Top);
  }
  SetBoundsRect(Rect);
  SetWindowPos(Handle(), HWND_TOPMOST, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  Invalidate();
}

void THintWindow::ReleaseHandle() {
  if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
}

bool THintWindow::IsShowing() { return HandleAllocated() && IsWindowVisible(Handle()); }

void THintWindow::Paint() {
  TRect r = ClientRect().Inflated(-kTextMargin, -kTextMargin);
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(ClientRect());
  const HDC dc = Canvas()->Handle();
  SelectObject(dc, Font()->Handle());
  SetTextColor(dc, ColorToColorRef(Font()->Color()));
  SetBkMode(dc, TRANSPARENT);
  const String text = Caption();
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

void THintWindow::WndProc(TMessage& Message) {
  // The hint lets the mouse through to what lies under it.
  if (Message.Msg == WM_NCHITTEST) {
    Message.Result = HTTRANSPARENT;
    return;
  }
  TCustomControl::WndProc(Message);
}

}  // namespace plat
