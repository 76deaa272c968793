#include "platform/rtl/DateTimeFormatTokens.h"

#include <algorithm>

namespace plat {

namespace {

bool StartsWithNoCase(const String& s, std::size_t pos, const char* prefix) {
  for (std::size_t k = 0; prefix[k]; ++k) {
    if (pos + k >= s.size() || (s[pos + k] | 0x20) != (prefix[k] | 0x20)) {
      return false;
    }
  }
  return true;
}

// The length of the am/pm specifier at pos, or 0.
std::size_t AmPmLength(const String& format, std::size_t pos) {
  if (StartsWithNoCase(format, pos, "am/pm")) return 5;
  if (StartsWithNoCase(format, pos, "a/p")) return 3;
  if (StartsWithNoCase(format, pos, "ampm")) return 4;
  return 0;
}

// True when an am/pm specifier follows before the next hour specifier.
bool UsesTwelveHourClock(const String& format, std::size_t pos) {
  char quote = 0;
  for (std::size_t i = pos; i < format.size(); ++i) {
    const char c = format[i];
    if (quote) {
      quote = c == quote ? 0 : quote;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == 'h' || c == 'H') {
      return false;
    } else if ((c | 0x20) == 'a' && AmPmLength(format, i) > 0) {
      return true;
    }
  }
  return false;
}

class TTokenizer {
 public:
  TTokenizer(const TFormatSettings& settings, std::vector<TDateTimeToken>& out) : FSettings(settings), FOut(out) {}

  void Read(const String& format, int level) {
    char lastToken = ' ';
    std::size_t i = 0;
    auto runLength = [&](char letter) {
      std::size_t n = 0;
      while (i + n < format.size() && (format[i + n] | 0x20) == letter) {
        ++n;
      }
      return static_cast<int>(n);
    };
    while (i < format.size()) {
      const char c = format[i];
      char token = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
      if (token == 'M' && lastToken == 'H') {
        token = 'N';
      }
      if (token >= 'A' && token <= 'Z') {
        lastToken = token;
      }
      switch (token) {
        case 'Y': {
          const int n = runLength('y');
          Add(TDateTimePart::Year, n <= 2 ? 2 : 4);
          i += n;
          break;
        }
        case 'M': {
          const int n = runLength('m');
          if (n >= 3) {
            Add(TDateTimePart::MonthName, n >= 4 ? 4 : 3);
          } else {
            Add(TDateTimePart::Month, n);
          }
          i += n;
          break;
        }
        case 'D': {
          const int n = runLength('d');
          if (n <= 2) {
            Add(TDateTimePart::Day, n);
          } else if (n <= 4) {
            Add(TDateTimePart::DayName, n);
          } else if (level < 2) {
            Read(n == 5 ? FSettings.ShortDateFormat : FSettings.LongDateFormat, level + 1);
          }
          i += n;
          break;
        }
        case 'H': {
          const int n = runLength('h');
          Add(TDateTimePart::Hour, std::min(n, 2)).TwelveHour = UsesTwelveHourClock(format, i + n);
          i += n;
          break;
        }
        case 'N': {
          const int n = runLength(c | 0x20);
          Add(TDateTimePart::Minute, std::min(n, 2));
          i += n;
          break;
        }
        case 'S': {
          const int n = runLength('s');
          Add(TDateTimePart::Second, std::min(n, 2));
          i += n;
          break;
        }
        case 'Z': {
          const int n = runLength('z');
          Add(TDateTimePart::MSec, n == 1 ? 1 : 3);
          i += n;
          break;
        }
        case 'T': {
          const int n = runLength('t');
          if (level < 2) {
            Read(n == 1 ? FSettings.ShortTimeFormat : FSettings.LongTimeFormat, level + 1);
          }
          i += n;
          break;
        }
        case 'C': {
          const int n = runLength('c');
          if (level < 2) {
            Read(FSettings.ShortDateFormat, level + 1);
            // The blank is a token of its own, so that the date's last literal does not take it in.
            const std::size_t timeStart = FOut.size();
            Add(TDateTimePart::Literal, 0).Text = " ";
            FOut.back().OnlyWithTime = true;
            Read(FSettings.LongTimeFormat, level + 1);
            for (std::size_t k = timeStart; k < FOut.size(); ++k) FOut[k].OnlyWithTime = true;
          }
          i += n;
          break;
        }
        case 'A': {
          const std::size_t n = AmPmLength(format, i);
          if (n == 0) {
            AddLiteral(String(1, c));
            ++i;
          } else {
            Add(TDateTimePart::AmPm, 0).Text = format.substr(i, n);
            i += n;
          }
          break;
        }
        case '/':
          AddLiteral(String(1, FSettings.DateSeparator));
          ++i;
          break;
        case ':':
          AddLiteral(String(1, FSettings.TimeSeparator));
          ++i;
          break;
        case '"':
        case '\'': {
          const std::size_t close = format.find(c, i + 1);
          const std::size_t end = close == String::npos ? format.size() : close;
          AddLiteral(format.substr(i + 1, end - i - 1));
          i = close == String::npos ? format.size() : close + 1;
          break;
        }
        default:
          AddLiteral(String(1, c));
          ++i;
          break;
      }
    }
  }

 private:
  TDateTimeToken& Add(TDateTimePart part, int width) {
    FOut.push_back({part, width, false, String(), false});
    return FOut.back();
  }

  void AddLiteral(const String& text) {
    if (text.empty()) return;
    if (!FOut.empty() && FOut.back().Part == TDateTimePart::Literal && !FOut.back().OnlyWithTime) {
      FOut.back().Text += text;
      return;
    }
    Add(TDateTimePart::Literal, 0).Text = text;
  }

  const TFormatSettings& FSettings;
  std::vector<TDateTimeToken>& FOut;
};

}  // namespace

std::vector<TDateTimeToken> TokenizeDateTimeFormat(const String& format, const TFormatSettings& settings) {
  std::vector<TDateTimeToken> tokens;
  TTokenizer(settings, tokens).Read(format, 0);
  return tokens;
}

String AmPmMarker(const TDateTimeToken& token, int hour, const TFormatSettings& settings) {
  const bool pm = hour >= 12;
  const String& spec = token.Text;
  if (spec.size() == 5) return spec.substr(pm ? 3 : 0, 2);  // "am/pm", in the case the format uses
  if (spec.size() == 3) return spec.substr(pm ? 2 : 0, 1);  // "a/p"
  return pm ? settings.TimePMString : settings.TimeAMString;
}

}  // namespace plat
