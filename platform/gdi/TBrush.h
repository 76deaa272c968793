#pragma once
// The class library's brush: colour, style or pattern bitmap, realised as an
// HBRUSH on demand. A setter given the current value does nothing; giving a
// colour to a clear brush makes it solid.
#include "platform/gdi/Colors.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/GraphicsObject.h"

namespace plat {

class TBitmap;

enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TGraphicsObject {
 public:
  TBrush() = default;
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
  void Change();
  void FreeHandle();

  TColor FColor = clWhite;
  TBrushStyle FStyle = TBrushStyle::bsSolid;
  TBitmap* FBitmap = nullptr;
  HBRUSH FHandle = nullptr;
};

}  // namespace plat
