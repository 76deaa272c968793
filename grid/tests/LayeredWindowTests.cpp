// The layered-window calls: a missing function counts as success; a present
// one is called with the caller's arguments and answers for itself.
#include <gtest/gtest.h>

#include "grid/ExtUtilLayered.h"
#include "platform/os/ModuleExports.h"

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

// Enters a function into "USER32" for a test and takes it out again.
class User32Function {
 public:
  User32Function(const char* name, plat::FARPROC function) : FName(name) {
    plat::RegisterProcAddress("USER32", FName, function);
  }
  ~User32Function() { plat::RegisterProcAddress("USER32", FName, nullptr); }
  User32Function(const User32Function&) = delete;
  User32Function& operator=(const User32Function&) = delete;

 private:
  const char* FName;
};

TEST(LayeredWindows, MissingFunctionsCountAsSuccess) {
  EXPECT_TRUE(CallSetLayeredWindowAttributes(nullptr, 0, 128, 2));
  plat::BLENDFUNCTION blend{};
  EXPECT_TRUE(CallUpdateLayeredWindow(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, &blend, 2));
}

TEST(LayeredWindows, PresentFunctionsAreCalled) {
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
