// The single-line edit on the headless display: typed keys against the
// text, caret and selection they leave; the limit, the case and the
// password mask; the clipboard, undo and the EM_* messages; the mouse;
// scrolling sideways; and when OnChange comes.
#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/Unicode.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TClipboard.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/ui/TCustomPanel.h"
#include "platform/ui/tests/StdControlsFixture.h"
#include "platform/win/Caret.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/StandardControlMessages.h"
#include "platform/win/VirtualKeys.h"

namespace plat::testing {
namespace {

class Edit : public StdControlsTest {
 protected:
  // A focused edit with the caret at the end of its text.
  TEdit* MakeEdit(const String& Text = "") {
    TEdit* edit = Make<TEdit>(Bounds(10, 10, 200, 21));
    edit->SetText(Text);
    edit->SetFocus();
    edit->SetSelStart(Utf8Length(Text));
    Pump();
    return edit;
  }
  // The character index the caret stands at, from where the caret is drawn.
  static int CaretIndex(TEdit* Edit) {
    POINT caret;
    GetCaretPos(&caret);
    for (int i = 0; i <= Utf8Length(Edit->Text()); ++i) {
      const LRESULT pos = SendMessage(Edit->Handle(), EM_POSFROMCHAR, static_cast<WPARAM>(i), 0);
      if (static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(pos))) == caret.X) return i;
    }
    return -1;
  }
};

struct KeyCase {
  const char* Name;
  const char* Start;  // the text before typing; the caret at its end
  int MaxLength;
  const char* Keys;
  const char* Text;
  int SelStart;
  int SelLength;
  int Caret;
};

TEST_F(Edit, TypedKeysGiveTextCaretAndSelection) {
  const KeyCase cases[] = {
      {"typing", "", 0, "Hello", "Hello", 5, 0, 5},
      {"shifted letters", "", 0, "A{S-B}c", "ABc", 3, 0, 3},
      {"backspace", "abcd", 0, "{BS}{BS}", "ab", 2, 0, 2},
      {"backspace at start", "ab", 0, "{HOME}{BS}", "ab", 0, 0, 0},
      {"delete", "abcd", 0, "{HOME}{RIGHT}{DEL}", "acd", 1, 0, 1},
      {"delete at end", "ab", 0, "{DEL}", "ab", 2, 0, 2},
      {"home inserts at start", "world", 0, "{HOME}hello ", "hello world", 6, 0, 6},
      {"end", "abc", 0, "{HOME}{END}x", "abcx", 4, 0, 4},
      {"shift left", "abcdef", 0, "{S-LEFT}{S-LEFT}", "abcdef", 4, 2, 4},
      {"shift home", "abcdef", 0, "{LEFT}{S-HOME}", "abcdef", 0, 5, 0},
      {"shift end", "abcdef", 0, "{HOME}{RIGHT}{S-END}", "abcdef", 1, 5, 6},
      {"shift back over the anchor", "abcdef", 0, "{HOME}{RIGHT}{RIGHT}{S-RIGHT}{S-LEFT}{S-LEFT}", "abcdef", 1, 1, 1},
      {"typing replaces the selection", "abcdef", 0, "{S-HOME}xy", "xy", 2, 0, 2},
      {"backspace deletes the selection", "abcdef", 0, "{S-LEFT}{S-LEFT}{BS}", "abcd", 4, 0, 4},
      {"delete deletes the selection", "abcdef", 0, "{HOME}{S-RIGHT}{S-RIGHT}{DEL}", "cdef", 0, 0, 0},
      {"left ends the selection", "abcdef", 0, "{S-HOME}{RIGHT}", "abcdef", 1, 0, 1},
      {"ctrl moves by words", "one two three", 0, "{C-LEFT}{C-LEFT}|", "one |two three", 5, 0, 5},
      {"ctrl shift selects a word", "one two", 0, "{HOME}{C-S-RIGHT}", "one two", 0, 4, 4},
      {"limit", "", 3, "abcdef", "abc", 3, 0, 3},
      {"limit counts characters", "", 3, "\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80z",
       "\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80", 3, 0, 3},
      {"limit makes room for the selection", "abc", 3, "{S-LEFT}\xC3\xB6", "ab\xC3\xB6", 3, 0, 3},
      {"multi-byte backspace", "a\xE2\x82\xAC", 0, "{BS}b", "ab", 2, 0, 2},
      {"undo the typing", "ab", 0, "cd{C-Z}", "ab", 2, 0, 2},
      {"undo twice redoes", "ab", 0, "cd{C-Z}{C-Z}", "abcd", 4, 0, 4},
  };
  for (const KeyCase& c : cases) {
    TEdit* edit = MakeEdit(c.Start);
    edit->SetMaxLength(c.MaxLength);
    edit->SetSelStart(Utf8Length(c.Start));
    Type(c.Keys);
    EXPECT_EQ(edit->Text(), c.Text) << c.Name;
    EXPECT_EQ(edit->SelStart(), c.SelStart) << c.Name;
    EXPECT_EQ(edit->SelLength(), c.SelLength) << c.Name;
    EXPECT_EQ(CaretIndex(edit), c.Caret) << c.Name;
    delete edit;
  }
}

