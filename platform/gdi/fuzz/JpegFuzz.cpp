// Any bytes given to the JPEG reader give a bitmap or EInvalidGraphic, and
// nothing else: no crash, no other exception, no outsized allocation, and no
// endless progressive file.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/gdi/JpegCodec.h"
#include "platform/gdi/TGraphic.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    plat::ReadJpeg(std::span<const plat::Byte>(data, size));
  } catch (const plat::EInvalidGraphic&) {
  }
  return 0;
}
