#include "platform/gdi/TCanvas.h"

#include "platform/gdi/Blits.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/StandardLooks.h"
#include "platform/gdi/TFont.h"
#include "platform/gdi/TGraphic.h"
#include "platform/gdi/TextOut.h"

namespace plat {

TCanvas::TCanvas()
    : FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()), FFont(std::make_unique<TFont>()) {
  // A changed tool leaves the DC at once, so its old handle can be freed.
  FPen->OnChange = [this](TObject*) {
    if (FState & PenValid) SelectObject(FHandle, GetStockObject(BLACK_PEN));
    FState &= ~PenValid;
  };
  FBrush->OnChange = [this](TObject*) {
    if (FState & BrushValid) SelectObject(FHandle, GetStockObject(WHITE_BRUSH));
    FState &= ~BrushValid;
  };
  FFont->OnChange = [this](TObject*) {
    if (FState & FontValid) SelectObject(FHandle, GetStockObject(SYSTEM_FONT));
    FState &= ~FontValid;
  };
}

TCanvas::~TCanvas() { FreeHandle(); }

void TCanvas::SetFont(const TFont& value) { FFont->Assign(value); }

HDC TCanvas::Handle() {
  ++FUses;
  RequiredState(HandleValid);
  return FHandle;
}

void TCanvas::SetHandle(HDC value) {
  if (value == FHandle) return;
  FreeHandle();
  FHandle = value;
  FOwnsHandle = false;
  if (FHandle) FState |= HandleValid;
}

void TCanvas::AdoptHandle(HDC value) {
  SetHandle(value);
  FOwnsHandle = value != nullptr;
}

void TCanvas::DeselectHandles() {
  if (!FHandle || !(FState & (PenValid | BrushValid | FontValid))) return;
  SelectObject(FHandle, GetStockObject(BLACK_PEN));
  SelectObject(FHandle, GetStockObject(WHITE_BRUSH));
  SelectObject(FHandle, GetStockObject(SYSTEM_FONT));
  FState &= ~(PenValid | BrushValid | FontValid);
}

void TCanvas::FreeHandle() {
  DeselectHandles();
  if (FHandle && FOwnsHandle) DeleteDC(FHandle);
  FHandle = nullptr;
  FOwnsHandle = false;
  FState = 0;
}

void TCanvas::RequiredState(unsigned state) {
  if (!FHandle) {
    CreateHandle();
    if (!FHandle) throw EInvalidOperation("Canvas does not allow drawing");
    FState |= HandleValid;
  }
  const unsigned missing = state & ~FState;
  if (missing & PenValid) {
    SelectObject(FHandle, FPen->Handle());
    SetROP2(FHandle, PenModeToRop2(FPen->Mode()));
  }
  if (missing & BrushValid) {
    SelectObject(FHandle, FBrush->Handle());
    SetBkColor(FHandle, ColorToColorRef(FBrush->Color()));
    SetBkMode(FHandle, FBrush->Style() == TBrushStyle::bsClear ? TRANSPARENT : OPAQUE);
  }
  if (missing & FontValid) {
    SelectObject(FHandle, FFont->Handle());
    SetTextColor(FHandle, ColorToColorRef(FFont->Color()));
  }
  FState |= state;
}

void TCanvas::Changing() {
  ++FUses;
  if (OnChanging) OnChanging(this);
}

void TCanvas::Changed() {
  if (OnChange) OnChange(this);
}

TPoint TCanvas::PenPos() {
  RequiredState(HandleValid);
  POINT p{};
  GetCurrentPositionEx(FHandle, &p);
  return p;
}

TRect TCanvas::ClipRect() {
  RequiredState(HandleValid);
  RECT r{};
  GetClipBox(FHandle, &r);
  return r;
}

TColor TCanvas::Pixels(int x, int y) {
  RequiredState(HandleValid);
  return static_cast<TColor>(GetPixel(FHandle, x, y));
}

void TCanvas::SetPixels(int x, int y, TColor color) {
  Changing();
  RequiredState(HandleValid | PenValid);
  SetPixel(FHandle, x, y, ColorToColorRef(color));
  Changed();
}

