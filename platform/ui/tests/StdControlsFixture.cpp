#include "platform/ui/tests/StdControlsFixture.h"

#include <map>
#include <stdexcept>

#include "platform/ui/ClassLibrary.h"
#include "platform/ui/TApplication.h"
#include "platform/win/Display.h"
#include "platform/win/InputInjection.h"
#include "platform/win/Mouse.h"
#include "platform/win/WindowPos.h"
#include "platform/win/VirtualKeys.h"

namespace plat::testing {

namespace {

UINT KeyNamed(const std::string& name) {
  static const std::map<std::string, UINT> keys = {
      {"BS", VK_BACK},    {"DEL", VK_DELETE},   {"HOME", VK_HOME},  {"END", VK_END},
      {"LEFT", VK_LEFT},  {"RIGHT", VK_RIGHT},  {"UP", VK_UP},      {"DOWN", VK_DOWN},
      {"PGUP", VK_PRIOR}, {"PGDN", VK_NEXT},    {"INS", VK_INSERT}, {"TAB", VK_TAB},
      {"F2", VK_F2},      {"ENTER", VK_RETURN}, {"ESC", VK_ESCAPE}, {"SPACE", VK_SPACE},
      {"F4", VK_F4},
  };
  if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return static_cast<UINT>(name[0]);
  const auto it = keys.find(name);
  if (it == keys.end()) throw std::invalid_argument("unknown key in script: " + name);
  return it->second;
}

}  // namespace

void StdControlsTest::SetUp() {
  InitClassLibrary();
  auto display = std::make_unique<HeadlessDisplay>();
  FDisplay = display.get();
  SetDisplay(std::move(display));
  FClock = std::make_shared<VirtualClock>();
  SetClock(FClock);
  InitForms();
  FeedMouseMove({1023, 767});  // the pointer starts away from the windows
  FForm = new TForm(Application);
  FForm->SetBounds(100, 100, 400, 300);
  FForm->Show();
  Pump();
}

void StdControlsTest::TearDown() {
  delete FForm;
  if (GetCapture()) ReleaseCapture();
  Pump();
  DoneForms();
  SetClock(nullptr);
}

void StdControlsTest::Pump() { PumpMessages(); }

void StdControlsTest::Type(const std::string& Script) {
  for (std::size_t i = 0; i < Script.size();) {
    if (Script[i] != '{') {
      // Plain text up to the next key.
      const std::size_t end = Script.find('{', i);
      InjectText(Script.substr(i, end == std::string::npos ? std::string::npos : end - i));
      i = end == std::string::npos ? Script.size() : end;
      continue;
    }
    const std::size_t close = Script.find('}', i);
    if (close == std::string::npos) throw std::invalid_argument("unclosed key in script: " + Script);
    std::string name = Script.substr(i + 1, close - i - 1);
    std::vector<UINT> modifiers;
    while (name.size() > 2 && name[1] == '-') {
      modifiers.push_back(name[0] == 'S' ? VK_SHIFT : name[0] == 'C' ? VK_CONTROL : VK_MENU);
      name = name.substr(2);
    }
    for (UINT m : modifiers) InjectKeyDown(m);
    InjectKeyPress(KeyNamed(name));
    for (auto m = modifiers.rbegin(); m != modifiers.rend(); ++m) InjectKeyUp(*m);
    i = close + 1;
  }
  Pump();
}

TPoint StdControlsTest::OnScreen(TControl* Control, TPoint Client) { return Control->ClientToScreen(Client); }

COLORREF StdControlsTest::PixelAt(TControl* Control, TPoint Client) {
  const Bitmap* surface = WindowSurface(FForm->Handle());
  if (!surface) return CLR_INVALID;
  RECT window;
  GetWindowRect(FForm->Handle(), &window);
  const TPoint p = Control->ClientToScreen(Client) - window.TopLeft();
  if (!surface->Bounds().Contains(p)) return CLR_INVALID;
  return ColorRefFromPixel(surface->At(p.X, p.Y)) & 0xFFFFFF;
}

}  // namespace plat::testing
