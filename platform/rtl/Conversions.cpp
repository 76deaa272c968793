#include "platform/rtl/Conversions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/rtl/Exception.h"
#include "platform/rtl/RtlConsts.h"
#include "platform/rtl/StringUtils.h"

namespace plat {

namespace {

// --- integers -------------------------------------------------------------

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads an integer of the given bit width (32 or 64) as the classic runtime's
// Val does; false on any fault, including overflow.
bool ParseInteger(const String& s, int bits, Int64& value) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') {
    ++i;
  }
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
  }
  bool hex = false;
  if (i < s.size() && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
    hex = true;
    ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= s.size()) {
    return false;
  }
  const std::uint64_t limit = hex ? (bits == 32 ? 0xFFFFFFFFull : ~0ull)
                                  : (bits == 32 ? 0x7FFFFFFFull : 0x7FFFFFFFFFFFFFFFull) + (negative ? 1 : 0);
  const unsigned base = hex ? 16 : 10;
  std::uint64_t magnitude = 0;
  for (; i < s.size(); ++i) {
    const int digit = hex ? HexDigitValue(s[i]) : (s[i] >= '0' && s[i] <= '9' ? s[i] - '0' : -1);
    if (digit < 0) {
      return false;
    }
    if (magnitude > (limit - static_cast<unsigned>(digit)) / base) {
      return false;
    }
    magnitude = magnitude * base + static_cast<unsigned>(digit);
  }
  // Hexadecimal texts fill the target's bits, so "$FFFFFFFF" is -1 in 32 bits.
  if (hex && bits == 32) {
    const auto bits32 = static_cast<std::uint32_t>(negative ? 0u - static_cast<std::uint32_t>(magnitude)
                                                            : static_cast<std::uint32_t>(magnitude));
    value = static_cast<std::int32_t>(bits32);
  } else {
    value = static_cast<Int64>(negative ? 0ull - magnitude : magnitude);
  }
  return true;
}

[[noreturn]] void ConvertError(const TResStringRec& rec, const String& text) {
  throw EConvertError(FmtLoadResString(rec, {text}));
}

// What parse(s, value) reads, or EConvertError with the message rec.
template <typename T, typename Parse>
T ParsedOrRaise(const String& s, const TResStringRec& rec, Parse parse) {
  T value{};
  if (!parse(s, value)) {
    ConvertError(rec, s);
  }
  return value;
}

// What parse(s, value) reads, or defaultValue.
template <typename T, typename Parse>
T ParsedOrDefault(const String& s, T defaultValue, Parse parse) {
  T value{};
  return parse(s, value) ? value : defaultValue;
}

// --- floating point to decimal digits ------------------------------------

// value = 0.Digits * 10^Exponent; Digits has no trailing zeros and is empty for zero.
struct TFloatRec {
  int Exponent = 0;
  bool Negative = false;
  String Digits;
};

// Reads the text of std::to_chars ("123.450" or "1.2345e+02") into a record.
TFloatRec ParseDecimalText(const char* first, const char* last, bool negative) {
  TFloatRec rec;
  rec.Negative = negative;
  int pointPos = -1;
  int exponent = 0;
  String digits;
  for (const char* p = first; p < last; ++p) {
    if (*p == '.') {
      pointPos = static_cast<int>(digits.size());
    } else if (*p == 'e') {
      std::from_chars(p + 1 + (p[1] == '+'), last, exponent);
      break;
    } else {
      digits += *p;
    }
  }
  if (pointPos < 0) {
    pointPos = static_cast<int>(digits.size());
  }
  const std::size_t firstNonZero = digits.find_first_not_of('0');
  if (firstNonZero == String::npos) {
    return rec;  // zero
  }
  rec.Exponent = pointPos + exponent - static_cast<int>(firstNonZero);
  rec.Digits = digits.substr(firstNonZero);
  rec.Digits.erase(rec.Digits.find_last_not_of('0') + 1);
  return rec;
}

