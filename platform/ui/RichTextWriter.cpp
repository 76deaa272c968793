#include "platform/ui/RichTextWriter.h"

#include <algorithm>
#include <vector>

#include "platform/rtl/Unicode.h"

namespace plat {
namespace {

void AppendEscaped(String& out, char32_t c) {
  if (c == U'\\' || c == U'{' || c == U'}') {
    out += '\\';
    out += static_cast<char>(c);
  } else if (c == U'\t') {
    out += "\\tab ";
  } else if (c < 0x20) {
    // Other control characters have no place in rich text.
  } else if (c < 0x7F) {
    out += static_cast<char>(c);
  } else {
    // As UTF-16 units, each a signed 16-bit number with "?" for readers
    // that do not know \u.
    auto unit = [&out](char32_t u) { out += "\\u" + std::to_string(static_cast<std::int16_t>(u)) + "?"; };
    if (c > 0xFFFF) {
      unit(0xD800 + ((c - 0x10000) >> 10));
      unit(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      unit(c);
    }
  }
}

std::u32string Utf8ToChars(const String& text) {
  std::u32string chars;
  for (std::size_t pos = 0; pos < text.size();) chars += DecodeUtf8(text, pos);
  return chars;
}

template <typename T>
int IndexIn(std::vector<T>& list, const T& value) {
  const auto found = std::find(list.begin(), list.end(), value);
  if (found != list.end()) return static_cast<int>(found - list.begin());
  list.push_back(value);
  return static_cast<int>(list.size()) - 1;
}

}  // namespace

String WriteRichText(const TRichText& Text) {
  const std::vector<TRichRun> runs = Text.Runs();
  std::vector<String> fonts;
  std::vector<TColor> colors;  // \cf1 onwards; \cf0 is the automatic colour
  for (const TRichRun& run : runs) {
    IndexIn(fonts, run.Format->Name);
    if (run.Format->Color != clWindowText) IndexIn(colors, run.Format->Color);
  }
  if (fonts.empty()) fonts.push_back(TCharFormat().Name);

  String out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
  for (std::size_t i = 0; i < fonts.size(); ++i) {
    out += "{\\f" + std::to_string(i) + "\\fnil ";
    for (const char32_t c : Utf8ToChars(fonts[i]))
      if (c != U';') AppendEscaped(out, c);
    out += ";}";
  }
  out += "}\r\n{\\colortbl ;";
  for (const TColor color : colors) {
    const auto rgb = static_cast<COLORREF>(ColorToRGB(color));
    out += "\\red" + std::to_string(rgb & 0xFF) + "\\green" + std::to_string((rgb >> 8) & 0xFF) + "\\blue" +
           std::to_string((rgb >> 16) & 0xFF) + ";";
  }
  out += "}\r\n\\pard";

  // Every run states its whole format, so a reader needs no memory of the
  // runs before it.
  const std::u32string& chars = Text.Chars();
  std::size_t run = 0;
  std::size_t stated = runs.size();
  for (int i = 0; i < Text.Length(); ++i) {
    while (runs[run].Start + runs[run].Length <= i) ++run;
    if (run != stated) {
      const TCharFormat& f = *runs[run].Format;
      out += "\\f" + std::to_string(std::find(fonts.begin(), fonts.end(), f.Name) - fonts.begin());
      out += "\\fs" + std::to_string(f.Size * 2);
      out += f.Bold ? "\\b" : "\\b0";
      out += f.Italic ? "\\i" : "\\i0";
      out += f.Underline ? "\\ul" : "\\ulnone";
      out += "\\cf" + std::to_string(f.Color == clWindowText
                                         ? 0
                                         : std::find(colors.begin(), colors.end(), f.Color) - colors.begin() + 1);
      out += ' ';
      stated = run;
    }
    // A line break (CR LF, or a lone CR or LF) is a paragraph mark, even
    // when its two halves differ in format.
    if (chars[i] == U'\r' || chars[i] == U'\n') {
      if (chars[i] == U'\r' && i + 1 < Text.Length() && chars[i + 1] == U'\n') ++i;
      out += "\\par\r\n";
    } else {
      AppendEscaped(out, chars[i]);
    }
  }
  out += "\\par\r\n}\r\n";
  return out;
}

}  // namespace plat
