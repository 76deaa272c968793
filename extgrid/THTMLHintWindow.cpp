#include "extgrid/THTMLHintWindow.h"

#include <algorithm>

#include "grid/HtmlRenderer.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/os/OsVersion.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/TScreen.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"

namespace zorbit {

namespace {

// The text stands this far in from the left and right edges.
constexpr int kTextInset = 4;
// The room the window adds around its text.
constexpr int kExtraWidth = 16;
constexpr int kExtraHeight = 4;
// A hint pushed back onto the screen keeps this gap to its edge.
constexpr int kScreenGap = 2;

bool HasDropShadows() {
  plat::OSVERSIONINFO version;
  return plat::GetVersionEx(&version) &&
         (version.dwMajorVersion > 5 || (version.dwMajorVersion == 5 && version.dwMinorVersion >= 1));
}

}  // namespace

THTMLHintWindow::THTMLHintWindow(plat::TComponent* AOwner) : plat::THintWindow(AOwner) {}

void THTMLHintWindow::CreateParams(plat::TCreateParams& Params) {
  plat::THintWindow::CreateParams(Params);
  Params.Style &= ~plat::WS_BORDER;
  if (HasDropShadows()) Params.ClassStyle |= plat::CS_DROPSHADOW;
}

plat::TPoint THTMLHintWindow::MeasureHtml(const plat::String& Html, int MaxWidth) {
  // Measuring draws nothing: a bitmap's canvas has the same font metrics.
  plat::TBitmap scratch;
  scratch.SetSize(1, 1);
  plat::TCanvas& canvas = *scratch.Canvas();
  canvas.SetFont(*Font());
  THtmlRenderOptions options;
  options.CheckOnly = true;
  THtmlRenderResult result;
  RenderHtml(canvas, Html, {0, 0, std::max(MaxWidth, 1), 4096}, options, result);
  return {result.XSize, result.YSize};
}

plat::TRect THTMLHintWindow::CalcHintRect(int MaxWidth, const plat::String& AHint) {
  const plat::TPoint size = MeasureHtml(AHint, MaxWidth);
  return {0, 0, size.X, size.Y};
}

void THTMLHintWindow::ActivateHint(plat::TRect Rect, const plat::String& AHint) {
  SetCaption(AHint);
  const plat::TPoint size = MeasureHtml(AHint, MaxTextWidth);
  FTextWidth = size.X;
  FTextHeight = size.Y;
  Rect.Right = Rect.Left + FTextWidth + kExtraWidth;
  Rect.Bottom = Rect.Top + FTextHeight + kExtraHeight;
  if (plat::Screen) {
    const int screenWidth = plat::Screen->Width();
    const int screenHeight = plat::Screen->Height();
    if (Rect.Right > screenWidth && Rect.Width() + kScreenGap <= screenWidth)
      Rect = Rect.Translated(screenWidth - kScreenGap - Rect.Right, 0);
    if (Rect.Bottom > screenHeight && Rect.Height() + kScreenGap <= screenHeight)
      Rect = Rect.Translated(0, screenHeight - kScreenGap - Rect.Bottom);
  }
  SetBoundsRect(Rect);
  plat::SetWindowPos(Handle(), plat::HWND_TOPMOST, Rect.Left, Rect.Top, 0, 0,
                     plat::SWP_SHOWWINDOW | plat::SWP_NOACTIVATE | plat::SWP_NOSIZE);
  Invalidate();
}

void THTMLHintWindow::Paint() {
  plat::TCanvas& canvas = *Canvas();
  const plat::TRect client = ClientRect();
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(client);
  canvas.Pen()->SetColor(plat::cl3DLight);
  canvas.MoveTo(client.Left, client.Bottom - 1);
  canvas.LineTo(client.Left, client.Top);
  canvas.LineTo(client.Right - 1, client.Top);
  canvas.Pen()->SetColor(plat::cl3DDkShadow);
  canvas.LineTo(client.Right - 1, client.Bottom - 1);
  canvas.LineTo(client.Left, client.Bottom - 1);
  canvas.SetFont(*Font());
  const plat::String text = Caption();
  const plat::TPoint size = MeasureHtml(text, client.Width() - 2 * kTextInset);
  const int top = client.Top + std::max(0, (client.Height() - size.Y) / 2);
  THtmlRenderOptions options;
  THtmlRenderResult result;
  RenderHtml(canvas, text, {client.Left + kTextInset, top, client.Right - kTextInset, client.Bottom}, options, result);
}

void THTMLHintWindow::WndProc(plat::TMessage& Message) {
  plat::THintWindow::WndProc(Message);
  if (Message.Msg == plat::CM_TEXTCHANGED) Invalidate();
}

}  // namespace zorbit
