// Any bytes handed to the picture loader give a picture that draws into a
// small bitmap, or EInvalidGraphic, and nothing else: no crash, no other
// exception, no outsized allocation. The first byte picks the GIF frame.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DCStateSaver.h"
#include "platform/gdi/PictureLoader.h"
#include "platform/gdi/TGraphic.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const int frame = size > 0 ? data[0] % 8 : 1;
  try {
    const auto picture = plat::LoadPictureFromBytes(std::span<const plat::Byte>(data, size), frame);
    const plat::HDC dc = plat::CreateCompatibleDC(nullptr);
    const plat::HBITMAP target = plat::CreateCompatibleBitmap(dc, 16, 16);
    {
      const plat::DCStateSaver saved(dc);
      plat::SelectObject(dc, target);
      picture->Render(dc, {0, 0, 16, 16});
      picture->Render(dc, {-3, -3, 40, 9});
    }
    plat::DeleteObject(target);
    plat::DeleteDC(dc);
  } catch (const plat::EInvalidGraphic&) {
  }
  return 0;
}
