#include "grid/ExtUtilDrawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "platform/gdi/Blits.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/StandardLooks.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TFont.h"
#include "platform/gdi/ThemeServices.h"
#include "platform/os/Resources.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Unicode.h"

namespace zorbit {
namespace {

using plat::String;
using plat::TCanvas;
using plat::TColor;
using plat::TRect;

struct Rgb {
  long long R, G, B;
};

Rgb ToRgb(TColor Color) {
  const auto value = static_cast<plat::COLORREF>(plat::ColorToRGB(Color));
  return {plat::GetRValue(value), plat::GetGValue(value), plat::GetBValue(value)};
}

TColor FromRgb(long long R, long long G, long long B) {
  auto channel = [](long long v) { return static_cast<plat::Byte>(std::clamp(v, 0LL, 255LL)); };
  return static_cast<TColor>(plat::RGB(channel(R), channel(G), channel(B)));
}

// Keeps the canvas's pen, brush and font colour for the scope of a drawing
// routine, so that its caller's next drawing is not affected.
class KeptCanvasTools {
 public:
  explicit KeptCanvasTools(TCanvas& Canvas)
      : FCanvas(Canvas),
        FPenColor(Canvas.Pen()->Color()),
        FPenWidth(Canvas.Pen()->Width()),
        FPenStyle(Canvas.Pen()->Style()),
        FPenMode(Canvas.Pen()->Mode()),
        FBrushColor(Canvas.Brush()->Color()),
        FBrushStyle(Canvas.Brush()->Style()),
        FBrushBitmap(Canvas.Brush()->Bitmap()),
        FFontColor(Canvas.Font()->Color()) {}
  ~KeptCanvasTools() {
    FCanvas.Pen()->SetColor(FPenColor);
    FCanvas.Pen()->SetWidth(FPenWidth);
    FCanvas.Pen()->SetStyle(FPenStyle);
    FCanvas.Pen()->SetMode(FPenMode);
    FCanvas.Brush()->SetColor(FBrushColor);
    FCanvas.Brush()->SetStyle(FBrushStyle);
    FCanvas.Brush()->SetBitmap(FBrushBitmap);
    FCanvas.Font()->SetColor(FFontColor);
  }
  KeptCanvasTools(const KeptCanvasTools&) = delete;
  KeptCanvasTools& operator=(const KeptCanvasTools&) = delete;

 private:
  TCanvas& FCanvas;
  TColor FPenColor;
  int FPenWidth;
  plat::TPenStyle FPenStyle;
  plat::TPenMode FPenMode;
  TColor FBrushColor;
  plat::TBrushStyle FBrushStyle;
  plat::TBitmap* FBrushBitmap;
  TColor FFontColor;
};

// A rectangle worth drawing: not empty, and within the coordinates the
// drawing layer takes, so that sizes and offsets cannot overflow.
bool Drawable(const TRect& Rect) { return !Rect.IsEmpty() && plat::CoordinatesInRange(Rect); }

void SolidBrush(TCanvas& Canvas, TColor Color) {
  Canvas.Brush()->SetBitmap(nullptr);
  Canvas.Brush()->SetColor(Color);
  Canvas.Brush()->SetStyle(plat::TBrushStyle::bsSolid);
}

void SolidPen(TCanvas& Canvas, TColor Color) {
  Canvas.Pen()->SetColor(Color);
  Canvas.Pen()->SetWidth(1);
  Canvas.Pen()->SetStyle(plat::TPenStyle::psSolid);
  Canvas.Pen()->SetMode(plat::TPenMode::pmCopy);
}

// Drawing on a canvas's DC directly, between the canvas's own change
// notices (a bitmap's canvas brings its pixels up to date first).
class CanvasDrawing {
 public:
  explicit CanvasDrawing(TCanvas& Canvas) : FCanvas(Canvas) {
    FCanvas.Changing();
    FDC = FCanvas.Handle();
  }
  ~CanvasDrawing() { FCanvas.Changed(); }
  CanvasDrawing(const CanvasDrawing&) = delete;
  CanvasDrawing& operator=(const CanvasDrawing&) = delete;
  plat::HDC DC() const { return FDC; }

