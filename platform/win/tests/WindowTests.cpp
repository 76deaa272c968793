// Windows themselves: classes, handles, relations and Z order, placement and
// show states, coordinates, text in both forms, subclassing, properties,
// registered messages and the list of top-level windows.
#include <cstring>

#include "platform/win/DefWindowProc.h"
#include "platform/win/Focus.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/WinErrors.h"
#include "platform/win/WindowClass.h"
#include "platform/win/detail/WindowListObserver.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowProps.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowText.h"
#include "platform/win/Windows.h"
#include "platform/win/tests/WindowFixture.h"

namespace plat::testing {
namespace {

class Windows : public WindowTest {};

LRESULT PlainProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

TEST_F(Windows, ClassesAreFoundByNameWithoutCaseAndByAtom) {
  WNDCLASSA wc;
  wc.lpfnWndProc = PlainProc;
  wc.lpszClassName = "TfmCasing";
  wc.cbWndExtra = 16;
  const ATOM atom = RegisterClassA(&wc);
  ASSERT_GE(atom, 0xC000);
  EXPECT_EQ(RegisterClassA(&wc), 0);
  EXPECT_EQ(GetLastError(), ERROR_CLASS_ALREADY_EXISTS);
  wc.lpszClassName = "TFMCASING";
  EXPECT_EQ(RegisterClassA(&wc), 0);

  HWND byName = CreateWindowExA(0, "tfmcasing", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  HWND byAtom = CreateWindowExA(0, MAKEINTATOM(atom), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(byName, nullptr);
  ASSERT_NE(byAtom, nullptr);
  char name[32];
  EXPECT_EQ(GetClassNameA(byAtom, name, sizeof name), 9);
  EXPECT_STREQ(name, "TfmCasing");
  EXPECT_EQ(GetClassNameA(byAtom, name, 4), 3);  // cut to fit
  EXPECT_STREQ(name, "Tfm");
  EXPECT_EQ(GetClassLongPtr(byName, GCW_ATOM), atom);

  // Extra bytes are the window's own and checked.
  EXPECT_EQ(SetWindowLongPtr(byName, 8, 0x1234), 0);
  EXPECT_EQ(GetWindowLongPtr(byName, 8), 0x1234);
  SetLastError(0);
  EXPECT_EQ(GetWindowLongPtr(byName, 9), 0);  // past the end
  EXPECT_EQ(GetLastError(), ERROR_INVALID_INDEX);

  EXPECT_FALSE(UnregisterClassA("TfmCasing", nullptr));
  EXPECT_EQ(GetLastError(), ERROR_CLASS_HAS_WINDOWS);
  DestroyWindow(byName);
  DestroyWindow(byAtom);
  EXPECT_TRUE(UnregisterClassA("TfmCasing", nullptr));
  EXPECT_EQ(CreateWindowExA(0, "TfmCasing", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_CANNOT_FIND_WND_CLASS);
}

TEST_F(Windows, BadClassRecordsAreRefused) {
  WNDCLASSA wc;
  wc.lpszClassName = "NoProc";
  EXPECT_EQ(RegisterClassA(&wc), 0);
  wc.lpfnWndProc = PlainProc;
  wc.cbWndExtra = -4;
  EXPECT_EQ(RegisterClassA(&wc), 0);
  wc.cbWndExtra = 1 << 20;
  EXPECT_EQ(RegisterClassA(&wc), 0);
  wc.cbWndExtra = 0;
  wc.lpszClassName = "";
  EXPECT_EQ(RegisterClassA(&wc), 0);
  EXPECT_EQ(RegisterClassA(nullptr), 0);
}

TEST_F(Windows, StaleAndMadeUpHandlesAreRefused) {
  HWND w = Make("w", WS_POPUP, Bounds(0, 0, 10, 10));
  ASSERT_TRUE(DestroyWindow(w));
  HWND madeUp = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x1234));
  for (HWND h : {w, madeUp, HWND{}}) {
    SetLastError(0);
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(SendMessage(h, WM_CLOSE, 0, 0), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    EXPECT_FALSE(PostMessage(h, WM_CLOSE, 0, 0) && h);
    EXPECT_FALSE(ShowWindow(h, SW_SHOW));
    EXPECT_FALSE(SetWindowPos(h, nullptr, 0, 0, 1, 1, 0));
    RECT r;
    EXPECT_FALSE(GetWindowRect(h, &r));
    EXPECT_FALSE(DestroyWindow(h));
  }
  // The desktop stays.
  EXPECT_FALSE(DestroyWindow(GetDesktopWindow()));
}

TEST_F(Windows, FailedCreationLeavesNoWindow) {
  HWND parent = Make("parent", WS_POPUP, Bounds(0, 0, 10, 10));
  int created = 0;
  // A class whose WM_CREATE refuses.
  WNDCLASSA wc;
  wc.lpfnWndProc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    if (m == WM_CREATE) return -1;
    return DefWindowProcA(w, m, wp, lp);
  };
  wc.lpszClassName = "Refusing";
  RegisterClassA(&wc);
  EXPECT_EQ(CreateWindowExA(0, "Refusing", "", WS_CHILD, 0, 0, 5, 5, parent, nullptr, nullptr, &created), nullptr);
  EXPECT_EQ(GetWindow(parent, GW_CHILD), nullptr);
  EXPECT_EQ(FindWindowClass("Refusing")->WindowCount, 0);
  UnregisterClassA("Refusing", nullptr);
  // A child needs a parent.
  EXPECT_EQ(CreateWindowExA(0, "Logged", "", WS_CHILD, 0, 0, 5, 5, nullptr, nullptr, nullptr, nullptr), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_TLW_WITH_WSCHILD);
}

TEST_F(Windows, RelationsAndZOrder) {
  HWND owner = Make("owner", WS_POPUP, Bounds(0, 0, 100, 100));
  HWND popup = Make("popup", WS_POPUP, Bounds(0, 0, 50, 50), owner);
  HWND a = Make("a", WS_CHILD, Bounds(0, 0, 10, 10), owner, 0, 11);
  HWND b = Make("b", WS_CHILD, Bounds(0, 0, 10, 10), owner, 0, 12);
  HWND c = Make("c", WS_CHILD, Bounds(0, 0, 10, 10), owner, 0, 13);
  HWND grandchild = Make("g", WS_CHILD, Bounds(0, 0, 5, 5), b);
  auto order = [owner] {
    std::vector<HWND> v;
    for (HWND h = GetWindow(owner, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) v.push_back(h);
    return v;
  };
  EXPECT_EQ(order(), (std::vector<HWND>{a, b, c}));  // creation order
  EXPECT_EQ(GetParent(a), owner);
  EXPECT_EQ(GetParent(popup), owner);  // a popup's "parent" is its owner
  EXPECT_EQ(GetWindow(popup, GW_OWNER), owner);
  EXPECT_EQ(GetAncestor(grandchild, GA_ROOT), owner);
  EXPECT_TRUE(IsChild(owner, grandchild));
  EXPECT_FALSE(IsChild(owner, popup));
  EXPECT_EQ(GetDlgItem(owner, 12), b);
  EXPECT_EQ(GetDlgCtrlID(c), 13);

  SetWindowPos(c, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(order(), (std::vector<HWND>{c, a, b}));
  SetWindowPos(c, b, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(order(), (std::vector<HWND>{a, b, c}));
  SetWindowPos(a, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(order(), (std::vector<HWND>{b, c, a}));
  SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);  // NOZORDER wins
  EXPECT_EQ(order(), (std::vector<HWND>{b, c, a}));

  // Enumeration goes depth first.
  std::vector<HWND> seen;
  EnumChildWindows(
      owner,
      [](HWND h, LPARAM l) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(l)->push_back(h);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&seen));
  EXPECT_EQ(seen, (std::vector<HWND>{b, grandchild, c, a}));

  // Destroying the owner takes its owned popup and its children with it.
  DestroyWindow(owner);
  for (HWND h : {popup, a, b, c, grandchild}) EXPECT_FALSE(IsWindow(h));
}

TEST_F(Windows, SetParentMovesBetweenParentsAndTheDesktop) {
  HWND first = Make("first", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  HWND second = Make("second", WS_POPUP | WS_VISIBLE, Bounds(200, 0, 100, 100));
  HWND child = Make("child", WS_CHILD | WS_VISIBLE, Bounds(10, 10, 20, 20), first);
  EXPECT_EQ(SetParent(child, second), first);
  EXPECT_EQ(GetParent(child), second);
  RECT r;
  GetWindowRect(child, &r);
  EXPECT_EQ(r, Bounds(210, 10, 20, 20));  // the same place in the new parent
  EXPECT_TRUE(IsWindowVisible(child));
  EXPECT_EQ(SetParent(second, child), nullptr);  // no window inside itself
  EXPECT_EQ(SetParent(child, nullptr), second);
  EXPECT_EQ(GetAncestor(child, GA_PARENT), GetDesktopWindow());
}

TEST_F(Windows, PlacementCoordinatesAndShowStates) {
  HWND main = Make("main", WS_OVERLAPPEDWINDOW, Bounds(100, 50, 300, 200));
  HWND child = Make("child", WS_CHILD | WS_VISIBLE | WS_BORDER, Bounds(10, 20, 50, 40), main);
  POINT p{0, 0};
  ClientToScreen(child, &p);
  EXPECT_EQ(p, (POINT{100 + 4 + 10 + 1, 50 + 4 + 19 + 20 + 1}));
  ScreenToClient(child, &p);
  EXPECT_EQ(p, (POINT{0, 0}));
  POINT pts[2] = {{0, 0}, {5, 5}};
  MapWindowPoints(child, main, pts, 2);
  EXPECT_EQ(pts[0], (POINT{11, 21}));
  EXPECT_EQ(pts[1], (POINT{16, 26}));

  // Child windows are not visible while their parent is hidden.
  EXPECT_FALSE(IsWindowVisible(child));
  ShowWindow(main, SW_SHOW);
  EXPECT_TRUE(IsWindowVisible(child));

  ClearLog();
  ShowWindow(main, SW_MAXIMIZE);
  EXPECT_TRUE(IsZoomed(main));
  RECT r;
  GetWindowRect(main, &r);
  EXPECT_EQ(r, (RECT{-4, -4, 1028, 742}));  // the work area with the frame outside it
  const Log sizes = Take({WM_SIZE});
  EXPECT_EQ(sizes, Log{"main WM_SIZE"});
  ShowWindow(main, SW_MINIMIZE);
  EXPECT_TRUE(IsIconic(main));
  EXPECT_NE(GetActiveWindow(), main);
  ShowWindow(main, SW_RESTORE);
  EXPECT_FALSE(IsIconic(main));
  EXPECT_FALSE(IsZoomed(main));
  GetWindowRect(main, &r);
  EXPECT_EQ(r, Bounds(100, 50, 300, 200));

  // Sizes beyond what a window can be are clamped, not believed.
  SetWindowPos(child, nullptr, -5, -5, 1 << 30, -10, SWP_NOZORDER | SWP_NOACTIVATE);
  GetWindowRect(child, &r);
  EXPECT_EQ(r.Width(), 32767);
  EXPECT_EQ(r.Height(), 0);
  EXPECT_FALSE(SetWindowPos(child, nullptr, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_HIDEWINDOW));
}

TEST_F(Windows, WindowPosChangingMayAlterThePlacement) {
  HWND w = Make("w", WS_POPUP, Bounds(0, 0, 100, 100));
  Handle(w, WM_WINDOWPOSCHANGING, [](HWND, UINT, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
    auto* wp = reinterpret_cast<WINDOWPOS*>(lp);
    wp->cx = std::min(wp->cx, 150);
    return 0;
  });
  MoveWindow(w, 10, 10, 400, 120, true);
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r, Bounds(10, 10, 150, 120));
}

WNDPROC gPrevious = nullptr;
std::string gSubclassSaw;

// An ANSI subclass of a Unicode window, chaining to the window's procedure.
LRESULT AnsiSubclass(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_SETTEXT) gSubclassSaw = reinterpret_cast<const char*>(lp);
  return CallWindowProcA(gPrevious, w, m, wp, lp);
}

TEST_F(Windows, TextTravelsBetweenAnsiAndUnicodeProcedures) {
  HWND wide = MakeUnicode("wide", WS_POPUP, Bounds(0, 0, 10, 10));
  EXPECT_TRUE(IsWindowUnicode(wide));
  ASSERT_TRUE(SetWindowTextA(wide,
                             "Gr\xC3\xBC\xC3\x9F"
                             "e"));  // UTF-8 into a Unicode window
  char16_t wbuf[16];
  EXPECT_EQ(GetWindowTextW(wide, wbuf, 16), 5);
  EXPECT_EQ(std::u16string(wbuf), u"Gr\u00FC\u00DFe");
  EXPECT_EQ(GetWindowTextLengthA(wide), 7);  // bytes for the ANSI caller
  char buf[16];
  EXPECT_EQ(GetWindowTextA(wide, buf, 5), 4);  // room for "Gr" and the two bytes of the u-umlaut
  EXPECT_STREQ(buf, "Gr\xC3\xBC");
  EXPECT_EQ(GetWindowTextA(wide, buf, 4), 2);  // never half a character
  EXPECT_STREQ(buf, "Gr");

  // Subclassed through the ANSI form: the subclass sees UTF-8, the window
  // still keeps the text, and the window became ANSI.
  gPrevious =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrA(wide, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AnsiSubclass)));
  EXPECT_FALSE(IsWindowUnicode(wide));
  SetWindowTextW(wide, u"\u00C4rger");
  EXPECT_EQ(gSubclassSaw, "\xC3\x84rger");
  EXPECT_EQ(WindowText(wide), "\xC3\x84rger");
  SetWindowLongPtrW(wide, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gPrevious));
  EXPECT_TRUE(IsWindowUnicode(wide));
}

TEST_F(Windows, StyleChangesAreAnnouncedAndFrameRecomputed) {
  HWND w = Make("w", WS_POPUP, Bounds(0, 0, 100, 100));
  ClearLog();
  SetWindowLongPtr(w, GWL_STYLE, WS_POPUP | WS_BORDER);
  EXPECT_EQ(Take({WM_STYLECHANGING, WM_STYLECHANGED, WM_NCCALCSIZE}), (Log{"w WM_STYLECHANGING", "w WM_STYLECHANGED"}));
  RECT client;
  GetClientRect(w, &client);
  EXPECT_EQ(client.Width(), 100);  // until the frame is recomputed
  SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOACTIVATE);
  GetClientRect(w, &client);
  EXPECT_EQ(client.Width(), 98);
}

