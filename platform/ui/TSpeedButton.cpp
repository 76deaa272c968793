#include "platform/ui/TSpeedButton.h"

#include <algorithm>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/StandardLooks.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/ControlPaint.h"
#include "platform/ui/TWinControl.h"

namespace plat {

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner), FGlyph(std::make_unique<TBitmap>()) {
  SetControlStyle({TControlStyleItem::csCaptureMouse, TControlStyleItem::csDoubleClicks});
  SetBounds(Left(), Top(), 23, 22);
  FGlyph->OnChange = [this](TObject*) { Invalidate(); };
}

TSpeedButton::~TSpeedButton() { FGlyph->OnChange = nullptr; }

// Properties.

void TSpeedButton::SetAllowAllUp(bool Value) {
  if (FAllowAllUp == Value) return;
  FAllowAllUp = Value;
  if (FGroupIndex != 0 && Parent()) {
    TMessage message{CM_BUTTONPRESSED, static_cast<WPARAM>(FGroupIndex),
                     reinterpret_cast<LPARAM>(static_cast<TControl*>(this)), 0};
    Parent()->Broadcast(message);
  }
}

void TSpeedButton::SetDown(bool Value) {
  if (FGroupIndex == 0) Value = false;
  if (FDown == Value) return;
  if (FDown && !FAllowAllUp) return;
  FDown = Value;
  FState = Value ? TButtonState::bsExclusive : TButtonState::bsUp;
  Invalidate();
  if (Value && Parent()) {
    // The rest of the group comes up.
    TMessage message{CM_BUTTONPRESSED, static_cast<WPARAM>(FGroupIndex),
                     reinterpret_cast<LPARAM>(static_cast<TControl*>(this)), 0};
    Parent()->Broadcast(message);
  }
}

void TSpeedButton::SetFlat(bool Value) {
  if (FFlat == Value) return;
  FFlat = Value;
  Invalidate();
}

void TSpeedButton::SetGlyph(const TBitmap* Value) {
  if (Value) {
    FGlyph->Assign(*Value);
  } else {
    FGlyph->SetSize(0, 0);
  }
  Invalidate();
}

void TSpeedButton::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  Invalidate();
}

void TSpeedButton::SetGroupIndex(int Value) {
  if (FGroupIndex == Value) return;
  FGroupIndex = Value;
  if (FGroupIndex == 0 && FDown) {
    FDown = false;
    FState = TButtonState::bsUp;
    Invalidate();
  }
}

void TSpeedButton::SetLayout(TButtonLayout Value) {
  if (FLayout == Value) return;
  FLayout = Value;
  Invalidate();
}

void TSpeedButton::SetMargin(int Value) {
  Value = std::max(Value, -1);
  if (FMargin == Value) return;
  FMargin = Value;
  Invalidate();
}

void TSpeedButton::SetNumGlyphs(int Value) {
  Value = std::clamp(Value, 1, 4);
  if (FNumGlyphs == Value) return;
  FNumGlyphs = Value;
  Invalidate();
}

void TSpeedButton::SetSpacing(int Value) {
  Value = std::max(Value, -1);
  if (FSpacing == Value) return;
  FSpacing = Value;
  Invalidate();
}

// The mouse.

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != TMouseButton::mbLeft || !Enabled()) return;
  if (!FDown) {
    FState = TButtonState::bsDown;
    Invalidate();
  }
  FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!FDragging) return;
  const bool inside = ClientRect().Contains(TPoint{X, Y});
  const TButtonState state = FDown ? TButtonState::bsExclusive : (inside ? TButtonState::bsDown : TButtonState::bsUp);
  if (state != FState) {
    FState = state;
    Invalidate();
  }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!FDragging || Button != TMouseButton::mbLeft) return;
  FDragging = false;
  const bool click = ClientRect().Contains(TPoint{X, Y});
  if (FGroupIndex == 0) {
    FState = TButtonState::bsUp;
    Invalidate();
  } else if (click) {
    SetDown(!FDown);
    // A group's down button without AllowAllUp stays down.
    FState = FDown ? TButtonState::bsExclusive : TButtonState::bsUp;
    Invalidate();
  } else {
    FState = FDown ? TButtonState::bsExclusive : TButtonState::bsUp;
    Invalidate();
  }
  if (click) Click();
}

void TSpeedButton::ButtonPressed(TSpeedButton* Sender) {
  if (Sender == this) return;
  if (Sender->Down() && FDown) {
    FDown = false;
    FState = TButtonState::bsUp;
    Invalidate();
  }
  FAllowAllUp = Sender->AllowAllUp();
}

void TSpeedButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_BUTTONPRESSED:
      // Other kinds of button may share the group index; they are not ours.
      if (static_cast<int>(Message.WParam) == FGroupIndex && FGroupIndex != 0) {
        if (auto* sender = dynamic_cast<TSpeedButton*>(reinterpret_cast<TControl*>(Message.LParam)))
          ButtonPressed(sender);
      }
      return;
    case CM_DIALOGCHAR:
      if (IsDialogCharFor(Message)) {
        Click();
        Message.Result = 1;
        return;
      }
      break;
    default: break;
  }
  TGraphicControl::WndProc(Message);
  switch (Message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      FMouseInControl = Message.Msg == CM_MOUSEENTER;
      if (FFlat && Enabled()) Invalidate();
      break;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED: Invalidate(); break;
    default: break;
  }
}

// Painting.

void TSpeedButton::DrawGlyph(TPoint At, int Frame, bool Greyed) {
  const int width = FGlyph->Width() / FNumGlyphs;
  const int height = FGlyph->Height();
  const COLORREF clear = ColorToColorRef(FGlyph->TransparentColor());
  const Bitmap* image = FGlyph->Image();
  if (!image) return;
  TCanvas& canvas = *Canvas();
  for (int y = 0; y < height; ++y) {
    const TPixel* row = image->Row(y);
    for (int x = 0; x < width; ++x) {
      const COLORREF pixel = ColorRefFromPixel(row[Frame * width + x]) & 0xFFFFFF;
      if (pixel == clear) continue;
      if (Greyed) {
        // Embossed: a highlight below and right of a shadow.
        canvas.SetPixels(At.X + x + 1, At.Y + y + 1, clBtnHighlight);
        canvas.SetPixels(At.X + x, At.Y + y, clBtnShadow);
      } else {
        canvas.SetPixels(At.X + x, At.Y + y, static_cast<TColor>(pixel));
      }
    }
  }
}

void TSpeedButton::Paint() {
  TCanvas& canvas = *Canvas();
  const HDC dc = canvas.Handle();
  TRect rect = ClientRect();
  const TButtonState state = Enabled() ? FState : TButtonState::bsDisabled;
  const bool pushed = state == TButtonState::bsDown || state == TButtonState::bsExclusive;
  if (FFlat && !FTransparent) {
    canvas.Brush()->SetColor(Color());
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.FillRect(rect);
  }
  if (!FFlat) {
    DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  } else if (pushed || (FMouseInControl && Enabled())) {
    DrawEdge(dc, &rect, pushed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  }
  if (state == TButtonState::bsExclusive) {
    // A down button that is not held shows a lighter face.
    const TRect face = ClientRect().Inflated(-2, -2);
    canvas.Brush()->SetColor(clBtnHighlight);
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.FillRect(face);
  }

  TSize glyphSize{0, 0};
  if (!FGlyph->Empty()) glyphSize = {FGlyph->Width() / FNumGlyphs, FGlyph->Height()};
  canvas.SetFont(*Font());
  const String caption = Caption();
  TRect measured{0, 0, ClientWidth(), 0};
  if (!caption.empty()) DrawCanvasText(canvas, caption, measured, DT_SINGLELINE | DT_CALCRECT);
  const TButtonContentPlace place = LayoutButtonContent(
      ClientRect(), glyphSize, caption.empty() ? TSize{0, 0} : TSize{measured.Width(), measured.Height()}, FLayout,
      FMargin, FSpacing);
  TPoint glyphAt = place.GlyphPos;
  TRect textRect = place.TextRect;
  if (pushed) {
    glyphAt = glyphAt + TPoint{1, 1};
    textRect = textRect.Translated(1, 1);
  }
  if (!FGlyph->Empty()) {
    // Frames: up, disabled, pressed, down; a missing one is the first.
    const int wanted = static_cast<int>(state);
    const int frame = wanted < FNumGlyphs ? wanted : 0;
    DrawGlyph(glyphAt, frame, state == TButtonState::bsDisabled && frame == 0);
  }
  if (caption.empty()) return;
  const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (state == TButtonState::bsDisabled) {
    TRect lower = textRect.Translated(1, 1);
    canvas.Font()->SetColor(clBtnHighlight);
    DrawCanvasText(canvas, caption, lower, format);
    canvas.Font()->SetColor(clBtnShadow);
  }
  DrawCanvasText(canvas, caption, textRect, format);
}

}  // namespace plat