// value rounded to precision significant digits, and to decimals digits after
// the point when decimals >= 0. Halves round away from zero, as the classic
// runtime rounds, on the exact decimal expansion of the binary value.
TFloatRec FloatToDecimal(double value, int precision, int decimals) {
  // A double holds no more than 17 meaningful digits.
  precision = std::clamp(precision, 1, 17);
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 40);
  TFloatRec exact = ParseDecimalText(buffer, result.ptr, std::signbit(value));
  TFloatRec rec;
  rec.Negative = exact.Negative;
  if (exact.Digits.empty()) {
    rec.Negative = false;
    return rec;
  }
  int keep = precision;
  if (decimals >= 0) {
    keep = std::min(keep, exact.Exponent + decimals);
  }
  if (keep < 0) {
    rec.Negative = false;  // rounds to zero: no "-0"
    return rec;
  }
  String digits = exact.Digits.substr(0, static_cast<std::size_t>(keep));
  rec.Exponent = exact.Exponent;
  if (static_cast<std::size_t>(keep) < exact.Digits.size() && exact.Digits[static_cast<std::size_t>(keep)] >= '5') {
    int i = keep - 1;
    while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') {
      digits[static_cast<std::size_t>(i--)] = '0';
    }
    if (i >= 0) {
      ++digits[static_cast<std::size_t>(i)];
    } else {
      digits.insert(digits.begin(), '1');  // 9.99 became 10.0
      ++rec.Exponent;
    }
  }
  digits.erase(digits.find_last_not_of('0') + 1);
  rec.Digits = digits;
  if (rec.Digits.empty()) {
    rec.Negative = false;
    rec.Exponent = 0;
  }
  return rec;
}

String DigitsOrZeros(const String& digits, int from, int count) {
  String out;
  for (int i = from; i < from + count; ++i) {
    out += (i >= 0 && i < static_cast<int>(digits.size())) ? digits[static_cast<std::size_t>(i)] : '0';
  }
  return out;
}

String ExponentText(int exponent, bool forceSign, int minDigits) {
  String out = exponent < 0 ? "-" : (forceSign ? "+" : "");
  String digits = std::to_string(std::abs(exponent));
  if (static_cast<int>(digits.size()) < minDigits) {
    digits.insert(0, static_cast<std::size_t>(minDigits) - digits.size(), '0');
  }
  return out + digits;
}

String GroupThousands(const String& integerDigits, char separator) {
  String out;
  const int n = static_cast<int>(integerDigits.size());
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) {
      out += separator;
    }
    out += integerDigits[static_cast<std::size_t>(i)];
  }
  return out;
}

// The unsigned fixed text of a record with the given decimals.
String FixedText(const TFloatRec& rec, int decimals, bool thousands, const TFormatSettings& settings) {
  String integer = rec.Exponent > 0 ? DigitsOrZeros(rec.Digits, 0, rec.Exponent) : "0";
  if (thousands) {
    integer = GroupThousands(integer, settings.ThousandSeparator);
  }
  if (decimals <= 0) {
    return integer;
  }
  return integer + settings.DecimalSeparator + DigitsOrZeros(rec.Digits, rec.Exponent, decimals);
}

String GeneralText(const TFloatRec& rec, int precision, int expDigits, const TFormatSettings& settings) {
  if (rec.Digits.empty()) {
    return "0";
  }
  const int n = static_cast<int>(rec.Digits.size());
  String out = rec.Negative ? "-" : "";
  if (rec.Exponent > precision || rec.Exponent < -3) {
    out += rec.Digits[0];
    if (n > 1) {
      out += settings.DecimalSeparator + rec.Digits.substr(1);
    }
    return out + 'E' + ExponentText(rec.Exponent - 1, false, expDigits);
  }
  if (rec.Exponent <= 0) {
    return out + '0' + settings.DecimalSeparator + String(static_cast<std::size_t>(-rec.Exponent), '0') + rec.Digits;
  }
  out += DigitsOrZeros(rec.Digits, 0, rec.Exponent);
  if (n > rec.Exponent) {
    out += settings.DecimalSeparator + rec.Digits.substr(static_cast<std::size_t>(rec.Exponent));
  }
  return out;
}

String CurrencyText(const String& number, bool negative, const TFormatSettings& settings) {
  static const char* const kPositive[] = {"$1", "1$", "$ 1", "1 $"};
  static const char* const kNegative[] = {"($1)", "-$1",  "$-1",  "$1-",  "(1$)", "-1$",  "1-$",   "1$-",
                                          "-1 $", "-$ 1", "1 $-", "$ 1-", "$ -1", "1- $", "($ 1)", "(1 $)"};
  const char* layout = negative ? kNegative[settings.NegCurrFormat % 16] : kPositive[settings.CurrencyFormat % 4];
  String out;
  for (const char* p = layout; *p; ++p) {
    if (*p == '$') {
      out += settings.CurrencyString;
    } else if (*p == '1') {
      out += number;
    } else {
      out += *p;
    }
  }
  return out;
}

// --- text to floating point ------------------------------------------------

