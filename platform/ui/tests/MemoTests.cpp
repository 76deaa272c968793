// The memo on the headless display: typed keys against the lines, caret
// and selection they leave, with word wrap off and on; Enter and Tab by
// WantReturns and WantTabs; the line messages; the formatting rectangle;
// scrolling by the bar and by the caret; Lines read and written.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/rtl/Exception.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/FontMeasure.h"
#include "platform/ui/TCustomMemo.h"
#include "platform/ui/tests/ReferencePicture.h"
#include "platform/ui/tests/StdControlsFixture.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/StandardControlMessages.h"

namespace plat::testing {
namespace {

class Memo : public StdControlsTest {
 protected:
  // A focused memo, its formatting rectangle Width pixels wide (0: as wide
  // as the memo).
  TMemo* MakeMemo(bool WordWrap, int Width = 0) {
    TMemo* memo = Make<TMemo>(Bounds(10, 10, 300, 200));
    memo->SetWordWrap(WordWrap);
    if (Width > 0) {
      const RECT r{2, 2, 2 + Width, 190};
      SendMessage(memo->Handle(), EM_SETRECT, 0, reinterpret_cast<LPARAM>(&r));
    }
    memo->SetFocus();
    Pump();
    return memo;
  }
  static std::string LinesOf(TMemo* Memo) {
    std::string out;
    TStrings* lines = Memo->Lines();
    for (int i = 0; i < lines->Count(); ++i) out += (i ? "|" : "") + lines->Strings(i);
    return out;
  }
  // Pixels that "aaaa bbbb " takes: the memo wraps before a third word.
  int TwoWords(TMemo* Edit) { return TFontMeasure(Edit->Font()).TextWidth("aaaa bbbb ") + 2; }
};

struct KeyCase {
  const char* Keys;
  const char* Lines;
  int CaretX;
  int CaretY;
  int SelStart;
  int SelLength;
};

TEST_F(Memo, TypedKeysGiveLinesCaretAndSelection) {
  const KeyCase cases[] = {
      {"ab{ENTER}cd", "ab|cd", 2, 1, 6, 0},
      {"ab{ENTER}cd{UP}", "ab|cd", 2, 0, 2, 0},
      {"abc{ENTER}d{UP}{END}", "abc|d", 3, 0, 3, 0},
      {"abc{ENTER}d{UP}{HOME}{DOWN}", "abc|d", 0, 1, 5, 0},
      {"ab{ENTER}{ENTER}c{BS}{BS}", "ab", 0, 1, 4, 0},  // a break goes whole
      {"ab{ENTER}cd{HOME}{BS}", "abcd", 2, 0, 2, 0},
      {"ab{ENTER}cd{LEFT}{LEFT}{LEFT}", "ab|cd", 2, 0, 2, 0},  // over the break in one step
      {"ab{ENTER}cd{C-HOME}{DEL}{DEL}{DEL}", "cd", 0, 0, 0, 0},
      {"abc{ENTER}de{S-UP}", "abc|de", 2, 0, 2, 5},
      {"abc{ENTER}de{C-HOME}{S-C-END}", "abc|de", 2, 1, 0, 7},
      {"abc{ENTER}de{C-HOME}{S-C-END}x", "x", 1, 0, 1, 0},
      {"a{TAB}b", "ab", 2, 0, 2, 0},  // no tabs wanted
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.Keys);
    TMemo* memo = MakeMemo(false);
    Type(c.Keys);
    EXPECT_EQ(LinesOf(memo), c.Lines);
    EXPECT_EQ(memo->CaretPos(), (TPoint{c.CaretX, c.CaretY}));
    EXPECT_EQ(memo->SelStart(), c.SelStart);
    EXPECT_EQ(memo->SelLength(), c.SelLength);
    delete memo;
  }
}

TEST_F(Memo, WordWrapBreaksAtTheLastBlankThatFits) {
  TMemo* probe = MakeMemo(true);
  const int width = TwoWords(probe);
  delete probe;
  const KeyCase cases[] = {
      {"aaaa bbbb cccc", "aaaa bbbb |cccc", 4, 1, 14, 0},
      {"aaaa bbbb cccc{HOME}", "aaaa bbbb |cccc", 0, 1, 10, 0},
      {"aaaa bbbb cccc{HOME}{UP}", "aaaa bbbb |cccc", 0, 0, 0, 0},
      {"aaaa bbbb cccc{C-HOME}{END}", "aaaa bbbb |cccc", 0, 1, 10, 0},  // the wrap point starts the next line
      {"aaaa bbbb cccc{ENTER}d", "aaaa bbbb |cccc|d", 1, 2, 17, 0},
      {"aaaa bbbb cccc{C-HOME}{DEL}{DEL}{DEL}{DEL}{DEL}", "bbbb cccc", 0, 0, 0, 0},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.Keys);
    TMemo* memo = MakeMemo(true, width);
    Type(c.Keys);
    EXPECT_EQ(LinesOf(memo), c.Lines);
    const TPoint caret = memo->CaretPos();
    EXPECT_EQ(caret, (TPoint{c.CaretX, c.CaretY}));
    EXPECT_EQ(memo->SelStart(), c.SelStart);
    delete memo;
  }
  // The same text without word wrap stays one line; a word wider than the
  // line is cut where it no longer fits.
  TMemo* memo = MakeMemo(false, width);
  Type("aaaa bbbb cccc");
  EXPECT_EQ(LinesOf(memo), "aaaa bbbb cccc");
  memo->SetWordWrap(true);
  Pump();
  EXPECT_EQ(LinesOf(memo), "aaaa bbbb |cccc");
  const String word = "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz";
  memo->SetText(word);
  TStrings* lines = memo->Lines();
  ASSERT_GT(lines->Count(), 2);
  String joined;
  for (int i = 0; i < lines->Count(); ++i) {
    joined += lines->Strings(i);
    EXPECT_LE(TFontMeasure(memo->Font()).TextWidth(lines->Strings(i)), width);
  }
  EXPECT_EQ(joined, word);
}

