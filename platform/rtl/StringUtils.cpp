#include "platform/rtl/StringUtils.h"

#include <algorithm>
#include <vector>

#include "platform/rtl/Unicode.h"

namespace plat {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

int Sign(int value) { return (value > 0) - (value < 0); }

template <typename Map>
String MapCodePoints(const String& s, Map map) {
  // ASCII text, the common case, maps byte by byte: the case maps keep
  // ASCII within ASCII.
  if (std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    String out(s);
    for (char& c : out) c = static_cast<char>(map(static_cast<char32_t>(c)));
    return out;
  }
  String out;
  out.reserve(s.size());
  for (std::size_t pos = 0; pos < s.size();) {
    const std::size_t start = pos;
    const char32_t c = DecodeUtf8(s, pos);
    // Bytes that are not UTF-8 are kept as they are.
    if (c == kReplacementChar && pos - start == 1) {
      out += s[start];
    } else {
      AppendUtf8(out, map(c));
    }
  }
  return out;
}

// Clips a 1-based range to s: returns the 0-based start and the length.
std::pair<std::size_t, std::size_t> ClipRange(const String& s, int index, int count) {
  const long long size = static_cast<long long>(s.size());
  long long start = std::max<long long>(index, 1) - 1;
  if (start >= size || count <= 0) {
    return {s.size(), 0};
  }
  const long long length = std::min<long long>(count, size - start);
  return {static_cast<std::size_t>(start), static_cast<std::size_t>(length)};
}

}  // namespace

String Trim(const String& s) { return TrimLeft(TrimRight(s)); }

String TrimLeft(const String& s) {
  const auto first = std::find_if_not(s.begin(), s.end(), IsBlank);
  return String(first, s.end());
}

String TrimRight(const String& s) {
  const auto last = std::find_if_not(s.rbegin(), s.rend(), IsBlank);
  return String(s.begin(), last.base());
}

String UpperCase(const String& s) {
  String out(s);
  std::transform(out.begin(), out.end(), out.begin(), AsciiUpper);
  return out;
}

String LowerCase(const String& s) {
  String out(s);
  std::transform(out.begin(), out.end(), out.begin(), AsciiLower);
  return out;
}

String AnsiUpperCase(const String& s) { return MapCodePoints(s, UnicodeUpper); }
String AnsiLowerCase(const String& s) { return MapCodePoints(s, UnicodeLower); }

int CompareStr(const String& a, const String& b) { return Sign(a.compare(b)); }

int CompareText(const String& a, const String& b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto ca = static_cast<unsigned char>(AsciiUpper(a[i]));
    const auto cb = static_cast<unsigned char>(AsciiUpper(b[i]));
    if (ca != cb) {
      return ca < cb ? -1 : 1;
    }
  }
  return Sign(static_cast<int>(a.size() > b.size()) - static_cast<int>(a.size() < b.size()));
}

bool SameStr(const String& a, const String& b) { return a == b; }
bool SameText(const String& a, const String& b) { return a.size() == b.size() && CompareText(a, b) == 0; }

int AnsiCompareStr(const String& a, const String& b) {
  // Code point order is byte order in UTF-8.
  return CompareStr(a, b);
}

int AnsiCompareText(const String& a, const String& b) {
  std::size_t pa = 0;
  std::size_t pb = 0;
  while (pa < a.size() && pb < b.size()) {
    const char32_t ca = UnicodeLower(DecodeUtf8(a, pa));
    const char32_t cb = UnicodeLower(DecodeUtf8(b, pb));
    if (ca != cb) {
      return ca < cb ? -1 : 1;
    }
  }
  return static_cast<int>(pa < a.size()) - static_cast<int>(pb < b.size());
}

bool AnsiSameText(const String& a, const String& b) { return AnsiCompareText(a, b) == 0; }
bool AnsiSameStr(const String& a, const String& b) { return a == b; }

int Pos(const String& sub, const String& s) { return PosEx(sub, s, 1); }

