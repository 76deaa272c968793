#include "platform/win/SystemMetrics.h"

#include "platform/win/Display.h"
#include "platform/win/WinErrors.h"
#include "platform/win/detail/SystemFonts.h"

namespace plat {

namespace {

// The rectangle holding every monitor.
TRect VirtualScreen() {
  TRect all;
  for (const MonitorArea& m : CurrentDisplay().Monitors()) all = all.United(m.Bounds);
  return all;
}

}  // namespace

int GetSystemMetrics(int index) {
  const TSize screen = CurrentDisplay().ScreenSize();
  const TRect work = CurrentDisplay().WorkArea();
  switch (index) {
    case SM_CXSCREEN: return screen.cx;
    case SM_CYSCREEN: return screen.cy;
    case SM_XVIRTUALSCREEN: return VirtualScreen().Left;
    case SM_YVIRTUALSCREEN: return VirtualScreen().Top;
    case SM_CXVIRTUALSCREEN: return VirtualScreen().Width();
    case SM_CYVIRTUALSCREEN: return VirtualScreen().Height();
    case SM_CMONITORS: return static_cast<int>(CurrentDisplay().Monitors().size());
    case SM_CXFULLSCREEN: return work.Width();
    case SM_CYFULLSCREEN: return work.Height() - 19;
    case SM_CXMAXIMIZED: return work.Width() + 8;
    case SM_CYMAXIMIZED: return work.Height() + 8;
    case SM_CXMAXTRACK: return screen.cx + 12;
    case SM_CYMAXTRACK: return screen.cy + 12;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB: return 16;
    case SM_CYCAPTION: return 19;
    case SM_CYSMCAPTION: return 16;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return 3;
    case SM_CXFRAME:
    case SM_CYFRAME: return 4;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR: return 32;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    case SM_CYMENU: return 19;
    case SM_CXMENUSIZE:
    case SM_CYMENUSIZE: return 18;
    case SM_CXSIZE:
    case SM_CYSIZE: return 18;
    case SM_CXSMSIZE: return 12;
    case SM_CYSMSIZE: return 15;
    case SM_CXMIN: return 112;
    case SM_CYMIN: return 27;
    case SM_CXMINTRACK: return 112;
    case SM_CYMINTRACK: return 27;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
    case SM_CXDRAG:
    case SM_CYDRAG: return 4;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK: return 13;
    case SM_SWAPBUTTON: return 0;
    case SM_MOUSEWHEELPRESENT:
    case SM_SAMEDISPLAYFORMAT: return 1;
    default: return 0;
  }
}

namespace {

// The frame's sizes as the metrics count them, less the border they include.
bool FillNonClientMetrics(NONCLIENTMETRICSA& metrics) {
  if (metrics.cbSize != sizeof(NONCLIENTMETRICSA)) return false;
  const int border = GetSystemMetrics(SM_CXBORDER);
  metrics.iBorderWidth = border;
  metrics.iScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
  metrics.iScrollHeight = GetSystemMetrics(SM_CYHSCROLL);
  metrics.iCaptionWidth = GetSystemMetrics(SM_CXSIZE);
  metrics.iCaptionHeight = GetSystemMetrics(SM_CYCAPTION) - border;
  metrics.lfCaptionFont = SystemLogFont(SystemFont::Caption);
  metrics.iSmCaptionWidth = GetSystemMetrics(SM_CXSMSIZE);
  metrics.iSmCaptionHeight = GetSystemMetrics(SM_CYSMCAPTION) - border;
  metrics.lfSmCaptionFont = SystemLogFont(SystemFont::SmallCaption);
  metrics.iMenuWidth = GetSystemMetrics(SM_CYMENU) - border;
  metrics.iMenuHeight = GetSystemMetrics(SM_CYMENU) - border;
  metrics.lfMenuFont = SystemLogFont(SystemFont::Menu);
  metrics.lfStatusFont = SystemLogFont(SystemFont::Status);
  metrics.lfMessageFont = SystemLogFont(SystemFont::Message);
  return true;
}

bool Fill(UINT action, void* data) {
  switch (action) {
    case SPI_GETWORKAREA: *static_cast<RECT*>(data) = CurrentDisplay().WorkArea(); return true;
    case SPI_GETWHEELSCROLLLINES: *static_cast<UINT*>(data) = 3; return true;
    case SPI_GETNONCLIENTMETRICS: return FillNonClientMetrics(*static_cast<NONCLIENTMETRICSA*>(data));
    case SPI_GETICONTITLELOGFONT: *static_cast<LOGFONTA*>(data) = SystemLogFont(SystemFont::IconTitle); return true;
    default: return false;
  }
}

}  // namespace

bool SystemParametersInfoA(UINT action, UINT, void* data, UINT) {
  if (!data || !Fill(action, data)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  return true;
}

}  // namespace plat
