#include "skin/tests/SkinFiles.h"

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/BmpCodec.h"

namespace skintest {

std::string StripPicture(int Width, int Height, const std::vector<plat::COLORREF>& Colors) {
  plat::Bitmap image(Width * static_cast<int>(Colors.size()), Height);
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < image.Width(); ++x)
      image.Put(x, y, plat::PixelFromColorRef(Colors[static_cast<std::size_t>(x / Width)]));
  const std::vector<plat::Byte> bytes = plat::WriteBmp(image);
  return std::string(bytes.begin(), bytes.end());
}

zorbit::skinwriter::TSkinFileWriter AllKindsSkin() {
  zorbit::skinwriter::TSkinFileWriter writer;
  writer.AddBitmap("ButtonImage",
                   StripPicture(4, 2, {plat::RGB(255, 0, 0), plat::RGB(0, 255, 0), plat::RGB(0, 0, 255)}));
  writer.AddInteger("FormMinWidthInt", 140);
  writer.AddInteger("FormBackgroundColor", 0xE7E7E7);
  writer.AddByte("ButtonTransparentBool", 1);
  writer.AddText("Author", "Zorbit");
  return writer;
}

}  // namespace skintest
