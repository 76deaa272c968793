#pragma once
// UTF-8 text that arrives one byte at a time (a character message per byte)
// assembled into code points. A byte that cannot continue the open
// sequence breaks it: each byte taken so far gives U+FFFD, and the breaking
// byte starts afresh, so no character after a broken one is lost. Bytes
// that can never start a character give U+FFFD at once.
#include <string>

#include "platform/rtl/Types.h"

namespace plat {

class TUtf8Assembler {
 public:
  // The code points this byte completes; none while a sequence is open.
  std::u32string Add(Byte Next);
  // Whether a sequence waits for more bytes.
  bool Pending() const { return !FBytes.empty(); }

 private:
  String FBytes;
};

}  // namespace plat
