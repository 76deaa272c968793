#pragma once
// GIF decoding with every frame (giflib). Each frame keeps its own
// rectangle, delay and disposal as the file gives them; callers compose them
// on the logical screen. Frame pixels carry alpha 255, pixels of the frame's
// transparent colour alpha 0 (and black). Malformed or truncated data, a
// frame without colours, or sizes out of proportion to the data raise
// EInvalidGraphic.
#include <memory>
#include <span>
#include <vector>

#include "platform/gdi/Bitmap.h"

namespace plat {

struct GifFrame {
  std::unique_ptr<Bitmap> Image;
  TRect Bounds;  // on the logical screen
  int DelayMs = 0;
  int Disposal = 0;  // 0 unspecified, 1 keep, 2 restore the background, 3 restore the previous picture
};

struct GifImage {
  // The logical screen; when the file gives none, the extent of its frames.
  int Width = 0;
  int Height = 0;
  std::vector<GifFrame> Frames;
};

GifImage ReadGif(std::span<const Byte> data);

}  // namespace plat
