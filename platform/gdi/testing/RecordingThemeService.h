#pragma once
// A theme service for tests: it reports an active visual style with a given
// colour scheme, opens the part classes it knows, and records every part it
// is asked to draw (it paints nothing). ThemeRecorder installs one for a
// test's scope and puts the previous service back afterwards.
#include <algorithm>
#include <memory>
#include <vector>

#include "platform/gdi/ThemeServices.h"

namespace plat::testing {

class RecordingThemeService : public IThemeService {
 public:
  struct DrawCall {
    WideString ClassName;  // lower case
    int PartId = 0;
    int StateId = 0;
    TRect Rect;
    friend bool operator==(const DrawCall&, const DrawCall&) = default;
  };

  explicit RecordingThemeService(WideString colorName = u"NormalColor") : FColorName(std::move(colorName)) {}

  bool IsThemeActive() override { return true; }
  bool CurrentThemeName(WideString& fileName, WideString& colorName, WideString& sizeName) override {
    fileName = u"Recorded.msstyles";
    colorName = FColorName;
    sizeName = u"NormalSize";
    return true;
  }
  HTHEME OpenThemeData(HWND, const WideString& classList) override {
    std::size_t start = 0;
    while (start <= classList.size()) {
      std::size_t end = classList.find(u';', start);
      if (end == WideString::npos) end = classList.size();
      const WideString name = Lower(Trimmed(classList.substr(start, end - start)));
      if (std::find(KnownClasses().begin(), KnownClasses().end(), name) != KnownClasses().end()) {
        FOpen.push_back(std::make_unique<Opened>(name));
        return FOpen.back().get();
      }
      start = end + 1;
    }
    return nullptr;
  }
  HRESULT CloseThemeData(HTHEME theme) override {
    const auto it = Find(theme);
    if (it == FOpen.end()) return E_HANDLE;
    FOpen.erase(it);
    return S_OK;
  }
  HRESULT DrawThemeBackground(HTHEME theme, HDC, int partId, int stateId, const RECT& rect, const RECT*) override {
    const auto it = Find(theme);
    if (it == FOpen.end()) return E_HANDLE;
    FCalls.push_back({(*it)->ClassName, partId, stateId, rect});
    return S_OK;
  }

  const std::vector<DrawCall>& Calls() const { return FCalls; }
  // Theme data opened and not closed yet.
  std::size_t OpenCount() const { return FOpen.size(); }

 private:
  struct Opened : ThemeData {
    explicit Opened(WideString className) : ClassName(std::move(className)) {}
    WideString ClassName;
  };

  static const std::vector<WideString>& KnownClasses() {
    static const std::vector<WideString> classes{u"button", u"combobox", u"header", u"progress", u"spin"};
    return classes;
  }
  static WideString Trimmed(const WideString& s) {
    const std::size_t first = s.find_first_not_of(u' ');
    if (first == WideString::npos) return {};
    return s.substr(first, s.find_last_not_of(u' ') - first + 1);
  }
  static WideString Lower(WideString s) {
    for (char16_t& c : s)
      if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    return s;
  }
  std::vector<std::unique_ptr<Opened>>::iterator Find(HTHEME theme) {
    return std::find_if(FOpen.begin(), FOpen.end(), [theme](const auto& open) { return open.get() == theme; });
  }

  WideString FColorName;
  std::vector<std::unique_ptr<Opened>> FOpen;
  std::vector<DrawCall> FCalls;
};

class ThemeRecorder {
 public:
  explicit ThemeRecorder(WideString colorName = u"NormalColor") {
    auto service = std::make_unique<RecordingThemeService>(std::move(colorName));
    FService = service.get();
    FPrevious = SetThemeService(std::move(service));
  }
  ~ThemeRecorder() { SetThemeService(std::move(FPrevious)); }
  ThemeRecorder(const ThemeRecorder&) = delete;
  ThemeRecorder& operator=(const ThemeRecorder&) = delete;

  RecordingThemeService& Service() const { return *FService; }

 private:
  RecordingThemeService* FService;
  std::unique_ptr<IThemeService> FPrevious;
};

}  // namespace plat::testing
