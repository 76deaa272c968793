// Popups that never take the activation (hints, menus, drop-down lists):
// shown, clicked or focused by the desktop, they leave their owner form
// active and focused, take the click themselves and stay above the form.
#include <SDL2/SDL_video.h>

#include "platform/win/Display.h"
#include "platform/win/Focus.h"
#include "platform/win/InputInjection.h"
#include "platform/win/detail/SdlWindowFlags.h"
#include "platform/win/detail/TopLevelKind.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "platform/win/tests/WindowFixture.h"

namespace plat::testing {
namespace {

enum class ShowBy { ShowWindowNoActivate, ShowWindowShow, SetWindowPosNoActivate };

struct PopupCase {
  const char* Name;
  DWORD Style;
  DWORD ExStyle;
  bool AnswersNoActivate;  // WM_MOUSEACTIVATE answers MA_NOACTIVATE
  ShowBy Show;
};

class Popups : public WindowTest, public ::testing::WithParamInterface<PopupCase> {
 protected:
  // True when the popup lies above the form in the Z order.
  static bool Above(HWND upper, HWND lower) {
    for (HWND h = GetWindow(upper, GW_HWNDNEXT); h; h = GetWindow(h, GW_HWNDNEXT))
      if (h == lower) return true;
    return false;
  }
};

TEST_P(Popups, NeverTakeTheActivationFromTheirForm) {
  const PopupCase& c = GetParam();
  HWND form = Make("form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(100, 100, 400, 300));
  HWND edit = Make("edit", WS_CHILD | WS_VISIBLE, Bounds(10, 10, 200, 24), form);
  HWND other = Make("other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(600, 100, 200, 200));
  SetFocus(edit);
  ASSERT_EQ(GetActiveWindow(), form);
  HWND popup = Make("popup", c.Style, Bounds(150, 200, 120, 80), form, c.ExStyle);
  if (c.AnswersNoActivate)
    Handle(popup, WM_MOUSEACTIVATE, [](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> { return MA_NOACTIVATE; });
  switch (c.Show) {
    case ShowBy::ShowWindowNoActivate: ShowWindow(popup, SW_SHOWNOACTIVATE); break;
    case ShowBy::ShowWindowShow: ShowWindow(popup, SW_SHOW); break;
    case ShowBy::SetWindowPosNoActivate:
      SetWindowPos(popup, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
      break;
  }
  Pump();
  EXPECT_EQ(GetActiveWindow(), form);
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_TRUE(Above(popup, form));

  ClearLog();
  InjectClickAt(popup, {20, 20});
  Pump();
  EXPECT_EQ(Take({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_ACTIVATE, WM_KILLFOCUS}),
            (Log{"popup WM_LBUTTONDOWN", "popup WM_LBUTTONUP"}));
  EXPECT_EQ(GetActiveWindow(), form);
  EXPECT_EQ(GetFocus(), edit);

  // The desktop focusing the popup's native window does not activate it either.
  FeedActivation(popup, true);
  EXPECT_EQ(GetActiveWindow(), form);

  // Another window and the form again: the popup comes back above the form.
  SetActiveWindow(other);
  SetActiveWindow(form);
  EXPECT_TRUE(Above(popup, form));
  EXPECT_TRUE(Above(form, other));
}

const PopupCase kPopupCases[] = {
    {"Hint", WS_POPUP | WS_BORDER, WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, false, ShowBy::ShowWindowShow},
    {"NoActivateStyle", WS_POPUP | WS_BORDER, WS_EX_NOACTIVATE, false, ShowBy::ShowWindowNoActivate},
    {"DropDown", WS_POPUP | WS_BORDER, WS_EX_TOOLWINDOW, true, ShowBy::ShowWindowNoActivate},
    {"Menu", WS_POPUP, WS_EX_TOOLWINDOW, true, ShowBy::SetWindowPosNoActivate},
};

INSTANTIATE_TEST_SUITE_P(Kinds, Popups, ::testing::ValuesIn(kPopupCases),
                         [](const ::testing::TestParamInfo<PopupCase>& test) { return test.param.Name; });

struct KindCase {
  DWORD Style;
  DWORD ExStyle;
  TopLevelKind Kind;
  Uint32 SdlFlags;  // for a window that is not topmost
};

TEST(TopLevelKinds, StylesChooseTheKindAndItsNativeWindow) {
  const Uint32 noTaskbar = SDL_WINDOW_SKIP_TASKBAR;
  const KindCase cases[] = {
      {WS_OVERLAPPEDWINDOW, 0, TopLevelKind::Ordinary, 0},
      {WS_POPUP | WS_CAPTION, 0, TopLevelKind::Ordinary, 0},
      {WS_POPUP | WS_BORDER, WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, TopLevelKind::Tip,
       SDL_WINDOW_TOOLTIP | noTaskbar},
      {WS_POPUP, WS_EX_NOACTIVATE, TopLevelKind::Menu, SDL_WINDOW_POPUP_MENU | noTaskbar},
      {WS_POPUP | WS_BORDER, WS_EX_TOOLWINDOW, TopLevelKind::Menu, SDL_WINDOW_POPUP_MENU | noTaskbar},
      {WS_POPUP | WS_CAPTION, WS_EX_TOOLWINDOW, TopLevelKind::Tool, SDL_WINDOW_UTILITY | noTaskbar},
      {WS_OVERLAPPEDWINDOW, WS_EX_TOOLWINDOW, TopLevelKind::Tool, SDL_WINDOW_UTILITY | noTaskbar},
  };
  for (const KindCase& c : cases) {
    EXPECT_EQ(KindOfTopLevel(c.Style, c.ExStyle), c.Kind) << std::hex << c.Style << " " << c.ExStyle;
    EXPECT_EQ(SdlWindowFlags(c.Kind, false), c.SdlFlags) << std::hex << c.Style << " " << c.ExStyle;
  }
  // Topmost ordinary and tool windows stay on top; tips and menus are above anyway.
  EXPECT_EQ(SdlWindowFlags(TopLevelKind::Ordinary, true), Uint32{SDL_WINDOW_ALWAYS_ON_TOP});
  EXPECT_EQ(SdlWindowFlags(TopLevelKind::Tip, true), SdlWindowFlags(TopLevelKind::Tip, false));
}

}  // namespace
}  // namespace plat::testing
