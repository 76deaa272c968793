#include "skin/ImgBtn.h"

#include <algorithm>

#include "platform/gdi/TGraphic.h"
#include "platform/gdi/TextConstants.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/ControlPaint.h"
#include "platform/ui/TWinControl.h"
#include "skin/SkinCanvas.h"

namespace zorbit {

using plat::TCanvas;
using plat::TPicture;
using plat::TRect;

namespace {

constexpr plat::TColor kDisabledText = 0x808080;

bool Holds(const TPicture& Picture) { return Picture.Graphic() && !Picture.Graphic()->Empty(); }

// Characters, not bytes, of a UTF-8 text.
int CharacterCount(const plat::String& Text) {
  return static_cast<int>(std::count_if(Text.begin(), Text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// One colour channel moved Percent of the way toward Target.
int Blend(int Channel, int Target, int Percent) { return Channel + (Target - Channel) * Percent / 100; }

}  // namespace

TImgBtn::TImgBtn(plat::TComponent* AOwner)
    : TImage(AOwner),
      FPic(std::make_unique<TPicture>()),
      FPicUp(std::make_unique<TPicture>()),
      FPicDown(std::make_unique<TPicture>()),
      FFontHightlight(std::make_unique<plat::TFont>()),
      FFontDown(std::make_unique<plat::TFont>()) {
  SetControlStyle(ControlStyle() + plat::TControlStyle{plat::TControlStyleItem::csClickEvents});
  SetParentColor(false);
  SetColor(plat::clWindow);
  FFontHightlight->OnChange = [this](plat::TObject*) { Invalidate(); };
  FFontDown->OnChange = [this](plat::TObject*) { Invalidate(); };
}

TImgBtn::~TImgBtn() {
  FFontHightlight->OnChange = nullptr;
  FFontDown->OnChange = nullptr;
}

bool TImgBtn::Designing() const { return ComponentState().Contains(plat::TComponentStateItem::csDesigning); }

void TImgBtn::SetPic(const TPicture* Value) {
  FPic->SetGraphic(Value ? Value->Graphic() : nullptr);
  ShowPicture(*FPic);
}

void TImgBtn::SetFontHightlight(const plat::TFont* Value) {
  if (Value) FFontHightlight->Assign(*Value);
}

void TImgBtn::SetFontDown(const plat::TFont* Value) {
  if (Value) FFontDown->Assign(*Value);
}

void TImgBtn::SetDownColor(plat::TColor Value) {
  FDownColor = Value;
  Invalidate();
}

void TImgBtn::SetLayout(TGraphicLayout Value) {
  FLayout = Value;
  Invalidate();
}

void TImgBtn::SetAlignment(plat::TAlignment Value) {
  FAlignment = Value;
  Invalidate();
}

void TImgBtn::SetWordWrap(bool Value) {
  FWordWrap = Value;
  Invalidate();
}

void TImgBtn::SetIdentX(int Value) {
  FIdentX = Value;
  Invalidate();
}

void TImgBtn::SetIdentY(int Value) {
  FIdentY = Value;
  Invalidate();
}

void TImgBtn::SetAutoSize(bool Value) {
  TImage::SetAutoSize(Value);
  Invalidate();
}

void TImgBtn::SetFlat(bool Value) {
  FFlat = Value;
  Invalidate();
}

void TImgBtn::SetSemiPercent(int Value) {
  FSemiPercent = std::clamp(Value, 0, 100);
  Invalidate();
}

void TImgBtn::SetShowOver(bool Value) {
  FShowOver = Value;
  Invalidate();
}

// States.

void TImgBtn::ReleaseGroup() {
  plat::TWinControl* parent = Parent();
  if (!parent) return;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    auto* other = dynamic_cast<TImgBtn*>(parent->Controls(i));
    if (!other || other == this || other->FGroupID != FGroupID) continue;
    const bool changed = other->FDown;
    other->FDown = false;
    if (changed && !other->FStateless) other->ShowPicture(*other->FPicUp);
    other->Invalidate();
  }
}

void TImgBtn::CaptureParent() {
  plat::TWinControl* parent = Parent();
  if (!parent || Width() <= 0 || Height() <= 0) return;
  FParentCapture.SetSize(0, 0);
  FParentCapture.SetPixelFormat(plat::TPixelFormat::pf24bit);
  FParentCapture.SetSize(Width(), Height());
  FillRectColor(*FParentCapture.Canvas(), TRect{0, 0, Width(), Height()}, parent->Color());
  // The parent paints its own controls too: this one stays out of it.
  FCapturing = true;
  const plat::ScopeExit captured([this] { FCapturing = false; });
  DrawParentBackground(*FParentCapture.Canvas(), *this);
}

void TImgBtn::MouseEnter() {
  if (!Enabled()) return;
  if (FSemiPercent > 0) CaptureParent();
  FHovered = true;
  ShowPicture(FDown ? *FPicDown : *FPicUp);
}

void TImgBtn::MouseLeave() {
  if (!Enabled()) {
    FHovered = false;
    FDown = false;
    return;
  }
  FHovered = false;
  // A press dragged out restores its state before the picture is chosen.
  if (FDown && FMouseHeld) FDown = FSavedDown;
  if (FStateless || !FDown) ShowPicture(*FPic);
}

void TImgBtn::MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
  if (Button != plat::TMouseButton::mbLeft) {
    TImage::MouseDown(Button, Shift, X, Y);
    return;
  }
  FMouseHeld = true;
  if (!Enabled()) {
    FHovered = false;
    FDown = false;
    return;
  }
  FSavedDown = FDown;
  if (FStateless || !FDown) {
    FDown = true;
  } else if (FAllowAllUp) {
    FDown = false;
  }
  TImage::MouseDown(Button, Shift, X, Y);
  if (FDown && FGroupID == -1) ShowPicture(*FPicDown);
}

void TImgBtn::MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
  if (Button != plat::TMouseButton::mbLeft) {
    TImage::MouseUp(Button, Shift, X, Y);
    return;
  }
  FMouseHeld = false;
  if (!Enabled()) {
    FHovered = false;
    FDown = false;
    return;
  }
  if (FStateless) {
    FDown = false;
    if (FHovered) ShowPicture(*FPicUp);
  }
  if (FHovered) {
    if (FDown) {
      ShowPicture(*FPicDown);
      ReleaseGroup();
    } else {
      ShowPicture(*FPicUp);
    }
  }
  Invalidate();
  TImage::MouseUp(Button, Shift, X, Y);
}

void TImgBtn::Click() {
  // The press already changed the state: a click toggles from before it.
  const bool wasDown = FMouseHeld ? FSavedDown : FDown;
  if (FStateless || !wasDown) {
    FDown = true;
  } else if (FAllowAllUp) {
    FDown = false;
  }
  if (FDown) {
    ShowPicture(*FPicDown);
    if (FGroupID >= 0) ReleaseGroup();
  } else {
    ShowPicture(*FPicUp);
  }
  TImage::Click();
}

void TImgBtn::WndProc(plat::TMessage& Message) {
  if (!Designing()) {
    if (Message.Msg == plat::CM_MOUSEENTER) MouseEnter();
    if (Message.Msg == plat::CM_MOUSELEAVE) MouseLeave();
  }
  TImage::WndProc(Message);
  if (Message.Msg == plat::CM_TEXTCHANGED) Invalidate();
}

// Painting.

void TImgBtn::FillPictures() {
  if (!Holds(*FPic) && Holds(*FPicUp)) FPic->Assign(*FPicUp);
  if (!Holds(*FPicUp) && Holds(*FPic)) FPicUp->Assign(*FPic);
  if (!Holds(*Picture()) && Holds(*FPic)) ShowPicture(*FPic);
}

void TImgBtn::UpdateAutoSize(int PictureWidth, int PictureHeight, int LineHeight, int TextWidth) {
  if (!AutoSize()) return;
  const int layout = static_cast<int>(FLayout);
  const bool centreRow = layout / 3 == 1;
  const bool centreColumn = layout % 3 == 1;
  const int height = centreRow ? std::max(PictureHeight, LineHeight) : PictureHeight + LineHeight + FIdentY;
  const int width = centreColumn ? std::max(PictureWidth, TextWidth) : PictureWidth + TextWidth + FIdentX;
  SetBounds(Left(), Top(), width, height);
}

void TImgBtn::PaintBackground(TCanvas& Canvas) {
  const int w = Width();
  const int h = Height();
  const bool captured = FParentCapture.Width() == w && FParentCapture.Height() == h;
  if (FSemiPercent == 0 || !captured) {
    FillRectColor(Canvas, TRect{0, 0, w, h}, Color());
    return;
  }
  const plat::COLORREF base = plat::ColorToColorRef(FDown ? FDownColor : Color());
  plat::TBitmap blend;
  blend.SetPixelFormat(plat::TPixelFormat::pf24bit);
  blend.SetSize(w, h);
  TCanvas& capture = *FParentCapture.Canvas();
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const auto under = static_cast<plat::COLORREF>(capture.Pixels(x, y));
      plat::COLORREF mixed = 0;
      for (int shift = 0; shift <= 16; shift += 8) {
        const int channel = Blend(static_cast<int>((base >> shift) & 0xFF), static_cast<int>((under >> shift) & 0xFF),
                                  FSemiPercent);
        mixed |= static_cast<plat::COLORREF>(channel) << shift;
      }
      blend.Canvas()->SetPixels(x, y, static_cast<plat::TColor>(mixed));
    }
  }
  Canvas.Draw(0, 0, &blend);
}

