#include "platform/ui/SysLocale.h"

#include <gtest/gtest.h>

namespace plat {
namespace {

TEST(SysLocale, RightToLeftReadingIsOffUntilTurnedOn) {
  EXPECT_FALSE(SysLocale().MiddleEast);
  SysLocale().MiddleEast = true;
  EXPECT_TRUE(SysLocale().MiddleEast);
  SysLocale().MiddleEast = false;
}

}  // namespace
}  // namespace plat
