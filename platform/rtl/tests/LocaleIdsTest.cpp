#include "platform/rtl/LocaleIds.h"

#include <gtest/gtest.h>

#include "testing/EnvironmentVariable.h"

namespace plat {
namespace {

using zorbit::testing::TEnvironmentVariable;

TEST(LocaleIds, NamesGiveTheirIdentifiers) {
  const struct {
    const char* Name;
    LCID Expected;
  } cases[] = {
      {"en_US.UTF-8", 0x0409}, {"en_GB", 0x0809},       {"de_DE.UTF-8@euro", 0x0407}, {"de_AT", 0x0C07},
      {"fr_CA.utf8", 0x0C0C},  {"ja_JP.UTF-8", 0x0411}, {"de", 0x0407},  // the language's first country
      {"pt", 0x0416},          {"de_LU", 0x0407},       {"C", 0x0409},   {"POSIX", 0x0409},
      {"", 0x0409},            {"xx_YY", 0x0409},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LocaleIdFromName(c.Name), c.Expected) << c.Name;
  }
}

TEST(LocaleIds, TheUserLocaleFollowsTheEnvironment) {
  TEnvironmentVariable time("LC_TIME", std::nullopt);
  TEnvironmentVariable numeric("LC_NUMERIC", std::nullopt);
  {
    TEnvironmentVariable all("LC_ALL", std::nullopt);
    TEnvironmentVariable lang("LANG", "en_US.UTF-8");
    EXPECT_EQ(GetUserDefaultLCID(), 0x0409u);
    EXPECT_EQ(GetSystemDefaultLangID(), 0x0409);
    EXPECT_EQ(PRIMARYLANGID(GetUserDefaultLangID()), 0x09);  // English
    EXPECT_EQ(SUBLANGID(GetUserDefaultLangID()), 0x01);      // United States
  }
  TEnvironmentVariable lang("LANG", "en_US.UTF-8");
  TEnvironmentVariable all("LC_ALL", "de_CH.UTF-8");  // wins over LANG
  EXPECT_EQ(GetUserDefaultLCID(), 0x0807u);
  EXPECT_EQ(GetUserDefaultLangID(), MAKELANGID(0x07, 0x02));
}

}  // namespace
}  // namespace plat
