#include "platform/win/detail/ToolTipPainter.h"

#include "platform/gdi/Brush.h"
#include "platform/gdi/DCStateSaver.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Shapes.h"
#include "platform/win/Icons.h"

namespace plat {
namespace {

const char* StandardIconOf(int icon) {
  switch (icon) {
    case 1: return IDI_INFORMATION;
    case 2: return IDI_WARNING;
    default: return IDI_ERROR;
  }
}

void PaintFrame(HDC dc, const TipLayout& layout, const TipColors& colors) {
  const OwnedGdiObject<Brush> background(CreateSolidBrush(colors.Background));
  const OwnedGdiObject<Brush> frame(CreateSolidBrush(colors.Frame));
  if (layout.Balloon) {
    const OwnedGdiObject<Region> shape(CreateBalloonRegion(layout));
    FillRgn(dc, shape.get(), background.get());
    FrameRgn(dc, shape.get(), frame.get(), 1, 1);
  } else {
    FillRect(dc, &layout.Body, background.get());
    FrameRect(dc, &layout.Body, frame.get());
  }
}

void PaintText(HDC dc, HFONT font, const String& text, TRect rect, UINT format) {
  SelectObject(dc, font);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

}  // namespace

void PaintTip(HDC dc, const TipLayout& layout, const TipContent& content, HFONT textFont, HFONT titleFont,
              const TipColors& colors) {
  const DCStateSaver saved(dc);
  PaintFrame(dc, layout, colors);
  if (layout.IconAt)
    DrawIconEx(dc, layout.IconAt->X, layout.IconAt->Y, LoadIconA(nullptr, StandardIconOf(content.Icon)), TipIconSize,
               TipIconSize, 0, nullptr, DI_NORMAL);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colors.Text);
  if (!layout.TitleRect.IsEmpty())
    PaintText(dc, titleFont, content.Title, layout.TitleRect, DT_SINGLELINE | DT_NOPREFIX);
  PaintText(dc, textFont, content.Text, layout.TextRect, TipTextFormat(content));
}

}  // namespace plat
