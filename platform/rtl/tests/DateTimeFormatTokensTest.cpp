#include "platform/rtl/DateTimeFormatTokens.h"

#include <gtest/gtest.h>

#include <vector>

namespace plat {
namespace {

// A token list written short: "Y4", "M2", "N3" (month name), "D1", "W4" (day
// name), "H2" ("H2/12" on the twelve-hour clock), "n2", "s2", "z3",
// "A:am/pm", and literals in brackets; a "?" before one marks it OnlyWithTime.
String Describe(const std::vector<TDateTimeToken>& tokens) {
  String out;
  for (const TDateTimeToken& t : tokens) {
    if (!out.empty()) out += ' ';
    if (t.OnlyWithTime) out += '?';
    const String width = std::to_string(t.Width);
    switch (t.Part) {
      case TDateTimePart::Literal: out += "[" + t.Text + "]"; break;
      case TDateTimePart::Year: out += "Y" + width; break;
      case TDateTimePart::Month: out += "M" + width; break;
      case TDateTimePart::MonthName: out += "N" + width; break;
      case TDateTimePart::Day: out += "D" + width; break;
      case TDateTimePart::DayName: out += "W" + width; break;
      case TDateTimePart::Hour: out += "H" + width + (t.TwelveHour ? "/12" : ""); break;
      case TDateTimePart::Minute: out += "n" + width; break;
      case TDateTimePart::Second: out += "s" + width; break;
      case TDateTimePart::MSec: out += "z" + width; break;
      case TDateTimePart::AmPm: out += "A:" + t.Text; break;
    }
  }
  return out;
}

TEST(TokenizeDateTimeFormat, SpecifiersLiteralsAndExpansions) {
  TFormatSettings en = TFormatSettings::English();
  en.ShortDateFormat = "m/d/yyyy";
  en.LongTimeFormat = "h:nn:ss AMPM";
  en.ShortTimeFormat = "h:nn AMPM";
  struct Case {
    const char* Format;
    const char* Tokens;
  };
  // clang-format off
  const Case cases[] = {
      {"yyyy-mm-dd",      "Y4 [-] M2 [-] D2"},
      {"yy yyy y",        "Y2 [ ] Y4 [ ] Y2"},
      {"d/m/yy",          "D1 [/] M1 [/] Y2"},
      {"ddd dddd",        "W3 [ ] W4"},
      {"mmm mmmm mmmmm",  "N3 [ ] N4 [ ] N4"},
      {"hh:mm:ss.zzz",    "H2 [:] n2 [:] s2 [.] z3"},
      {"h:nn am/pm",      "H1/12 [:] n2 [ ] A:am/pm"},
      {"H A/P",           "H1/12 [ ] A:A/P"},
      {"h \"at\" 'o''c'", "H1 [ at oc]"},
      {"qwx",             "[qwx]"},
      {"ddddd",           "M1 [/] D1 [/] Y4"},
      {"t",               "H1/12 [:] n2 [ ] A:AMPM"},
      {"c",               "M1 [/] D1 [/] Y4 ?[ ] ?H1/12 ?[:] ?n2 ?[:] ?s2 ?[ ] ?A:AMPM"},
      {"hmm m",           "H1 n2 [ ] M1"},
  };
  // clang-format on
  for (const Case& c : cases) EXPECT_EQ(Describe(TokenizeDateTimeFormat(c.Format, en)), c.Tokens) << c.Format;
}

TEST(TokenizeDateTimeFormat, FormatsReferringToThemselvesEnd) {
  TFormatSettings s = TFormatSettings::English();
  s.ShortDateFormat = "ddddd";
  s.LongTimeFormat = "c";
  EXPECT_EQ(Describe(TokenizeDateTimeFormat("c", s)), "?[ ] ?[ ]");
}

TEST(TokenizeDateTimeFormat, AmPmMarkersFollowTheSpecifier) {
  const TFormatSettings en = TFormatSettings::English();
  const auto marker = [&en](const char* format, int hour) {
    return AmPmMarker(TokenizeDateTimeFormat(format, en).back(), hour, en);
  };
  EXPECT_EQ(marker("am/pm", 9), "am");
  EXPECT_EQ(marker("AM/PM", 13), "PM");
  EXPECT_EQ(marker("a/p", 12), "p");
  EXPECT_EQ(marker("ampm", 0), "AM");
}

}  // namespace
}  // namespace plat
