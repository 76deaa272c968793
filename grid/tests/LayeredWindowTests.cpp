// The layered-window calls: looked up in the window layer and applied to
// the window; a missing function counts as success; a present one is
// called with the caller's arguments and answers for itself.
#include <gtest/gtest.h>

#include "grid/ExtUtilLayered.h"
#include "platform/os/ModuleExports.h"
#include "platform/win/DefWindowProc.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/LayeredWindows.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"

namespace zorbit {
namespace {

struct Seen {
  plat::HWND Window = nullptr;
  plat::COLORREF Key = 0;
  int Alpha = -1;
  plat::DWORD Flags = 0;
  plat::BLENDFUNCTION* Blend = nullptr;
};
Seen seen;
int answer = 0;

int RecordAttributes(plat::HWND window, plat::COLORREF key, plat::Byte alpha, plat::DWORD flags) {
  seen = {window, key, alpha, flags, nullptr};
  return answer;
}

int RecordUpdate(plat::HWND window, plat::HDC, plat::POINT*, plat::SIZE*, plat::HDC, plat::POINT*, plat::COLORREF key,
                 plat::BLENDFUNCTION* blend, plat::DWORD flags) {
  seen = {window, key, -1, flags, blend};
  return answer;
}

// Puts a function (or none) in place of "USER32"'s own for a test, and the
// real one back afterwards.
class User32Function {
 public:
  User32Function(const char* name, plat::FARPROC function) : FName(name) {
    const plat::HMODULE user32 = plat::GetModuleHandle("USER32");
    FReal = user32 ? plat::GetProcAddress(user32, FName) : nullptr;
    plat::RegisterProcAddress("USER32", FName, function);
  }
  ~User32Function() { plat::RegisterProcAddress("USER32", FName, FReal); }
  User32Function(const User32Function&) = delete;
  User32Function& operator=(const User32Function&) = delete;

 private:
  const char* FName;
  plat::FARPROC FReal = nullptr;
};

class LayeredWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::SetDisplay(plat::CreateHeadlessDisplay());
    plat::WNDCLASSA windowClass;
    windowClass.lpfnWndProc = plat::DefWindowProcA;
    windowClass.lpszClassName = "TLayeredProbe";
    plat::RegisterClassA(&windowClass);  // may exist from an earlier test
  }
  void TearDown() override {
    for (plat::HWND window : FWindows) plat::DestroyWindow(window);
  }
  plat::HWND Popup(plat::DWORD exStyle) {
    FWindows.push_back(plat::CreateWindowExA(exStyle, "TLayeredProbe", "", plat::WS_POPUP | plat::WS_VISIBLE, 10, 10,
                                             100, 50, nullptr, nullptr, nullptr, nullptr));
    return FWindows.back();
  }

  std::vector<plat::HWND> FWindows;
};

TEST_F(LayeredWindows, TheWindowLayerAppliesTheEffects) {
  const plat::HWND layered = Popup(plat::WS_EX_LAYERED);
  ASSERT_NE(layered, nullptr);
  EXPECT_TRUE(CallSetLayeredWindowAttributes(layered, 0xFF00FF, 200, plat::LWA_COLORKEY | plat::LWA_ALPHA));
  EXPECT_EQ(plat::CurrentHeadlessDisplay()->WindowLayer(layered),
            (plat::LayerAttributes{0xFF00FF, 200, plat::LWA_COLORKEY | plat::LWA_ALPHA}));
  plat::BLENDFUNCTION blend{plat::AC_SRC_OVER, 0, 77, 0};
  EXPECT_TRUE(
      CallUpdateLayeredWindow(layered, nullptr, nullptr, nullptr, nullptr, nullptr, 0, &blend, plat::ULW_ALPHA));
  EXPECT_EQ(plat::CurrentHeadlessDisplay()->WindowLayer(layered), (plat::LayerAttributes{0, 77, plat::LWA_ALPHA}));
  // A window that is not layered refuses them.
  EXPECT_FALSE(CallSetLayeredWindowAttributes(Popup(0), 0, 128, plat::LWA_ALPHA));
}

TEST_F(LayeredWindows, MissingFunctionsCountAsSuccess) {
  User32Function attributes("SetLayeredWindowAttributes", nullptr);
  User32Function update("UpdateLayeredWindow", nullptr);
  EXPECT_TRUE(CallSetLayeredWindowAttributes(nullptr, 0, 128, 2));
  plat::BLENDFUNCTION blend{};
  EXPECT_TRUE(CallUpdateLayeredWindow(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, &blend, 2));
}

TEST_F(LayeredWindows, PresentFunctionsAreCalled) {
  User32Function attributes("SetLayeredWindowAttributes", reinterpret_cast<plat::FARPROC>(&RecordAttributes));
  User32Function update("UpdateLayeredWindow", reinterpret_cast<plat::FARPROC>(&RecordUpdate));
  const auto window = reinterpret_cast<plat::HWND>(0x1234);

  answer = 1;
  EXPECT_TRUE(CallSetLayeredWindowAttributes(window, 0xFF00FF, 200, 3));
  EXPECT_EQ(seen.Window, window);
  EXPECT_EQ(seen.Key, 0xFF00FFu);
  EXPECT_EQ(seen.Alpha, 200);
  EXPECT_EQ(seen.Flags, 3u);
  answer = 0;
  EXPECT_FALSE(CallSetLayeredWindowAttributes(window, 0, 255, 2));

  plat::BLENDFUNCTION blend{plat::AC_SRC_OVER, 0, 77, 0};
  answer = 1;
  EXPECT_TRUE(CallUpdateLayeredWindow(window, nullptr, nullptr, nullptr, nullptr, nullptr, 5, &blend, 2));
  EXPECT_EQ(seen.Blend, &blend);
  EXPECT_EQ(seen.Key, 5u);
  answer = 0;
  EXPECT_FALSE(CallUpdateLayeredWindow(window, nullptr, nullptr, nullptr, nullptr, nullptr, 5, &blend, 2));
}

}  // namespace
}  // namespace zorbit
