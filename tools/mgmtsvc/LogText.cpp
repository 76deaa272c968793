#include "tools/mgmtsvc/LogText.h"

namespace zorbit::mgmtsvc {

namespace {

// The length of the well-formed UTF-8 sequence of a printable character at
// the start of Bytes, 0 when there is none.
std::size_t PrintableSequence(std::string_view Bytes) {
  const auto byte = [&Bytes](std::size_t Index) { return static_cast<unsigned char>(Bytes[Index]); };
  const unsigned char lead = byte(0);
  if (lead >= 0x20 && lead < 0x7F) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no over-long forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing beyond U+10FFFF
  } else {
    return 0;
  }
  if (Bytes.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  if (lead == 0xC2 && byte(1) <= 0x9F) return 0;  // the C1 control characters
  return length;
}

}  // namespace

std::string LogExcerpt(std::string_view Bytes, std::size_t MaxBytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string text;
  std::size_t at = 0;
  while (at < Bytes.size()) {
    const std::size_t length = PrintableSequence(Bytes.substr(at));
    if (at + (length > 0 ? length : 1) > MaxBytes) break;
    if (length > 0) {
      if (Bytes[at] == '\\') text += '\\';
      text.append(Bytes.substr(at, length));
      at += length;
    } else {
      const auto byte = static_cast<unsigned char>(Bytes[at++]);
      text += "\\x";
      text += kHex[byte >> 4];
      text += kHex[byte & 0x0F];
    }
  }
  if (at < Bytes.size()) text += " ... (" + std::to_string(Bytes.size()) + " bytes)";
  return text;
}

}  // namespace zorbit::mgmtsvc
