#pragma once
// Pens: style (PS_*), width in pixels (0 and 1 both draw one pixel wide) and
// colour.
#include "platform/gdi/Colors.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Geometry.h"

namespace plat {

struct LOGPEN {
  UINT lopnStyle;
  POINT lopnWidth;  // X is the width; Y unused
  COLORREF lopnColor;
};

class Pen : public GdiObject {
 public:
  Pen(int style, int width, COLORREF color);

  DWORD ObjectType() const override { return OBJ_PEN; }
  int Describe(int size, void* buffer) const override;

  int Style() const { return FStyle; }
  int Width() const { return FWidth; }
  COLORREF Color() const { return FColor; }
  bool IsNull() const { return FStyle == PS_NULL; }

 private:
  int FStyle;
  int FWidth;
  COLORREF FColor;
};

// Unknown styles draw solid; negative widths count as 0.
HPEN CreatePen(int style, int width, COLORREF color);
HPEN CreatePenIndirect(const LOGPEN* logPen);

}  // namespace plat
