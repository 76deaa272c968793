#include "platform/rtl/Conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/rtl/Exception.h"

namespace plat {
namespace {

struct IntCase {
  String Text;
  bool Valid;
  int Value;
};

TEST(StrToInt, ReadsDecimalAndHexadecimalAsTheClassicRuntime) {
  const std::vector<IntCase> cases = {
      {"0", true, 0},
      {"123", true, 123},
      {"-45", true, -45},
      {"+7", true, 7},
      {"   12", true, 12},  // leading blanks allowed
      {"12 ", false, 0},    // trailing ones are not
      {"$1F", true, 31},
      {"x1f", true, 31},
      {"X1F", true, 31},
      {"0x1f", true, 31},
      {"0X1F", true, 31},
      {"-$10", true, -16},
      {"$FFFFFFFF", true, -1},  // hexadecimal fills every bit
      {"$100000000", false, 0},
      {"2147483647", true, 2147483647},
      {"-2147483648", true, std::numeric_limits<int>::min()},
      {"2147483648", false, 0},
      {"99999999999999999999", false, 0},
      {"", false, 0},
      {"-", false, 0},
      {"$", false, 0},
      {"0x", false, 0},
      {"1e3", false, 0},
      {"12abc", false, 0},
      {"\t5", false, 0},
      {"0x1G", false, 0},
  };
  for (const IntCase& c : cases) {
    int value = 12345;
    EXPECT_EQ(TryStrToInt(c.Text, value), c.Valid) << "'" << c.Text << "'";
    if (c.Valid) {
      EXPECT_EQ(value, c.Value) << c.Text;
      EXPECT_EQ(StrToInt(c.Text), c.Value) << c.Text;
    } else {
      EXPECT_EQ(value, 12345) << "failure leaves the target alone: " << c.Text;
      EXPECT_EQ(StrToIntDef(c.Text, -99), -99) << c.Text;
    }
  }
}

TEST(StrToInt, FailureMessageQuotesTheText) {
  try {
    StrToInt("abc");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'abc' is not a valid integer value");
  }
}

TEST(StrToInt64, WideRangeAndOverflow) {
  EXPECT_EQ(StrToInt64("9223372036854775807"), std::numeric_limits<Int64>::max());
  EXPECT_EQ(StrToInt64("-9223372036854775808"), std::numeric_limits<Int64>::min());
  EXPECT_EQ(StrToInt64Def("9223372036854775808", 7), 7);
  EXPECT_EQ(StrToInt64("$FFFFFFFFFFFFFFFF"), -1);
  EXPECT_EQ(StrToInt64("$100000000"), 4294967296LL);
  EXPECT_THROW(StrToInt64("x"), EConvertError);
}

TEST(IntToText, DecimalAndHex) {
  EXPECT_EQ(IntToStr(-42), "-42");
  EXPECT_EQ(IntToStr(std::numeric_limits<Int64>::min()), "-9223372036854775808");
  EXPECT_EQ(IntToHex(255, 4), "00FF");
  EXPECT_EQ(IntToHex(0x1234, 2), "1234");
  EXPECT_EQ(IntToHex(-1, 8), "FFFFFFFFFFFFFFFF");
  EXPECT_EQ(IntToHex(0, 0), "0");
}

TEST(StrToBool, NumbersAndWords) {
  struct Case {
    String Text;
    bool Valid;
    bool Value;
  };
  for (const Case& c : std::vector<Case>{{"True", true, true},
                                         {"FALSE", true, false},
                                         {"tRuE", true, true},
                                         {"1", true, true},
                                         {"-1", true, true},
                                         {"0", true, false},
                                         {"2.5", true, true},
                                         {"yes", false, false},
                                         {"", false, false}}) {
    bool value = !c.Value;
    EXPECT_EQ(TryStrToBool(c.Text, value), c.Valid) << c.Text;
    if (c.Valid) {
      EXPECT_EQ(value, c.Value) << c.Text;
    }
  }
  EXPECT_THROW(StrToBool("maybe"), EConvertError);
  EXPECT_EQ(BoolToStr(true, true), "True");
  EXPECT_EQ(BoolToStr(true), "-1");
}

struct FloatParseCase {
  String Text;
  bool Valid;
  double Value;
};

TEST(StrToFloat, PointLocale) {
  const TFormatSettings point = TFormatSettings::English();
  const std::vector<FloatParseCase> cases = {
      {"1.5", true, 1.5}, {"-0.25", true, -0.25}, {" 3 ", true, 3},    {"1e3", true, 1000}, {"2.5E-2", true, 0.025},
      {".5", true, 0.5},  {"5.", true, 5},        {"1e-400", true, 0}, {"1,5", false, 0},   {"1,000", false, 0},
      {"", false, 0},     {".", false, 0},        {"1e", false, 0},    {"1e999", false, 0}, {"abc", false, 0},
      {"inf", false, 0},  {"nan", false, 0},      {"1.5x", false, 0},  {"--1", false, 0},
  };
  for (const FloatParseCase& c : cases) {
    double value = 99;
    EXPECT_EQ(TryStrToFloat(c.Text, value, point), c.Valid) << "'" << c.Text << "'";
    if (c.Valid) {
      EXPECT_DOUBLE_EQ(value, c.Value) << c.Text;
    }
  }
}

TEST(StrToFloat, CommaLocale) {
  const TFormatSettings comma = TFormatSettings::German();
  EXPECT_DOUBLE_EQ(StrToFloat("1,5", comma), 1.5);
  EXPECT_DOUBLE_EQ(StrToFloat("-1234,25e1", comma), -12342.5);
  EXPECT_EQ(StrToFloatDef("1.5", -1, comma), -1);
  try {
    StrToFloat("1.5", comma);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'1.5' is not a valid floating point value");
  }
}

struct FloatTextCase {
  double Value;
  String Text;
};

TEST(FloatToStr, GeneralFifteenDigits) {
  const TFormatSettings point = TFormatSettings::English();
  const std::vector<FloatTextCase> cases = {
      {0, "0"},
      {1, "1"},
      {-1.5, "-1.5"},
      {0.1, "0.1"},
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
      {123456789012345.0, "123456789012345"},
      {1234567890123456.0, "1.23456789012346E15"},
      {1.5e20, "1.5E20"},
      {0.0001, "0.0001"},
      {0.00001, "1E-5"},
      {-1.25e-10, "-1.25E-10"},
      {100, "100"},
      {0.1 + 0.2, "0.3"},
      {-0.0, "0"},
      {std::numeric_limits<double>::infinity(), "INF"},
      {-std::numeric_limits<double>::infinity(), "-INF"},
      {std::numeric_limits<double>::quiet_NaN(), "NAN"},
  };
  for (const FloatTextCase& c : cases) {
    EXPECT_EQ(FloatToStr(c.Value, point), c.Text) << c.Value;
    EXPECT_EQ(FloatToStrF(c.Value, ffGeneral, 15, 0, point), c.Text) << c.Value;
  }
  EXPECT_EQ(FloatToStr(-2.75, TFormatSettings::German()), "-2,75");
}

TEST(FloatToStrF, Formats) {
  const TFormatSettings point = TFormatSettings::English();
  const TFormatSettings comma = TFormatSettings::German();
  struct Case {
    double Value;
    TFloatFormat Format;
    int Precision;
    int Digits;
    const TFormatSettings* Settings;
    String Text;
  };
  const std::vector<Case> cases = {
      {3.14159, ffFixed, 15, 2, &point, "3.14"},
      {2.5, ffFixed, 15, 0, &point, "3"},  // halves round away from zero
      {-0.001, ffFixed, 15, 2, &point, "0.00"},
      {0.006, ffFixed, 15, 2, &point, "0.01"},
      {1.23456789, ffFixed, 3, 5, &point, "1.23000"},
      {1e20, ffFixed, 15, 2, &point, "1E20"},
      {1234567.891, ffNumber, 15, 2, &point, "1,234,567.89"},
      {-1234567.891, ffNumber, 15, 1, &comma, "-1.234.567,9"},
      {999.999, ffNumber, 15, 2, &point, "1,000.00"},
      {12345.678, ffExponent, 6, 2, &point, "1.23457E+04"},
      {-0.00012, ffExponent, 3, 0, &point, "-1.20E-4"},
      {0, ffExponent, 4, 3, &point, "0.000E+000"},
      {1234.5, ffCurrency, 15, 2, &point, "$1,234.50"},
      {-1234.5, ffCurrency, 15, 2, &point, "($1,234.50)"},
      {-5, ffCurrency, 15, 2, &comma, "-5,00 \xE2\x82\xAC"},
      {123.456, ffGeneral, 4, 0, &point, "123.5"},
      {123456, ffGeneral, 4, 2, &point, "1.235E05"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FloatToStrF(c.Value, c.Format, c.Precision, c.Digits, *c.Settings), c.Text)
        << c.Value << " format " << c.Format;
  }
}

TEST(FormatFloat, Patterns) {
  const TFormatSettings point = TFormatSettings::English();
  struct Case {
    String Pattern;
    double Value;
    String Text;
  };
  const std::vector<Case> cases = {
      {"0.00", 1.005e1, "10.05"},
      {"0.00", 3.14159, "3.14"},
      {"0.00", -3.14159, "-3.14"},
      {"#.##", 0.5, ".5"},
      {"0.##", 1.0, "1"},
      {"0.##", 1.25, "1.25"},
      {"#,##0.00", 1234567.891, "1,234,567.89"},
      {"#,##0", 999, "999"},
      {"#,##0", -1000, "-1,000"},
      {"000", 7, "007"},
      {"#", 0, ""},
      {"0", 12345, "12345"},
      {"0.00E+00", 12345, "1.23E+04"},
      {"0.0E-0", 0.000123, "1.2E-4"},
      {"0.0E-0", 12300, "1.2E4"},
      {"0.00;(0.00)", -2.5, "(2.50)"},
      {"0.00;(0.00);zero", 0, "zero"},
      {"0.00;(0.00);zero", -0.001, "zero"},
      {"0;;'none'", 0, "none"},
      {"'Total: '0.0", 2.25, "Total: 2.3"},
      {"\"x\"#", 5, "x5"},
      {"0 %", 42, "42 %"},
      {"", 1.5, "1.5"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatFloat(c.Pattern, c.Value, point), c.Text) << "'" << c.Pattern << "' " << c.Value;
  }
  EXPECT_EQ(FormatFloat("#,##0.00", 1234.5, TFormatSettings::German()), "1.234,50");
}

}  // namespace
}  // namespace plat