 private:
  TCanvas& FCanvas;
  plat::HDC FDC = nullptr;
};

// A solid band with a brush of its own: the canvas's tools stay as they are,
// so a gradient's many colours cost no changes of them.
void FillBand(plat::HDC DC, const TRect& Rect, TColor Color) {
  if (Rect.IsEmpty()) return;
  const plat::HBRUSH brush = plat::CreateSolidBrush(plat::ColorToColorRef(Color));
  plat::FillRect(DC, &Rect, brush);
  plat::DeleteObject(brush);
}

void FillSolid(TCanvas& Canvas, const TRect& Rect, TColor Color) {
  if (Rect.IsEmpty()) return;
  SolidBrush(Canvas, Color);
  Canvas.FillRect(Rect);
}

// The one-pixel ring just outside Inner, where it lies within Outer.
void FillRingInside(TCanvas& Canvas, const TRect& Inner, const TRect& Outer, TColor Color) {
  const TRect ring = Inner.Inflated(1, 1);
  const TRect sides[] = {{ring.Left, ring.Top, ring.Right, Inner.Top},
                         {ring.Left, Inner.Bottom, ring.Right, ring.Bottom},
                         {ring.Left, Inner.Top, Inner.Left, Inner.Bottom},
                         {Inner.Right, Inner.Top, ring.Right, Inner.Bottom}};
  for (const TRect& side : sides) FillSolid(Canvas, side.Intersected(Outer), Color);
}

// Text centred in Rect with a clear background, clipped to Clip.
void CentredText(TCanvas& Canvas, const TRect& Rect, const TRect& Clip, const String& Text, TColor Color) {
  if (Clip.IsEmpty() || Text.empty()) return;
  Canvas.Brush()->SetStyle(plat::TBrushStyle::bsClear);
  Canvas.Font()->SetColor(Color);
  const plat::TSize size = Canvas.TextExtent(Text);
  Canvas.TextRect(Clip, Rect.Left + (Rect.Width() - size.cx) / 2, Rect.Top + (Rect.Height() - size.cy) / 2, Text);
}

int PercentOfBar(int Value, int MinValue, int MaxValue, bool Scaled) {
  long long percent = Value;
  if (Scaled) {
    const long long range = static_cast<long long>(MaxValue) - MinValue;
    if (range == 0)
      percent = Value >= MaxValue ? 100 : 0;
    else
      percent = (static_cast<long long>(Value) - MinValue) * 100 / range;
  }
  return static_cast<int>(std::clamp(percent, 0LL, 100LL));
}

// The lines of a text with the index of each line's first character; line
// breaks (CR LF, CR or LF) count as characters as an edit control counts them.
struct TextLine {
  String Text;
  int FirstChar;
};

std::vector<TextLine> SplitLines(const String& Text) {
  std::vector<TextLine> lines;
  int chars = 0;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = std::min(Text.find_first_of("\r\n", start), Text.size());
    lines.push_back({Text.substr(start, end - start), chars});
    chars += plat::Utf8Length(lines.back().Text);
    if (end == Text.size()) break;
    std::size_t next = end + 1;
    if (Text[end] == '\r' && next < Text.size() && Text[next] == '\n') ++next;
    chars += static_cast<int>(next - end);
    start = next;
  }
  return lines;
}

}  // namespace

TColor HalfBrightColor(TColor Color) {
  const Rgb c = ToRgb(Color);
  return FromRgb(c.R / 2, c.G / 2, c.B / 2);
}

TColor GradientColorAt(TColor FromColor, TColor ToColor, int Start, int Position, int End) {
  if (ToColor == plat::clNone || Start == End) return FromColor;
  const double t = std::clamp((static_cast<double>(Position) - Start) / (static_cast<double>(End) - Start), 0.0, 1.0);
  const Rgb from = ToRgb(FromColor), to = ToRgb(ToColor);
  auto mix = [t](long long a, long long b) { return a + std::llround(static_cast<double>(b - a) * t); };
  return FromRgb(mix(from.R, to.R), mix(from.G, to.G), mix(from.B, to.B));
}

void FillGradientRect(TCanvas& Canvas, TColor FromColor, TColor ToColor, bool Horizontal, const TRect& Rect,
                      int Steps) {
  if (!Drawable(Rect)) return;
  if (ToColor == plat::clNone) {
    const CanvasDrawing drawing(Canvas);
    FillBand(drawing.DC(), Rect, FromColor);
    return;
  }
  const long long steps = std::max(Steps, 1);
  const Rgb from = ToRgb(FromColor), to = ToRgb(ToColor);
  const int origin = Horizontal ? Rect.Left : Rect.Top;
  const long long extent = Horizontal ? Rect.Width() : Rect.Height();
  // Band n starts at offset ceil(n * extent / steps), so offset k shows band
  // floor(k * steps / extent) and the first band always shows. Only the
  // offsets the clip shows are visited, run by run, so neither many bands
  // nor a huge rectangle cost more than the visible pixels.
  const TRect visible = Rect.Intersected(Canvas.ClipRect());
  if (visible.IsEmpty()) return;
  const CanvasDrawing drawing(Canvas);
  const long long first = (Horizontal ? visible.Left : visible.Top) - origin;
  const long long last = (Horizontal ? visible.Right : visible.Bottom) - origin;
  for (long long offset = first; offset < last;) {
    const long long band = offset * steps / extent;
    const long long runEnd = std::min(((band + 1) * extent + steps - 1) / steps, last);
    auto channel = [&](long long a, long long b) {
      return a + std::llround(static_cast<double>(band) * static_cast<double>(b - a) / static_cast<double>(steps));
    };
    const TColor color = FromRgb(channel(from.R, to.R), channel(from.G, to.G), channel(from.B, to.B));
    const int a = origin + static_cast<int>(offset), b = origin + static_cast<int>(runEnd);
    const TRect run = Horizontal ? TRect{a, Rect.Top, b, Rect.Bottom} : TRect{Rect.Left, a, Rect.Right, b};
    FillBand(drawing.DC(), run, color);
    offset = runEnd;
  }
}

