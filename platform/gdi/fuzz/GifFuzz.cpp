// Any bytes given to the GIF reader give its frames or EInvalidGraphic, and
// nothing else: no crash, no other exception, no outsized allocation.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/gdi/GifCodec.h"
#include "platform/gdi/TGraphic.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    plat::ReadGif(std::span<const plat::Byte>(data, size));
  } catch (const plat::EInvalidGraphic&) {
  }
  return 0;
}
