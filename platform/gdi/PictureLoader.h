#pragma once
// Pictures decoded by their content, as the system's picture loader decodes
// bytes handed to it: a BMP file, an icon, a GIF (any of its frames) or a
// JPEG, told apart by their first bytes, never by a name. The result keeps
// its size in HIMETRIC units (hundredths of a millimetre at 96 pixels per
// inch) as the loader reports it, and draws itself scaled into a rectangle,
// its transparent parts (icon masks, a GIF's transparent colour) left as
// they were.
//
// Refuses: anything else (metafiles, PNG, text) and data the readers cannot
// read raise EInvalidGraphic "Could not load image. Invalid format"; no
// bytes at all raise EInvalidGraphic "Empty image stream created".
#include <memory>
#include <span>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Geometry.h"
#include "platform/rtl/Types.h"

namespace plat {

enum class TPictureFormat { pfBitmap, pfIcon, pfGif, pfJpeg };

// The format the first bytes announce; false for none of the four. A GIF
// needs its whole 13-byte header and logical screen descriptor.
bool SniffPictureFormat(std::span<const Byte> data, TPictureFormat& format);

// Pixels to HIMETRIC and back, rounded to the nearest unit.
int PixelsToHimetric(int pixels, int pixelsPerInch = 96);
int HimetricToPixels(int himetric, int pixelsPerInch = 96);

class TLoadedPicture {
 public:
  TLoadedPicture(TPictureFormat Format, std::unique_ptr<Bitmap> Image, TRect FrameBounds, TSize Screen, int FrameCount);
  ~TLoadedPicture();
  TLoadedPicture(const TLoadedPicture&) = delete;
  TLoadedPicture& operator=(const TLoadedPicture&) = delete;

  TPictureFormat Format() const { return FFormat; }
  // The shown image (for a GIF the chosen frame) in HIMETRIC units.
  int HimetricWidth() const { return FHimetric.cx; }
  int HimetricHeight() const { return FHimetric.cy; }
  // GIF: the frames in the file and the shown frame's place on the logical
  // screen (Screen). Other formats: one frame that is the whole picture.
  int FrameCount() const { return FFrameCount; }
  TRect FrameBounds() const { return FFrameBounds; }
  TSize Screen() const { return FScreen; }

  // Draws the image scaled into rect; an empty rectangle draws nothing.
  void Render(HDC dc, const TRect& rect) const;

 private:
  TPictureFormat FFormat;
  HBITMAP FImage = nullptr;  // premultiplied alpha, for AlphaBlend
  TSize FPixels;
  TSize FHimetric;
  TRect FFrameBounds;
  TSize FScreen;
  int FFrameCount = 1;
};

// Frame: the GIF frame to show, counted from 1; outside 1..count the first.
std::unique_ptr<TLoadedPicture> LoadPictureFromBytes(std::span<const Byte> data, int Frame = 1);

}  // namespace plat
