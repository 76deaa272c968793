// The non-client area: the default frame's size and hit testing, clicks
// routed by hit code, moving by the caption, the close button, and windows
// that size and paint their own frame.
#include "platform/gdi/Brush.h"
#include "platform/gdi/Shapes.h"
#include "platform/win/DefWindowProc.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Mouse.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowDC.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "platform/win/tests/WindowFixture.h"

namespace plat::testing {
namespace {

class NonClient : public WindowTest {};

struct HitCase {
  TPoint at;  // window coordinates
  LRESULT hit;
};

TEST_F(NonClient, DefaultFrameHitTesting) {
  // 300 x 200 at (100, 100): a 4-pixel sizing frame and an 18 + 1 pixel caption.
  HWND w = Make("w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(100, 100, 300, 200));
  RECT client;
  GetClientRect(w, &client);
  EXPECT_EQ(client, (RECT{0, 0, 292, 173}));
  const HitCase cases[] = {
      {{150, 100}, HTCLIENT},   {{150, 10}, HTCAPTION}, {{289, 10}, HTCLOSE},        {{268, 10}, HTMAXBUTTON},
      {{252, 10}, HTMINBUTTON}, {{1, 100}, HTLEFT},     {{298, 100}, HTRIGHT},       {{150, 1}, HTTOP},
      {{150, 198}, HTBOTTOM},   {{1, 1}, HTTOPLEFT},    {{298, 198}, HTBOTTOMRIGHT}, {{1, 190}, HTBOTTOMLEFT},
      {{298, 5}, HTTOPRIGHT},   {{-1, 100}, HTNOWHERE},
  };
  for (const HitCase& c : cases) {
    const LRESULT hit = SendMessage(w, WM_NCHITTEST, 0, PointToLParam(100 + c.at.X, 100 + c.at.Y));
    EXPECT_EQ(hit, c.hit) << "at " << c.at.X << "," << c.at.Y;
  }
}

TEST_F(NonClient, AdjustWindowRectMatchesTheClientArea) {
  const DWORD styles[] = {WS_OVERLAPPEDWINDOW, WS_POPUP | WS_BORDER, WS_POPUP | WS_CAPTION | WS_SYSMENU,
                          WS_CHILD | WS_VSCROLL | WS_HSCROLL};
  HWND parent = Make("parent", WS_POPUP, Bounds(0, 0, 500, 500));
  for (DWORD style : styles) {
    for (DWORD ex : {DWORD{0}, WS_EX_CLIENTEDGE, WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW}) {
      RECT r{0, 0, 120, 80};
      AdjustWindowRectEx(&r, style, false, ex);
      HWND w = Make("w", style, Bounds(10, 10, r.Width(), r.Height()), parent, ex);
      RECT client;
      GetClientRect(w, &client);
      EXPECT_EQ(client, (RECT{0, 0, 120, 80})) << std::hex << style << " " << ex;
      DestroyWindow(w);
    }
  }
}

TEST_F(NonClient, ClicksReachTheMessagesOfTheirHitCode) {
  HWND w = Make("w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(100, 100, 300, 200));
  Pump();
  ClearLog();
  InjectClick({250, 200});  // client
  Pump();
  EXPECT_EQ(Take({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_NCLBUTTONDOWN, WM_NCLBUTTONUP}),
            (Log{"w WM_LBUTTONDOWN", "w WM_LBUTTONUP"}));
  // On the frame: the non-client forms, with the hit code and screen position.
  MSG seen{};
  Handle(w, WM_NCLBUTTONUP, [&seen](HWND h, UINT m, WPARAM wp, LPARAM lp) -> std::optional<LRESULT> {
    seen = MSG{h, m, wp, lp, 0, {}};
    return 0;
  });
  InjectMouseDown({101, 250});
  InjectMouseUp({101, 250});
  Handle(w, WM_NCLBUTTONDOWN, [](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> { return 0; });
  Pump();
  EXPECT_EQ(Take({WM_NCLBUTTONDOWN, WM_NCLBUTTONUP}), (Log{"w WM_NCLBUTTONDOWN", "w WM_NCLBUTTONUP"}));
  EXPECT_EQ(static_cast<LRESULT>(seen.wParam), HTLEFT);
  EXPECT_EQ(GET_X_LPARAM(seen.lParam), 101);
  EXPECT_EQ(GET_Y_LPARAM(seen.lParam), 250);
}

TEST_F(NonClient, DraggingTheCaptionMovesTheWindow) {
  HWND w = Make("w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(100, 100, 300, 200));
  Pump();
  ClearLog();
  InjectDrag({200, 110}, {260, 150});
  Pump();
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r, Bounds(160, 140, 300, 200));
  const Log log = Take({WM_NCLBUTTONDOWN, WM_SYSCOMMAND, WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE, WM_CAPTURECHANGED});
  EXPECT_EQ(log, (Log{"w WM_NCLBUTTONDOWN", "w WM_SYSCOMMAND", "w WM_ENTERSIZEMOVE", "w WM_CAPTURECHANGED",
                      "w WM_EXITSIZEMOVE"}));
}

TEST_F(NonClient, ACaptionDragStartedWithoutAPointFollowsThePointer) {
  // A window drawn as its own caption starts the move itself from a press
  // on a client control, sending WM_NCLBUTTONDOWN with no point.
  HWND form = Make("form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(100, 100, 300, 200));
  HWND grip = Make("grip", WS_CHILD | WS_VISIBLE, Bounds(10, 10, 100, 30), form);
  Handle(grip, WM_LBUTTONDOWN, [form](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
    ReleaseCapture();
    SendMessage(form, WM_NCLBUTTONDOWN, HTCAPTION, 0);
    return 0;
  });
  Pump();
  const TPoint press = ClientPointOnScreen(grip, {20, 10});
  InjectDrag(press, {press.X + 60, press.Y + 40});
  Pump();
  RECT r;
  GetWindowRect(form, &r);
  EXPECT_EQ(r, Bounds(160, 140, 300, 200));
}

TEST_F(NonClient, DraggingTheBorderSizesTheWindow) {
  HWND w = Make("w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(100, 100, 300, 200));
  Pump();
  InjectDrag({399, 299}, {449, 329});  // the bottom-right corner
  Pump();
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r, Bounds(100, 100, 350, 230));
}

TEST_F(NonClient, TheCloseButtonClosesOnlyWhenReleasedOverIt) {
  HWND w = Make("w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(100, 100, 300, 200));
  Pump();
  InjectDrag({389, 110}, {300, 200});  // pressed, then moved away
  Pump();
  EXPECT_TRUE(IsWindow(w));
  Clock().Advance(1000);  // a separate click, not the second of a double click
  InjectClick({389, 110});
  Pump();
  EXPECT_FALSE(IsWindow(w));
}

TEST_F(NonClient, OwnFrameSizeAndPainting) {
  // A window that keeps a 10-pixel frame of its own and paints it red.
  HWND w = Make("w", WS_POPUP, Bounds(0, 0, 100, 80));
  Handle(w, WM_NCCALCSIZE, [](HWND, UINT, WPARAM calcValid, LPARAM lp) -> std::optional<LRESULT> {
    RECT* r = calcValid ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lp)->rgrc[0] : reinterpret_cast<RECT*>(lp);
    *r = r->Inflated(-10, -10);
    return 0;
  });
  Handle(w, WM_NCPAINT, [](HWND h, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
    HDC dc = GetWindowDC(h);
    RECT r{0, 0, 100, 80};
    HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    ReleaseDC(h, dc);
    return 0;
  });
  SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  RECT client;
  GetClientRect(w, &client);
  EXPECT_EQ(client, (RECT{0, 0, 80, 60}));
  POINT origin{0, 0};
  ClientToScreen(w, &origin);
  EXPECT_EQ(origin, (POINT{10, 10}));
  ShowWindow(w, SW_SHOW);
  Pump();
  EXPECT_EQ(PixelAt(w, {-5, -5}), RGB(255, 0, 0));
  // Hit testing of that frame is the default one: a border.
  EXPECT_EQ(SendMessage(w, WM_NCHITTEST, 0, PointToLParam(5, 5)), HTBORDER);
  EXPECT_EQ(SendMessage(w, WM_NCHITTEST, 0, PointToLParam(50, 50)), HTCLIENT);
}

TEST_F(NonClient, TransparentHitPassesToTheWindowBelow) {
  HWND parent = Make("parent", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 200, 200));
  HWND below = Make("below", WS_CHILD | WS_VISIBLE, Bounds(10, 10, 100, 100), parent);
  HWND glass = Make("glass", WS_CHILD | WS_VISIBLE, Bounds(0, 0, 50, 50), parent);
  SetWindowPos(glass, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  Handle(glass, WM_NCHITTEST, [](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> { return HTTRANSPARENT; });
  Pump();
  EXPECT_EQ(WindowFromPoint({20, 20}), below);
  EXPECT_EQ(WindowFromPoint({5, 5}), parent);
  ClearLog();
  InjectClick({20, 20});
  Pump();
  EXPECT_EQ(Take({WM_LBUTTONDOWN}), (Log{"below WM_LBUTTONDOWN"}));
}

}  // namespace
}  // namespace plat::testing
