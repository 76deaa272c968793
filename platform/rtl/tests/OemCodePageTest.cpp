#include "platform/rtl/OemCodePage.h"

#include <gtest/gtest.h>

#include "platform/rtl/Unicode.h"

namespace plat {
namespace {

TEST(OemCodePage, KeepsAsciiAndMapsTheUpperHalf) {
  EXPECT_EQ(OemToChar(""), "");
  EXPECT_EQ(OemToChar(String("Plain \r\n\0 text", 15)), String("Plain \r\n\0 text", 15));
  // Letters, a box corner, a Greek letter and the last byte (no-break space).
  EXPECT_EQ(OemToChar("\x81\x9A\xC9\xE0\xFF"), "\u00FC\u00DC\u2554\u03B1\u00A0");
  EXPECT_EQ(OemToChar("Stra\xE1"
                      "e"),
            "Stra\u00DFe");
}

TEST(OemCodePage, EveryByteGivesOneCharacter) {
  String all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const WideString wide = Utf8ToWide(OemToChar(all));
  ASSERT_EQ(wide.size(), 256u);
  for (int b = 0; b < 128; ++b) EXPECT_EQ(wide[b], static_cast<char16_t>(b));
  for (int b = 128; b < 256; ++b) EXPECT_GE(wide[b], 0xA0) << b;
}

}  // namespace
}  // namespace plat
