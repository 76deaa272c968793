#include "platform/ui/TScreen.h"

#include <algorithm>

#include "platform/rtl/RtlConsts.h"
#include "platform/ui/DragCursors.h"
#include "platform/ui/TCustomForm.h"
#include "platform/win/Cursors.h"
#include "platform/win/Display.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Mouse.h"
#include "platform/win/SystemMetrics.h"
#include "platform/gdi/Font.h"
#include "platform/win/Monitors.h"
#include "platform/win/WindowPos.h"

namespace plat {

TScreen* Screen = nullptr;

namespace {

// The standard pointers by cursor number.
const char* StandardCursor(TCursor Index) {
  switch (Index) {
    case crCross: return IDC_CROSS;
    case crIBeam: return IDC_IBEAM;
    case crSizeNESW: return IDC_SIZENESW;
    case crSizeNS: return IDC_SIZENS;
    case crSizeNWSE: return IDC_SIZENWSE;
    case crSizeWE: return IDC_SIZEWE;
    case crUpArrow: return IDC_UPARROW;
    case crHourGlass:
    case crSQLWait: return IDC_WAIT;
    case crNoDrop:
    case crNo: return IDC_NO;
    case crAppStart: return IDC_APPSTARTING;
    case crHelp: return IDC_HELP;
    case crHandPoint: return IDC_HAND;
    case crSizeAll: return IDC_SIZEALL;
    default: return IDC_ARROW;
  }
}

}  // namespace

TScreen::TScreen(TComponent* AOwner)
    : TComponent(AOwner), FHintFont(std::make_unique<TFont>()), FMenuFont(std::make_unique<TFont>()) {
  FHintFont->SetName("Tahoma");
  FHintFont->SetColor(clInfoText);
  NONCLIENTMETRICS metrics;
  if (SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
    FMenuFont->SetHandle(CreateFontIndirectA(&metrics.lfMenuFont));
  FMenuFont->SetColor(clMenuText);
  for (const TOwnCursor& own : CreateOwnCursors()) {
    if (!own.Handle) continue;
    FOwnCursors.push_back(own.Handle);
    FCursors[own.Index] = own.Handle;
  }
}

TScreen::~TScreen() {
  for (HCURSOR cursor : FOwnCursors) DestroyCursor(cursor);
}

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }
int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

TRect TScreen::WorkAreaRect() const {
  RECT r;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
  return r;
}

void TScreen::SetCursor(TCursor Value) {
  if (FCursor == Value) return;
  FCursor = Value;
  if (Value != crDefault) {
    ::plat::SetCursor(Cursors(Value));
    return;
  }
  // Back to the controls' own pointers: ask the window under the mouse.
  POINT p;
  GetCursorPos(&p);
  if (const HWND window = WindowFromPoint(p))
    SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                 MAKELPARAM(static_cast<Word>(HTCLIENT), static_cast<Word>(WM_MOUSEMOVE)));
}

HCURSOR TScreen::Cursors(TCursor Index) const {
  if (const auto found = FCursors.find(Index); found != FCursors.end()) return found->second;
  if (Index == crNone) return nullptr;
  return LoadCursorA(nullptr, StandardCursor(Index));
}

void TScreen::SetCursors(TCursor Index, HCURSOR Handle) {
  if (Handle)
    FCursors[Index] = Handle;
  else
    FCursors.erase(Index);
}

// Monitors.

void TScreen::UpdateMonitors() {
  std::vector<HMONITOR> handles;
  EnumDisplayMonitors(
      nullptr, nullptr,
      [&handles](HMONITOR monitor, HDC, RECT*, LPARAM) {
        handles.push_back(monitor);
        return true;
      },
      0);
  const bool same = handles.size() == FMonitors.size() &&
                    std::equal(handles.begin(), handles.end(), FMonitors.begin(),
                               [](HMONITOR h, const std::unique_ptr<TMonitor>& m) { return m->Handle() == h; });
  if (same) return;
  FMonitors.clear();
  for (std::size_t i = 0; i < handles.size(); ++i)
    FMonitors.push_back(std::make_unique<TMonitor>(handles[i], static_cast<int>(i)));
}

int TScreen::MonitorCount() {
  UpdateMonitors();
  return static_cast<int>(FMonitors.size());
}

TMonitor* TScreen::Monitors(int Index) {
  UpdateMonitors();
  if (Index < 0 || Index >= static_cast<int>(FMonitors.size()))
    throw EListError(FmtLoadResString(SListIndexError, {Index}));
  return FMonitors[static_cast<std::size_t>(Index)].get();
}

TMonitor* TScreen::MonitorOf(HMONITOR Handle) {
  if (!Handle) return nullptr;
  UpdateMonitors();
  for (const auto& monitor : FMonitors)
    if (monitor->Handle() == Handle) return monitor.get();
  return nullptr;
}

namespace {

DWORD MonitorFlags(TMonitorDefaultTo Default) {
  switch (Default) {
    case TMonitorDefaultTo::mdNull: return MONITOR_DEFAULTTONULL;
    case TMonitorDefaultTo::mdPrimary: return MONITOR_DEFAULTTOPRIMARY;
    default: return MONITOR_DEFAULTTONEAREST;
  }
}

}  // namespace

TMonitor* TScreen::MonitorFromWindow(HWND Window, TMonitorDefaultTo Default) {
  return MonitorOf(::plat::MonitorFromWindow(Window, MonitorFlags(Default)));
}

TMonitor* TScreen::MonitorFromPoint(TPoint Point, TMonitorDefaultTo Default) {
  return MonitorOf(::plat::MonitorFromPoint(Point, MonitorFlags(Default)));
}

TMonitor* TScreen::MonitorFromRect(TRect Rect, TMonitorDefaultTo Default) {
  return MonitorOf(::plat::MonitorFromRect(&Rect, MonitorFlags(Default)));
}

TCustomForm* TScreen::Forms(int Index) const {
  if (Index < 0 || Index >= FormCount()) throw EListError(FmtLoadResString(SListIndexError, {Index}));
  return FForms[static_cast<std::size_t>(Index)];
}

void TScreen::AddForm(TCustomForm* Form) { FForms.push_back(Form); }

void TScreen::RemoveForm(TCustomForm* Form) {
  std::erase(FForms, Form);
  if (FActiveForm == Form) FActiveForm = nullptr;
  if (FActiveControl && Form->ContainsControl(FActiveControl)) FActiveControl = nullptr;
}

}  // namespace plat
