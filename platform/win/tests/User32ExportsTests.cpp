// The window layer's functions found by name in "USER32", as programs look
// them up, calling through to the real behaviour; layered windows.
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Shapes.h"
#include "platform/os/ModuleExports.h"
#include "platform/win/FlatScrollBars.h"
#include "platform/win/Focus.h"
#include "platform/win/LayeredWindows.h"
#include "platform/win/Mouse.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/WinErrors.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "platform/win/tests/WindowFixture.h"

namespace plat::testing {
namespace {

class User32Exports : public WindowTest {
 protected:
  template <typename Function>
  static Function LookUp(const char* name) {
    const HMODULE user32 = GetModuleHandle("user32.dll");
    return user32 ? reinterpret_cast<Function>(GetProcAddress(user32, name)) : nullptr;
  }
};

using SetLayeredWindowAttributesProc = BOOL (*)(HWND, COLORREF, Byte, DWORD);
using GetLayeredWindowAttributesProc = BOOL (*)(HWND, COLORREF*, Byte*, DWORD*);
using UpdateLayeredWindowProc = BOOL (*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);
using AnimateWindowProc = BOOL (*)(HWND, DWORD, DWORD);
using TrackMouseEventProc = BOOL (*)(TRACKMOUSEEVENT*);
using SetWindowRgnProc = int (*)(HWND, HRGN, BOOL);
using GetScrollBarInfoProc = BOOL (*)(HWND, LONG, SCROLLBARINFO*);

TEST_F(User32Exports, EveryNameTheProgramsLookUpIsThere) {
  for (const char* name : {"GetScrollBarInfo", "SetLayeredWindowAttributes", "GetLayeredWindowAttributes",
                           "UpdateLayeredWindow", "AnimateWindow", "TrackMouseEvent", "SetWindowRgn"})
    EXPECT_NE(LookUp<FARPROC>(name), nullptr) << name;
  SetLastError(ERROR_SUCCESS);
  EXPECT_EQ(LookUp<FARPROC>("NoSuchFunction"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);
  EXPECT_EQ(LookUp<FARPROC>("animatewindow"), nullptr);  // names are exact
}

TEST_F(User32Exports, LoadLibraryCountsTheLoads) {
  const HMODULE user32 = LoadLibrary("USER32.DLL");
  ASSERT_NE(user32, nullptr);
  EXPECT_EQ(LoadLibrary(u"user32"), user32);
  EXPECT_EQ(GetModuleHandle("User32"), user32);
  EXPECT_TRUE(FreeLibrary(user32));
  EXPECT_TRUE(FreeLibrary(user32));
  SetLastError(ERROR_SUCCESS);
  EXPECT_FALSE(FreeLibrary(user32));  // freed as often as loaded
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  // Still there: the platform's libraries never leave.
  EXPECT_NE(GetProcAddress(user32, "AnimateWindow"), nullptr);
}

TEST_F(User32Exports, LayeredAttributesReachTheDisplay) {
  HWND layered = Make("layered", WS_POPUP | WS_VISIBLE, Bounds(10, 10, 100, 80), nullptr, WS_EX_LAYERED);
  HWND plain = Make("plain", WS_POPUP | WS_VISIBLE, Bounds(200, 10, 100, 80));
  const auto setAttributes = LookUp<SetLayeredWindowAttributesProc>("SetLayeredWindowAttributes");
  const auto getAttributes = LookUp<GetLayeredWindowAttributesProc>("GetLayeredWindowAttributes");
  ASSERT_NE(setAttributes, nullptr);
  ASSERT_NE(getAttributes, nullptr);
  EXPECT_FALSE(Display().WindowLayer(layered));

  EXPECT_EQ(setAttributes(layered, 0xFF00FF, 200, LWA_COLORKEY | LWA_ALPHA), TRUE);
  EXPECT_EQ(Display().WindowLayer(layered), (LayerAttributes{0xFF00FF, 200, LWA_COLORKEY | LWA_ALPHA}));
  COLORREF key = 0;
  Byte alpha = 0;
  DWORD flags = 0;
  EXPECT_EQ(getAttributes(layered, &key, &alpha, &flags), TRUE);
  EXPECT_EQ(key, 0xFF00FFu);
  EXPECT_EQ(alpha, 200);
  EXPECT_EQ(flags, LWA_COLORKEY | LWA_ALPHA);

  struct Refusal {
    HWND Window;
    DWORD Flags;
    DWORD Error;
  };
  const Refusal refusals[] = {{plain, LWA_ALPHA, ERROR_INVALID_PARAMETER},
                              {layered, 0x10, ERROR_INVALID_PARAMETER},
                              {reinterpret_cast<HWND>(0x1234), LWA_ALPHA, ERROR_INVALID_WINDOW_HANDLE}};
  for (const Refusal& r : refusals) {
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(setAttributes(r.Window, 0, 128, r.Flags), FALSE);
    EXPECT_EQ(GetLastError(), r.Error);
  }
  EXPECT_FALSE(Display().WindowLayer(plain));
}

TEST_F(User32Exports, UpdateLayeredWindowPlacesAndPaintsTheWindow) {
  HWND layered = Make("layered", WS_POPUP | WS_VISIBLE, Bounds(10, 10, 40, 30), nullptr, WS_EX_LAYERED);
  const auto update = LookUp<UpdateLayeredWindowProc>("UpdateLayeredWindow");
  ASSERT_NE(update, nullptr);
  // A 60 x 50 picture: blue, with a red square at (10, 10).
  HDC picture = CreateCompatibleDC(nullptr);
  HGDIOBJ oldBitmap = SelectObject(picture, CreateCompatibleBitmap(picture, 60, 50));
  const RECT all{0, 0, 60, 50}, square{10, 10, 20, 20};
  HBRUSH blue = CreateSolidBrush(0xFF0000), red = CreateSolidBrush(0x0000FF);
  FillRect(picture, &all, blue);
  FillRect(picture, &square, red);

  POINT position{100, 120};
  SIZE size{60, 50};
  POINT from{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 150, 0};
  EXPECT_EQ(update(layered, nullptr, &position, &size, picture, &from, 0x00FF00, &blend, ULW_ALPHA | ULW_COLORKEY),
            TRUE);
  RECT placed;
  GetWindowRect(layered, &placed);
  EXPECT_EQ(placed, Bounds(100, 120, 60, 50));
  EXPECT_EQ(PixelAt(layered, {5, 5}), 0xFF0000u);
  EXPECT_EQ(PixelAt(layered, {15, 15}), 0x0000FFu);
  EXPECT_EQ(Display().WindowLayer(layered), (LayerAttributes{0x00FF00, 150, LWA_COLORKEY | LWA_ALPHA}));
  // Opaque: shown as it is; the place stays without a position or size.
  EXPECT_EQ(update(layered, nullptr, nullptr, nullptr, nullptr, nullptr, 0, nullptr, ULW_OPAQUE), TRUE);
  EXPECT_EQ(Display().WindowLayer(layered), LayerAttributes{});
  GetWindowRect(layered, &placed);
  EXPECT_EQ(placed, Bounds(100, 120, 60, 50));

  DeleteObject(SelectObject(picture, oldBitmap));
  DeleteDC(picture);
  DeleteObject(blue);
  DeleteObject(red);
}

TEST_F(User32Exports, AnimateWindowShowsAndHides) {
  HWND form = Make("form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(10, 10, 200, 100));
  HWND panel = Make("panel", WS_POPUP, Bounds(50, 50, 100, 80), form);
  const auto animate = LookUp<AnimateWindowProc>("AnimateWindow");
  ASSERT_NE(animate, nullptr);
  EXPECT_EQ(animate(panel, 200, AW_BLEND), TRUE);
  EXPECT_TRUE(IsWindowVisible(panel));
  EXPECT_EQ(GetActiveWindow(), form);               // shown without AW_ACTIVATE
  EXPECT_EQ(animate(panel, 200, AW_BLEND), FALSE);  // shown already
  EXPECT_EQ(animate(panel, 200, AW_HIDE | AW_SLIDE | AW_VER_NEGATIVE), TRUE);
  EXPECT_FALSE(IsWindowVisible(panel));
  EXPECT_EQ(animate(panel, 200, AW_ACTIVATE | AW_CENTER), TRUE);
  EXPECT_EQ(GetActiveWindow(), panel);
}

TEST_F(User32Exports, MouseRegionAndScrollBarCallsGoThrough) {
  HWND w = Make("w", WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_VISIBLE, Bounds(10, 10, 200, 150));
  Pump();
  ClearLog();
  // The pointer is away from the window: the leave is posted at once.
  const auto track = LookUp<TrackMouseEventProc>("TrackMouseEvent");
  ASSERT_NE(track, nullptr);
  TRACKMOUSEEVENT request;
  request.dwFlags = TME_LEAVE;
  request.hwndTrack = w;
  EXPECT_EQ(track(&request), TRUE);
  Pump();
  EXPECT_EQ(Take({WM_MOUSELEAVE}), (Log{"w WM_MOUSELEAVE"}));

  const auto setRegion = LookUp<SetWindowRgnProc>("SetWindowRgn");
  ASSERT_NE(setRegion, nullptr);
  EXPECT_NE(setRegion(w, CreateRectRgn(0, 0, 50, 40), TRUE), 0);
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(w, shape), SIMPLEREGION);
  DeleteObject(shape);

  const auto barInfo = LookUp<GetScrollBarInfoProc>("GetScrollBarInfo");
  ASSERT_NE(barInfo, nullptr);
  SCROLLBARINFO viaName, direct;
  EXPECT_EQ(barInfo(w, OBJID_VSCROLL, &viaName), TRUE);
  ASSERT_TRUE(GetScrollBarInfo(w, OBJID_VSCROLL, &direct));
  EXPECT_EQ(viaName.rcScrollBar, direct.rcScrollBar);
  EXPECT_FALSE(viaName.rcScrollBar.IsEmpty());
}

using InitializeFlatSBProc = BOOL (*)(HWND);
using FlatSBSetScrollPropProc = BOOL (*)(HWND, UINT, INT_PTR, BOOL);
using FlatSBGetScrollPropProc = BOOL (*)(HWND, UINT, int*);
using FlatSBSetScrollInfoProc = int (*)(HWND, int, SCROLLINFO*, BOOL);

TEST_F(User32Exports, FlatScrollBarsKeepTheirPropertiesWithTheWindow) {
  const HMODULE comctl = GetModuleHandle("comctl32.dll");
  ASSERT_NE(comctl, nullptr);
  const auto initialize = reinterpret_cast<InitializeFlatSBProc>(GetProcAddress(comctl, "InitializeFlatSB"));
  const auto setProp = reinterpret_cast<FlatSBSetScrollPropProc>(GetProcAddress(comctl, "FlatSB_SetScrollProp"));
  const auto getProp = reinterpret_cast<FlatSBGetScrollPropProc>(GetProcAddress(comctl, "FlatSB_GetScrollProp"));
  const auto setInfo = reinterpret_cast<FlatSBSetScrollInfoProc>(GetProcAddress(comctl, "FlatSB_SetScrollInfo"));
  for (const char* name : {"UninitializeFlatSB", "FlatSB_ShowScrollBar"})
    EXPECT_NE(GetProcAddress(comctl, name), nullptr) << name;
  ASSERT_TRUE(initialize && setProp && getProp && setInfo);
  const HWND window = Make("bars", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {10, 10, 310, 210});
  int value = -1;
  EXPECT_FALSE(setProp(window, WSB_PROP_VSTYLE, FSB_FLAT_MODE, TRUE));  // not initialized
  EXPECT_TRUE(initialize(window));
  EXPECT_TRUE(getProp(window, WSB_PROP_VBKGCOLOR, &value));
  EXPECT_EQ(value, 0);
  EXPECT_TRUE(setProp(window, WSB_PROP_VSTYLE, FSB_ENCARTA_MODE, TRUE));
  EXPECT_TRUE(setProp(window, WSB_PROP_CXVSCROLL, 12, TRUE));
  EXPECT_FALSE(setProp(window, 0x0003, 1, TRUE));  // not one property
  EXPECT_TRUE(getProp(window, WSB_PROP_VSTYLE, &value));
  EXPECT_EQ(value, FSB_ENCARTA_MODE);
  EXPECT_TRUE(getProp(window, WSB_PROP_CXVSCROLL, &value));
  EXPECT_EQ(value, 12);
  // Information goes to the window's standard bar.
  SCROLLINFO info{};
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMax = 99;
  info.nPage = 10;
  info.nPos = 40;
  EXPECT_EQ(setInfo(window, SB_VERT, &info, TRUE), 40);
  SCROLLINFO read{};
  read.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(window, SB_VERT, &read));
  EXPECT_EQ(read.nMax, 99);
  EXPECT_EQ(read.nPage, 10u);
  EXPECT_EQ(UninitializeFlatSB(window), S_OK);
  EXPECT_FALSE(getProp(window, WSB_PROP_VSTYLE, &value));
  EXPECT_EQ(UninitializeFlatSB(window), E_FAIL);
}

}  // namespace
}  // namespace plat::testing
