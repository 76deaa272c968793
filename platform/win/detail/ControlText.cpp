#include "platform/win/detail/ControlText.h"

#include "platform/gdi/Brush.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/DCStateSaver.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/TextOut.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/NotifyHeader.h"
#include "platform/win/WindowDC.h"
#include "platform/win/Windows.h"

namespace plat {

HFONT ControlFont(HFONT Given) { return Given ? Given : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

SIZE MeasureControlText(HFONT Font, const String& Text) {
  const HDC dc = GetDC(nullptr);
  const ScopeExit released([dc] { ReleaseDC(nullptr, dc); });
  const DCStateSaver saved(dc);
  SelectObject(dc, ControlFont(Font));
  SIZE size{};
  GetTextExtentPoint32A(dc, Text.c_str(), static_cast<int>(Text.size()), &size);
  return size;
}

int ControlTextHeight(HFONT Font) {
  const HDC dc = GetDC(nullptr);
  const ScopeExit released([dc] { ReleaseDC(nullptr, dc); });
  const DCStateSaver saved(dc);
  SelectObject(dc, ControlFont(Font));
  TEXTMETRICA metrics;
  GetTextMetricsA(dc, &metrics);
  return metrics.tmHeight;
}

void FillSysColor(HDC DC, const RECT& Rect, int ColorIndex) { FillRect(DC, &Rect, GetSysColorBrush(ColorIndex)); }

void DrawControlText(HDC DC, HFONT Font, const String& Text, RECT Rect, UINT Format, COLORREF Color) {
  const DCStateSaver saved(DC);
  SelectObject(DC, ControlFont(Font));
  SetTextColor(DC, Color);
  SetBkMode(DC, TRANSPARENT);
  DrawTextA(DC, Text.c_str(), static_cast<int>(Text.size()), &Rect, Format);
}

LRESULT SendNotify(HWND Target, HWND Window, UINT Code, void* Record) {
  auto* header = static_cast<NMHDR*>(Record);
  header->hwndFrom = Window;
  header->idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(Window));
  header->code = Code;
  if (!Target) return 0;
  return SendMessageA(Target, WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(Record));
}

}  // namespace plat
