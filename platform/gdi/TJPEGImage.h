#pragma once
// The class library's JPEG picture: the encoded data as loaded (saved back
// unchanged) and its decoded pixels, drawn like a bitmap. Its size is the
// data's: SetWidth and SetHeight change nothing. Data that cannot be decoded
// raises EInvalidGraphic and leaves the picture as it was.
#include <memory>
#include <vector>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TGraphic.h"

namespace plat {

class TJPEGImage : public TGraphic {
 public:
  TJPEGImage();
  ~TJPEGImage() override;

  bool Empty() const override { return FData.empty(); }
  int Width() const override { return FBitmap->Width(); }
  int Height() const override { return FBitmap->Height(); }
  void SetWidth(int) override {}
  void SetHeight(int) override {}
  bool Grayscale() const { return FGrayscale; }

  // The rest of the stream.
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  void Assign(const TJPEGImage& source);
  // The decoded picture into a bitmap (24 bits).
  void AssignTo(TBitmap& dest) const;

 protected:
  void Draw(TCanvas& canvas, const TRect& rect) override;

 private:
  std::vector<Byte> FData;
  std::unique_ptr<TBitmap> FBitmap;
  bool FGrayscale = false;
};

}  // namespace plat