int PosEx(const String& sub, const String& s, int offset) {
  if (sub.empty() || offset < 1 || static_cast<std::size_t>(offset) > s.size()) {
    return 0;
  }
  const std::size_t found = s.find(sub, static_cast<std::size_t>(offset) - 1);
  return found == String::npos ? 0 : static_cast<int>(found) + 1;
}

int AnsiPos(const String& sub, const String& s) { return Pos(sub, s); }

String Copy(const String& s, int index, int count) {
  const auto [start, length] = ClipRange(s, index, count);
  return s.substr(start, length);
}

void Delete(String& s, int index, int count) {
  if (index < 1) {
    return;  // the classic runtime removes nothing before the first character
  }
  const auto [start, length] = ClipRange(s, index, count);
  s.erase(start, length);
}

void Insert(const String& source, String& s, int index) {
  const std::size_t at = std::clamp<long long>(index, 1, static_cast<long long>(s.size()) + 1) - 1;
  s.insert(at, source);
}

String StringReplace(const String& s, const String& oldPattern, const String& newPattern, int flags) {
  if (oldPattern.empty()) {
    return s;
  }
  const bool replaceAll = (flags & rfReplaceAll) != 0;
  // Without case the search runs on upper-cased code points, which keeps
  // the match boundaries on the original bytes.
  std::u32string haystack;
  std::vector<std::size_t> offsets;  // byte start of each code point, then the end
  std::u32string needle;
  if (flags & rfIgnoreCase) {
    for (std::size_t pos = 0; pos < s.size();) {
      offsets.push_back(pos);
      haystack += UnicodeUpper(DecodeUtf8(s, pos));
    }
    for (std::size_t pos = 0; pos < oldPattern.size();) {
      needle += UnicodeUpper(DecodeUtf8(oldPattern, pos));
    }
  } else {
    haystack.assign(s.begin(), s.end());
    needle.assign(oldPattern.begin(), oldPattern.end());
    for (std::size_t pos = 0; pos < s.size(); ++pos) {
      offsets.push_back(pos);
    }
  }
  offsets.push_back(s.size());
  String out;
  std::size_t from = 0;  // in code points
  while (true) {
    const std::size_t found = haystack.find(needle, from);
    if (found == std::u32string::npos) {
      break;
    }
    out.append(s, offsets[from], offsets[found] - offsets[from]);
    out += newPattern;
    from = found + needle.size();
    if (!replaceAll) {
      break;
    }
  }
  out.append(s, offsets[from], String::npos);
  return out;
}

String StringOfChar(char c, int count) { return count > 0 ? String(static_cast<std::size_t>(count), c) : String(); }

int LastDelimiter(const String& delimiters, const String& s) {
  const std::size_t found = s.find_last_of(delimiters);
  return found == String::npos ? 0 : static_cast<int>(found) + 1;
}

String QuotedStr(const String& s) { return AnsiQuotedStr(s, '\''); }

String AnsiQuotedStr(const String& s, char quote) {
  String out;
  out.reserve(s.size() + 2);
  out += quote;
  for (char c : s) {
    out += c;
    if (c == quote) {
      out += quote;
    }
  }
  out += quote;
  return out;
}

String AnsiExtractQuotedStr(const String& s, std::size_t& pos, char quote) {
  if (pos >= s.size() || s[pos] != quote) {
    return String();
  }
  String out;
  ++pos;
  while (pos < s.size()) {
    if (s[pos] == quote) {
      ++pos;
      if (pos >= s.size() || s[pos] != quote) {
        break;  // the closing quote
      }
    }
    out += s[pos];
    ++pos;
  }
  return out;
}

String AnsiDequotedStr(const String& s, char quote) {
  std::size_t pos = 0;
  String inner = AnsiExtractQuotedStr(s, pos, quote);
  // Only a text that is one complete quoted string loses its quotes.
  if (pos == s.size() && s.size() >= 2 && s.back() == quote) {
    return inner;
  }
  return s;
}

}  // namespace plat
