#pragma once
// Opens a window's theme data for a class list and closes it on every way
// out; Theme() is null when no style answers.
#include "platform/gdi/ThemeServices.h"

namespace zorbit::detail {

class TThemeDataScope {
 public:
  TThemeDataScope(plat::HWND Window, const plat::WideString& ClassList)
      : FTheme(plat::OpenThemeData(Window, ClassList)) {}
  ~TThemeDataScope() {
    if (FTheme) plat::CloseThemeData(FTheme);
  }
  TThemeDataScope(const TThemeDataScope&) = delete;
  TThemeDataScope& operator=(const TThemeDataScope&) = delete;
  plat::HTHEME Theme() const { return FTheme; }

 private:
  plat::HTHEME FTheme;
};

}  // namespace zorbit::detail
