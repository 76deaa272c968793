#include "platform/win/detail/SdlSurface.h"

#include <SDL2/SDL_pixels.h>

namespace plat {

TRect CopyBitmapToSurface(const Bitmap& bitmap, const TRect& rect, SDL_Surface* surface) {
  if (surface == nullptr) return {};
  const TRect area = rect.Intersected(bitmap.Bounds()).Intersected({0, 0, surface->w, surface->h});
  if (area.IsEmpty()) return {};
  if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return {};
  const int bytesPerPixel = surface->format->BytesPerPixel;
  auto* target = static_cast<Uint8*>(surface->pixels);
  bool copied = true;
  // Row by row, as a bottom-up bitmap's rows run backwards in memory.
  for (int y = area.Top; y < area.Bottom && copied; ++y) {
    Uint8* targetRow = target + static_cast<std::ptrdiff_t>(y) * surface->pitch +
                       static_cast<std::ptrdiff_t>(area.Left) * bytesPerPixel;
    copied = SDL_ConvertPixels(area.Width(), 1, SDL_PIXELFORMAT_XRGB8888, bitmap.Row(y) + area.Left, area.Width() * 4,
                               surface->format->format, targetRow, surface->pitch) == 0;
  }
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  return copied ? area : TRect{};
}

SdlSurfacePtr CreateCursorSurface(const Bitmap* color, const Bitmap* mask) {
  if (color == nullptr || mask == nullptr || color->Width() != mask->Width() || color->Height() != mask->Height())
    return nullptr;
  SdlSurfacePtr surface(
      SDL_CreateRGBSurfaceWithFormat(0, color->Width(), color->Height(), 32, SDL_PIXELFORMAT_ARGB8888));
  if (!surface) return nullptr;
  constexpr TPixel kRgb = 0xFFFFFF;
  for (int y = 0; y < color->Height(); ++y) {
    auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) +
                                          static_cast<std::ptrdiff_t>(y) * surface->pitch);
    for (int x = 0; x < color->Width(); ++x) {
      const bool screenShows = (mask->At(x, y) & kRgb) != 0;
      const TPixel pixel = color->At(x, y) & kRgb;
      if (!screenShows)
        row[x] = 0xFF000000u | pixel;
      else
        row[x] = pixel == 0 ? 0 : 0xFF000000u;
    }
  }
  return surface;
}

SdlSurfacePtr CreateShapeMask(const Region* region, int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  SdlSurfacePtr mask(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888));
  if (!mask) return nullptr;
  const Uint32 opaque = SDL_MapRGBA(mask->format, 255, 255, 255, 255);
  if (region == nullptr) {
    SDL_FillRect(mask.get(), nullptr, opaque);
    return mask;
  }
  SDL_FillRect(mask.get(), nullptr, SDL_MapRGBA(mask->format, 0, 0, 0, 0));
  for (const TRect& part : region->Rects()) {
    const TRect inside = part.Intersected({0, 0, width, height});
    if (inside.IsEmpty()) continue;
    SDL_Rect fill{inside.Left, inside.Top, inside.Width(), inside.Height()};
    SDL_FillRect(mask.get(), &fill, opaque);
  }
  return mask;
}

}  // namespace plat
