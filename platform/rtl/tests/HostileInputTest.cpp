// Readers of outside text against random and hostile input: they must give a
// result or a clean error, never crash, hang or allocate without bound.
#include <gtest/gtest.h>

#include <random>

#include "platform/rtl/Conversions.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/IniContent.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Unicode.h"

namespace plat {
namespace {

constexpr int kRounds = 2000;

String RandomText(std::mt19937& rng, const String& alphabet, int maxLength) {
  std::uniform_int_distribution<int> length(0, maxLength);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  String s;
  for (int n = length(rng); n > 0; --n) {
    s += alphabet[pick(rng)];
  }
  return s;
}

// Characters that matter to the readers, plus a few of every other kind.
const String kSyntax = String(
    "\"',=;[]%$:.-/ \t\r\n\x01\x1F\x7F\xC3\xA4\xFF"
    "0123456789aAxXeEdmyhns*",
    45);

TEST(HostileInput, CommaTextRoundTripsAnyItemsWithoutNul) {
  std::mt19937 rng(20240305);
  for (int round = 0; round < kRounds; ++round) {
    TStringList items;
    std::uniform_int_distribution<int> count(0, 5);
    for (int n = count(rng); n > 0; --n) {
      items.Add(RandomText(rng, kSyntax, 6));
    }
    TStringList back;
    back.SetCommaText(items.CommaText());
    ASSERT_TRUE(back.Equals(items)) << "round " << round << ": " << items.CommaText();
  }
}

TEST(HostileInput, ReadersSurviveRandomText) {
  std::mt19937 rng(7);
  const TFormatSettings settings = TFormatSettings::English();
  const String bytes = kSyntax + String("\0", 1);
  for (int round = 0; round < kRounds; ++round) {
    const String text = RandomText(rng, bytes, 24);
    TStringList list;
    list.SetCommaText(text);
    list.SetText(text);
    TIniContent ini(round % 2 == 0);
    ini.SetLines(list);
    TStringList lines;
    ini.GetLines(lines);
    TDateTime dt = 0;
    TryStrToDateTime(text, dt, settings);
    TryStrToDateFmt(text, "m/d/y", dt);
    double f = 0;
    TryStrToFloat(text, f, settings);
    Int64 i = 0;
    TryStrToInt64(text, i);
    FormatDateTime(text, 45000.25, settings);
    FormatFloat(text, -1234.5678, settings);
    WideToUtf8(Utf8ToWide(text));
    try {
      Format(text, {1, 2.5, "s"}, settings);
    } catch (const EConvertError&) {
    }
  }
}

}  // namespace
}  // namespace plat
