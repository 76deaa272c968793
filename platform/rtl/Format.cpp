#include "platform/rtl/Format.h"

#include <algorithm>
#include <cstdint>

#include "platform/rtl/Conversions.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/RtlConsts.h"
#include "platform/rtl/Unicode.h"

namespace plat {

namespace {

// Widths and precisions beyond this are faults in the format, not requests
// for megabytes of padding.
constexpr int kMaxWidth = 4096;

class TFormatter {
 public:
  TFormatter(const String& format, std::span<const TVarRec> args, const TFormatSettings& settings)
      : FFormat(format), FArgs(args), FSettings(settings) {}

  String Run() {
    String out;
    std::size_t i = 0;
    while (i < FFormat.size()) {
      const std::size_t percent = FFormat.find('%', i);
      if (percent == String::npos) {
        out.append(FFormat, i, String::npos);
        break;
      }
      out.append(FFormat, i, percent - i);
      i = percent + 1;
      if (i < FFormat.size() && FFormat[i] == '%') {
        out += '%';
        ++i;
        continue;
      }
      out += Specifier(i);
    }
    return out;
  }

 private:
  [[noreturn]] void Invalid() const { throw EConvertError(FmtLoadResString(SInvalidFormat, {FFormat})); }

  const TVarRec& NextArg() {
    if (FArgIndex >= FArgs.size()) {
      Invalid();
    }
    return FArgs[FArgIndex++];
  }

  // A number or "*" in the specifier; -1 when there is neither.
  int ReadNumber(std::size_t& i) {
    if (i < FFormat.size() && FFormat[i] == '*') {
      ++i;
      const TVarRec& arg = NextArg();
      if (!arg.IsInteger()) {
        Invalid();
      }
      return static_cast<int>(std::clamp<Int64>(arg.AsInt64(), -1, kMaxWidth + 1));
    }
    if (i >= FFormat.size() || FFormat[i] < '0' || FFormat[i] > '9') {
      return -1;
    }
    long long value = 0;
    while (i < FFormat.size() && FFormat[i] >= '0' && FFormat[i] <= '9') {
      value = std::min<long long>(value * 10 + (FFormat[i] - '0'), kMaxWidth + 1);
      ++i;
    }
    return static_cast<int>(value);
  }

  String Specifier(std::size_t& i) {
    int number = ReadNumber(i);
    if (i < FFormat.size() && FFormat[i] == ':') {
      ++i;
      if (number < 0) {
        number = 0;  // "%:s" is the first argument
      }
      FArgIndex = static_cast<std::size_t>(number);
      number = -1;
    }
    bool leftJustify = false;
    if (number < 0 && i < FFormat.size() && FFormat[i] == '-') {
      leftJustify = true;
      ++i;
    }
    int width = number >= 0 ? number : ReadNumber(i);
    int precision = -1;
    if (i < FFormat.size() && FFormat[i] == '.') {
      ++i;
      precision = ReadNumber(i);
      if (precision < 0) {
        precision = 0;
      }
    }
    if (i >= FFormat.size() || width > kMaxWidth || precision > kMaxWidth) {
      Invalid();
    }
    const char type = static_cast<char>(FFormat[i] | 0x20);
    ++i;
    const String text = Convert(type, precision, NextArg());
    const int length = Utf8Length(text);
    if (width <= length) {
      return text;
    }
    const String padding(static_cast<std::size_t>(width - length), ' ');
    return leftJustify ? text + padding : padding + text;
  }

  String Convert(char type, int precision, const TVarRec& arg) {
    switch (type) {
      case 'd':
      case 'u':
      case 'x': return IntegerText(type, precision, arg);
      case 'e':
      case 'f':
      case 'g':
      case 'n':
      case 'm': return FloatText(type, precision, arg);
      case 's':
        if (arg.VType() != TVarRec::TVarType::vtString) {
          Invalid();
        }
        return precision >= 0 ? Utf8Copy(arg.AsString(), 1, precision) : arg.AsString();
      case 'p': {
        if (arg.VType() != TVarRec::TVarType::vtPointer) {
          Invalid();
        }
        return IntToHex(static_cast<Int64>(reinterpret_cast<std::uintptr_t>(arg.AsPointer())),
                        static_cast<int>(sizeof(void*) * 2));
      }
      default: Invalid();
    }
  }

  String IntegerText(char type, int precision, const TVarRec& arg) {
    if (!arg.IsInteger()) {
      Invalid();
    }
    const bool is32 = arg.VType() == TVarRec::TVarType::vtInteger;
    const Int64 value = arg.AsInt64();
    // 32-bit values show their own bits for "u" and "x": -1 is 4294967295.
    const std::uint64_t bits = is32 ? static_cast<std::uint32_t>(value) : static_cast<std::uint64_t>(value);
    String digits;
    bool negative = false;
    if (type == 'x') {
      digits = IntToHex(static_cast<Int64>(bits), 0);
    } else if (type == 'u') {
      digits = std::to_string(bits);
    } else {
      negative = value < 0;
      digits = std::to_string(value);
      if (negative) {
        digits.erase(0, 1);
      }
    }
    if (precision > static_cast<int>(digits.size())) {
      digits.insert(0, static_cast<std::size_t>(precision) - digits.size(), '0');
    }
    return negative ? "-" + digits : digits;
  }

  String FloatText(char type, int precision, const TVarRec& arg) {
    double value = 0;
    if (arg.VType() == TVarRec::TVarType::vtExtended) {
      value = arg.AsFloat();
    } else {
      Invalid();
    }
    switch (type) {
      case 'e': return FloatToStrF(value, ffExponent, precision < 0 ? 15 : precision, 3, FSettings);
      case 'f': return FloatToStrF(value, ffFixed, 18, precision < 0 ? 2 : precision, FSettings);
      case 'g': return FloatToStrF(value, ffGeneral, precision < 0 ? 15 : precision, 0, FSettings);
      case 'n': return FloatToStrF(value, ffNumber, 18, precision < 0 ? 2 : precision, FSettings);
      default:
        return FloatToStrF(value, ffCurrency, 18, precision < 0 ? FSettings.CurrencyDecimals : precision, FSettings);
    }
  }

  const String& FFormat;
  std::span<const TVarRec> FArgs;
  const TFormatSettings& FSettings;
  std::size_t FArgIndex = 0;
};

}  // namespace

String Format(const String& format, std::span<const TVarRec> args, const TFormatSettings& settings) {
  return TFormatter(format, args, settings).Run();
}

String Format(const String& format, std::initializer_list<TVarRec> args, const TFormatSettings& settings) {
  return Format(format, std::span<const TVarRec>(args.begin(), args.size()), settings);
}

String Format(const String& format, std::initializer_list<TVarRec> args) {
  return Format(format, args, FormatSettings());
}

}  // namespace plat