TEST_F(Edit, PasteTakesTheFirstLineUpToTheLimit) {
  struct PasteCase {
    const char* Name;
    const char* Clip;
    int MaxLength;
    const char* Keys;
    const char* Text;
    int SelStart;
  };
  const PasteCase cases[] = {
      {"ctrl v at the caret", "XY", 0, "{LEFT}{C-V}", "abXYc", 4},
      {"shift insert over the selection", "XY", 0, "{S-LEFT}{S-LEFT}{S-INS}", "aXY", 3},
      {"first line only", "one\r\ntwo", 0, "{C-V}", "abcone", 6},
      {"cut to the limit in characters", "\xC3\xA4\xC3\xB6\xC3\xBC", 5, "{C-V}", "abc\xC3\xA4\xC3\xB6", 5},
      {"nothing to paste", "", 0, "{C-V}", "abc", 3},
  };
  for (const PasteCase& c : cases) {
    TEdit* edit = MakeEdit("abc");
    edit->SetMaxLength(c.MaxLength);
    edit->SetSelStart(3);
    Clipboard()->SetAsText(c.Clip);
    Type(c.Keys);
    EXPECT_EQ(edit->Text(), c.Text) << c.Name;
    EXPECT_EQ(edit->SelStart(), c.SelStart) << c.Name;
    EXPECT_EQ(edit->SelLength(), 0) << c.Name;
    delete edit;
  }
}

TEST_F(Edit, CopyAndCutGoThroughTheClipboard) {
  TEdit* edit = MakeEdit("hello world");
  Type("{C-S-LEFT}{C-C}");
  EXPECT_EQ(Clipboard()->AsText(), "world");
  Type("{C-LEFT}{C-S-RIGHT}{C-X}");
  EXPECT_EQ(Clipboard()->AsText(), "hello ");
  EXPECT_EQ(edit->Text(), "world");
  Type("{END}{C-V}");
  EXPECT_EQ(edit->Text(), "worldhello ");
}

TEST_F(Edit, PasswordShowsMasksAndKeepsTheTextOffTheClipboard) {
  TEdit* secret = Make<TEdit>(Bounds(10, 10, 200, 21));
  secret->SetText("p\xC3\xA4ss");
  secret->SetPasswordChar('*');
  TEdit* shown = Make<TEdit>(Bounds(10, 40, 200, 21));
  shown->SetText("****");
  Pump();
  // The two edits look the same: one mask per character, multi-byte or not.
  const std::unique_ptr<Bitmap> a = WindowPicture(secret->Handle());
  const std::unique_ptr<Bitmap> b = WindowPicture(shown->Handle());
  ASSERT_TRUE(a && b);
  ASSERT_EQ(a->Width(), b->Width());
  for (int y = 0; y < a->Height(); ++y) {
    for (int x = 0; x < a->Width(); ++x) ASSERT_EQ(a->Row(y)[x], b->Row(y)[x]) << x << "," << y;
  }
  EXPECT_EQ(secret->Text(), "p\xC3\xA4ss");
  Clipboard()->SetAsText("before");
  secret->SetFocus();
  Type("{S-HOME}{C-C}{C-X}");
  EXPECT_EQ(Clipboard()->AsText(), "before");
  EXPECT_EQ(secret->Text(), "p\xC3\xA4ss");
  EXPECT_EQ(SendMessage(secret->Handle(), EM_GETPASSWORDCHAR, 0, 0), '*');
}

TEST_F(Edit, ReadOnlyRefusesChangesButNotTheCaretOrCopying) {
  TEdit* edit = MakeEdit("fixed");
  edit->SetReadOnly(true);
  Type("x{BS}{DEL}{S-HOME}{C-X}{C-V}{C-C}");
  EXPECT_EQ(edit->Text(), "fixed");
  EXPECT_EQ(edit->SelLength(), 5);
  EXPECT_EQ(Clipboard()->AsText(), "fixed");
  // The program may still change it.
  edit->SetSelText("free");
  EXPECT_EQ(edit->Text(), "free");
}

