// Window classes through the extended and Unicode forms: the record's size
// check, the small icon, and names read back in either form.
#include <cstdint>
#include <string>

#include "platform/win/DefWindowProc.h"
#include "platform/win/WinErrors.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "platform/win/tests/WindowFixture.h"

namespace plat::testing {
namespace {

class WindowClassForms : public WindowTest {};

LRESULT UnicodeProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcW(w, m, wp, lp); }

TEST_F(WindowClassForms, ExtendedRecordsCheckTheirSizeAndKeepTheSmallIcon) {
  const auto smallIcon = reinterpret_cast<HICON>(std::uintptr_t{0x51});
  WNDCLASSEXW wc;
  wc.lpfnWndProc = UnicodeProc;
  wc.lpszClassName = u"TExtended";
  wc.cbClsExtra = 8;
  wc.hIconSm = smallIcon;
  wc.cbSize = 0;
  EXPECT_EQ(RegisterClassExW(&wc), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  wc.cbSize = sizeof wc;
  ASSERT_NE(RegisterClassExW(&wc), 0);

  WNDCLASSEXA extended;
  ASSERT_TRUE(GetClassInfoExA(nullptr, "textended", &extended));
  EXPECT_EQ(extended.hIconSm, smallIcon);
  EXPECT_EQ(extended.cbClsExtra, 8);
  EXPECT_EQ(extended.lpfnWndProc, UnicodeProc);
  EXPECT_STREQ(extended.lpszClassName, "textended");
  WNDCLASSW plain;
  ASSERT_TRUE(GetClassInfoW(nullptr, u"TEXTENDED", &plain));
  EXPECT_EQ(plain.cbClsExtra, 8);

  HWND window = CreateWindowExW(0, u"TExtended", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  char16_t name[16];
  EXPECT_EQ(GetClassNameW(window, name, 16), 9);
  EXPECT_EQ(std::u16string(name), u"TExtended");
  EXPECT_EQ(GetClassLongPtrW(window, GCLP_HICONSM), reinterpret_cast<ULONG_PTR>(smallIcon));
  DestroyWindow(window);

  EXPECT_TRUE(UnregisterClassW(u"TExtended", nullptr));
  EXPECT_FALSE(GetClassInfoW(nullptr, u"TExtended", &plain));
  EXPECT_EQ(GetLastError(), ERROR_CLASS_DOES_NOT_EXIST);
}

}  // namespace
}  // namespace plat::testing
