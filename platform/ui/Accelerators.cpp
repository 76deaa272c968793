#include "platform/ui/Accelerators.h"

#include "platform/rtl/Unicode.h"

namespace plat {

bool IsAccel(char32_t Char, const String& Caption) {
  for (std::size_t pos = 0; pos < Caption.size();) {
    const char32_t c = DecodeUtf8(Caption, pos);
    if (c != U'&' || pos >= Caption.size()) continue;
    const char32_t next = DecodeUtf8(Caption, pos);
    if (next == U'&') continue;  // "&&": a plain ampersand
    return UnicodeUpper(next) == UnicodeUpper(Char);
  }
  return false;
}

}  // namespace plat