TEST_F(Memo, EnterAndTabTypeOnlyWhenWanted) {
  TMemo* memo = MakeMemo(false);
  memo->SetWantTabs(true);
  Type("a{TAB}b{ENTER}c");
  EXPECT_EQ(memo->Text(), "a\tb\r\nc");
  memo->SetWantReturns(false);
  Type("{ENTER}d");
  EXPECT_EQ(memo->Text(), "a\tb\r\ncd");
}

TEST_F(Memo, LineMessagesAnswerOnTheLinesShown) {
  TMemo* memo = MakeMemo(false);
  memo->SetText("one\ntwo\r\n\r\nfour");  // lone LFs become CR LF
  EXPECT_EQ(memo->Text(), "one\r\ntwo\r\n\r\nfour");
  const HWND h = memo->Handle();
  EXPECT_EQ(SendMessage(h, EM_GETLINECOUNT, 0, 0), 4);
  EXPECT_EQ(SendMessage(h, EM_LINEINDEX, 1, 0), 5);
  EXPECT_EQ(SendMessage(h, EM_LINEINDEX, 3, 0), 12);
  EXPECT_EQ(SendMessage(h, EM_LINEINDEX, 4, 0), -1);
  EXPECT_EQ(SendMessage(h, EM_LINEFROMCHAR, 6, 0), 1);
  EXPECT_EQ(SendMessage(h, EM_LINEFROMCHAR, 10, 0), 2);
  EXPECT_EQ(SendMessage(h, EM_LINELENGTH, 13, 0), 4);
  EXPECT_EQ(SendMessage(h, EM_LINELENGTH, 10, 0), 0);
  char buffer[16] = {};
  const Word size = 3;
  std::memcpy(buffer, &size, sizeof size);
  EXPECT_EQ(SendMessage(h, EM_GETLINE, 3, reinterpret_cast<LPARAM>(buffer)), 3);  // cut to the buffer
  EXPECT_EQ(std::string(buffer, 3), "fou");
  EXPECT_EQ(SendMessage(h, EM_GETLINE, 9, reinterpret_cast<LPARAM>(buffer)), 0);
  // The caret's line with -1.
  SendMessage(h, EM_SETSEL, 6, 6);
  EXPECT_EQ(SendMessage(h, EM_LINEINDEX, static_cast<WPARAM>(-1), 0), 5);
  EXPECT_EQ(SendMessage(h, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0), 1);
  // A selection never ends between CR and LF.
  SendMessage(h, EM_SETSEL, 0, 4);
  EXPECT_EQ(memo->SelLength(), 3);
}

TEST_F(Memo, LinesReadAndWriteTheText) {
  TMemo* memo = MakeMemo(false);
  TStrings* lines = memo->Lines();
  EXPECT_EQ(lines->Count(), 0);
  lines->Add("b");
  lines->Add("d");
  lines->Insert(0, "a");
  lines->Insert(2, "c");
  EXPECT_EQ(memo->Text(), "a\r\nb\r\nc\r\nd\r\n");
  lines->Delete(1);
  EXPECT_EQ(LinesOf(memo), "a|c|d");
  EXPECT_THROW(lines->Delete(3), EListError);
  EXPECT_THROW(lines->Insert(5, "x"), EListError);
  EXPECT_THROW((void)lines->Strings(-1), EListError);
  EXPECT_EQ(LinesOf(memo), "a|c|d");
  // A last line without a break takes the next item after a new one.
  memo->SetText("x\r\ny");
  lines->Add("z");
  EXPECT_EQ(memo->Text(), "x\r\ny\r\nz");
  TStringList other;
  other.Add("1");
  other.Add("2");
  memo->SetLines(other);
  EXPECT_EQ(LinesOf(memo), "1|2");
  lines->Clear();
  EXPECT_EQ(memo->Text(), "");
}

