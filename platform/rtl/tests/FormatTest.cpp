#include "platform/rtl/Format.h"

#include <gtest/gtest.h>

#include "platform/rtl/Exception.h"

namespace plat {
namespace {

struct FormatCase {
  String Format;
  std::vector<TVarRec> Args;
  String Text;
};

TEST(Format, Conversions) {
  const TFormatSettings point = TFormatSettings::English();
  int marker = 0;
  const std::vector<FormatCase> cases = {
      {"plain", {}, "plain"},
      {"100%%", {}, "100%"},
      {"%d", {42}, "42"},
      {"%d", {-42}, "-42"},
      {"%5d|", {42}, "   42|"},
      {"%-5d|", {42}, "42   |"},
      {"%.4d", {-42}, "-0042"},
      {"%d", {9000000000LL}, "9000000000"},
      {"%u", {-1}, "4294967295"},
      {"%x", {255}, "FF"},
      {"%x", {-1}, "FFFFFFFF"},
      {"%.4x", {26}, "001A"},
      {"%s: %s", {"Vendor", String("Ovra")}, "Vendor: Ovra"},
      {"%.3s", {"abcdef"}, "abc"},
      {"%3s|%-3s|", {"a", "b"}, "  a|b  |"},
      {"%.2s", {"\xC3\xA4\xC3\xB6\xC3\xBC"}, "\xC3\xA4\xC3\xB6"},  // characters, not bytes
      {"%f", {3.14159}, "3.14"},
      {"%.3f", {2.0}, "2.000"},
      {"%8.2f|", {-1.5}, "   -1.50|"},
      {"%e", {1.5}, "1.50000000000000E+000"},
      {"%.3e", {-12345.0}, "-1.23E+004"},
      {"%g", {0.5}, "0.5"},
      {"%g", {1.5e20}, "1.5E20"},
      {"%n", {1234567.5}, "1,234,567.50"},
      {"%.0n", {1234.5}, "1,235"},
      {"%m", {-12.5}, "($12.50)"},
      {"%1:s %0:s", {"a", "b"}, "b a"},
      {"%1:s %s", {"a", "b", "c"}, "b c"},
      {"%*d|", {4, 7}, "   7|"},
      {"%-*d|", {3, 7}, "7  |"},
      {"%.*f", {1, 2.25}, "2.3"},
      {"%*.*f|", {6, 1, 2.25}, "   2.3|"},
      {"%D %S", {1, "x"}, "1 x"},  // type letters in either case
      {"%p", {static_cast<const void*>(nullptr)}, String(sizeof(void*) * 2, '0')},
  };
  for (const FormatCase& c : cases) {
    EXPECT_EQ(Format(c.Format, std::span<const TVarRec>(c.Args), point), c.Text) << c.Format;
  }
  EXPECT_EQ(Format("%p", {&marker}).size(), sizeof(void*) * 2);
  EXPECT_EQ(Format("%.1f", {2.5}, TFormatSettings::German()), "2,5");
}

TEST(Format, BadFormatsAndMismatchesRaise) {
  const std::vector<FormatCase> cases = {
      {"%d", {"text"}, ""},  {"%d", {1.5}, ""}, {"%s", {1}, ""},    {"%f", {1}, ""},
      {"%x", {"1"}, ""},     {"%p", {1}, ""},   {"%d %d", {1}, ""},  // argument missing
      {"%3:d", {1}, ""},                                             // index past the end
      {"%", {}, ""},                                                 // specifier cut off
      {"%5", {1}, ""},       {"%q", {1}, ""},                        // unknown type
      {"%*d", {"w", 1}, ""},                                         // width must be a number
      {"%99999d", {1}, ""},                                          // absurd width
  };
  for (const FormatCase& c : cases) {
    try {
      Format(c.Format, std::span<const TVarRec>(c.Args), TFormatSettings::English());
      ADD_FAILURE() << c.Format << " did not raise";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "Format '" + c.Format + "' invalid or incompatible with argument");
    }
  }
}

}  // namespace
}  // namespace plat
