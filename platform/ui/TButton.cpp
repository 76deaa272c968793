#include "platform/ui/TButton.h"

#include "platform/gdi/Brush.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/StandardLooks.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/Accelerators.h"
#include "platform/ui/ControlPaint.h"
#include "platform/win/MessageViews.h"
#include "platform/win/VirtualKeys.h"

namespace plat {

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner) { SetBounds(Left(), Top(), 75, 25); }

void TButton::SetDefault(bool Value) {
  if (FDefault == Value) return;
  FDefault = Value;
  Invalidate();
}

void TButton::Click() {
  if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
  TButtonControl::Click();
}

bool TButton::IsActiveDefault() {
  TCustomForm* form = GetParentForm(this);
  TWinControl* focused = form ? form->ActiveControl() : nullptr;
  if (dynamic_cast<TButton*>(focused)) return focused == this;
  return FDefault;
}

void TButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DIALOGKEY:
      if (((Message.WParam == VK_RETURN && IsActiveDefault()) || (Message.WParam == VK_ESCAPE && FCancel)) &&
          ShiftStateOf(TKeyMessage::From(Message)).Empty() && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
      }
      break;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<char32_t>(Message.WParam), Caption()) && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
      }
      break;
    case WM_GETDLGCODE:
      Message.Result = DLGC_BUTTON | (IsActiveDefault() ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
      return;
    case CM_FOCUSCHANGED: Invalidate(); break;
    default: break;
  }
  TButtonControl::WndProc(Message);
}

void TButton::Paint() {
  TCanvas& canvas = *Canvas();
  const HDC dc = canvas.Handle();
  TRect rect = ClientRect();
  // The button Enter presses carries a dark outline.
  if (IsActiveDefault() || Focused()) {
    FrameRect(dc, &rect, GetSysColorBrush(COLOR_WINDOWFRAME));
    rect = rect.Inflated(-1, -1);
  }
  const bool pressed = Pressed();
  DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));

  canvas.SetFont(*Font());
  TRect text = ClientRect();
  if (pressed) text = text.Translated(1, 1);
  const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (Enabled()) {
    DrawCanvasText(canvas, Caption(), text, format);
  } else {
    // Etched: a highlight one pixel down and right under the grey text.
    TRect lower = text.Translated(1, 1);
    canvas.Font()->SetColor(clBtnHighlight);
    DrawCanvasText(canvas, Caption(), lower, format);
    canvas.Font()->SetColor(clGrayText);
    DrawCanvasText(canvas, Caption(), text, format);
  }
  if (Focused()) {
    const TRect focus = rect.Inflated(-3, -3);
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace plat