void TCanvas::MoveTo(int x, int y) {
  RequiredState(HandleValid);
  MoveToEx(FHandle, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  Changing();
  RequiredState(HandleValid | PenValid | BrushValid);
  plat::LineTo(FHandle, x, y);
  Changed();
}

void TCanvas::Polyline(std::span<const TPoint> points) {
  Changing();
  RequiredState(HandleValid | PenValid | BrushValid);
  plat::Polyline(FHandle, points.data(), static_cast<int>(points.size()));
  Changed();
}

void TCanvas::Polygon(std::span<const TPoint> points) {
  Changing();
  RequiredState(HandleValid | PenValid | BrushValid);
  plat::Polygon(FHandle, points.data(), static_cast<int>(points.size()));
  Changed();
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  Changing();
  RequiredState(HandleValid | PenValid | BrushValid);
  plat::Rectangle(FHandle, x1, y1, x2, y2);
  Changed();
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
  Changing();
  RequiredState(HandleValid | PenValid | BrushValid);
  plat::RoundRect(FHandle, x1, y1, x2, y2, x3, y3);
  Changed();
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  Changing();
  RequiredState(HandleValid | PenValid | BrushValid);
  plat::Ellipse(FHandle, x1, y1, x2, y2);
  Changed();
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  Changing();
  RequiredState(HandleValid | PenValid | BrushValid);
  plat::Arc(FHandle, x1, y1, x2, y2, x3, y3, x4, y4);
  Changed();
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  Changing();
  RequiredState(HandleValid | PenValid | BrushValid);
  plat::Pie(FHandle, x1, y1, x2, y2, x3, y3, x4, y4);
  Changed();
}

void TCanvas::FloodFill(int x, int y, TColor color, TFillStyle style) {
  Changing();
  RequiredState(HandleValid | BrushValid);
  ExtFloodFill(FHandle, x, y, ColorToColorRef(color),
               style == TFillStyle::fsSurface ? FLOODFILLSURFACE : FLOODFILLBORDER);
  Changed();
}

void TCanvas::FillRect(const TRect& rect) {
  Changing();
  RequiredState(HandleValid | BrushValid);
  plat::FillRect(FHandle, &rect, FBrush->Handle());
  Changed();
}

void TCanvas::FrameRect(const TRect& rect) {
  Changing();
  RequiredState(HandleValid | BrushValid);
  plat::FrameRect(FHandle, &rect, FBrush->Handle());
  Changed();
}

void TCanvas::DrawFocusRect(const TRect& rect) {
  Changing();
  RequiredState(HandleValid | BrushValid);
  plat::DrawFocusRect(FHandle, &rect);
  Changed();
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  Changing();
  RequiredState(HandleValid);
  graphic->Draw(*this, Bounds(x, y, graphic->Width(), graphic->Height()));
  Changed();
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  Changing();
  RequiredState(HandleValid);
  graphic->Draw(*this, rect);
  Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source) {
  if (!canvas) return;
  Changing();
  RequiredState(HandleValid | BrushValid);
  canvas->Changing();
  canvas->RequiredState(HandleValid | BrushValid);
  StretchBlt(FHandle, dest.Left, dest.Top, dest.Width(), dest.Height(), canvas->FHandle, source.Left, source.Top,
             source.Width(), source.Height(), FCopyMode);
  canvas->Changed();
  Changed();
}

void TCanvas::TextOut(int x, int y, const String& text) {
  Changing();
  RequiredState(HandleValid | FontValid | BrushValid);
  ExtTextOutA(FHandle, x, y, static_cast<UINT>(FTextFlags), nullptr, text.data(), static_cast<UINT>(text.size()),
              nullptr);
  MoveTo(x + TextWidth(text), y);
  Changed();
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const String& text) {
  Changing();
  RequiredState(HandleValid | FontValid | BrushValid);
  UINT options = ETO_CLIPPED | static_cast<UINT>(FTextFlags);
  if (FBrush->Style() != TBrushStyle::bsClear) options |= ETO_OPAQUE;
  ExtTextOutA(FHandle, x, y, options, &rect, text.data(), static_cast<UINT>(text.size()), nullptr);
  Changed();
}

void TCanvas::TextRectOver(const TRect& rect, int x, int y, const String& text) {
  Changing();
  RequiredState(HandleValid | FontValid);
  const int mode = SetBkMode(FHandle, TRANSPARENT);
  const UINT options = ETO_CLIPPED | (static_cast<UINT>(FTextFlags) & ~static_cast<UINT>(ETO_OPAQUE));
  ExtTextOutA(FHandle, x, y, options, &rect, text.data(), static_cast<UINT>(text.size()), nullptr);
  SetBkMode(FHandle, mode);
  Changed();
}

TSize TCanvas::TextExtent(const String& text) {
  RequiredState(HandleValid | FontValid);
  SIZE size{};
  GetTextExtentPoint32A(FHandle, text.data(), static_cast<int>(text.size()), &size);
  return size;
}

int TCanvas::TextWidth(const String& text) { return TextExtent(text).cx; }

int TCanvas::TextHeight(const String& text) { return TextExtent(text).cy; }

}  // namespace plat
