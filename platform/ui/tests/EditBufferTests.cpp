#include <gtest/gtest.h>

#include "platform/ui/EditBuffer.h"

namespace plat {
namespace {

struct TSelCase {
  const char* Name;
  int Anchor;
  int Caret;
  int SelStart;
  int SelLength;
  int CaretPos;
};

TEST(EditBuffer, SetSelClampsAndKeepsTheCaretAtTheSecondValue) {
  const TSelCase cases[] = {
      {"forward", 1, 3, 1, 2, 3},
      {"backward", 3, 1, 1, 2, 1},
      {"all", 0, -1, 0, 5, 5},
      {"past the end", 2, 99, 2, 3, 5},
      {"anchor past the end", 99, 1, 1, 4, 1},
      {"empty", 4, 4, 4, 0, 4},
  };
  for (const TSelCase& c : cases) {
    TEditBuffer buffer;
    buffer.SetText("hello");
    buffer.SetSel(c.Anchor, c.Caret);
    EXPECT_EQ(buffer.SelStart(), c.SelStart) << c.Name;
    EXPECT_EQ(buffer.SelLength(), c.SelLength) << c.Name;
    EXPECT_EQ(buffer.CaretPos(), c.CaretPos) << c.Name;
  }
  // A negative anchor only drops the selection.
  TEditBuffer buffer;
  buffer.SetText("hello");
  buffer.SetSel(1, 3);
  buffer.SetSel(-1, 0);
  EXPECT_EQ(buffer.CaretPos(), 3);
  EXPECT_FALSE(buffer.HasSelection());
}

TEST(EditBuffer, PositionsCountCharactersNotBytes) {
  TEditBuffer buffer;
  buffer.SetText("\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80x");  // ä € 😀 x
  EXPECT_EQ(buffer.Length(), 4);
  buffer.SetSel(1, 3);
  EXPECT_EQ(buffer.SelText(), "\xE2\x82\xAC\xF0\x9F\x98\x80");
  buffer.DeleteBack();
  EXPECT_EQ(buffer.Text(), "\xC3\xA4x");
  EXPECT_EQ(buffer.CaretPos(), 1);
}

TEST(EditBuffer, LimitCountsCharactersAndCutsPastedTextOnCharacterBoundaries) {
  TEditBuffer buffer;
  buffer.SetMaxLength(4);
  buffer.ReplaceSel("\xC3\xA4\xC3\xB6");  // two two-byte characters: 2 of 4
  EXPECT_EQ(buffer.Length(), 2);
  const TEditResult pasted = buffer.ReplaceSel("\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC");  // three € for two places
  EXPECT_TRUE(pasted.Changed);
  EXPECT_TRUE(pasted.HitLimit);
  EXPECT_EQ(buffer.Text(), "\xC3\xA4\xC3\xB6\xE2\x82\xAC\xE2\x82\xAC");
  const TEditResult typed = buffer.TypeChar(U'x');
  EXPECT_FALSE(typed.Changed);
  EXPECT_TRUE(typed.HitLimit);
  // A selection makes room for what replaces it.
  buffer.SetSel(0, 1);
  EXPECT_TRUE(buffer.TypeChar(U'\U0001F600').Changed);
  EXPECT_EQ(buffer.Length(), 4);
}

TEST(EditBuffer, TextSetAsAWholeIgnoresTheLimitButStopsAtNul) {
  TEditBuffer buffer;
  buffer.SetMaxLength(2);
  buffer.SetText(String("abcdef\0gh", 9));
  EXPECT_EQ(buffer.Text(), "abcdef");
  EXPECT_EQ(buffer.CaretPos(), 0);
  // Deleting still works past the limit; typing does not.
  buffer.SetSel(0, 1);
  EXPECT_TRUE(buffer.TypeChar(U'z').HitLimit);
  EXPECT_TRUE(buffer.DeleteForward().Changed);
  EXPECT_EQ(buffer.Text(), "bcdef");
}

TEST(EditBuffer, PastedTextKeepsItsFirstLineOnly) {
  TEditBuffer buffer;
  buffer.SetText("[]");
  buffer.SetSel(1, 1);
  buffer.ReplaceSel("one\r\ntwo");
  EXPECT_EQ(buffer.Text(), "[one]");
  EXPECT_EQ(buffer.CaretPos(), 4);
  EXPECT_FALSE(buffer.ReplaceSel("\ntwo").Changed);
}

TEST(EditBuffer, CharCaseAppliesToEverythingThatEnters) {
  TEditBuffer buffer;
  buffer.SetText("Grüße");
  buffer.SetCharCase(TEditCharCase::ecUpperCase);
  EXPECT_EQ(buffer.Text(), "GRÜßE");
  buffer.SetSel(0, -1);
  buffer.ReplaceSel("äb");
  buffer.TypeChar(U'c');
  EXPECT_EQ(buffer.Text(), "ÄBC");
  buffer.SetCharCase(TEditCharCase::ecLowerCase);
  buffer.SetText("ÄBC");
  EXPECT_EQ(buffer.Text(), "äbc");
}

TEST(EditBuffer, PasswordDisplayShowsOneMaskPerCharacter) {
  TEditBuffer buffer;
  buffer.SetText("p\xC3\xA4\xF0\x9F\x98\x80");
  EXPECT_EQ(buffer.DisplayText(), buffer.Text());
  buffer.SetPasswordChar('*');
  EXPECT_EQ(buffer.DisplayText(), "***");
  // A mask from the upper half of the code page is one character too.
  buffer.SetPasswordChar(static_cast<char>(0xB7));
  EXPECT_EQ(buffer.DisplayText(), "\xC2\xB7\xC2\xB7\xC2\xB7");
}

struct TMoveCase {
  const char* Name;
  int Start;
  TCaretMove Move;
  bool Extend;
  int CaretPos;
  int SelLength;
};

TEST(EditBuffer, CaretMoves) {
  // "one  two three": words start at 0, 5 and 9.
  const TMoveCase cases[] = {
      {"left at start", 0, TCaretMove::CharLeft, false, 0, 0},
      {"right", 2, TCaretMove::CharRight, false, 3, 0},
      {"right at end", 14, TCaretMove::CharRight, false, 14, 0},
      {"word right skips blanks", 1, TCaretMove::WordRight, false, 5, 0},
      {"word right to end", 10, TCaretMove::WordRight, false, 14, 0},
      {"word left from blanks", 4, TCaretMove::WordLeft, false, 0, 0},
      {"word left in word", 7, TCaretMove::WordLeft, false, 5, 0},
      {"shift home", 7, TCaretMove::LineStart, true, 0, 7},
      {"shift end", 7, TCaretMove::LineEnd, true, 14, 7},
      {"shift word left", 14, TCaretMove::WordLeft, true, 9, 5},
  };
  for (const TMoveCase& c : cases) {
    TEditBuffer buffer;
    buffer.SetText("one  two three");
    buffer.PlaceCaret(c.Start, false);
    buffer.MoveCaret(c.Move, c.Extend);
    EXPECT_EQ(buffer.CaretPos(), c.CaretPos) << c.Name;
    EXPECT_EQ(buffer.SelLength(), c.SelLength) << c.Name;
  }
}

TEST(EditBuffer, SelectWordTakesTheRunAroundThePosition) {
  TEditBuffer buffer;
  buffer.SetText("one  two");
  buffer.SelectWord(6);
  EXPECT_EQ(buffer.SelText(), "two");
  buffer.SelectWord(3);
  EXPECT_EQ(buffer.SelText(), "  ");
  buffer.SelectWord(99);  // past the end: the last word
  EXPECT_EQ(buffer.SelText(), "two");
  TEditBuffer empty;
  empty.SelectWord(0);
  EXPECT_FALSE(empty.HasSelection());
}

TEST(EditBuffer, UndoTakesBackARunOfTypingAndRedoesOnTheSecondCall) {
  TEditBuffer buffer;
  buffer.SetText("ab");
  EXPECT_FALSE(buffer.CanUndo());
  buffer.PlaceCaret(2, false);
  for (char32_t c : U"cde") {
    if (c) buffer.TypeChar(c);
  }
  EXPECT_EQ(buffer.Text(), "abcde");
  EXPECT_TRUE(buffer.Undo());
  EXPECT_EQ(buffer.Text(), "ab");
  EXPECT_EQ(buffer.CaretPos(), 2);
  EXPECT_TRUE(buffer.Undo());
  EXPECT_EQ(buffer.Text(), "abcde");
  EXPECT_EQ(buffer.CaretPos(), 5);
}

TEST(EditBuffer, UndoStepsEndWhereTheKindOfChangeOrTheCaretChanges) {
  TEditBuffer buffer;
  buffer.TypeChar(U'a');
  buffer.TypeChar(U'b');
  buffer.DeleteBack();  // a new step: deleting after typing
  buffer.DeleteBack();
  EXPECT_EQ(buffer.Text(), "");
  buffer.Undo();
  EXPECT_EQ(buffer.Text(), "ab");

  TEditBuffer moved;
  moved.TypeChar(U'a');
  moved.TypeChar(U'b');
  moved.MoveCaret(TCaretMove::LineStart, false);
  moved.TypeChar(U'c');  // typing elsewhere starts a step of its own
  moved.Undo();
  EXPECT_EQ(moved.Text(), "ab");
}

TEST(EditBuffer, ModifiedAndUndoAreClearedBySettingTheText) {
  TEditBuffer buffer;
  buffer.ReplaceSel("x");
  EXPECT_TRUE(buffer.Modified());
  EXPECT_TRUE(buffer.CanUndo());
  buffer.SetText("y");
  EXPECT_FALSE(buffer.Modified());
  EXPECT_FALSE(buffer.CanUndo());
  EXPECT_FALSE(buffer.Undo());
  buffer.ReplaceSel("z", false);
  EXPECT_FALSE(buffer.CanUndo());
  EXPECT_EQ(buffer.Text(), "zy");
}

TEST(EditBuffer, ControlCharactersAreNotTyped) {
  TEditBuffer buffer;
  for (char32_t c : {U'\b', U'\t', U'\r', U'\x1B', U'\x7F', U'\0'}) {
    EXPECT_FALSE(buffer.TypeChar(c).Changed);
  }
  EXPECT_EQ(buffer.Length(), 0);
}

}  // namespace
}  // namespace plat
