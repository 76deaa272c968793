#pragma once
// Visual styles ("themes"): standard parts (buttons, check boxes, combo and
// spin arrows, headers, progress bars) drawn in the desktop's style. Callers
// draw themed only while IsThemeActive answers true and fall back to the
// classic looks (DrawFrameControl, DrawEdge) otherwise.
//
// The calls go to one replaceable theme service. The default has no active
// style, so everything draws classic; a test installs a service that reports
// a style and records what it was asked to draw.
#include <memory>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/WindowHandle.h"
#include "platform/rtl/HResult.h"

namespace plat {

// Theme data opened for a class of parts; each service derives its own.
class ThemeData {
 public:
  virtual ~ThemeData() = default;
};
using HTHEME = ThemeData*;

class IThemeService {
 public:
  virtual ~IThemeService() = default;

  virtual bool IsThemeActive() = 0;
  // The style's file, its colour scheme ("NormalColor", "HomeStead",
  // "Metallic"...) and its size name; false without an active style.
  virtual bool CurrentThemeName(WideString& fileName, WideString& colorName, WideString& sizeName) = 0;
  // Data for the first class of the semicolon-separated list that the style
  // knows ("button", "combobox", "Progress"; any case); null when none does.
  virtual HTHEME OpenThemeData(HWND window, const WideString& classList) = 0;
  // Handles that this service did not open (or already closed) give E_HANDLE.
  virtual HRESULT CloseThemeData(HTHEME theme) = 0;
  virtual HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int partId, int stateId, const RECT& rect,
                                      const RECT* clip) = 0;
};

// The service in use, and replacing it (null puts the default back); the
// previous one is handed back. User-interface thread only.
IThemeService& ThemeService();
std::unique_ptr<IThemeService> SetThemeService(std::unique_ptr<IThemeService> service);

// The visual-style calls, answered by the service in use.
bool IsThemeActive();
HTHEME OpenThemeData(HWND window, const WideString& classList);
HRESULT CloseThemeData(HTHEME theme);
// E_INVALIDARG without a rectangle.
HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int partId, int stateId, const RECT* rect, const RECT* clip);
// Any of the outputs may be null; E_FAIL (and empty names) without a style.
HRESULT GetCurrentThemeName(WideString* fileName, WideString* colorName, WideString* sizeName);

}  // namespace plat
