#include "platform/ui/TButtonControl.h"

#include <algorithm>

#include "platform/gdi/DrawText.h"
#include "platform/gdi/StandardLooks.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/ControlPaint.h"
#include "platform/win/MessageViews.h"
#include "platform/win/VirtualKeys.h"

namespace plat {

namespace {

// The size of a check box's box and of a radio button's circle.
constexpr int BoxSize = 13;
constexpr int BoxGap = 4;

}  // namespace

TButtonControl::TButtonControl(TComponent* AOwner) : TCustomControl(AOwner) {
  // Presses are counted here, not by the class library's click detection;
  // a quick second click is a second press.
  SetControlStyle({TControlStyleItem::csCaptureMouse, TControlStyleItem::csSetCaption});
  SetTabStop(true);
}

bool TButtonControl::ClicksDisabled() const {
  // A layout being read sets states without raising events.
  return FClicksDisabled || ComponentState().Contains(TComponentStateItem::csLoading);
}

void TButtonControl::SetPressedState(bool MouseDown, bool MouseInside, bool SpaceDown) {
  const bool was = Pressed();
  FMouseDown = MouseDown;
  FMouseInside = MouseInside;
  FSpaceDown = SpaceDown;
  if (Pressed() != was) Invalidate();
}

void TButtonControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      TCustomControl::WndProc(Message);
      if (Enabled()) SetPressedState(true, true, FSpaceDown);
      return;
    case WM_MOUSEMOVE:
      TCustomControl::WndProc(Message);
      if (FMouseDown) SetPressedState(true, ClientRect().Contains(TMouseMessage::From(Message).Pos), FSpaceDown);
      return;
    case WM_LBUTTONUP: {
      const bool press = FMouseDown && ClientRect().Contains(TMouseMessage::From(Message).Pos);
      SetPressedState(false, false, FSpaceDown);
      TCustomControl::WndProc(Message);
      if (press) UserClick();
      return;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (Message.Msg == WM_KILLFOCUS) SetPressedState(false, false, false);
      TCustomControl::WndProc(Message);
      Invalidate();
      return;
    default: break;
  }
  TCustomControl::WndProc(Message);
  if (Message.Msg == CM_TEXTCHANGED || Message.Msg == CM_FONTCHANGED || Message.Msg == CM_ENABLEDCHANGED) {
    Invalidate();
  }
}

void TButtonControl::DefaultHandler(TMessage& Message) {
  // Space reaches here when no key event took it.
  if (Message.WParam == VK_SPACE && (Message.Msg == WM_KEYDOWN || Message.Msg == WM_KEYUP)) {
    if (Message.Msg == WM_KEYDOWN) {
      if (Enabled()) SetPressedState(FMouseDown, FMouseInside, true);
    } else if (FSpaceDown) {
      SetPressedState(FMouseDown, FMouseInside, false);
      UserClick();
    }
    return;
  }
  TCustomControl::DefaultHandler(Message);
}

void TButtonControl::PaintCheckControl(UINT BoxState) {
  TCanvas& canvas = *Canvas();
  const TRect client = ClientRect();
  canvas.Brush()->SetColor(Color());
  canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
  canvas.FillRect(client);
  const int top = (client.Height() - BoxSize) / 2;
  TRect box{0, top, BoxSize, top + BoxSize};
  if (Pressed()) BoxState |= DFCS_PUSHED;
  if (!Enabled()) BoxState |= DFCS_INACTIVE;
  DrawFrameControl(canvas.Handle(), &box, DFC_BUTTON, BoxState);

  const String caption = Caption();
  canvas.SetFont(*Font());
  if (!Enabled()) canvas.Font()->SetColor(clGrayText);
  TRect text{BoxSize + BoxGap, client.Top, client.Right, client.Bottom};
  DrawCanvasText(canvas, caption, text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  if (Focused() && !caption.empty()) {
    TRect extent = text;
    DrawCanvasText(canvas, caption, extent, DT_SINGLELINE | DT_CALCRECT);
    const int height = extent.Height();
    const int y = (client.Height() - height) / 2;
    const TRect focus{text.Left - 1, y - 1, std::min(text.Left + extent.Width() + 1, client.Right), y + height + 1};
    DrawFocusRect(canvas.Handle(), &focus);
  }
}

}  // namespace plat
