// The input-method context: a finished composition reaching the focus
// window, the result read back with bounded buffers, and the default
// handling that turns it into characters for either form of window.
#include "platform/win/InputMethod.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "platform/win/Focus.h"
#include "platform/win/InputInjection.h"
#include "platform/win/Windows.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/tests/WindowFixture.h"

namespace plat::testing {
namespace {

class InputMethod : public WindowTest {};

TEST_F(InputMethod, ACompositionReachesTheFocusWindowAsCharacters) {
  HWND wide = MakeUnicode("wide", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  SetFocus(wide);
  Pump();
  std::u16string units;
  Handle(wide, WM_CHAR, [&units](HWND, UINT, WPARAM ch, LPARAM) -> std::optional<LRESULT> {
    units.push_back(static_cast<char16_t>(ch));
    return 0;
  });
  ClearLog();
  InjectComposition(u"\u4E2D\U0001F600");
  Pump();
  EXPECT_EQ(Take({WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION, WM_IME_ENDCOMPOSITION, WM_CHAR}),
            (Log{"wide WM_IME_STARTCOMPOSITION", "wide WM_IME_COMPOSITION", "wide WM_CHAR", "wide WM_CHAR",
                 "wide WM_CHAR", "wide WM_IME_ENDCOMPOSITION"}));
  EXPECT_EQ(units, u"\u4E2D\U0001F600");
}

TEST_F(InputMethod, AnAnsiWindowGetsTheResultAsUtf8Bytes) {
  HWND ansi = Make("ansi", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  SetFocus(ansi);
  Pump();
  std::string bytes;
  Handle(ansi, WM_CHAR, [&bytes](HWND, UINT, WPARAM ch, LPARAM) -> std::optional<LRESULT> {
    bytes.push_back(static_cast<char>(ch));
    return 0;
  });
  InjectComposition(u"\u4E2D\U0001F600");
  Pump();
  EXPECT_EQ(bytes, "\xE4\xB8\xAD\xF0\x9F\x98\x80");
}

TEST_F(InputMethod, AnEmptyCompositionSendsNothing) {
  HWND wide = MakeUnicode("wide", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  SetFocus(wide);
  Pump();
  ClearLog();
  InjectComposition(u"");
  Pump();
  EXPECT_EQ(Take({WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION, WM_IME_ENDCOMPOSITION, WM_CHAR}), Log{});
}

struct ReadCase {
  const char* Rule;
  DWORD Index;
  bool WithBuffer;
  DWORD BufferBytes;
  LONG Answer;
  std::u16string Copied;
};

TEST_F(InputMethod, TheResultIsReadInWholeUnitsWithinTheBuffer) {
  HWND wide = MakeUnicode("wide", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  SetFocus(wide);
  Pump();
  InjectComposition(u"abc");
  Pump();
  const ReadCase cases[] = {
      {"no buffer: the bytes needed", GCS_RESULTSTR, false, 100, 6, u""},
      {"size 0: the bytes needed", GCS_RESULTSTR, true, 0, 6, u""},
      {"room for all", GCS_RESULTSTR, true, 16, 6, u"abc"},
      {"room for two units", GCS_RESULTSTR, true, 4, 4, u"ab"},
      {"an odd size copies whole units only", GCS_RESULTSTR, true, 5, 4, u"ab"},
      {"less than a unit", GCS_RESULTSTR, true, 1, 0, u""},
      {"nothing is being composed", GCS_COMPSTR, true, 16, 0, u""},
      {"an unknown index", 0x4000, true, 16, IMM_ERROR_GENERAL, u""},
  };
  HIMC context = ImmGetContext(wide);
  ASSERT_NE(context, nullptr);
  for (const ReadCase& c : cases) {
    std::array<char16_t, 8> buffer;
    buffer.fill(u'#');
    const LONG answer = ImmGetCompositionStringW(context, c.Index, c.WithBuffer ? buffer.data() : nullptr, c.BufferBytes);
    EXPECT_EQ(answer, c.Answer) << c.Rule;
    const std::u16string copied(buffer.data(), c.Copied.size());
    EXPECT_EQ(copied, c.Copied) << c.Rule;
    // Not one byte past what was copied changes.
    EXPECT_EQ(buffer[c.Copied.size()], u'#') << c.Rule;
  }
  EXPECT_TRUE(ImmReleaseContext(wide, context));
}

TEST_F(InputMethod, NoWindowHasNoContext) {
  HWND gone = Make("gone", WS_POPUP, Bounds(0, 0, 10, 10));
  HIMC context = ImmGetContext(gone);
  DestroyWindow(gone);
  EXPECT_EQ(ImmGetContext(gone), nullptr);
  EXPECT_EQ(ImmGetContext(nullptr), nullptr);
  char16_t buffer[4];
  EXPECT_EQ(ImmGetCompositionStringW(context, GCS_RESULTSTR, buffer, sizeof buffer), IMM_ERROR_GENERAL);
  EXPECT_EQ(ImmGetCompositionStringW(nullptr, GCS_RESULTSTR, buffer, sizeof buffer), IMM_ERROR_GENERAL);
}

}  // namespace
}  // namespace plat::testing
