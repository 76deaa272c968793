#include "platform/gdi/TJPEGImage.h"

#include "platform/gdi/CodecInput.h"
#include "platform/gdi/JpegCodec.h"
#include "platform/gdi/TCanvas.h"

namespace plat {

TJPEGImage::TJPEGImage() : FBitmap(std::make_unique<TBitmap>()) {}

TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::LoadFromStream(TStream& stream) {
  std::vector<Byte> data = ReadRest(stream, "JPEG");
  JpegImage decoded = ReadJpeg(data);
  FData = std::move(data);
  FGrayscale = decoded.Grayscale;
  FBitmap->SetImage(std::move(decoded.Image), TPixelFormat::pf24bit);
  Changed();
}

void TJPEGImage::SaveToStream(TStream& stream) {
  if (!FData.empty()) stream.WriteBuffer(FData.data(), static_cast<Int64>(FData.size()));
}

void TJPEGImage::Assign(const TJPEGImage& source) {
  if (&source == this) return;
  FData = source.FData;
  FGrayscale = source.FGrayscale;
  FBitmap->Assign(*source.FBitmap);
  Changed();
}

void TJPEGImage::AssignTo(TBitmap& dest) const { dest.Assign(*FBitmap); }

void TJPEGImage::Draw(TCanvas& canvas, const TRect& rect) { canvas.StretchDraw(rect, FBitmap.get()); }

}  // namespace plat