bool ParseFloat(const String& s, double& value, char decimalSeparator) {
  std::size_t i = 0;
  const std::size_t n = s.size();
  while (i < n && s[i] == ' ') {
    ++i;
  }
  String text;
  if (i < n && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-') {
      text += '-';
    }
    ++i;
  }
  int mantissaDigits = 0;
  while (i < n && s[i] >= '0' && s[i] <= '9') {
    text += s[i++];
    ++mantissaDigits;
  }
  if (i < n && s[i] == decimalSeparator) {
    text += '.';
    ++i;
    while (i < n && s[i] >= '0' && s[i] <= '9') {
      text += s[i++];
      ++mantissaDigits;
    }
  }
  if (mantissaDigits == 0) {
    return false;
  }
  bool negativeExponent = false;
  if (i < n && (s[i] == 'e' || s[i] == 'E')) {
    text += 'e';
    ++i;
    if (i < n && (s[i] == '+' || s[i] == '-')) {
      negativeExponent = s[i] == '-';
      text += s[i++];
    }
    int exponentDigits = 0;
    while (i < n && s[i] >= '0' && s[i] <= '9') {
      text += s[i++];
      ++exponentDigits;
    }
    if (exponentDigits == 0) {
      return false;
    }
  }
  while (i < n && s[i] == ' ') {
    ++i;
  }
  if (i != n) {
    return false;
  }
  double parsed = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (result.ec == std::errc::result_out_of_range) {
    if (!negativeExponent) {
      return false;  // too large
    }
    parsed = 0;  // too small: underflows to zero
  } else if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
    return false;
  }
  value = parsed;
  return true;
}

// --- pattern formatting ----------------------------------------------------

// Splits a FormatFloat pattern into its sections, honouring quoted text.
std::vector<String> SplitSections(const String& format) {
  std::vector<String> sections(1);
  char quote = 0;
  for (char c : format) {
    if (quote) {
      quote = c == quote ? 0 : quote;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == ';') {
      sections.emplace_back();
      continue;
    }
    sections.back() += c;
  }
  return sections;
}

struct TPatternInfo {
  int IntPlaceholders = 0;
  int IntZeros = 0;  // placeholders from the first "0" of the integer part on
  int DecPlaceholders = 0;
  int DecZeros = 0;  // placeholders up to the last "0" of the fraction
  bool HasPoint = false;
  bool Thousands = false;
  bool Scientific = false;
};

TPatternInfo AnalysePattern(const String& pattern) {
  TPatternInfo info;
  bool inFraction = false;
  bool seenIntZero = false;
  char quote = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (quote) {
      quote = c == quote ? 0 : quote;
      continue;
    }
    switch (c) {
      case '"':
      case '\'': quote = c; break;
      case '0':
      case '#':
        if (inFraction) {
          ++info.DecPlaceholders;
          if (c == '0') {
            info.DecZeros = info.DecPlaceholders;
          }
        } else {
          ++info.IntPlaceholders;
          seenIntZero = seenIntZero || c == '0';
          if (seenIntZero) {
            ++info.IntZeros;
          }
        }
        break;
      case '.':
        if (!inFraction) {
          inFraction = true;
          info.HasPoint = true;
        }
        break;
      case ',': info.Thousands = !inFraction; break;
      case 'E':
      case 'e':
        if (i + 1 < pattern.size() && (pattern[i + 1] == '+' || pattern[i + 1] == '-')) {
          info.Scientific = true;
          return info;  // the exponent's own digits follow
        }
        break;
      default: break;
    }
  }
  return info;
}

