#include "platform/win/tests/WindowFixture.h"

#include <algorithm>
#include <cstdio>

#include "platform/gdi/Brush.h"
#include "platform/gdi/Shapes.h"
#include "platform/win/Cursors.h"
#include "platform/win/DefWindowProc.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Mouse.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowDC.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"

namespace plat::testing {
namespace {

struct LogState {
  Log Entries;
  std::map<HWND, std::string> Names;
  std::map<std::pair<HWND, UINT>, Handler> Handlers;
};

LogState& State() {
  static LogState state;
  return state;
}

std::optional<LRESULT> Handled(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto& handlers = State().Handlers;
  auto it = handlers.find({window, message});
  if (it == handlers.end()) return std::nullopt;
  const Handler handler = it->second;  // it may replace itself
  return handler(window, message, wParam, lParam);
}

void Record(HWND window, UINT message) {
  auto& names = State().Names;
  auto it = names.find(window);
  State().Entries.push_back((it == names.end() ? std::string("?") : it->second) + " " + MessageName(message));
}

LRESULT LoggedProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Record(window, message);
  if (auto answer = Handled(window, message, wParam, lParam)) return *answer;
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT LoggedProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Record(window, message);
  if (auto answer = Handled(window, message, wParam, lParam)) return *answer;
  return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterLoggedClasses() {
  if (FindWindowClass("Logged")) return;
  WNDCLASSA a;
  a.style = CS_DBLCLKS;
  a.lpfnWndProc = LoggedProcA;
  a.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  a.lpszClassName = "Logged";
  RegisterClassA(&a);
  WNDCLASSW w;
  w.style = CS_DBLCLKS;
  w.lpfnWndProc = LoggedProcW;
  w.lpszClassName = u"LoggedW";
  RegisterClassW(&w);
}

}  // namespace

std::string MessageName(UINT message) {
  static const std::map<UINT, const char*> names = {{WM_CREATE, "WM_CREATE"},
                                                    {WM_DESTROY, "WM_DESTROY"},
                                                    {WM_MOVE, "WM_MOVE"},
                                                    {WM_SIZE, "WM_SIZE"},
                                                    {WM_ACTIVATE, "WM_ACTIVATE"},
                                                    {WM_SETFOCUS, "WM_SETFOCUS"},
                                                    {WM_KILLFOCUS, "WM_KILLFOCUS"},
                                                    {WM_ENABLE, "WM_ENABLE"},
                                                    {WM_SETREDRAW, "WM_SETREDRAW"},
                                                    {WM_SETTEXT, "WM_SETTEXT"},
                                                    {WM_GETTEXT, "WM_GETTEXT"},
                                                    {WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"},
                                                    {WM_PAINT, "WM_PAINT"},
                                                    {WM_CLOSE, "WM_CLOSE"},
                                                    {WM_QUIT, "WM_QUIT"},
                                                    {WM_ERASEBKGND, "WM_ERASEBKGND"},
                                                    {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
                                                    {WM_ACTIVATEAPP, "WM_ACTIVATEAPP"},
                                                    {WM_CANCELMODE, "WM_CANCELMODE"},
                                                    {WM_SETCURSOR, "WM_SETCURSOR"},
                                                    {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"},
                                                    {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"},
                                                    {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
                                                    {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
                                                    {WM_STYLECHANGING, "WM_STYLECHANGING"},
                                                    {WM_STYLECHANGED, "WM_STYLECHANGED"},
                                                    {WM_NCCREATE, "WM_NCCREATE"},
                                                    {WM_NCDESTROY, "WM_NCDESTROY"},
                                                    {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
                                                    {WM_NCHITTEST, "WM_NCHITTEST"},
                                                    {WM_NCPAINT, "WM_NCPAINT"},
                                                    {WM_NCACTIVATE, "WM_NCACTIVATE"},
                                                    {WM_NCMOUSEMOVE, "WM_NCMOUSEMOVE"},
                                                    {WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN"},
                                                    {WM_NCLBUTTONUP, "WM_NCLBUTTONUP"},
                                                    {WM_NCLBUTTONDBLCLK, "WM_NCLBUTTONDBLCLK"},
                                                    {WM_KEYDOWN, "WM_KEYDOWN"},
                                                    {WM_KEYUP, "WM_KEYUP"},
                                                    {WM_CHAR, "WM_CHAR"},
                                                    {WM_IME_STARTCOMPOSITION, "WM_IME_STARTCOMPOSITION"},
                                                    {WM_IME_COMPOSITION, "WM_IME_COMPOSITION"},
                                                    {WM_IME_ENDCOMPOSITION, "WM_IME_ENDCOMPOSITION"},
                                                    {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
                                                    {WM_SYSKEYUP, "WM_SYSKEYUP"},
                                                    {WM_SYSCHAR, "WM_SYSCHAR"},
                                                    {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
                                                    {WM_TIMER, "WM_TIMER"},
                                                    {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
                                                    {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
                                                    {WM_LBUTTONUP, "WM_LBUTTONUP"},
                                                    {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
                                                    {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
                                                    {WM_RBUTTONUP, "WM_RBUTTONUP"},
                                                    {WM_MOUSEWHEEL, "WM_MOUSEWHEEL"},
                                                    {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"},
                                                    {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
                                                    {WM_MOUSELEAVE, "WM_MOUSELEAVE"},
                                                    {WM_NCMOUSELEAVE, "WM_NCMOUSELEAVE"},
                                                    {WM_MOUSEHOVER, "WM_MOUSEHOVER"},
                                                    {WM_ENTERSIZEMOVE, "WM_ENTERSIZEMOVE"},
                                                    {WM_EXITSIZEMOVE, "WM_EXITSIZEMOVE"},
                                                    {WM_MOVING, "WM_MOVING"},
                                                    {WM_SIZING, "WM_SIZING"},
                                                    {WM_DESTROYCLIPBOARD, "WM_DESTROYCLIPBOARD"},
                                                    {WM_USER, "WM_USER"},
                                                    {WM_COMMAND, "WM_COMMAND"},
                                                    {WM_ENTERMENULOOP, "WM_ENTERMENULOOP"},
                                                    {WM_EXITMENULOOP, "WM_EXITMENULOOP"},
                                                    {WM_INITMENU, "WM_INITMENU"},
                                                    {WM_INITMENUPOPUP, "WM_INITMENUPOPUP"},
                                                    {WM_UNINITMENUPOPUP, "WM_UNINITMENUPOPUP"},
                                                    {WM_MENUSELECT, "WM_MENUSELECT"},
                                                    {WM_MENUCHAR, "WM_MENUCHAR"},
                                                    {WM_MEASUREITEM, "WM_MEASUREITEM"},
                                                    {WM_DRAWITEM, "WM_DRAWITEM"}};
  auto it = names.find(message);
  if (it != names.end()) return it->second;
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%04X", message);
  return hex;
}

void WindowTest::SetUp() {
  auto display = std::make_unique<HeadlessDisplay>();
  FDisplay = display.get();
  SetDisplay(std::move(display));
  FClock = std::make_shared<VirtualClock>();
  SetClock(FClock);
  RegisterLoggedClasses();
  FeedMouseMove({1023, 767});  // the pointer starts away from the windows
  Pump();
  State().Entries.clear();
}

void WindowTest::TearDown() {
  for (const auto& [window, name] : std::map(State().Names)) DestroyWindow(window);
  if (GetCapture()) ReleaseCapture();
  Pump();
  MSG msg;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
  State() = LogState{};
  SetClock(nullptr);
  SetDisplay(CreateHeadlessDisplay());
}

HWND WindowTest::Make(const std::string& name, DWORD style, TRect bounds, HWND parent, DWORD exStyle, int id) {
  // The name must be known before WM_NCCREATE arrives: log under a
  // placeholder and rename once the handle exists.
  HWND window =
      CreateWindowExA(exStyle, "Logged", name.c_str(), style, bounds.Left, bounds.Top, bounds.Width(), bounds.Height(),
                      parent, reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)), nullptr, nullptr);
  State().Names[window] = name;
  for (std::string& entry : State().Entries)
    if (entry.rfind("? ", 0) == 0) entry = name + entry.substr(1);
  return window;
}

HWND WindowTest::MakeUnicode(const std::string& name, DWORD style, TRect bounds, HWND parent) {
  const std::u16string title(name.begin(), name.end());
  HWND window = CreateWindowExW(0, u"LoggedW", title.c_str(), style, bounds.Left, bounds.Top, bounds.Width(),
                                bounds.Height(), parent, nullptr, nullptr, nullptr);
  State().Names[window] = name;
  for (std::string& entry : State().Entries)
    if (entry.rfind("? ", 0) == 0) entry = name + entry.substr(1);
  return window;
}

void WindowTest::Handle(HWND window, UINT message, Handler handler) {
  State().Handlers[{window, message}] = std::move(handler);
}

Log WindowTest::Take() {
  Log log = std::move(State().Entries);
  State().Entries.clear();
  return log;
}

Log WindowTest::Take(std::initializer_list<UINT> only) { return Only(Take(), only); }

void WindowTest::ClearLog() { State().Entries.clear(); }

Log WindowTest::Only(const Log& log, std::initializer_list<UINT> messages) {
  Log out;
  for (const std::string& entry : log)
    for (UINT m : messages)
      if (entry.size() > MessageName(m).size() &&
          entry.substr(entry.size() - MessageName(m).size()) == MessageName(m) &&
          entry[entry.size() - MessageName(m).size() - 1] == ' ')
        out.push_back(entry);
  return out;
}

int WindowTest::Pump() { return PumpMessages(); }

int WindowTest::PumpAtMost(int count) {
  int handled = 0;
  MSG msg;
  while (handled < count && PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessage(&msg);
    ++handled;
  }
  return handled;
}

void WindowTest::Fill(HWND window, COLORREF color, const TRect* area) {
  HDC dc = GetDC(window);
  RECT r;
  GetClientRect(window, &r);
  if (area) r = *area;
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
  ReleaseDC(window, dc);
}

COLORREF WindowTest::PixelAt(HWND window, TPoint client) {
  HWND root = GetAncestor(window, GA_ROOT);
  const Bitmap* surface = WindowSurface(root);
  if (!surface) return CLR_INVALID;
  TPoint p = client;
  ClientToScreen(window, &p);
  RECT rootRect;
  GetWindowRect(root, &rootRect);
  p = p - rootRect.TopLeft();
  if (!surface->Bounds().Contains(p)) return CLR_INVALID;
  return ColorRefFromPixel(surface->At(p.X, p.Y)) & 0xFFFFFF;
}

}  // namespace plat::testing
