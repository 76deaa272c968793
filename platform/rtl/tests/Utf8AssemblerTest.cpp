#include "platform/rtl/Utf8Assembler.h"

#include <gtest/gtest.h>

namespace plat {
namespace {

struct AssemblyCase {
  const char* Rule;
  std::string Bytes;
  std::u32string Chars;
  bool PendingAfter;
};

class Utf8Assembly : public ::testing::TestWithParam<AssemblyCase> {};

TEST_P(Utf8Assembly, GivesEveryCharacterOnce) {
  TUtf8Assembler assembler;
  std::u32string chars;
  for (char b : GetParam().Bytes) chars += assembler.Add(static_cast<Byte>(b));
  EXPECT_EQ(chars, GetParam().Chars) << GetParam().Rule;
  EXPECT_EQ(assembler.Pending(), GetParam().PendingAfter) << GetParam().Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf8Assembly,
    ::testing::Values(AssemblyCase{"ASCII", "ab", U"ab", false},
                      AssemblyCase{"two, three and four bytes", "\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80",
                                   U"\u00E9\u4E2D\U0001F600", false},
                      AssemblyCase{"an open sequence waits", "\xE4\xB8", U"", true},
                      AssemblyCase{"a letter breaks a sequence and is kept", "\xE4x", U"\uFFFDx", false},
                      AssemblyCase{"each byte taken gives U+FFFD", "\xE4\xB8x", U"\uFFFD\uFFFDx", false},
                      AssemblyCase{"a new lead byte starts afresh", "\xC3\xE4\xB8\xAD", U"\uFFFD\u4E2D", false},
                      AssemblyCase{"a stray continuation byte", "\xB8z", U"\uFFFDz", false},
                      AssemblyCase{"bytes that start nothing", "\xC0\xF5\xFF", U"\uFFFD\uFFFD\uFFFD", false},
                      AssemblyCase{"an overlong form", "\xE0\x80\x80", U"\uFFFD\uFFFD\uFFFD", false},
                      AssemblyCase{"an encoded surrogate", "\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD", false},
                      AssemblyCase{"past U+10FFFF", "\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD", false}));

}  // namespace
}  // namespace plat