String FormatSection(const String& pattern, const TFloatRec& rec, const TFormatSettings& settings) {
  const TPatternInfo info = AnalysePattern(pattern);
  String intDigits;
  String fracDigits;
  int exponent = 0;
  if (info.Scientific) {
    const int shift = std::max(info.IntPlaceholders, 1);
    if (!rec.Digits.empty()) {
      exponent = rec.Exponent - shift;
    }
    intDigits = DigitsOrZeros(rec.Digits, 0, shift);
    fracDigits =
        rec.Digits.size() > static_cast<std::size_t>(shift) ? rec.Digits.substr(static_cast<std::size_t>(shift)) : "";
    fracDigits.resize(std::max<std::size_t>(fracDigits.size(), static_cast<std::size_t>(info.DecZeros)), '0');
    fracDigits.resize(std::min<std::size_t>(fracDigits.size(), static_cast<std::size_t>(info.DecPlaceholders)));
  } else {
    intDigits = rec.Exponent > 0 ? DigitsOrZeros(rec.Digits, 0, rec.Exponent) : "";
    fracDigits = DigitsOrZeros(rec.Digits, rec.Exponent, info.DecPlaceholders);
    std::size_t keep = fracDigits.find_last_not_of('0');
    keep = keep == String::npos ? 0 : keep + 1;
    fracDigits.resize(std::max<std::size_t>(keep, static_cast<std::size_t>(info.DecZeros)));
  }
  if (static_cast<int>(intDigits.size()) < info.IntZeros) {
    intDigits.insert(0, static_cast<std::size_t>(info.IntZeros) - intDigits.size(), '0');
  }

  String out;
  const int intCount = static_cast<int>(intDigits.size());
  int intSlot = 0;   // integer placeholders passed
  int fracSlot = 0;  // fraction placeholders passed
  bool inFraction = false;
  auto emitIntDigit = [&](int index) {
    out += intDigits[static_cast<std::size_t>(index)];
    const int fromRight = intCount - 1 - index;
    if (info.Thousands && fromRight > 0 && fromRight % 3 == 0) {
      out += settings.ThousandSeparator;
    }
  };
  char quote = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (quote) {
      if (c == quote) {
        quote = 0;
      } else {
        out += c;
      }
      continue;
    }
    if (c == '"' || c == '\'') {
      quote = c;
    } else if ((c == '0' || c == '#') && !inFraction) {
      // The first placeholder takes every digit that has no placeholder of its own.
      const int digitIndex = intCount - (info.IntPlaceholders - intSlot);
      if (intSlot == 0) {
        for (int k = 0; k < digitIndex; ++k) {
          emitIntDigit(k);
        }
      }
      if (digitIndex >= 0) {
        emitIntDigit(digitIndex);
      }
      ++intSlot;
    } else if ((c == '0' || c == '#') && inFraction) {
      if (fracSlot < static_cast<int>(fracDigits.size())) {
        out += fracDigits[static_cast<std::size_t>(fracSlot)];
      }
      ++fracSlot;
    } else if (c == '.' && !inFraction) {
      inFraction = true;
      if (!fracDigits.empty()) {
        out += settings.DecimalSeparator;
      }
    } else if (c == ',') {
      // grouping only: the separators come with the digits
    } else if ((c == 'E' || c == 'e') && info.Scientific && i + 1 < pattern.size() &&
               (pattern[i + 1] == '+' || pattern[i + 1] == '-')) {
      std::size_t j = i + 2;
      int expDigits = 0;
      while (j < pattern.size() && pattern[j] == '0') {
        ++expDigits;
        ++j;
      }
      out += c;
      out += ExponentText(exponent, pattern[i + 1] == '+', expDigits);
      i = j - 1;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

String IntToStr(Int64 value) { return std::to_string(value); }

String IntToHex(Int64 value, int digits) {
  char buffer[17];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::uint64_t>(value), 16);
  String out(buffer, result.ptr);
  out = UpperCase(out);
  if (digits > 0 && static_cast<int>(out.size()) < digits) {
    out.insert(0, static_cast<std::size_t>(std::min(digits, 64)) - out.size(), '0');
  }
  return out;
}

bool TryStrToInt(const String& s, int& value) {
  Int64 wide = 0;
  if (!ParseInteger(s, 32, wide)) {
    return false;
  }
  value = static_cast<int>(wide);
  return true;
}

int StrToInt(const String& s) { return ParsedOrRaise<int>(s, SInvalidInteger, TryStrToInt); }
int StrToIntDef(const String& s, int defaultValue) { return ParsedOrDefault(s, defaultValue, TryStrToInt); }

bool TryStrToInt64(const String& s, Int64& value) { return ParseInteger(s, 64, value); }

Int64 StrToInt64(const String& s) { return ParsedOrRaise<Int64>(s, SInvalidInteger, TryStrToInt64); }
Int64 StrToInt64Def(const String& s, Int64 defaultValue) { return ParsedOrDefault(s, defaultValue, TryStrToInt64); }

bool TryStrToBool(const String& s, bool& value) {
  double number = 0;
  if (TryStrToFloat(s, number)) {
    value = number != 0;
    return true;
  }
  if (AnsiSameText(s, "True")) {
    value = true;
    return true;
  }
  if (AnsiSameText(s, "False")) {
    value = false;
    return true;
  }
  return false;
}

bool StrToBool(const String& s) { return ParsedOrRaise<bool>(s, SInvalidBoolean, TryStrToBool); }
bool StrToBoolDef(const String& s, bool defaultValue) { return ParsedOrDefault(s, defaultValue, TryStrToBool); }

String BoolToStr(bool value, bool useBoolStrs) {
  if (useBoolStrs) {
    return value ? "True" : "False";
  }
  return value ? "-1" : "0";
}

bool TryStrToFloat(const String& s, double& value, const TFormatSettings& settings) {
  return ParseFloat(s, value, settings.DecimalSeparator);
}
bool TryStrToFloat(const String& s, double& value) { return TryStrToFloat(s, value, FormatSettings()); }

namespace {

// TryStrToFloat with the given settings.
auto FloatParser(const TFormatSettings& settings) {
  return [&settings](const String& s, double& value) { return TryStrToFloat(s, value, settings); };
}

}  // namespace

double StrToFloat(const String& s, const TFormatSettings& settings) {
  return ParsedOrRaise<double>(s, SInvalidFloat, FloatParser(settings));
}
double StrToFloat(const String& s) { return StrToFloat(s, FormatSettings()); }

double StrToFloatDef(const String& s, double defaultValue, const TFormatSettings& settings) {
  return ParsedOrDefault(s, defaultValue, FloatParser(settings));
}
double StrToFloatDef(const String& s, double defaultValue) { return StrToFloatDef(s, defaultValue, FormatSettings()); }

String FloatToStrF(double value, TFloatFormat format, int precision, int digits, const TFormatSettings& settings) {
  if (std::isnan(value)) {
    return "NAN";
  }
  if (std::isinf(value)) {
    return value < 0 ? "-INF" : "INF";
  }
  precision = std::clamp(precision, 1, 18);
  switch (format) {
    case ffExponent: {
      const TFloatRec rec = FloatToDecimal(value, precision, -1);
      const String mantissa = DigitsOrZeros(rec.Digits, 0, precision);
      String out = rec.Negative ? "-" : "";
      out += mantissa[0];
      if (precision > 1) {
        out += settings.DecimalSeparator + mantissa.substr(1);
      }
      const int exponent = rec.Digits.empty() ? 0 : rec.Exponent - 1;
      return out + 'E' + ExponentText(exponent, true, std::clamp(digits, 0, 4));
    }
    case ffFixed:
    case ffNumber:
    case ffCurrency: {
      digits = std::clamp(digits, 0, 18);
      const TFloatRec rec = FloatToDecimal(value, precision, digits);
      if (rec.Exponent > precision) {
        return GeneralText(rec, precision, 0, settings);
      }
      const String number = FixedText(rec, digits, format != ffFixed, settings);
      if (format == ffCurrency) {
        return CurrencyText(number, rec.Negative, settings);
      }
      return rec.Negative ? "-" + number : number;
    }
    case ffGeneral: break;
  }
  return GeneralText(FloatToDecimal(value, precision, -1), precision, std::clamp(digits, 0, 4), settings);
}

String FloatToStrF(double value, TFloatFormat format, int precision, int digits) {
  return FloatToStrF(value, format, precision, digits, FormatSettings());
}

String FloatToStr(double value, const TFormatSettings& settings) {
  return FloatToStrF(value, ffGeneral, 15, 0, settings);
}
String FloatToStr(double value) { return FloatToStr(value, FormatSettings()); }

String FormatFloat(const String& format, double value, const TFormatSettings& settings) {
  if (std::isnan(value) || std::isinf(value)) {
    return FloatToStr(value, settings);
  }
  if (format.empty()) {
    return FloatToStr(value, settings);
  }
  const std::vector<String> sections = SplitSections(format);
  auto roundFor = [&](const String& pattern) {
    const TPatternInfo info = AnalysePattern(pattern);
    if (info.Scientific) {
      return FloatToDecimal(value, std::clamp(std::max(info.IntPlaceholders, 1) + info.DecPlaceholders, 1, 18), -1);
    }
    return FloatToDecimal(value, 15, info.DecPlaceholders);
  };
  String pattern = sections[0];
  TFloatRec rec = roundFor(pattern);
  bool addMinus = rec.Negative;
  if (rec.Digits.empty() && sections.size() >= 3 && !sections[2].empty()) {
    pattern = sections[2];
    rec = roundFor(pattern);
    addMinus = false;
  } else if (rec.Negative && sections.size() >= 2 && !sections[1].empty()) {
    pattern = sections[1];
    rec = roundFor(pattern);
    addMinus = false;
  }
  // Zero after rounding under the negative section's pattern also takes the zero section.
  if (rec.Digits.empty() && sections.size() >= 3 && !sections[2].empty() && pattern != sections[2]) {
    pattern = sections[2];
    rec = roundFor(pattern);
    addMinus = false;
  }
  const String text = FormatSection(pattern, rec, settings);
  return addMinus && !rec.Digits.empty() ? "-" + text : text;
}

String FormatFloat(const String& format, double value) { return FormatFloat(format, value, FormatSettings()); }

}  // namespace plat
