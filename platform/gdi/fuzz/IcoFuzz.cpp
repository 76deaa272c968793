// Any bytes given to the icon reader give its images or EInvalidGraphic, and
// nothing else: no crash, no other exception, no outsized allocation (entries
// sharing one image included).
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/gdi/IcoCodec.h"
#include "platform/gdi/TGraphic.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    plat::ReadIco(std::span<const plat::Byte>(data, size));
  } catch (const plat::EInvalidGraphic&) {
  }
  return 0;
}
