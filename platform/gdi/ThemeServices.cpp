#include "platform/gdi/ThemeServices.h"

namespace plat {
namespace {

// The desktop without visual styles: nothing opens, so callers draw classic.
class ClassicThemeService : public IThemeService {
 public:
  bool IsThemeActive() override { return false; }
  bool CurrentThemeName(WideString& fileName, WideString& colorName, WideString& sizeName) override {
    fileName.clear();
    colorName.clear();
    sizeName.clear();
    return false;
  }
  HTHEME OpenThemeData(HWND, const WideString&) override { return nullptr; }
  HRESULT CloseThemeData(HTHEME) override { return E_HANDLE; }
  HRESULT DrawThemeBackground(HTHEME, HDC, int, int, const RECT&, const RECT*) override { return E_HANDLE; }
};

std::unique_ptr<IThemeService>& Installed() {
  static std::unique_ptr<IThemeService> service = std::make_unique<ClassicThemeService>();
  return service;
}

}  // namespace

IThemeService& ThemeService() { return *Installed(); }

std::unique_ptr<IThemeService> SetThemeService(std::unique_ptr<IThemeService> service) {
  if (!service) service = std::make_unique<ClassicThemeService>();
  std::swap(Installed(), service);
  return service;
}

bool IsThemeActive() { return ThemeService().IsThemeActive(); }

HTHEME OpenThemeData(HWND window, const WideString& classList) {
  return ThemeService().OpenThemeData(window, classList);
}

HRESULT CloseThemeData(HTHEME theme) { return ThemeService().CloseThemeData(theme); }

HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int partId, int stateId, const RECT* rect, const RECT* clip) {
  if (!rect) return E_INVALIDARG;
  return ThemeService().DrawThemeBackground(theme, dc, partId, stateId, *rect, clip);
}

HRESULT GetCurrentThemeName(WideString* fileName, WideString* colorName, WideString* sizeName) {
  WideString file, color, size;
  const bool active = ThemeService().CurrentThemeName(file, color, size);
  if (fileName) *fileName = file;
  if (colorName) *colorName = color;
  if (sizeName) *sizeName = size;
  return active ? S_OK : E_FAIL;
}

}  // namespace plat
