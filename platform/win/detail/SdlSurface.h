#pragma once
// Moving the window layer's pixels into SDL: a rectangle of a backing bitmap
// onto a window surface, and a window region as the mask SDL shapes a
// window with.
#include <SDL2/SDL_surface.h>

#include <memory>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Region.h"

namespace plat {

struct SdlSurfaceDeleter {
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SdlSurfacePtr = std::unique_ptr<SDL_Surface, SdlSurfaceDeleter>;

// Copies rect (bitmap coordinates, clipped to both) of the bitmap to the
// same place of the surface, converting to the surface's format; the alpha
// byte the drawing layer leaves at 0 is ignored. Answers the part copied
// (empty when nothing was).
TRect CopyBitmapToSurface(const Bitmap& bitmap, const TRect& rect, SDL_Surface* surface);

// A cursor picture as an SDL surface with alpha: the colour where the mask
// is black, transparent where it is white, and black where the classic
// cursor would invert the screen (SDL cannot invert). Null when the picture
// is missing or SDL cannot make the surface.
SdlSurfacePtr CreateCursorSurface(const Bitmap* color, const Bitmap* mask);

// A width x height mask, opaque inside region (window coordinates) and
// transparent outside; the whole rectangle is opaque without a region.
// Null when SDL cannot make the surface.
SdlSurfacePtr CreateShapeMask(const Region* region, int width, int height);

}  // namespace plat