TEST_F(Windows, PropertiesAndRegisteredMessages) {
  HWND w = Make("w", WS_POPUP, Bounds(0, 0, 10, 10));
  int value = 0;
  EXPECT_TRUE(SetProp(w, "Owner", &value));
  EXPECT_EQ(GetProp(w, "OWNER"), &value);
  EXPECT_EQ(GetPropW(w, u"owner"), &value);
  EXPECT_TRUE(SetProp(w, MAKEINTATOM(0xC123), &w));
  EXPECT_EQ(GetProp(w, MAKEINTATOM(0xC123)), &w);
  EXPECT_EQ(RemoveProp(w, "Owner"), &value);
  EXPECT_EQ(GetProp(w, "Owner"), nullptr);

  const UINT message = RegisterWindowMessage("ZorbitPing");
  EXPECT_GE(message, 0xC000u);
  EXPECT_EQ(RegisterWindowMessageW(u"zorbitping"), message);
  EXPECT_NE(RegisterWindowMessage("ZorbitPong"), message);
  EXPECT_EQ(RegisterWindowMessage(""), 0u);
  EXPECT_EQ(RegisterWindowMessage(std::string(300, 'x').c_str()), 0u);
}

TEST_F(Windows, PointerMessagesCannotBePosted) {
  HWND w = Make("w", WS_POPUP, Bounds(0, 0, 10, 10));
  EXPECT_FALSE(PostMessage(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x")));
  EXPECT_EQ(GetLastError(), ERROR_MESSAGE_SYNC_ONLY);
  EXPECT_TRUE(PostMessage(nullptr, WM_USER, 1, 2));  // a thread message
  MSG msg;
  ASSERT_TRUE(PeekMessage(&msg, reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1)), 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.hwnd, nullptr);
  EXPECT_EQ(msg.wParam, 1u);
}

TEST_F(Windows, PeekFiltersByWindowAndRange) {
  HWND a = Make("a", WS_POPUP, Bounds(0, 0, 10, 10));
  HWND b = Make("b", WS_POPUP, Bounds(0, 0, 10, 10));
  HWND child = Make("child", WS_CHILD, Bounds(0, 0, 5, 5), b);
  PostMessage(a, WM_USER + 1, 0, 0);
  PostMessage(child, WM_USER + 2, 0, 0);
  PostMessage(b, WM_USER + 3, 0, 0);
  MSG msg;
  ASSERT_TRUE(PeekMessage(&msg, b, 0, 0, PM_REMOVE));  // b and its descendants
  EXPECT_EQ(msg.message, WM_USER + 2);
  ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_USER + 3, WM_USER + 3, PM_NOREMOVE));
  EXPECT_EQ(msg.hwnd, b);
  ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_USER + 1);
  // Destroying a window drops what was queued for it.
  DestroyWindow(b);
  EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
}

