#include "grid/ExtUtilFields.h"

#include <algorithm>
#include <utility>

#include "platform/rtl/OemCodePage.h"

namespace zorbit {
namespace {

using plat::String;

constexpr char kCR = '\r';
constexpr char kLF = '\n';
// Stand-ins for CR and LF in a text stream line, and the escape that keeps
// the text's own characters of those codes.
constexpr char kMaskedCR = '\t';
constexpr char kMaskedLF = '\b';
constexpr char kMaskEscape = '\x10';

String ReplaceAll(const String& Text, const String& From, const String& To) {
  String out;
  std::size_t start = 0;
  for (std::size_t p; (p = Text.find(From, start)) != String::npos; start = p + From.size()) {
    out.append(Text, start, p - start);
    out += To;
  }
  out.append(Text, start);
  return out;
}

// Calls Visit(position of the run's last character, 1-based) for each run of
// C of odd length; stops when Visit answers false.
template <typename Visit>
void ForEachOddRun(char C, std::string_view Text, Visit visit) {
  for (std::size_t i = 0; i < Text.size();) {
    if (Text[i] != C) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < Text.size() && Text[end] == C) ++end;
    if ((end - i) % 2 == 1 && !visit(static_cast<int>(end))) return;
    i = end;
  }
}

}  // namespace

int CharPosition(char C, const String& Text) {
  const std::size_t p = Text.find(C);
  return p == String::npos ? 0 : static_cast<int>(p + 1);
}

int FindUnpairedChar(char C, std::string_view Text) {
  int found = 0;
  ForEachOddRun(C, Text, [&](int position) {
    found = position;
    return false;
  });
  return found;
}

int CountUnpairedChars(char C, std::string_view Text) {
  int count = 0;
  ForEachOddRun(C, Text, [&](int) {
    ++count;
    return true;
  });
  return count;
}

int CountCharOccurrences(char C, std::string_view Text) {
  return static_cast<int>(std::count(Text.begin(), Text.end(), C));
}

String UndoubleChar(char C, std::string_view Text) {
  String out;
  out.reserve(Text.size());
  for (std::size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] != C) {
      out += Text[i];
    } else if (i + 1 < Text.size() && Text[i + 1] == C) {
      out += C;
      ++i;
    }
  }
  return out;
}

String QuoteMultiLineField(const String& Text) { return '"' + ReplaceAll(Text, "\r\n", "\x0B") + '"'; }

String RestoreMultiLineField(const String& Text) { return ReplaceAll(Text, "\x0B", "\r\n"); }

String TildeToLineBreak(const String& Text) {
  if (Text == "^") return {};
  return ReplaceAll(Text, "~", "\r\n");
}

String OemTextToAnsi(const String& Text) { return plat::OemToChar(Text); }

String RemoveCarriageReturns(const String& Text) {
  String out = Text;
  out.erase(std::remove(out.begin(), out.end(), kCR), out.end());
  return out;
}

String ExpandNewlineEscapes(const String& Text) { return ReplaceAll(Text, "\\n", "\r"); }

String MaskLineBreaks(const String& Text) {
  String out;
  out.reserve(Text.size() + Text.size() / 8);
  for (const char c : Text) {
    switch (c) {
      case kCR: out += kMaskedCR; break;
      case kLF: out += kMaskedLF; break;
      case kMaskedCR:
      case kMaskedLF:
      case kMaskEscape:
        out += kMaskEscape;
        out += c;
        break;
      default: out += c;
    }
  }
  return out;
}

String UnmaskLineBreaks(const String& Text, bool AllLines) {
  if (Text.find_first_of(String{kMaskedCR, kMaskedLF, kMaskEscape}) == String::npos) return Text;
  String out;
  out.reserve(Text.size());
  for (std::size_t i = 0; i < Text.size(); ++i) {
    const char c = Text[i];
    if (c == kMaskEscape && i + 1 < Text.size()) {
      out += Text[++i];
    } else if (c == kMaskedCR || c == kMaskedLF) {
      if (!AllLines) break;
      out += c == kMaskedCR ? kCR : kLF;
    } else {
      out += c;
    }
  }
  return out;
}

String TakeFirstLine(String& Text) {
  const std::size_t cr = Text.find(kCR);
  if (cr == String::npos) return std::exchange(Text, String());
  String line = Text.substr(0, cr);
  std::size_t rest = cr + 1;
  if (rest < Text.size() && Text[rest] == kLF) ++rest;
  Text.erase(0, rest);
  return line;
}

int CountTextLines(const String& Text, bool MultiLine) { return MultiLine ? CountCharOccurrences(kCR, Text) + 1 : 1; }

String TakeUntilDelimiter(String& Source, const String& Delimiter) {
  const std::size_t p = Delimiter.empty() ? String::npos : Source.find(Delimiter);
  if (p == String::npos) return std::exchange(Source, String());
  String head = Source.substr(0, p);
  Source.erase(0, p + Delimiter.size());
  return head;
}

}  // namespace zorbit
