#include "grid/detail/SystemFontHeight.h"

#include "platform/gdi/Font.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/win/WindowDC.h"

namespace zorbit::detail {

int SystemFontHeight() {
  const plat::HDC dc = plat::GetDC(nullptr);
  const plat::HGDIOBJ old = plat::SelectObject(dc, plat::GetStockObject(plat::SYSTEM_FONT));
  plat::TEXTMETRICA metrics{};
  plat::GetTextMetrics(dc, &metrics);
  plat::SelectObject(dc, old);
  plat::ReleaseDC(nullptr, dc);
  return metrics.tmHeight;
}

}  // namespace zorbit::detail
