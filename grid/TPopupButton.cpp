#include "grid/TPopupButton.h"

#include "grid/ExtUtilDrawing.h"
#include "grid/HtmlRenderer.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TextConstants.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/ControlPaint.h"
#include "platform/ui/TImageList.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"

namespace zorbit {

TPopupButton::TPopupButton(plat::TComponent* AGrid) : plat::TCustomControl(AGrid) { SetColor(plat::clBtnFace); }

void TPopupButton::SetFlat(bool Value) {
  FFlat = Value;
  Invalidate();
}

void TPopupButton::SetGradFrom(plat::TColor Value) {
  FGradFrom = Value;
  Invalidate();
}

void TPopupButton::SetGradTo(plat::TColor Value) {
  FGradTo = Value;
  Invalidate();
}

void TPopupButton::SetImages(plat::TImageList* Value) {
  FImages = Value;
  Invalidate();
}

void TPopupButton::CreateParams(plat::TCreateParams& Params) {
  plat::TCustomControl::CreateParams(Params);
  Params.Style = plat::WS_POPUP | plat::WS_DISABLED | plat::WS_BORDER;
  Params.ClassStyle |= plat::CS_SAVEBITS;
}

void TPopupButton::CreateWnd() {
  plat::TCustomControl::CreateWnd();
  plat::SetWindowPos(Handle(), plat::HWND_TOPMOST, 0, 0, 0, 0,
                     plat::SWP_NOMOVE | plat::SWP_NOSIZE | plat::SWP_NOACTIVATE);
}

void TPopupButton::WndProc(plat::TMessage& Message) {
  plat::TCustomControl::WndProc(Message);
  if (Message.Msg == plat::CM_TEXTCHANGED) Invalidate();
}

void TPopupButton::Paint() {
  plat::TCanvas& canvas = *Canvas();
  plat::TRect rect = ClientRect();
  if (!FFlat) plat::Frame3D(canvas, rect, plat::clWhite, static_cast<plat::TColor>(0x808080), 1);
  if (FGradFrom != plat::clNone) FillGradientRect(canvas, FGradFrom, FGradTo, false, rect, 64);
  canvas.SetFont(*Font());
  canvas.Brush()->SetStyle(plat::TBrushStyle::bsClear);
  const plat::String caption = Caption();
  if (caption.find("</") == plat::String::npos) {
    plat::DrawCanvasText(canvas, caption, rect,
                         plat::DT_CENTER | plat::DT_VCENTER | plat::DT_SINGLELINE | plat::DT_END_ELLIPSIS);
    return;
  }
  THtmlRenderOptions options;
  options.Images = FImages;
  options.ShadowColor = static_cast<plat::TColor>(0x808080);
  options.HoverColor = plat::clNone;
  options.HoverFontColor = plat::clNone;
  options.URLColor = static_cast<plat::TColor>(0xFF0000);
  options.ScaleFactor = 1.0;
  THtmlRenderResult result;
  RenderHtml(canvas, caption, rect, options, result);
}

}  // namespace zorbit
