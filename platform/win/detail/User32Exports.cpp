#include "platform/win/detail/User32Exports.h"

#include "platform/os/ModuleExports.h"
#include "platform/win/CommonControls.h"
#include "platform/win/FlatScrollBars.h"
#include "platform/win/LayeredWindows.h"
#include "platform/win/Mouse.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/WindowPos.h"

namespace plat {
namespace {

BOOL AsBool(bool value) { return value ? TRUE : FALSE; }

BOOL ExportedGetScrollBarInfo(HWND window, LONG object, SCROLLBARINFO* info) {
  return AsBool(GetScrollBarInfo(window, object, info));
}
BOOL ExportedSetLayeredWindowAttributes(HWND window, COLORREF key, Byte alpha, DWORD flags) {
  return AsBool(SetLayeredWindowAttributes(window, key, alpha, flags));
}
BOOL ExportedGetLayeredWindowAttributes(HWND window, COLORREF* key, Byte* alpha, DWORD* flags) {
  return AsBool(GetLayeredWindowAttributes(window, key, alpha, flags));
}
BOOL ExportedUpdateLayeredWindow(HWND window, HDC screenDc, POINT* position, SIZE* size, HDC sourceDc,
                                 POINT* sourcePosition, COLORREF key, BLENDFUNCTION* blend, DWORD flags) {
  return AsBool(UpdateLayeredWindow(window, screenDc, position, size, sourceDc, sourcePosition, key, blend, flags));
}
BOOL ExportedAnimateWindow(HWND window, DWORD time, DWORD flags) { return AsBool(AnimateWindow(window, time, flags)); }
BOOL ExportedTrackMouseEvent(TRACKMOUSEEVENT* track) { return AsBool(TrackMouseEvent(track)); }
int ExportedSetWindowRgn(HWND window, HRGN region, BOOL redraw) {
  return SetWindowRgn(window, region, redraw != FALSE);
}
BOOL ExportedInitCommonControlsEx(const INITCOMMONCONTROLSEX* init) { return AsBool(InitCommonControlsEx(init)); }
BOOL ExportedInitializeFlatSB(HWND window) { return AsBool(InitializeFlatSB(window)); }
BOOL ExportedFlatSBSetScrollProp(HWND window, UINT index, INT_PTR value, BOOL redraw) {
  return AsBool(FlatSB_SetScrollProp(window, index, value, redraw != FALSE));
}
BOOL ExportedFlatSBGetScrollProp(HWND window, UINT index, int* value) {
  return AsBool(FlatSB_GetScrollProp(window, index, value));
}
BOOL ExportedFlatSBShowScrollBar(HWND window, int bar, BOOL show) {
  return AsBool(FlatSB_ShowScrollBar(window, bar, show != FALSE));
}
int ExportedFlatSBSetScrollInfo(HWND window, int bar, SCROLLINFO* info, BOOL redraw) {
  return FlatSB_SetScrollInfo(window, bar, info, redraw != FALSE);
}

template <typename Function>
void Export(const char* name, Function* function) {
  RegisterProcAddress("USER32", name, reinterpret_cast<FARPROC>(function));
}

template <typename Function>
void ExportCommonControls(const char* name, Function* function) {
  RegisterProcAddress("COMCTL32", name, reinterpret_cast<FARPROC>(function));
}

}  // namespace

void RegisterUser32Exports() {
  Export("GetScrollBarInfo", &ExportedGetScrollBarInfo);
  Export("SetLayeredWindowAttributes", &ExportedSetLayeredWindowAttributes);
  Export("GetLayeredWindowAttributes", &ExportedGetLayeredWindowAttributes);
  Export("UpdateLayeredWindow", &ExportedUpdateLayeredWindow);
  Export("AnimateWindow", &ExportedAnimateWindow);
  Export("TrackMouseEvent", &ExportedTrackMouseEvent);
  Export("SetWindowRgn", &ExportedSetWindowRgn);
  ExportCommonControls("DllGetVersion", &CommonControlsGetVersion);
  ExportCommonControls("InitCommonControlsEx", &ExportedInitCommonControlsEx);
  ExportCommonControls("InitializeFlatSB", &ExportedInitializeFlatSB);
  ExportCommonControls("UninitializeFlatSB", &UninitializeFlatSB);
  ExportCommonControls("FlatSB_SetScrollProp", &ExportedFlatSBSetScrollProp);
  ExportCommonControls("FlatSB_GetScrollProp", &ExportedFlatSBGetScrollProp);
  ExportCommonControls("FlatSB_ShowScrollBar", &ExportedFlatSBShowScrollBar);
  ExportCommonControls("FlatSB_SetScrollInfo", &ExportedFlatSBSetScrollInfo);
}

}  // namespace plat