void DrawPercentBar(TCanvas& Canvas, const TRect& Rect, int Value, const TPercentBarColors& Colors, int MarginX,
                    int MarginY, int MinValue, int MaxValue, const String& Format) {
  if (!Drawable(Rect)) return;
  const TRect bar = Rect.Inflated(-std::clamp(MarginX, 0, Rect.Width()), -std::clamp(MarginY, 0, Rect.Height()));
  if (bar.IsEmpty()) return;
  KeptCanvasTools kept(Canvas);
  const bool scaled = !Format.empty();
  const int percent = PercentOfBar(Value, MinValue, MaxValue, scaled);
  const int doneRight = bar.Left + static_cast<int>(static_cast<long long>(bar.Width()) * percent / 100);
  const TRect done{bar.Left, bar.Top, doneRight, bar.Bottom};
  const TRect rest{doneRight, bar.Top, bar.Right, bar.Bottom};
  FillSolid(Canvas, done, Colors.Color);
  FillSolid(Canvas, rest, Colors.ColorTo);

  String text = plat::IntToStr(Value) + "%";
  if (scaled) {
    try {
      text = plat::Format(Format, {Value});
    } catch (const plat::Exception&) {
      text = Format;  // painting raises nothing; a bad format shows as written
    }
  }
  CentredText(Canvas, bar, done, text, Colors.TextColor);
  CentredText(Canvas, bar, rest, text, Colors.TextColorTo);

  if (Colors.BorderColor != plat::clNone) {
    SolidBrush(Canvas, Colors.BorderColor);
    Canvas.FrameRect(bar);
  }
  if (Colors.BackgroundColor != plat::clNone) FillRingInside(Canvas, bar, Rect, Colors.BackgroundColor);
}

void DrawBalanceBar(TCanvas& Canvas, const TRect& Rect, int Value, int Limit, TColor PositiveColor,
                    TColor NegativeColor, bool ShowNumber) {
  if (!Drawable(Rect)) return;
  KeptCanvasTools kept(Canvas);
  const int centre = Rect.Left + Rect.Width() / 2;
  if (Limit > 0 && Value != 0) {
    const long long value = std::clamp<long long>(Value, -static_cast<long long>(Limit), Limit);
    const int length = static_cast<int>(
        std::llround(static_cast<double>(std::llabs(value)) * (Rect.Width() / 2) / static_cast<double>(Limit)));
    if (value > 0)
      FillSolid(Canvas, {centre, Rect.Top, centre + length, Rect.Bottom}, PositiveColor);
    else
      FillSolid(Canvas, {centre - length, Rect.Top, centre, Rect.Bottom}, NegativeColor);
  }
  if (ShowNumber) CentredText(Canvas, Rect, Rect, plat::IntToStr(Value), Canvas.Font()->Color());
}

void DrawPercentPie(TCanvas& Canvas, const TRect& Rect, double Percent, TColor FillColor) {
  if (!Drawable(Rect)) return;
  KeptCanvasTools kept(Canvas);
  const double percent = std::isnan(Percent) ? 0 : std::clamp(Percent, 0.0, 100.0);
  const int cx = Rect.Left + Rect.Width() / 2, cy = Rect.Top + Rect.Height() / 2;
  const double angle = percent / 100 * 2 * std::numbers::pi;
  const int ex = cx + static_cast<int>(std::lround(Rect.Width() / 2.0 * std::sin(angle)));
  const int ey = cy - static_cast<int>(std::lround(Rect.Height() / 2.0 * std::cos(angle)));

  SolidPen(Canvas, plat::clGray);
  Canvas.Brush()->SetBitmap(nullptr);
  Canvas.Brush()->SetStyle(plat::TBrushStyle::bsClear);
  Canvas.Ellipse(Rect);
  // The sector itself is filled, not the area a seed point happens to fall
  // in: a thin sector, 0 % and 100 % all come out right.
  const bool radiusOnTop = ex == cx && ey == Rect.Top;
  const bool full = percent >= 100 || (radiusOnTop && percent > 50);
  SolidBrush(Canvas, FillColor);
  if (full)
    Canvas.Ellipse(Rect);
  else if (percent > 0 && !radiusOnTop && Rect.Width() >= 2 && Rect.Height() >= 2)
    Canvas.Pie(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom, ex, ey, cx, Rect.Top);
  Canvas.MoveTo(cx, Rect.Top);
  Canvas.LineTo(cx, cy);
  Canvas.LineTo(ex, ey);
}

