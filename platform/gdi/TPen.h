#pragma once
// The class library's pen: colour, width, style and mix mode, realised as an
// HPEN on demand. A setter given the current value does nothing; any other
// change fires OnChange before the old handle goes (it is kept aside for a
// change back).
#include "platform/gdi/Colors.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/GraphicsObject.h"
#include "platform/gdi/RealizedHandles.h"

namespace plat {

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum class TPenMode {
  pmBlack,
  pmWhite,
  pmNop,
  pmNot,
  pmCopy,
  pmNotCopy,
  pmMergePenNot,
  pmMaskPenNot,
  pmMergeNotPen,
  pmMaskNotPen,
  pmMerge,
  pmNotMerge,
  pmMask,
  pmNotMask,
  pmXor,
  pmNotXor
};

// The R2_* mix of a pen mode.
int PenModeToRop2(TPenMode mode);

class TPen : public TGraphicsObject {
 public:
  TPen();
  ~TPen() override;
  TPen(const TPen&) = delete;
  TPen& operator=(const TPen&) = delete;

  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  int Width() const { return FWidth; }
  void SetWidth(int value);  // negative widths are ignored
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle value);
  TPenMode Mode() const { return FMode; }
  void SetMode(TPenMode value);

  HPEN Handle();
  void Assign(const TPen& source);

 private:
  // What a handle is made from.
  struct TKey {
    COLORREF Color = 0;
    int Width = 0;
    TPenStyle Style = TPenStyle::psSolid;
    bool operator==(const TKey&) const = default;
  };

  void Change();

  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = TPenStyle::psSolid;
  TPenMode FMode = TPenMode::pmCopy;
  TRealizedHandles<HPEN, TKey> FHandles;
};

}  // namespace plat
