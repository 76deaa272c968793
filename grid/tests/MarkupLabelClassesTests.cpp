// The HTML label declared in a layout: its text as lines, its link colour
// and its anchor event bound by name.
#include <gtest/gtest.h>

#include "grid/MarkupLabelClasses.h"
#include "grid/TMarkupLabel.h"
#include "platform/ui/LayoutHandlers.h"
#include "platform/ui/LayoutReader.h"
#include "platform/ui/TForm.h"
#include "platform/ui/tests/StdControlsFixture.h"

namespace zorbit {
namespace {

class MarkupLabelClasses : public plat::testing::StdControlsTest {};

TEST_F(MarkupLabelClasses, ALayoutDeclaresALinkLabel) {
  RegisterMarkupLabelClass();
  plat::TForm form(nullptr);
  plat::String clicked;
  plat::TLayoutHandlers handlers;
  handlers.RegisterHandler("Anchor", [&clicked](plat::TObject*, const plat::String& Anchor) { clicked = Anchor; });
  plat::ReadLayoutText(form, R"({
    "Components": [
      {"Class": "TMarkupLabel", "Name": "link", "Left": 4, "Top": 4, "Width": 120, "Height": 18,
       "HTMLText": ["<A href=\"password\">Change", " Password</A>"], "URLColor": "clGrayText",
       "AnchorHint": true, "OnAnchorClick": "Anchor"}
    ]})",
                       "MarkupLabelForm", handlers);
  auto* link = dynamic_cast<TMarkupLabel*>(form.FindComponent("link"));
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(link->HTMLText()->Count(), 2);
  EXPECT_EQ(link->PlainText(), "Change Password");
  EXPECT_EQ(link->URLColor(), plat::clGrayText);
  EXPECT_TRUE(link->AnchorHint());
  ASSERT_TRUE(link->OnAnchorClick);
  link->OnAnchorClick(link, "password");
  EXPECT_EQ(clicked, "password");
}

}  // namespace
}  // namespace zorbit
