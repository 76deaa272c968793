#include "platform/gdi/TIcon.h"

#include "platform/gdi/Blits.h"
#include "platform/gdi/CodecInput.h"
#include "platform/gdi/DCStateSaver.h"
#include "platform/gdi/IcoCodec.h"
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

TIcon::~TIcon() { FreeImage(); }

void TIcon::FreeImage() {
  if (FImage) DeleteObject(FImage);
  FImage = nullptr;
}

void TIcon::SetWidth(int value) {
  if (value != FWidth) throw EInvalidGraphic("Cannot change the size of an icon");
}

void TIcon::SetHeight(int value) {
  if (value != FHeight) throw EInvalidGraphic("Cannot change the size of an icon");
}

void TIcon::Load(std::vector<Byte> data) {
  const IconFile icon = ReadIco(data);
  const Bitmap& chosen = *BestIconImage(icon, IconSize, IconSize).Image;
  auto image = std::make_unique<Bitmap>(chosen.Width(), chosen.Height());
  for (int y = 0; y < chosen.Height(); ++y) {
    for (int x = 0; x < chosen.Width(); ++x) image->Put(x, y, Premultiplied(chosen.At(x, y)));
  }
  FreeImage();
  FData = std::move(data);
  FWidth = image->Width();
  FHeight = image->Height();
  FImage = GdiObjectTable::Adopt(std::move(image));
  Changed();
}

void TIcon::LoadFromStream(TStream& stream) { Load(ReadRest(stream, "icon")); }

void TIcon::SaveToStream(TStream& stream) {
  if (!FData.empty()) stream.WriteBuffer(FData.data(), static_cast<Int64>(FData.size()));
}

void TIcon::Assign(const TIcon& source) {
  if (&source == this) return;
  if (source.Empty()) {
    FreeImage();
    FData.clear();
    FWidth = FHeight = 0;
    Changed();
    return;
  }
  Load(source.FData);
}

void TIcon::Draw(TCanvas& canvas, const TRect& rect) {
  if (!FImage) return;
  const HDC source = CreateCompatibleDC(nullptr);
  const ScopeExit deleted([source] { DeleteDC(source); });
  const DCStateSaver saved(source);
  SelectObject(source, FImage);
  AlphaBlend(canvas.Handle(), rect.Left, rect.Top, rect.Width(), rect.Height(), source, 0, 0, FWidth, FHeight,
             BLENDFUNCTION{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
}

}  // namespace plat