TEST_F(Memo, TheViewFollowsTheCaretAndTheScrollBar) {
  TMemo* memo = MakeMemo(false);
  memo->SetScrollBars(TScrollStyle::ssVertical);
  String text;
  for (int i = 0; i < 40; ++i) text += "line " + std::to_string(i) + "\r\n";
  memo->SetText(text);
  Pump();
  const HWND h = memo->Handle();
  SCROLLINFO info;
  info.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(h, SB_VERT, &info));
  EXPECT_EQ(info.nMax, 40);  // 41 lines, the last one empty
  const int page = static_cast<int>(info.nPage);
  EXPECT_GT(page, 3);
  Type("{C-END}");
  EXPECT_EQ(memo->CaretPos().Y, 40);
  EXPECT_EQ(SendMessage(h, EM_GETFIRSTVISIBLELINE, 0, 0), 41 - page);
  Type("{C-HOME}{PGDN}");
  EXPECT_EQ(memo->CaretPos().Y, page - 1);
  SendMessage(h, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 20), 0);
  EXPECT_EQ(SendMessage(h, EM_GETFIRSTVISIBLELINE, 0, 0), 20);
  info.fMask = SIF_POS;
  GetScrollInfo(h, SB_VERT, &info);
  EXPECT_EQ(info.nPos, 20);
  // Scrolling by the bar leaves the caret where it was; typing brings it back.
  Type("x");
  EXPECT_EQ(SendMessage(h, EM_GETFIRSTVISIBLELINE, 0, 0), page - 1);
  EXPECT_TRUE(memo->Lines()->Strings(page - 1).starts_with("x"));
}

}  // namespace
}  // namespace plat::testing

namespace plat::testing {
namespace {

TEST_F(Memo, LooksAsItsReferencePicture) {
  Form()->SetBounds(100, 100, 260, 170);
  TMemo* memo = Make<TMemo>(Bounds(8, 8, 230, 120));
  memo->SetScrollBars(TScrollStyle::ssVertical);
  memo->SetText("The quick brown fox jumps over the lazy dog.\r\nSecond paragraph.\r\n\r\nAfter an empty line");
  memo->SetFocus();
  SendMessage(memo->Handle(), EM_SETSEL, 4, 15);
  Pump();
  const std::unique_ptr<Bitmap> shot = WindowPicture(Form()->Handle());
  ASSERT_TRUE(shot);
  const TPictureMatch match = MatchReference(*shot, TestDataDir() + "/Memo.png", 24);
  const bool close = match.Loaded && match.Differing * 1000 <= shot->Width() * shot->Height();
  if (!close) {
    ADD_FAILURE() << "the memo does not match its reference (" << match.Differing << " pixels differ, loaded "
                  << match.Loaded << "); it is kept in " << KeepForInspection(*shot, "Memo.actual.png");
  }
}

}  // namespace
}  // namespace plat::testing

namespace plat::testing {
namespace {

TEST_F(Memo, LinesAreAlignedInTheFormattingRectangle) {
  const RECT rect{10, 5, 210, 150};
  for (TAlignment alignment : {TAlignment::taLeftJustify, TAlignment::taCenter, TAlignment::taRightJustify}) {
    TMemo* memo = MakeMemo(false);
    memo->SetAlignment(alignment);
    memo->SetText("ab\r\nlonger line");
    SendMessage(memo->Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&rect));
    const int width = TFontMeasure(memo->Font()).TextWidth("ab");
    const LRESULT start = SendMessage(memo->Handle(), EM_POSFROMCHAR, 0, 0);
    const int x = static_cast<short>(LOWORD(static_cast<std::uintptr_t>(start)));
    const int expected = alignment == TAlignment::taLeftJustify ? 10
                         : alignment == TAlignment::taCenter    ? 10 + (200 - width) / 2
                                                                : 210 - width - 1;
    EXPECT_EQ(x, expected);
    EXPECT_EQ(static_cast<short>(HIWORD(static_cast<std::uintptr_t>(start))), 5);
    // The second line starts one line height lower.
    const LRESULT second = SendMessage(memo->Handle(), EM_POSFROMCHAR, 4, 0);
    EXPECT_EQ(static_cast<short>(HIWORD(static_cast<std::uintptr_t>(second))),
              5 + TFontMeasure(memo->Font()).TextHeight());
    // A click at a line's end puts the caret there.
    EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(
                  SendMessage(memo->Handle(), EM_CHARFROMPOS, 0, MAKELPARAM(static_cast<Word>(expected + width), 6)))),
              2);
    delete memo;
  }
}

}  // namespace
}  // namespace plat::testing