TEST_F(Edit, CharCaseConvertsWhatIsTypedPastedAndSet) {
  TEdit* edit = MakeEdit("Mixed");
  edit->SetCharCase(TEditCharCase::ecUpperCase);
  EXPECT_EQ(edit->Text(), "MIXED");
  Clipboard()->SetAsText("\xC3\xA4x");
  Type("ab{C-V}");
  EXPECT_EQ(edit->Text(), "MIXEDAB\xC3\x84X");
  edit->SetCharCase(TEditCharCase::ecLowerCase);
  edit->SetText("QUIET");
  EXPECT_EQ(edit->Text(), "quiet");
}

TEST_F(Edit, OnChangeFollowsEveryChangeOfTheText) {
  TEdit* edit = MakeEdit();
  int changes = 0;
  edit->OnChange = [&](TObject* Sender) {
    EXPECT_EQ(Sender, edit);
    ++changes;
  };
  Type("ab{LEFT}{S-RIGHT}");
  EXPECT_EQ(changes, 2);  // moving the caret changes nothing
  edit->SetText("new");
  EXPECT_EQ(changes, 3);
  edit->SetText("new");  // the same text again
  EXPECT_EQ(changes, 3);
  edit->SetMaxLength(3);
  Type("{END}x");  // refused by the limit
  EXPECT_EQ(changes, 3);
  Type("{BS}{C-Z}");
  EXPECT_EQ(changes, 5);
}

TEST_F(Edit, TheParentHearsOfChangesAndOfTheLimit) {
  TPanel* parent = Make<TPanel>(Bounds(10, 100, 200, 50));
  TEdit* edit = Make<TEdit>(Bounds(5, 5, 100, 21), parent);
  edit->SetMaxLength(2);
  std::vector<UINT> codes;
  const TWndMethod previous = parent->WindowProc;
  parent->WindowProc = [&](TMessage& Message) {
    if (Message.Msg == WM_COMMAND && reinterpret_cast<HWND>(Message.LParam) == edit->Handle()) {
      codes.push_back(HIWORD(Message.WParam));
    }
    previous(Message);
  };
  edit->SetFocus();
  Type("abc");
  EXPECT_EQ(codes, (std::vector<UINT>{EN_CHANGE, EN_CHANGE, EN_MAXTEXT}));
  parent->WindowProc = previous;
}

TEST_F(Edit, KeyPressCanDropCharactersButNotEditingKeys) {
  TEdit* edit = MakeEdit("ab");
  edit->SetSelStart(2);
  // A password field that takes its characters from elsewhere.
  edit->OnKeyPress = [](TObject*, char32_t& Key) {
    if (Key >= 32) Key = 0;
  };
  Type("xyz{BS}");
  EXPECT_EQ(edit->Text(), "a");
  int downs = 0;
  edit->OnKeyDown = [&](TObject*, std::uint16_t& Key, TShiftState) {
    ++downs;
    if (Key == VK_DELETE) Key = 0;
  };
  Type("{HOME}{DEL}");
  EXPECT_EQ(edit->Text(), "a");
  EXPECT_EQ(downs, 2);
}

TEST_F(Edit, EditMessagesFromTheProgram) {
  TEdit* edit = MakeEdit("abcdef");
  const HWND h = edit->Handle();
  SendMessage(h, EM_SETSEL, 4, 1);
  DWORD start = 0;
  DWORD end = 0;
  const LRESULT both = SendMessage(h, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 1u);
  EXPECT_EQ(end, 4u);
  EXPECT_EQ(both, MAKELRESULT(1, 4));
  EXPECT_EQ(CaretIndex(edit), 1);  // the caret stands at the second value
  SendMessage(h, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("XY"));
  EXPECT_EQ(edit->Text(), "aXYef");
  EXPECT_EQ(SendMessage(h, EM_CANUNDO, 0, 0), FALSE);
  SendMessage(h, EM_SETSEL, 0, -1);
  EXPECT_EQ(edit->SelLength(), 5);
  SendMessage(h, EM_SETSEL, static_cast<WPARAM>(-1), 0);
  EXPECT_EQ(edit->SelLength(), 0);
  SendMessage(h, EM_LIMITTEXT, 2, 0);
  EXPECT_EQ(SendMessage(h, EM_GETLIMITTEXT, 0, 0), 2);
  SendMessage(h, EM_LIMITTEXT, 0, 0);
  EXPECT_EQ(SendMessage(h, EM_GETLIMITTEXT, 0, 0), EditDefaultLimit);
  SendMessage(h, EM_SETMODIFY, TRUE, 0);
  EXPECT_TRUE(edit->Modified());
  edit->SetText("reset");
  EXPECT_FALSE(edit->Modified());
  char small[4];
  EXPECT_EQ(SendMessage(h, WM_GETTEXT, sizeof small, reinterpret_cast<LPARAM>(small)), 3);
  EXPECT_STREQ(small, "res");
  EXPECT_EQ(SendMessage(h, EM_POSFROMCHAR, 99, 0), -1);
  EXPECT_EQ(SendMessage(h, EM_GETLINECOUNT, 0, 0), 1);
  SendMessage(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("via the window"));
  EXPECT_EQ(edit->Text(), "via the window");
}

