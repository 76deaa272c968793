#include "platform/gdi/TIcon.h"

#include "platform/gdi/Blits.h"
#include "platform/gdi/CodecInput.h"
#include "platform/gdi/DCStateSaver.h"
#include "platform/gdi/TCanvas.h"
#include "platform/rtl/ScopeExit.h"

namespace plat {

namespace {

TPixel Premultiplied(TPixel p) {
  const TPixel a = p >> 24;
  auto scale = [a](TPixel channel) { return (channel * a + 127) / 255; };
  return (a << 24) | (scale((p >> 16) & 0xFF) << 16) | (scale((p >> 8) & 0xFF) << 8) | scale(p & 0xFF);
}

}  // namespace

TIcon::~TIcon() { FreeImages(); }

void TIcon::FreeImages() {
  for (HBITMAP image : FImages) DeleteObject(image);
  FImages.clear();
  FIconFile = {};
}

void TIcon::SetWidth(int value) {
  if (value != FWidth) throw EInvalidGraphic("Cannot change the size of an icon");
}

void TIcon::SetHeight(int value) {
  if (value != FHeight) throw EInvalidGraphic("Cannot change the size of an icon");
}

void TIcon::Load(std::vector<Byte> data) {
  IconFile icon = ReadIco(data);
  const Bitmap& measured = *BestIconImage(icon, IconSize, IconSize).Image;
  std::vector<HBITMAP> images;
  for (const IconImage& source : icon.Images) {
    const Bitmap& from = *source.Image;
    auto image = std::make_unique<Bitmap>(from.Width(), from.Height());
    for (int y = 0; y < from.Height(); ++y) {
      for (int x = 0; x < from.Width(); ++x) image->Put(x, y, Premultiplied(from.At(x, y)));
    }
    images.push_back(GdiObjectTable::Adopt(std::move(image)));
  }
  FWidth = measured.Width();
  FHeight = measured.Height();
  FreeImages();
  FData = std::move(data);
  FIconFile = std::move(icon);
  FImages = std::move(images);
  Changed();
}

void TIcon::LoadFromStream(TStream& stream) { Load(ReadRest(stream, "icon")); }

void TIcon::SaveToStream(TStream& stream) {
  if (!FData.empty()) stream.WriteBuffer(FData.data(), static_cast<Int64>(FData.size()));
}

void TIcon::Assign(const TIcon& source) {
  if (&source == this) return;
  if (source.Empty()) {
    FreeImages();
    FData.clear();
    FWidth = FHeight = 0;
    Changed();
    return;
  }
  Load(source.FData);
}

void TIcon::Draw(TCanvas& canvas, const TRect& rect) {
  if (FImages.empty() || rect.IsEmpty()) return;
  const IconImage& chosen = BestIconImage(FIconFile, rect.Width(), rect.Height());
  const HBITMAP best = FImages[static_cast<std::size_t>(&chosen - FIconFile.Images.data())];
  const HDC source = CreateCompatibleDC(nullptr);
  const ScopeExit deleted([source] { DeleteDC(source); });
  const DCStateSaver saved(source);
  SelectObject(source, best);
  AlphaBlend(canvas.Handle(), rect.Left, rect.Top, rect.Width(), rect.Height(), source, 0, 0, best->Width(),
             best->Height(), BLENDFUNCTION{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
}

}  // namespace plat
