#include "skin/ThemeElements.h"

#include <gtest/gtest.h>

namespace zorbit {
namespace {

TEST(ThemeElements, NamesKindsAndLookUpsAgreeAcrossTheRange) {
  struct Case {
    TskThemeElement Element;
    const char* Name;
    TskElementKind Kind;
  };
  const Case cases[] = {
      {element::ButtonImage, "ButtonImage", TskElementKind::Bitmap},
      {element::ButtonTransparentBool, "ButtonTransparentBool", TskElementKind::Flag},
      {element::FormRoundCornerInt, "FormRoundCornerInt", TskElementKind::Integer},
      {element::SideChannelHandleImage, "SideChannelHandleImage", TskElementKind::Bitmap},
      {element::MenuMenuBarColor, "MenuMenuBarColor", TskElementKind::Color},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(ThemeElementName(c.Element), c.Name);
    EXPECT_EQ(ThemeElementKind(c.Element), c.Kind);
    EXPECT_EQ(ThemeElementByName(c.Name), c.Element);
  }
  EXPECT_EQ(ThemeElementByName("buttonimage"), element::ButtonImage);
}

TEST(ThemeElements, NumbersOutsideTheRangeHaveNoNameAndNoKind) {
  for (TskThemeElement e : {0, -1, 49, 1000}) {
    EXPECT_EQ(ThemeElementName(e), "");
    EXPECT_FALSE(ThemeElementKind(e).has_value());
  }
  EXPECT_EQ(ThemeElementByName("NoSuchElement"), 0);
  EXPECT_EQ(ThemeElementByName(""), 0);
}

}  // namespace
}  // namespace zorbit
