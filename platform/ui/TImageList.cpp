#include "platform/ui/TImageList.h"

#include <algorithm>

#include "platform/gdi/Blits.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/UiConsts.h"

namespace plat {

namespace {

constexpr int kMaxImageSize = 256;

COLORREF PixelColor(TBitmap* Image, int X, int Y) { return ColorRefFromPixel(Image->Image()->At(X, Y)); }

// The grey of a colour, kept light as disabled pictures are.
TPixel Greyed(TPixel Pixel) {
  const COLORREF c = ColorRefFromPixel(Pixel);
  const int luma = (GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11) / 100;
  const auto grey = static_cast<Byte>(128 + luma / 2);
  return PixelFromColorRef(RGB(grey, grey, grey));
}

}  // namespace

void TImageList::SetSize(int AWidth, int AHeight) {
  if (AWidth < 1 || AHeight < 1 || AWidth > kMaxImageSize || AHeight > kMaxImageSize)
    throw EInvalidOperation(LoadResString(SImageListSize));
  if (AWidth == FWidth && AHeight == FHeight) return;
  FWidth = AWidth;
  FHeight = AHeight;
  FImages.clear();
  Change();
}

int TImageList::AddPieces(TBitmap* Image, const std::function<bool(int X, int Y)>& IsTransparent) {
  if (!Image || Image->Empty()) throw EInvalidOperation(LoadResString(SImageListSize));
  const int first = Count();
  const int pieces = (Image->Width() + FWidth - 1) / FWidth;
  for (int piece = 0; piece < pieces; ++piece) {
    TPicture picture;
    const auto size = static_cast<std::size_t>(FWidth) * static_cast<std::size_t>(FHeight);
    picture.Pixels.assign(size, 0);
    picture.Transparent.assign(size, true);
    for (int y = 0; y < FHeight && y < Image->Height(); ++y) {
      for (int x = 0; x < FWidth; ++x) {
        const int sx = piece * FWidth + x;
        if (sx >= Image->Width()) break;
        const auto at = static_cast<std::size_t>(y) * static_cast<std::size_t>(FWidth) + static_cast<std::size_t>(x);
        picture.Pixels[at] = PixelFromColorRef(PixelColor(Image, sx, y)) & 0xFFFFFF;
        picture.Transparent[at] = IsTransparent(sx, y);
      }
    }
    FImages.push_back(std::move(picture));
  }
  Change();
  return first;
}

int TImageList::Add(TBitmap* Image, TBitmap* Mask) {
  const bool masked = Mask && !Mask->Empty();
  return AddPieces(Image, [&](int x, int y) {
    if (!masked || x >= Mask->Width() || y >= Mask->Height()) return false;
    const COLORREF m = PixelColor(Mask, x, y);
    return GetRValue(m) + GetGValue(m) + GetBValue(m) > 3 * 127;
  });
}

int TImageList::AddMasked(TBitmap* Image, TColor MaskColor) {
  if (!Image || Image->Empty()) throw EInvalidOperation(LoadResString(SImageListSize));
  const COLORREF key = MaskColor == clDefault ? PixelColor(Image, 0, Image->Height() - 1) : ColorToColorRef(MaskColor);
  return AddPieces(Image, [&](int x, int y) { return PixelColor(Image, x, y) == key; });
}

const TImageList::TPicture& TImageList::Picture(int Index) const {
  if (Index < 0 || Index >= Count()) throw EInvalidOperation(LoadResString(SImageIndexError));
  return FImages[static_cast<std::size_t>(Index)];
}

void TImageList::Delete(int Index) {
  Picture(Index);
  FImages.erase(FImages.begin() + Index);
  Change();
}

void TImageList::Clear() {
  if (FImages.empty()) return;
  FImages.clear();
  Change();
}

void TImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) {
  const TPicture& picture = Picture(Index);
  // A premultiplied picture whose transparent pixels have no weight.
  TBitmap source;
  source.SetPixelFormat(TPixelFormat::pf32bit);
  source.SetSize(FWidth, FHeight);
  for (int y = 0; y < FHeight; ++y) {
    auto* row = static_cast<TPixel*>(source.ScanLine(y));
    for (int x = 0; x < FWidth; ++x) {
      const auto at = static_cast<std::size_t>(y) * static_cast<std::size_t>(FWidth) + static_cast<std::size_t>(x);
      const TPixel p = Enabled ? picture.Pixels[at] : Greyed(picture.Pixels[at]);
      row[x] = picture.Transparent[at] ? 0 : (p | 0xFF000000u);
    }
  }
  Canvas->Changing();
  AlphaBlend(Canvas->Handle(), X, Y, FWidth, FHeight, source.Canvas()->Handle(), 0, 0, FWidth, FHeight,
             BLENDFUNCTION{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
  Canvas->Changed();
}

void TImageList::GetBitmap(int Index, TBitmap* Image) {
  const TPicture& picture = Picture(Index);
  Image->SetPixelFormat(TPixelFormat::pf32bit);
  Image->SetSize(FWidth, FHeight);
  const TPixel face = PixelFromColorRef(ColorToColorRef(clBtnFace));
  for (int y = 0; y < FHeight; ++y) {
    auto* row = static_cast<TPixel*>(Image->ScanLine(y));
    for (int x = 0; x < FWidth; ++x) {
      const auto at = static_cast<std::size_t>(y) * static_cast<std::size_t>(FWidth) + static_cast<std::size_t>(x);
      row[x] = picture.Transparent[at] ? face : picture.Pixels[at];
    }
  }
}

TImageList::~TImageList() {
  for (TChangeLink* link : FLinks) link->FSender = nullptr;
}

void TImageList::RegisterChanges(TChangeLink* Value) {
  if (!Value || Value->FSender == this) return;
  if (Value->FSender) Value->FSender->UnRegisterChanges(Value);
  FLinks.push_back(Value);
  Value->FSender = this;
}

void TImageList::UnRegisterChanges(TChangeLink* Value) {
  const auto it = std::find(FLinks.begin(), FLinks.end(), Value);
  if (it == FLinks.end()) return;
  FLinks.erase(it);
  Value->FSender = nullptr;
}

void TImageList::Change() {
  if (OnChange) OnChange(this);
  // A link's handler may unregister links: walk a copy and re-check each.
  const std::vector<TChangeLink*> links = FLinks;
  for (TChangeLink* link : links)
    if (std::find(FLinks.begin(), FLinks.end(), link) != FLinks.end()) link->Change();
}

}  // namespace plat
