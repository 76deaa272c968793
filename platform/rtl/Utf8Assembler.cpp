#include "platform/rtl/Utf8Assembler.h"

#include "platform/rtl/Unicode.h"

namespace plat {

namespace {

bool IsContinuation(Byte b) { return (b & 0xC0) == 0x80; }

// The length of the sequence a byte starts; 1 for one that starts none.
std::size_t SequenceLength(Byte lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 1;
}

}  // namespace

std::u32string TUtf8Assembler::Add(Byte Next) {
  std::u32string out;
  if (Pending() && !IsContinuation(Next)) {
    out.append(FBytes.size(), kReplacementChar);
    FBytes.clear();
  }
  FBytes.push_back(static_cast<char>(Next));
  if (FBytes.size() < SequenceLength(static_cast<Byte>(FBytes[0]))) return out;
  for (std::size_t pos = 0; pos < FBytes.size();) out.push_back(DecodeUtf8(FBytes, pos));
  FBytes.clear();
  return out;
}

}  // namespace plat
