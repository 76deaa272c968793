// The program's message box shown modally in the headless display and
// answered through the real queue: every button set with its order,
// positions and results, the pictures and the text's place, and a reused
// box that keeps nothing of the message before.
#include "app/OvraMessageBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WindowTestSupport.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/TCustomLabel.h"
#include "platform/ui/TCustomPanel.h"
#include "platform/ui/TImage.h"
#include "skin/SkButton.h"
#include "skin/SkForm.h"

namespace {

using namespace apptest;
using zorbit::OvraMessageBox;
using zorbit::OvraMessageBoxWindow;

class MessageBoxTest : public WindowTest {
 protected:
  int Show(int Icon, int Buttons, const TAnswer& Answer) {
    WindowTest::Answer(Answer);
    return OvraMessageBox(nullptr, "Ovra Zorbit", "Set Security Settings", "A message.", Icon, Buttons, 0);
  }
  std::vector<std::string> Captions() {
    std::vector<std::string> captions;
    for (auto* button : ButtonsOn(OvraMessageBoxWindow()->PanelBody())) captions.push_back(button->Caption());
    return captions;
  }
};

TEST_F(MessageBoxTest, EachButtonSetShowsItsButtonsAndGivesTheirResults) {
  struct Case {
    int Set;
    std::vector<std::string> LeftToRight;
    std::string Pressed;
    int Result;
  };
  const std::vector<Case> cases = {
      {0, {"OK"}, "OK", 1},
      {1, {"OK", "Cancel"}, "Cancel", 2},
      {2, {"Abort", "Retry", "Ignore"}, "Abort", 3},
      {2, {"Abort", "Retry", "Ignore"}, "Retry", 4},
      {2, {"Abort", "Retry", "Ignore"}, "Ignore", 5},
      {3, {"Yes", "No", "Cancel"}, "Yes", 6},
      {3, {"Yes", "No", "Cancel"}, "No", 7},
      {4, {"Yes", "No"}, "No", 7},
      {5, {"Retry", "Cancel"}, "Retry", 4},
  };
  for (const Case& c : cases) {
    std::vector<std::string> shown;
    const int result = Show(2, c.Set, [&](plat::TCustomForm& Window) {
      shown = Captions();
      Press(c.Pressed)(Window);
    });
    EXPECT_EQ(shown, c.LeftToRight) << "set " << c.Set;
    EXPECT_EQ(result, c.Result) << "set " << c.Set << ", " << c.Pressed;
  }
}

TEST_F(MessageBoxTest, OKAndCancelSitAtTheFootOfTheBody) {
  std::vector<std::pair<int, int>> places;
  Show(2, 1, [&](plat::TCustomForm& Window) {
    for (auto* button : ButtonsOn(OvraMessageBoxWindow()->PanelBody())) {
      places.emplace_back(button->Left(), button->Top());
      EXPECT_EQ(button->Width(), 105);
      EXPECT_EQ(button->Height(), 25);
    }
    EXPECT_EQ(OvraMessageBoxWindow()->PanelBody()->Width(), 400);
    EXPECT_EQ(OvraMessageBoxWindow()->PanelBody()->Height(), 200);
    Screenshot(Window, "message-box-ok-cancel");
    Press("OK")(Window);
  });
  EXPECT_EQ(places, (std::vector<std::pair<int, int>>{{170, 169}, {281, 169}}));
}

TEST_F(MessageBoxTest, ThePictureDecidesWhereTheTextStarts) {
  struct Case {
    int Icon;
    const char* Shown;  // the picture shown, or "" for none
    int TextLeft;
  };
  // Each message follows the one before in the same window: none may keep the last one's place.
  const std::vector<Case> cases = {{4, "", 28},          {2, "Img_Info", 88}, {7, "", 28},
                                   {0, "Img_Warning", 88}, {1, "Img_Error", 88}, {3, "Img_Warning", 88}};
  for (const Case& c : cases) {
    std::string shown;
    int left = -1;
    Show(c.Icon, 0, [&](plat::TCustomForm& Window) {
      for (const char* name : {"Img_Error", "Img_Info", "Img_Warning"})
        if (static_cast<plat::TImage*>(Window.FindComponent(name))->Visible()) shown += name;
      left = OvraMessageBoxWindow()->lblText()->Left();
      if (c.Icon == 4) Screenshot(Window, "message-box-no-icon");
      Press("OK")(Window);
    });
    EXPECT_EQ(shown, c.Shown) << "icon " << c.Icon;
    EXPECT_EQ(left, c.TextLeft) << "icon " << c.Icon;
  }
}

TEST_F(MessageBoxTest, ASecondMessageShowsNoButtonOfTheFirst) {
  Show(3, 3, Press("Cancel"));
  std::vector<std::string> second;
  Show(2, 0, [&](plat::TCustomForm& Window) {
    second = Captions();
    Press("OK")(Window);
  });
  EXPECT_EQ(second, std::vector<std::string>{"OK"});
}

TEST_F(MessageBoxTest, CaptionsAreTheTranslatedRuntimeTextsWithoutAmpersands) {
  plat::SetResourceTextTranslator([](const plat::String& Text) -> plat::String {
    return Text == "&Yes" ? "&Ja" : Text == "&No" ? "&Nein" : Text;
  });
  const plat::ScopeExit english([] { plat::SetResourceTextTranslator(nullptr); });
  std::vector<std::string> shown;
  const int result = Show(3, 4, [&](plat::TCustomForm& Window) {
    shown = Captions();
    Press("Nein")(Window);
  });
  EXPECT_EQ(shown, (std::vector<std::string>{"Ja", "Nein"}));
  EXPECT_EQ(result, 7);
}

TEST_F(MessageBoxTest, TheTextsReachTheFrameTitleAndBody) {
  Show(3, 4, [&](plat::TCustomForm& Window) {
    auto* box = OvraMessageBoxWindow();
    EXPECT_EQ(box->fmBase()->Caption(), "Ovra Zorbit");
    EXPECT_EQ(box->lbTitle()->Caption(), "Set Security Settings");
    EXPECT_EQ(box->lblText()->Caption(), "A message.");
    Screenshot(Window, "message-box-yes-no");
    Press("Yes")(Window);
  });
  EXPECT_EQ(Messages, (std::vector<std::string>{"A message."}));
}

TEST_F(MessageBoxTest, WithoutTheWindowNothingIsShown) {
  delete OvraMessageBoxWindow();
  EXPECT_EQ(OvraMessageBoxWindow(), nullptr);
  EXPECT_EQ(OvraMessageBox(nullptr, "c", "t", "x", 2, 0, 0), 0);
}

}  // namespace