TEST_F(Edit, MouseClicksDragsAndDoubleClicks) {
  TEdit* edit = MakeEdit("one two three");
  const auto at = [&](int index) {
    const LRESULT pos = SendMessage(edit->Handle(), EM_POSFROMCHAR, static_cast<WPARAM>(index), 0);
    return OnScreen(edit, {static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(pos))), 5});
  };
  InjectClick(at(4) + TPoint{1, 0});
  Pump();
  EXPECT_EQ(edit->SelStart(), 4);
  EXPECT_EQ(edit->SelLength(), 0);
  Clock().Advance(1000);
  InjectDrag(at(8), at(13));
  Pump();
  EXPECT_EQ(edit->SelText(), "three");
  Clock().Advance(1000);
  InjectDoubleClick(at(5));
  Pump();
  EXPECT_EQ(edit->SelText(), "two");
  Clock().Advance(1000);
  InjectKeyDown(VK_SHIFT);
  InjectClick(at(0));
  InjectKeyUp(VK_SHIFT);
  Pump();
  EXPECT_EQ(edit->SelStart(), 0);
  EXPECT_EQ(CaretIndex(edit), 0);
}

TEST_F(Edit, AutoSelectOnKeyboardEntryOnly) {
  TEdit* first = MakeEdit("first");
  TEdit* second = Make<TEdit>(Bounds(10, 40, 200, 21));
  second->SetText("second");
  Pump();
  Type("{TAB}");
  ASSERT_TRUE(second->Focused());
  EXPECT_EQ(second->SelLength(), 6);
  Clock().Advance(1000);
  InjectClick(OnScreen(first, {3, 5}));
  Pump();
  ASSERT_TRUE(first->Focused());
  EXPECT_EQ(first->SelLength(), 0);
  second->SetAutoSelect(false);
  second->SetSelStart(2);
  Type("{TAB}");
  ASSERT_TRUE(second->Focused());
  EXPECT_EQ(second->SelLength(), 0);
}

TEST_F(Edit, BorderWidthLeavesAMarginAroundTheText) {
  TEdit* edit = MakeEdit("abc");
  RECT before;
  SendMessage(edit->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&before));
  edit->SetBorderStyle(TBorderStyle::bsNone);
  edit->SetBorderWidth(2);
  Pump();
  RECT after;
  SendMessage(edit->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&after));
  EXPECT_EQ(after.Left, 3);
  EXPECT_EQ(after.Top, 3);
  EXPECT_EQ(CaretIndex(edit), 3);
  // The characters are found where they are drawn.
  const LRESULT pos = SendMessage(edit->Handle(), EM_POSFROMCHAR, 1, 0);
  EXPECT_EQ(SendMessage(edit->Handle(), EM_CHARFROMPOS, 0, pos), 1);
}

TEST_F(Edit, LongTextScrollsToKeepTheCaretInView) {
  TEdit* edit = MakeEdit();
  const String text(60, 'w');
  Type(text);
  const HWND h = edit->Handle();
  // The end is in view, so the start is not.
  EXPECT_GT(SendMessage(h, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  POINT caret;
  GetCaretPos(&caret);
  EXPECT_LT(caret.X, edit->ClientWidth());
  Type("{HOME}");
  EXPECT_EQ(SendMessage(h, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  GetCaretPos(&caret);
  EXPECT_LT(caret.X, 5);
}

}  // namespace
}  // namespace plat::testing