class RecordingObserver : public WindowListObserver {
 public:
  void TopLevelWindowCreated(HWND w) override { Events.push_back("created " + WindowText(w)); }
  void TopLevelWindowDestroyed(HWND w) override { Events.push_back("destroyed " + WindowText(w)); }
  void TopLevelWindowTextChanged(HWND w) override { Events.push_back("text " + WindowText(w)); }
  void TopLevelWindowVisibilityChanged(HWND w) override {
    Events.push_back(std::string(IsWindowVisible(w) ? "shown " : "hidden ") + WindowText(w));
  }
  std::vector<std::string> Events;
};

TEST_F(Windows, TheTopLevelListIsObserved) {
  RecordingObserver observer;
  AddWindowListObserver(&observer);
  HWND main = Make("Main", WS_OVERLAPPEDWINDOW, Bounds(0, 0, 100, 100));
  HWND child = Make("Child", WS_CHILD | WS_VISIBLE, Bounds(0, 0, 10, 10), main);
  ShowWindow(main, SW_SHOW);
  SetWindowText(main, "Renamed");
  SetWindowText(child, "Not a top-level window");
  ShowWindow(main, SW_HIDE);
  HWND message = CreateWindowExA(0, "Logged", "Hidden helper", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  DestroyWindow(message);
  DestroyWindow(main);
  RemoveWindowListObserver(&observer);
  EXPECT_EQ(observer.Events, (std::vector<std::string>{"created Main", "shown Main", "text Renamed", "hidden Renamed",
                                                       "destroyed Renamed"}));
}

}  // namespace
}  // namespace plat::testing
