// Controls with Unicode windows (TWinControl::CreateUnicodeHandle) on the
// headless display: the window's form and class, wide text in and out
// through either interface, and characters of any plane, typed, sent or
// composed by an input method, reaching the control's key handling whole.
#include <gtest/gtest.h>

#include <vector>

#include "platform/rtl/Unicode.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/ui/WideText.h"
#include "platform/ui/tests/StdControlsFixture.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowText.h"
#include "platform/win/Windows.h"

namespace plat::testing {
namespace {

// An edit that logs the keys its key handling sees and the text changes it
// is told of.
class TKeyLoggingEdit : public TEdit {
 public:
  using TEdit::TEdit;
  std::u32string KeysPressed;
  int TextChanges = 0;

 protected:
  void KeyPress(char32_t& Key) override {
    KeysPressed.push_back(Key);
    TEdit::KeyPress(Key);
  }
  void WndProc(TMessage& Message) override {
    if (Message.Msg == CM_TEXTCHANGED) ++TextChanges;
    TEdit::WndProc(Message);
  }
};

// The same on a Unicode window.
class TUnicodeTestEdit : public TKeyLoggingEdit {
 public:
  using TKeyLoggingEdit::TKeyLoggingEdit;

 protected:
  void CreateWindowHandle(const TCreateParams& Params) override { CreateUnicodeHandle(Params); }
};

class UnicodeWindow : public StdControlsTest {
 protected:
  TUnicodeTestEdit* MakeEdit() {
    TUnicodeTestEdit* edit = Make<TUnicodeTestEdit>(Bounds(10, 10, 200, 21));
    edit->SetFocus();
    Pump();
    return edit;
  }
};

WideString ClassNameOfWindow(HWND Window) {
  char16_t name[64] = {};
  const int length = GetClassNameW(Window, name, 64);
  return WideString(name, static_cast<std::size_t>(length));
}

TEST_F(UnicodeWindow, IsMadeThroughTheWideInterfaceInItsOwnClass) {
  TUnicodeTestEdit* edit = MakeEdit();
  TEdit* plain = Make<TEdit>(Bounds(10, 40, 200, 21));
  EXPECT_TRUE(IsWindowUnicode(edit->Handle()));
  EXPECT_EQ(ClassNameOfWindow(edit->Handle()), u"TUnicodeTestEdit.UnicodeClass");
  EXPECT_FALSE(IsWindowUnicode(plain->Handle()));
  EXPECT_EQ(WindowClassName(plain->Handle()), "TEdit");
  // A second window reuses the class.
  TUnicodeTestEdit* second = MakeEdit();
  EXPECT_EQ(ClassNameOfWindow(second->Handle()), u"TUnicodeTestEdit.UnicodeClass");
}

struct TextCase {
  const char* Rule;
  WideString Set;
  WideString Read;
};

TEST_F(UnicodeWindow, WideTextRoundTripsThroughEitherInterface) {
  TUnicodeTestEdit* edit = MakeEdit();
  const TextCase cases[] = {
      {"Latin-1", u"\u00FCber", u"\u00FCber"},
      {"CJK", u"\u4E2D\u6587", u"\u4E2D\u6587"},
      {"a pair above U+FFFF", u"a\U0001F600b", u"a\U0001F600b"},
      {"an unpaired surrogate has no UTF-8 form", u"a\xD800" u"b", u"a\uFFFDb"},
      {"a window text ends at NUL", WideString(u"ab\0cd", 5), u"ab"},
      {"empty", u"", u""},
  };
  for (const TextCase& c : cases) {
    SetWideText(*edit, c.Set);
    EXPECT_EQ(GetWideText(*edit), c.Read) << c.Rule;
    EXPECT_EQ(edit->Text(), WideToUtf8(c.Read)) << c.Rule;
    char16_t wide[32] = {};
    EXPECT_EQ(GetWindowTextW(edit->Handle(), wide, 32), static_cast<int>(c.Read.size())) << c.Rule;
    EXPECT_EQ(WideString(wide), c.Read) << c.Rule;
    EXPECT_EQ(WindowText(edit->Handle()), WideToUtf8(c.Read)) << c.Rule;
  }
  // Text set by the class library reads back wide.
  edit->SetText("\xE4\xB8\xAD");
  EXPECT_EQ(GetWideText(*edit), u"\u4E2D");
}

TEST_F(UnicodeWindow, SettingTheSameTextTellsTheControlNothing) {
  TUnicodeTestEdit* edit = MakeEdit();
  SetWideText(*edit, u"\u4E2D");
  EXPECT_EQ(edit->TextChanges, 1);
  SetWideText(*edit, u"\u4E2D");
  EXPECT_EQ(edit->TextChanges, 1);
  // Nor does a text that the window keeps as it already has it.
  SetWideText(*edit, u"x\xD800");
  SetWideText(*edit, u"x\xD800");
  EXPECT_EQ(edit->TextChanges, 2);
}

TEST_F(UnicodeWindow, WithoutAWindowTheTextIsTheControlsOwn) {
  TUnicodeTestEdit* edit = new TUnicodeTestEdit(Form());
  SetWideText(*edit, u"\u4E2D");
  EXPECT_FALSE(edit->HandleAllocated());
  EXPECT_EQ(GetWideText(*edit), u"\u4E2D");
  edit->SetParent(Form());
  EXPECT_EQ(WindowText(edit->Handle()), "\xE4\xB8\xAD");
  EXPECT_EQ(GetWideText(*edit), u"\u4E2D");
}

struct CharCase {
  const char* Rule;
  WideString Units;  // sent one WM_CHAR each through the wide interface
  std::u32string Keys;
  WideString Text;
};

TEST_F(UnicodeWindow, CharactersReachKeyHandlingWhole) {
  const CharCase cases[] = {
      {"CJK", u"\u4E2D", U"\u4E2D", u"\u4E2D"},
      {"a pair", u"\xD83D\xDE00", U"\U0001F600", u"\U0001F600"},
      {"a high surrogate, then a letter", u"\xD83Dx", U"\uFFFDx", u"\uFFFDx"},
  };
  for (const CharCase& c : cases) {
    TUnicodeTestEdit* edit = MakeEdit();
    for (char16_t unit : c.Units) SendMessageW(edit->Handle(), WM_CHAR, unit, 1);
    EXPECT_EQ(edit->KeysPressed, c.Keys) << c.Rule;
    EXPECT_EQ(GetWideText(*edit), c.Text) << c.Rule;
  }
}

// UTF-8 bytes sent one by one to either form of window: a broken
// sequence gives U+FFFD and the characters after it arrive.
TEST_F(UnicodeWindow, BrokenBytesLoseNoCharacterInEitherForm) {
  TKeyLoggingEdit* ansi = Make<TKeyLoggingEdit>(Bounds(10, 40, 200, 21));
  TKeyLoggingEdit* wide = MakeEdit();
  ASSERT_FALSE(IsWindowUnicode(ansi->Handle()));
  for (TKeyLoggingEdit* edit : {ansi, wide}) {
    for (char b : std::string("\xE4x\xC3\xE4\xB8\xADy")) SendMessageA(edit->Handle(), WM_CHAR, static_cast<Byte>(b), 1);
    EXPECT_EQ(edit->KeysPressed, U"\uFFFDx\uFFFD\u4E2Dy") << edit->ClassName();
    EXPECT_EQ(GetWideText(*edit), u"\uFFFDx\uFFFD\u4E2Dy") << edit->ClassName();
  }
}

TEST_F(UnicodeWindow, TypedTextArrivesWide) {
  TUnicodeTestEdit* edit = MakeEdit();
  InjectText("a\xE4\xB8\xAD\xF0\x9F\x98\x80");
  Pump();
  EXPECT_EQ(edit->KeysPressed, U"a\u4E2D\U0001F600");
  EXPECT_EQ(GetWideText(*edit), u"a\u4E2D\U0001F600");
}

TEST_F(UnicodeWindow, AComposedTextArrivesAsKeys) {
  TUnicodeTestEdit* edit = MakeEdit();
  InjectComposition(u"\u4E2D\u6587\U0001F600");
  Pump();
  EXPECT_EQ(edit->KeysPressed, U"\u4E2D\u6587\U0001F600");
  EXPECT_EQ(GetWideText(*edit), u"\u4E2D\u6587\U0001F600");
}

TEST_F(UnicodeWindow, ANewWindowKeepsTheTextAndStaysUnicode) {
  TUnicodeTestEdit* edit = MakeEdit();
  SetWideText(*edit, u"\u4E2D\U0001F600");
  const HWND first = edit->Handle();
  edit->RecreateWnd();
  EXPECT_NE(edit->Handle(), first);
  EXPECT_TRUE(IsWindowUnicode(edit->Handle()));
  EXPECT_EQ(GetWideText(*edit), u"\u4E2D\U0001F600");
}

}  // namespace
}  // namespace plat::testing