void DrawErrorUnderline(TCanvas& Canvas, const TRect& Rect, const String& Text, int ErrFrom, int ErrLen) {
  if (ErrFrom < 1 || ErrLen < 1 || Text.empty() || !Drawable(Rect)) return;
  KeptCanvasTools kept(Canvas);
  SolidPen(Canvas, plat::clRed);
  const long long errFirst = ErrFrom - 1, errEnd = errFirst + ErrLen;
  const int lineHeight = Canvas.TextHeight("Wg");
  int top = Rect.Top;
  for (const TextLine& line : SplitLines(Text)) {
    const long long lineChars = plat::Utf8Length(line.Text);
    const long long a = std::max(errFirst - line.FirstChar, 0LL);
    const long long b = std::min(errEnd - line.FirstChar, lineChars);
    const int low = top + lineHeight - 1, high = low - 2;
    top += lineHeight;
    if (high >= Rect.Bottom) break;  // this line and those below are out of sight
    if (a >= b) continue;
    const int x0 = Rect.Left + Canvas.TextWidth(plat::Utf8Copy(line.Text, 1, static_cast<int>(a)));
    const int x1 =
        std::min(Rect.Left + Canvas.TextWidth(plat::Utf8Copy(line.Text, 1, static_cast<int>(b))), Rect.Right);
    if (x1 <= x0) continue;
    std::vector<plat::TPoint> zigzag;
    for (int x = x0, k = 0; x <= x1; x += 3, ++k) zigzag.push_back({x, k % 2 == 0 ? low : high});
    if (zigzag.back().X < x1) zigzag.push_back({x1, zigzag.size() % 2 == 0 ? low : high});
    Canvas.Polyline(zigzag);
  }
}

void DrawBitmapTransparent(TCanvas& Canvas, int X, int Y, plat::TBitmap* Bitmap, TColor BackgroundColor) {
  if (!Bitmap || Bitmap->Empty()) return;
  const int width = Bitmap->Width(), height = Bitmap->Height();
  if (!plat::CoordinatesInRange({X, Y})) return;
  const plat::COLORREF key = plat::ColorRefFromPixel(Bitmap->Image()->At(0, 0) & 0x00FFFFFF);
  KeptCanvasTools kept(Canvas);
  if (BackgroundColor != plat::clNone) FillSolid(Canvas, plat::Bounds(X, Y, width, height), BackgroundColor);
  Canvas.Changing();
  plat::TransparentBlt(Canvas.Handle(), X, Y, width, height, Bitmap->Canvas()->Handle(), 0, 0, width, height, key);
  Canvas.Changed();
}

void DrawResourceBitmapTransparent(TCanvas& Canvas, int X, int Y, const String& ResourceName, TColor BackgroundColor) {
  const plat::HRSRC resource = plat::FindResource(nullptr, ResourceName, plat::RT_BITMAP);
  const void* data = resource ? plat::LockResource(plat::LoadResource(nullptr, resource)) : nullptr;
  if (!data) return;
  plat::TMemoryStream stream;
  stream.WriteBuffer(data, plat::SizeofResource(nullptr, resource));
  stream.SetPosition(0);
  plat::TBitmap bitmap;
  try {
    bitmap.LoadFromStream(stream);
  } catch (const plat::Exception&) {
    return;  // painting raises nothing; a damaged picture is not shown
  }
  DrawBitmapTransparent(Canvas, X, Y, &bitmap, BackgroundColor);
}

void DrawComboArrowButton(TCanvas& Canvas, const TRect& Rect) {
  if (!plat::CoordinatesInRange(Rect)) return;
  plat::RECT button{Rect.Right - 18, Rect.Top + 1, Rect.Right - 2, Rect.Bottom - 1};
  if (button.IsEmpty()) return;
  Canvas.Changing();
  const plat::HDC dc = Canvas.Handle();
  bool themed = false;
  if (plat::IsThemeActive()) {
    if (plat::HTHEME theme = plat::OpenThemeData(nullptr, u"combobox")) {
      themed = plat::SUCCEEDED(plat::DrawThemeBackground(theme, dc, 1, 1, &button, nullptr));
      plat::CloseThemeData(theme);
    }
  }
  if (!themed) plat::DrawFrameControl(dc, &button, plat::DFC_SCROLL, plat::DFCS_SCROLLCOMBOBOX | plat::DFCS_FLAT);
  Canvas.Changed();
}

}  // namespace zorbit
