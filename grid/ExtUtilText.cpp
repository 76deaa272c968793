#include "grid/ExtUtilText.h"

#include <vector>

#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/StringUtils.h"
#include "platform/rtl/Unicode.h"

namespace zorbit {
namespace {

using plat::String;

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

bool IsDigits(const String& Text) {
  if (Text.empty()) return false;
  for (const char c : Text)
    if (!IsDigit(c)) return false;
  return true;
}

// Digits only, small enough for an int.
bool ReadIndex(const String& Text, int& Value) {
  if (!IsDigits(Text) || Text.size() > 9) return false;
  Value = std::stoi(Text);
  return true;
}

}  // namespace

int ClassifyCellText(const String& Text, bool HtmlAllowed) {
  const String text = Text + ' ';
  if (text.size() < 2) return CellTextPlain;
  if (text[0] == '=') return CellTextFormula;
  if (text.compare(0, 2, "|\\") == 0) return text.size() > 3 && text[3] == '=' ? CellTextFormula : CellTextUnicode;
  if (text.compare(0, 2, "{\\") == 0) return CellTextRich;
  if (HtmlAllowed &&
      (text.find("</") != String::npos || text.find("<B") != String::npos || text.find("<I") != String::npos))
    return CellTextHtml;
  return CellTextPlain;
}

int ClassifyNumberText(const String& Text) {
  const plat::TFormatSettings& settings = plat::FormatSettings();
  int digits = 0, minus = 0, decimals = 0, thousands = 0;
  for (std::size_t i = 0; i < Text.size(); ++i) {
    const char c = Text[i];
    if (IsDigit(c)) {
      ++digits;
    } else if (c == '-') {
      if (i > 0) return NumberTextNone;
      ++minus;
    } else if (c == settings.DecimalSeparator) {
      ++decimals;
    } else if (c == settings.ThousandSeparator) {
      if (i == 0) return NumberTextNone;
      ++thousands;
    } else {
      return NumberTextNone;
    }
  }
  if (digits == 0 || decimals > 1 || thousands > 1) return NumberTextNone;
  return decimals + thousands == 0 ? NumberTextInteger : NumberTextDecimal;
}

String ExtractNumberText(const String& Text) {
  const plat::TFormatSettings& settings = plat::FormatSettings();
  bool negative = !Text.empty() && Text.front() == '(' && Text.back() == ')';
  std::size_t i = 0;
  auto startsNumber = [&](char c) {
    return IsDigit(c) || c == 'E' || c == 'e' || c == settings.DecimalSeparator || c == settings.ThousandSeparator;
  };
  while (Text.size() - i >= 2 && !startsNumber(Text[i])) {
    if (Text[i] == '-') negative = true;
    ++i;
  }
  String number;
  for (; i < Text.size(); ++i) {
    const char c = Text[i];
    if (c == settings.ThousandSeparator) continue;
    if (c == settings.DecimalSeparator) {
      number += '.';
    } else if (IsDigit(c) || c == '+' || c == '-' || c == '.' || c == 'E' || c == 'e') {
      number += c;
    } else {
      break;
    }
  }
  return negative ? "-" + number : number;
}

String NormalizeNumberText(const String& Text) {
  const plat::TFormatSettings& settings = plat::FormatSettings();
  String out;
  out.reserve(Text.size());
  for (const char c : Text) {
    if (c == settings.DecimalSeparator)
      out += '.';
    else if (c != settings.ThousandSeparator)
      out += c;
  }
  return out;
}

bool ParseCellReference(const String& Text, int& Col, int& Row) {
  const String text = plat::UpperCase(Text);
  if (text.size() <= 3 || text[0] != 'R') return false;
  const std::size_t c = text.find('C', 1);
  if (c == String::npos) return false;
  int row = 0, col = 0;
  if (!ReadIndex(text.substr(1, c - 1), row) || !ReadIndex(text.substr(c + 1), col)) return false;
  Col = col;
  Row = row;
  return true;
}

bool IsLinkText(const String& Text) { return Text.find("://") != String::npos || Text.find("mailto:") != String::npos; }

void StripLinkProtocol(String& Text) {
  if (const std::size_t p = Text.find("://"); p != String::npos) {
    Text.erase(0, p + 3);
  } else if (const std::size_t m = Text.find("mailto:"); m != String::npos) {
    Text.erase(0, m + 7);
  }
}

String CapitalizeWords(const String& Text) {
  // Characters as code points; bytes that are not UTF-8 pass unchanged.
  struct Character {
    char32_t Code;
    char Raw;  // the byte itself when Code is not a character
  };
  constexpr char32_t notCharacter = 0xFFFFFFFF;
  std::vector<Character> in;
  for (std::size_t pos = 0; pos < Text.size();) {
    const std::size_t start = pos;
    const char32_t c = plat::DecodeUtf8(Text, pos);
    const bool bad = c == plat::kReplacementChar && pos - start == 1;
    in.push_back({bad ? notCharacter : c, Text[start]});
  }

  auto isBreak = [](char32_t c) { return c == ' ' || c == '\'' || c == ',' || c == '-' || c == '.'; };
  std::vector<char32_t> out(in.size());
  bool wordStart = true;
  for (std::size_t i = 0; i < in.size(); ++i) {
    const char32_t c = in[i].Code;
    if (c != notCharacter)
      out[i] = wordStart ? plat::UnicodeUpper(c) : plat::UnicodeLower(c);
    else
      out[i] = c;
    wordStart = isBreak(c);
  }
  for (std::size_t i = 0; i + 2 < out.size(); ++i)
    if (out[i] == 'M' && out[i + 1] == 'c' && (i == 0 || out[i - 1] == ' ') && out[i + 2] != notCharacter)
      out[i + 2] = plat::UnicodeUpper(out[i + 2]);
  for (std::size_t k = out.size() >= 3 ? out.size() - 3 : 0; k < out.size(); ++k) {
    const bool afterI = k >= 2 && out[k - 2] == ' ' && out[k - 1] == 'I';
    const bool afterII = k >= 3 && out[k - 3] == ' ' && out[k - 2] == 'I' && out[k - 1] == 'I';
    const bool wasUpper = in[k].Code != notCharacter && plat::UnicodeLower(in[k].Code) != in[k].Code;
    if ((afterI || afterII) && wasUpper) out[k] = in[k].Code;
  }

  String result;
  result.reserve(Text.size());
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (out[i] == notCharacter)
      result += in[i].Raw;
    else
      plat::AppendUtf8(result, out[i]);
  }
  return result;
}

}  // namespace zorbit