void TImgBtn::PaintCaption(TCanvas& Canvas, TRect Rect, bool CentreColumn) {
  Canvas.SetFont(FDown ? *FFontDown : FHovered ? *FFontHightlight : *Font());
  if (!Enabled()) Canvas.Font()->SetColor(kDisabledText);
  Canvas.Brush()->SetStyle(plat::TBrushStyle::bsClear);
  Rect = TRect{Rect.Left - 1, Rect.Top - 1, Rect.Right - 1, Rect.Bottom + 1};
  const plat::UINT wrap = FWordWrap ? plat::DT_WORDBREAK : plat::DT_SINGLELINE;
  const plat::UINT align = FAlignment == plat::TAlignment::taCenter         ? plat::DT_CENTER
                           : FAlignment == plat::TAlignment::taRightJustify ? plat::DT_RIGHT
                                                                            : plat::DT_LEFT;
  const plat::String caption = Caption();
  TRect measured = Rect;
  plat::DrawCanvasText(Canvas, caption, measured, wrap | plat::DT_CALCRECT);
  if (FAlignment == plat::TAlignment::taCenter) Rect.Left += (Rect.Right - measured.Right) / 2;
  if (FAlignment == plat::TAlignment::taRightJustify) Rect.Left += Rect.Right - measured.Right;
  // The text block is as wide as measured, its lines aligned within it.
  Rect.Right = Rect.Left + measured.Width();
  if (!CentreColumn) Rect.Top += (Rect.Bottom - measured.Bottom) / 2;
  plat::DrawCanvasText(Canvas, caption, Rect, wrap | align | plat::DT_NOCLIP);
}

