#pragma once
// TVKeyPool: the key capture behind a password edit. BIOS passwords are
// keyboard scan codes, not characters, so the edit never holds what was
// typed: each accepted key release puts a placeholder character (a code
// from 32 to 255) into the edit, and the pool remembers which key each
// placeholder stands for. Decode turns the edit's text back into scan codes.
//
// Accepted keys: the digits (0x30-0x39), the letters (0x41-0x5A) and the
// punctuation keys (0xBA-0xBF, 0xDB-0xDD); every other key is ignored.
//
// Promises: a pool hands out 224 placeholders; after that it reuses those
// that are no longer in the edit, the newest key replacing the old one, so
// a long session never decodes a key nobody typed. A key finds no
// placeholder only when all 224 are in the edit; it is then ignored.
// Decode refuses (EVKeyPoolError, "Unknown Error") a text holding a
// character the pool did not make.
#include <array>
#include <cstdint>

#include "platform/rtl/Exception.h"
#include "platform/rtl/Types.h"

namespace plat {
class TCustomEdit;
}

namespace zorbit {

class EVKeyPoolError : public plat::Exception {
 public:
  using Exception::Exception;
};

class TVKeyPool {
 public:
  // The key-up handler of a password edit: an accepted key replaces the
  // selection with its placeholder (when the edit has a maximum length and
  // room under it) and leaves the caret just after it.
  void KeyUp(plat::TCustomEdit& Edit, std::uint16_t Key);
  // One character per placeholder of Text: the scan code of its key.
  plat::String Decode(const plat::String& Text) const;

 private:
  static constexpr char32_t kFirstPlaceholder = 32;
  static constexpr char32_t kLastPlaceholder = 255;
  static constexpr std::size_t kPlaceholders = kLastPlaceholder - kFirstPlaceholder + 1;

  // Accepting a key: an accepted key gets the next placeholder that is not
  // in FieldText, given back in Placeholder. False for a key that is not accepted or finds none.
  bool IsPoolKey(std::uint16_t Key, const plat::String& FieldText, char32_t& Placeholder);

  // The virtual key of each placeholder, 0 for none yet.
  std::array<std::uint8_t, kPlaceholders> FKeys{};
  char32_t FNext = kFirstPlaceholder;
};

}  // namespace zorbit
