#include "platform/rtl/Unicode.h"

#include <algorithm>

namespace plat {

namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Latin Extended-A pairs a capital with the small letter one above it, on
// even capitals in some stretches and odd ones in others.
bool InLatinExtAEvenPairs(char32_t c) {
  return (c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177);
}
bool InLatinExtAOddPairs(char32_t c) { return (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E); }

}  // namespace

char32_t DecodeUtf8(const String& s, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(s[pos]);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  int length = 0;
  char32_t value = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, value = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, value = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, value = lead & 0x07, minimum = 0x10000;
  } else {
    ++pos;
    return kReplacementChar;
  }
  if (pos + length > s.size()) {
    ++pos;
    return kReplacementChar;
  }
  for (int i = 1; i < length; ++i) {
    const auto c = static_cast<unsigned char>(s[pos + i]);
    if (!IsContinuation(c)) {
      ++pos;
      return kReplacementChar;
    }
    value = (value << 6) | (c & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are not characters.
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    ++pos;
    return kReplacementChar;
  }
  pos += length;
  return value;
}

void AppendUtf8(String& out, char32_t c) {
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    c = kReplacementChar;
  }
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

WideString Utf8ToWide(const String& s) {
  WideString out;
  out.reserve(s.size());
  for (std::size_t pos = 0; pos < s.size();) {
    const char32_t c = DecodeUtf8(s, pos);
    if (c >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(c);
    }
  }
  return out;
}

String WideToUtf8(const WideString& s) {
  String out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    char32_t c = s[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    }
    AppendUtf8(out, c);  // a lone surrogate becomes U+FFFD there
  }
  return out;
}

WideString AnsiToWide(const String& s) { return Utf8ToWide(s); }
String WideToAnsi(const WideString& s) { return WideToUtf8(s); }

char32_t UnicodeUpper(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if (c < 0x80) return c;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
  if (c == 0xFF) return 0x178;
  if (InLatinExtAEvenPairs(c)) return c & ~char32_t{1};
  if (InLatinExtAOddPairs(c)) return (c & 1) ? c : c - 1;
  if (c == 0x131) return 'I';
  if (c == 0x17F) return 'S';
  if (c == 0x3C2) return 0x3A3;  // final sigma
  if (c >= 0x3B1 && c <= 0x3C9) return c - 32;
  if (c >= 0x430 && c <= 0x44F) return c - 32;
  if (c >= 0x450 && c <= 0x45F) return c - 80;
  return c;
}

char32_t UnicodeLower(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c < 0x80) return c;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  if (c == 0x178) return 0xFF;
  if (InLatinExtAEvenPairs(c)) return c | 1;
  if (InLatinExtAOddPairs(c)) return (c & 1) ? c + 1 : c;
  if (c == 0x130) return 'i';
  if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 32;
  if (c >= 0x410 && c <= 0x42F) return c + 32;
  if (c >= 0x400 && c <= 0x40F) return c + 80;
  return c;
}

int Utf8Length(const String& s) {
  int count = 0;
  for (std::size_t pos = 0; pos < s.size(); pos = Utf8NextPos(s, pos)) {
    ++count;
  }
  return count;
}

std::size_t Utf8NextPos(const String& s, std::size_t pos) {
  if (pos >= s.size()) {
    return s.size();
  }
  DecodeUtf8(s, pos);
  return pos;
}

std::size_t Utf8PrevPos(const String& s, std::size_t pos) {
  pos = std::min(pos, s.size());
  if (pos == 0) {
    return 0;
  }
  // Step back over at most three continuation bytes, then check that the
  // sequence found really ends at pos; otherwise the previous byte stands alone.
  std::size_t start = pos - 1;
  while (start > 0 && pos - start < 4 && IsContinuation(static_cast<unsigned char>(s[start]))) {
    --start;
  }
  std::size_t probe = start;
  DecodeUtf8(s, probe);
  return probe == pos ? start : pos - 1;
}

std::size_t Utf8ByteOffset(const String& s, int codePointIndex) {
  std::size_t pos = 0;
  for (int i = 0; i < codePointIndex && pos < s.size(); ++i) {
    pos = Utf8NextPos(s, pos);
  }
  return pos;
}

String Utf8Copy(const String& s, int index, int count) {
  if (count <= 0) {
    return String();
  }
  const std::size_t begin = Utf8ByteOffset(s, std::max(index, 1) - 1);
  std::size_t end = begin;
  for (int i = 0; i < count && end < s.size(); ++i) {
    end = Utf8NextPos(s, end);
  }
  return s.substr(begin, end - begin);
}

}  // namespace plat
