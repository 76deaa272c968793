#pragma once
// The class library's brush: colour, style or pattern bitmap, realised as an
// HBRUSH on demand. A setter given the current value does nothing; giving a
// colour to a clear brush makes it solid. The handle realised before the
// last change is kept for a change back (pattern brushes excepted: their
// bitmap may have changed).
#include "platform/gdi/Colors.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/GraphicsObject.h"
#include "platform/gdi/RealizedHandles.h"

namespace plat {

class TBitmap;

enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TGraphicsObject {
 public:
  TBrush();
  ~TBrush() override;
  TBrush(const TBrush&) = delete;
  TBrush& operator=(const TBrush&) = delete;

  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle value);
  // A pattern, not owned: the brush copies its pixels when it is realised.
  TBitmap* Bitmap() const { return FBitmap; }
  void SetBitmap(TBitmap* value);

  HBRUSH Handle();
  void Assign(const TBrush& source);

 private:
  // What a handle is made from.
  struct TKey {
    COLORREF Color = 0;
    TBrushStyle Style = TBrushStyle::bsSolid;
    bool Pattern = false;
    bool operator==(const TKey&) const = default;
  };

  void Change();

  TColor FColor = clWhite;
  TBrushStyle FStyle = TBrushStyle::bsSolid;
  TBitmap* FBitmap = nullptr;
  TRealizedHandles<HBRUSH, TKey> FHandles;
};

}  // namespace plat
