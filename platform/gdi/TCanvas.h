#pragma once
// The class library's canvas: a DC with a pen, a brush and a font that are
// selected (and the DC's colours and mixes set from them) before each
// drawing call. Text calls use the text layer; the rest the shape, blit and
// look calls.
#include <memory>
#include <span>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/TBrush.h"
#include "platform/gdi/TPen.h"
#include "platform/rtl/Exception.h"

namespace plat {

class TFont;
class TGraphic;

// Raised when a canvas has no DC to draw on.
class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

enum class TFillStyle { fsSurface, fsBorder };

class TCanvas : public TObject {
 public:
  TCanvas();
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // The DC, made by CreateHandle when there is none ("Canvas does not allow
  // drawing" when that makes none). The canvas does not own a DC set here.
  HDC Handle();
  void SetHandle(HDC value);
  bool HandleAllocated() const { return FHandle != nullptr; }

  TPen* Pen() { return FPen.get(); }
  TBrush* Brush() { return FBrush.get(); }
  TFont* Font() { return FFont.get(); }
  void SetPen(const TPen& value) { FPen->Assign(value); }
  void SetBrush(const TBrush& value) { FBrush->Assign(value); }
  void SetFont(const TFont& value);

  TPoint PenPos();
  void SetPenPos(TPoint value) { MoveTo(value.X, value.Y); }
  DWORD CopyMode() const { return FCopyMode; }
  void SetCopyMode(DWORD value) { FCopyMode = value; }
  // ETO_* options for TextOut and TextRect.
  int TextFlags() const { return FTextFlags; }
  void SetTextFlags(int value) { FTextFlags = value; }
  TRect ClipRect();

  // CLR_INVALID (as a TColor, -1) for a pixel outside the clip.
  TColor Pixels(int x, int y);
  void SetPixels(int x, int y, TColor color);

  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Polyline(std::span<const TPoint> points);
  void Polygon(std::span<const TPoint> points);
  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
  void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
  void Ellipse(int x1, int y1, int x2, int y2);
  void Ellipse(const TRect& rect) { Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom); }
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void FloodFill(int x, int y, TColor color, TFillStyle style);
  void FillRect(const TRect& rect);
  void FrameRect(const TRect& rect);
  void DrawFocusRect(const TRect& rect);

  // Pictures: at their own size, or scaled to a rectangle.
  void Draw(int x, int y, TGraphic* graphic);
  void StretchDraw(const TRect& rect, TGraphic* graphic);
  // Copies (and scales) source's rectangle with CopyMode.
  void CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source);

  // Text in the font, over the brush unless the brush is clear. TextOut
  // moves the pen position to the end of the text.
  void TextOut(int x, int y, const String& text);
  void TextRect(const TRect& rect, int x, int y, const String& text);
  // TextRect over what the rectangle shows: the text alone, never a
  // background, whatever the brush.
  void TextRectOver(const TRect& rect, int x, int y, const String& text);
  int TextWidth(const String& text);
  int TextHeight(const String& text);
  TSize TextExtent(const String& text);

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

  // Around every drawing call; a bitmap's canvas brings its pixels up to date.
  virtual void Changing();
  virtual void Changed();
  // Counts the drawing calls and the handing out of the DC (which may be
  // drawn on directly): two equal counts mean nothing was drawn in between.
  unsigned long Uses() const { return FUses; }

 protected:
  // Makes a DC for Handle; the default makes none.
  virtual void CreateHandle() {}
  // Lets go of the DC (and frees it when the canvas made it).
  void FreeHandle();
  // Puts the pen, brush and font back out of the DC.
  void DeselectHandles();
  // For CreateHandle: a DC the canvas owns.
  void AdoptHandle(HDC value);

 private:
  enum State : unsigned { HandleValid = 1, PenValid = 2, BrushValid = 4, FontValid = 8 };
  void RequiredState(unsigned state);

  HDC FHandle = nullptr;
  bool FOwnsHandle = false;
  unsigned FState = 0;
  std::unique_ptr<TPen> FPen;
  std::unique_ptr<TBrush> FBrush;
  std::unique_ptr<TFont> FFont;
  DWORD FCopyMode = SRCCOPY;
  int FTextFlags = 0;
  unsigned long FUses = 0;
};

}  // namespace plat
