// The stacking of top-level windows: the topmost band, owned windows above
// their owners, and where activation and SetWindowPos put a window, read
// back by walking GW_HWNDFIRST / GW_HWNDNEXT.
#include <map>
#include <string>

#include "platform/win/Focus.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "platform/win/tests/WindowFixture.h"

namespace plat::testing {
namespace {

struct MadeWindow {
  const char* Name;
  bool Topmost;
  const char* Owner;  // or null
};

enum class Op { Activate, BringToTop, Topmost, NoTopmost, Bottom, After };

struct Step {
  Op What;
  const char* Window;
  const char* Other = nullptr;  // Op::After: the window to go below
};

struct ZOrderCase {
  const char* Name;
  std::vector<MadeWindow> Windows;  // made and shown in this order
  std::vector<Step> Steps;
  const char* Order;    // topmost first
  const char* Topmost;  // the windows with WS_EX_TOPMOST, in making order
};

class ZOrder : public WindowTest, public ::testing::WithParamInterface<ZOrderCase> {
 protected:
  HWND Named(const char* name) { return FWindows.at(name); }

  std::string Order() {
    std::string order;
    HWND any = FWindows.begin()->second;
    for (HWND h = GetWindow(any, GW_HWNDFIRST); h; h = GetWindow(h, GW_HWNDNEXT))
      for (const auto& [name, window] : FWindows)
        if (window == h) order += (order.empty() ? "" : " ") + name;
    return order;
  }

  std::string TopmostOnes(const std::vector<MadeWindow>& made) {
    std::string names;
    for (const MadeWindow& m : made)
      if (GetWindowLong(Named(m.Name), GWL_EXSTYLE) & WS_EX_TOPMOST)
        names += (names.empty() ? "" : " ") + std::string(m.Name);
    return names;
  }

  std::map<std::string, HWND> FWindows;
};

constexpr UINT kKeepPlace = SWP_NOMOVE | SWP_NOSIZE;

TEST_P(ZOrder, Stacking) {
  const ZOrderCase& c = GetParam();
  int x = 0;
  for (const MadeWindow& m : c.Windows) {
    FWindows[m.Name] = Make(m.Name, WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(x += 20, 20, 200, 150),
                            m.Owner ? Named(m.Owner) : nullptr, m.Topmost ? WS_EX_TOPMOST : 0);
  }
  for (const Step& s : c.Steps) {
    const HWND w = Named(s.Window);
    switch (s.What) {
      case Op::Activate:
        SetActiveWindow(w);
        EXPECT_EQ(GetActiveWindow(), w);
        break;
      case Op::BringToTop: BringWindowToTop(w); break;
      case Op::Topmost: SetWindowPos(w, HWND_TOPMOST, 0, 0, 0, 0, kKeepPlace | SWP_NOACTIVATE); break;
      case Op::NoTopmost: SetWindowPos(w, HWND_NOTOPMOST, 0, 0, 0, 0, kKeepPlace | SWP_NOACTIVATE); break;
      case Op::Bottom: SetWindowPos(w, HWND_BOTTOM, 0, 0, 0, 0, kKeepPlace | SWP_NOACTIVATE); break;
      case Op::After: SetWindowPos(w, Named(s.Other), 0, 0, 0, 0, kKeepPlace | SWP_NOACTIVATE); break;
    }
  }
  EXPECT_EQ(Order(), c.Order);
  EXPECT_EQ(TopmostOnes(c.Windows), c.Topmost);
}

const ZOrderCase kCases[] = {
    {"MadeTopmostStaysAboveActivatedWindows",
     {{"a", true, nullptr}, {"b", false, nullptr}, {"c", false, nullptr}},
     {{Op::Activate, "b"}},
     "a b c",
     "a"},
    {"BroughtToTopStaysBelowTopmost",
     {{"a", true, nullptr}, {"b", false, nullptr}, {"c", false, nullptr}},
     {{Op::BringToTop, "b"}},
     "a b c",
     "a"},
    {"MadeTopmostLater",
     {{"a", false, nullptr}, {"b", false, nullptr}, {"c", false, nullptr}},
     {{Op::Topmost, "a"}, {Op::BringToTop, "b"}},
     "a b c",
     "a"},
    {"NoTopmostGoesToTheTopOfTheOthers",
     {{"a", true, nullptr}, {"b", true, nullptr}, {"c", false, nullptr}},
     {{Op::NoTopmost, "b"}},
     "a b c",
     "a"},
    {"NoTopmostOnAnOrdinaryWindowRaisesIt",
     {{"a", true, nullptr}, {"b", false, nullptr}, {"c", false, nullptr}},
     {{Op::NoTopmost, "b"}},
     "a b c",
     "a"},
    {"BottomLeavesTheTopmostBand", {{"a", true, nullptr}, {"b", false, nullptr}}, {{Op::Bottom, "a"}}, "b a", ""},
    {"BelowATopmostWindowStaysInItsBand",
     {{"a", true, nullptr}, {"b", false, nullptr}, {"c", false, nullptr}},
     {{Op::After, "b", "a"}},
     "a b c",
     "a"},
    {"BelowAnOrdinaryWindowStaysTopmost",
     {{"a", true, nullptr}, {"b", true, nullptr}, {"c", false, nullptr}},
     {{Op::After, "b", "c"}},
     "a b c",
     "a b"},
    {"OwnedWindowsFollowTheirActivatedOwner",
     {{"owner", false, nullptr}, {"owned", false, "owner"}, {"other", false, nullptr}},
     {{Op::Activate, "owner"}},
     "owned owner other",
     ""},
    {"OwnedWindowsFollowTheirOwnerBroughtToTop",
     {{"owner", false, nullptr}, {"owned", false, "owner"}, {"deeper", false, "owned"}, {"other", false, nullptr}},
     {{Op::BringToTop, "owner"}},
     "deeper owned owner other",
     ""},
    {"AnOwnedWindowSentToTheBottomStaysAboveItsOwner",
     {{"owner", false, nullptr}, {"owned", false, "owner"}, {"other", false, nullptr}},
     {{Op::Bottom, "owned"}},
     "other owned owner",
     ""},
    {"OwnedWindowsOfATopmostOwnerAreTopmost",
     {{"owner", true, nullptr}, {"owned", false, "owner"}, {"other", false, nullptr}},
     {{Op::Activate, "other"}, {Op::Activate, "owner"}},
     "owned owner other",
     "owner owned"},
    {"TopmostTakesTheOwnedWindowsAlong",
     {{"owner", false, nullptr}, {"owned", false, "owner"}, {"other", false, nullptr}},
     {{Op::Topmost, "owner"}, {Op::Activate, "other"}},
     "owned owner other",
     "owner owned"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ZOrder, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ZOrderCase>& test) { return test.param.Name; });

}  // namespace
}  // namespace plat::testing