void TImgBtn::Paint() {
  if (FCapturing) return;
  if (!Designing()) FillPictures();
  TCanvas& canvas = *Canvas();
  const int w = Width();
  const int h = Height();
  const int layout = static_cast<int>(FLayout);
  const int row = layout / 3;
  const int column = layout % 3;
  plat::TGraphic* graphic = Picture()->Graphic();
  const bool stretched = Stretch() && FLayout == TGraphicLayout::glGraphicCenter;
  int pw = graphic ? graphic->Width() : 0;
  int ph = graphic ? graphic->Height() : 0;
  if (stretched) {
    pw = w;
    ph = h;
  }
  const int lineHeight = Font()->Size() + 12;
  const plat::String caption = Caption();
  UpdateAutoSize(pw, ph, lineHeight, CharacterCount(caption) * Font()->Size() + 4);

  plat::TPoint at{0, 0};
  TRect text{0, 0, Width(), Height()};
  if (row == 0) text.Top = ph + FIdentY;
  if (row == 1) {
    at.Y = (Height() - ph) / 2;
    text.Top = (Height() - lineHeight) / 2 + FIdentY;
    text.Bottom = FIdentY + (lineHeight + Height()) / 2;
  }
  if (row == 2) {
    at.Y = Height() - ph;
    text.Bottom = Height() - ph - FIdentY;
  }
  if (column == 0) text.Left = pw + FIdentX;
  if (column == 1) {
    at.X = (Width() - pw) / 2;
    text.Left = FIdentX;
    text.Right = FIdentX + Width();
  }
  if (column == 2) {
    at.X = Width() - pw;
    text.Right = Width() - pw - FIdentX;
  }
  if (FFlat && FDown) {
    at = at + plat::TPoint{1, 1};
    text = text.Translated(1, 1);
  }

  if (!Transparent() || (FShowOver && FHovered)) PaintBackground(canvas);
  if (FFlat) {
    TRect edge{0, 0, w, h};
    plat::Frame3D(canvas, edge, FDown ? plat::clBtnShadow : plat::clBtnHighlight,
                  FDown ? plat::clBtnHighlight : plat::clBtnShadow, 1);
  }
  if (graphic && !graphic->Empty()) {
    if (stretched) {
      canvas.StretchDraw(TRect{at.X, at.Y, at.X + Width(), at.Y + Height()}, graphic);
    } else {
      canvas.Draw(at.X, at.Y, graphic);
    }
  }
  if (!caption.empty()) PaintCaption(canvas, text, column == 1);
}

}  // namespace zorbit
