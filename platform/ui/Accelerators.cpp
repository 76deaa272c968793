#include "platform/ui/Accelerators.h"

#include <set>

#include "platform/rtl/Unicode.h"

namespace plat {

namespace {

bool IsLetterOrDigit(char32_t c) { return (c >= U'0' && c <= U'9') || UnicodeUpper(c) != UnicodeLower(c); }

// The caption with "&" placed before the character at byte position Pos.
String MarkAt(const String& Caption, std::size_t Pos) { return Caption.substr(0, Pos) + "&" + Caption.substr(Pos); }

// Escapes the plain ampersands of a caption that is to get a mark.
String EscapeAmpersands(const String& Caption) {
  String result;
  for (char c : Caption) {
    result += c;
    if (c == '&') result += '&';
  }
  return result;
}

}  // namespace

bool IsAccel(char32_t Char, const String& Caption) {
  const char32_t key = GetHotkey(Caption);
  return key != 0 && key == UnicodeUpper(Char);
}

char32_t GetHotkey(const String& Caption) {
  for (std::size_t pos = 0; pos < Caption.size();) {
    const char32_t c = DecodeUtf8(Caption, pos);
    if (c != U'&' || pos >= Caption.size()) continue;
    const char32_t next = DecodeUtf8(Caption, pos);
    if (next == U'&') continue;  // "&&": a plain ampersand
    return UnicodeUpper(next);
  }
  return 0;
}

String StripHotkey(const String& Caption) {
  String result;
  for (std::size_t pos = 0; pos < Caption.size(); ++pos) {
    if (Caption[pos] == '&' && pos + 1 < Caption.size()) ++pos;
    result += Caption[pos];
  }
  return result;
}

void AssignHotkeys(std::vector<String>& Captions, const std::vector<bool>& Skip) {
  std::set<char32_t> used;
  for (std::size_t i = 0; i < Captions.size(); ++i) {
    if (!Skip[i]) used.insert(GetHotkey(Captions[i]));
  }
  for (std::size_t i = 0; i < Captions.size(); ++i) {
    if (Skip[i] || GetHotkey(Captions[i]) != 0) continue;
    const String plain = EscapeAmpersands(StripHotkey(Captions[i]));
    // Word starts first, then any letter or digit, each in caption order.
    std::size_t chosen = String::npos;
    for (bool wordStartsOnly : {true, false}) {
      bool atWordStart = true;
      for (std::size_t pos = 0; pos < plain.size() && chosen == String::npos;) {
        const std::size_t start = pos;
        const char32_t c = DecodeUtf8(plain, pos);
        const bool candidate = IsLetterOrDigit(c) && c != U'&' && (atWordStart || !wordStartsOnly);
        if (candidate && !used.contains(UnicodeUpper(c))) chosen = start;
        atWordStart = !IsLetterOrDigit(c);
      }
      if (chosen != String::npos) break;
    }
    if (chosen == String::npos) continue;
    std::size_t pos = chosen;
    used.insert(UnicodeUpper(DecodeUtf8(plain, pos)));
    Captions[i] = MarkAt(plain, chosen);
  }
}

}  // namespace plat
