#include "platform/win/SystemMetrics.h"

#include "platform/win/Display.h"
#include "platform/win/WinErrors.h"

namespace plat {

int GetSystemMetrics(int index) {
  const TSize screen = CurrentDisplay().ScreenSize();
  const TRect work = CurrentDisplay().WorkArea();
  switch (index) {
    case SM_CXSCREEN:
    case SM_CXVIRTUALSCREEN: return screen.cx;
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN: return screen.cy;
    case SM_XVIRTUALSCREEN:
    case SM_YVIRTUALSCREEN: return 0;
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
    case SM_CMONITORS:
    case SM_SAMEDISPLAYFORMAT: return 1;
    default: return 0;
  }
}

bool SystemParametersInfoA(UINT action, UINT, void* data, UINT) {
  if (!data) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  switch (action) {
    case SPI_GETWORKAREA: *static_cast<RECT*>(data) = CurrentDisplay().WorkArea(); return true;
    case SPI_GETWHEELSCROLLLINES: *static_cast<UINT*>(data) = 3; return true;
    default: SetLastError(ERROR_INVALID_PARAMETER); return false;
  }
}

}  // namespace plat
