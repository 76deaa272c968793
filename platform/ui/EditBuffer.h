#pragma once
// The text of an edit and what typing does to it: the caret and the
// selection, the length limit, the letter case, the password display and one
// step of undo. Positions and lengths count characters (code points), from
// 0; the text is UTF-8 outside and one code point per element inside.
//
// A single-line buffer takes text up to the first line break. A multi-line
// buffer keeps every line, with each break stored as CR LF (lone CRs and LFs
// become pairs), counted as two characters as the platform's multi-line
// edits count them; the caret never stands inside a pair, Backspace and
// Delete take a pair whole, and Enter and Tab type a break and a tab.
//
// The selection runs from an anchor to the caret; without a selection both
// are the same. Commands that the user gives (typing, deleting, pasting)
// respect the length limit; text set as a whole does not, as the window's
// text may be longer than what the user may type.
#include <string>

#include "platform/rtl/Types.h"

namespace plat {

enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// Caret movements, with or without extending the selection.
enum class TCaretMove { CharLeft, CharRight, WordLeft, WordRight, LineStart, LineEnd };

// What an edit command did to the text.
struct TEditResult {
  bool Changed = false;
  // Some or all of the text did not fit the length limit.
  bool HitLimit = false;
};

class TEditBuffer {
 public:
  String Text() const;
  // Replaces the whole text (up to a NUL), in the letter case; the caret goes
  // to the start, the undo step and the modified flag are cleared.
  void SetText(const String& Value);
  int Length() const { return static_cast<int>(FChars.size()); }
  const std::u32string& Chars() const { return FChars; }
  bool MultiLine() const { return FMultiLine; }
  // Takes effect for text set or typed from now on.
  void SetMultiLine(bool Value) { FMultiLine = Value; }

  int CaretPos() const { return FCaret; }
  int SelStart() const { return FCaret < FAnchor ? FCaret : FAnchor; }
  int SelLength() const { return FCaret < FAnchor ? FAnchor - FCaret : FCaret - FAnchor; }
  bool HasSelection() const { return FCaret != FAnchor; }
  String SelText() const;
  // Selects from AnchorPos to CaretPosition (either may be the larger one).
  // A negative anchor removes the selection and leaves the caret; a negative
  // caret or one past the end means the end of the text.
  void SetSel(int AnchorPos, int CaretPosition);
  void SelectAll();
  // The word (or the run of blanks) around Position.
  void SelectWord(int Position);
  void MoveCaret(TCaretMove Move, bool Extend);
  // The caret to Position (clamped), extending the selection when asked.
  void PlaceCaret(int Position, bool Extend);

  // 0: no limit.
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value) { FMaxLength = Value < 0 ? 0 : Value; }
  TEditCharCase CharCase() const { return FCharCase; }
  // Changing to upper or lower case converts the text already there.
  void SetCharCase(TEditCharCase Value);
  char PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(char Value) { FPasswordChar = Value; }
  // The text as shown: one password character per character when one is set.
  String DisplayText() const;

  // One typed character (code 32 and above; in a multi-line buffer also
  // Tab, and CR or LF for a line break) in place of the selection.
  TEditResult TypeChar(char32_t Char);
  // Text in place of the selection: the first line only (every line in a
  // multi-line buffer), in the letter case,
  // cut to what the limit leaves room for. With CanUndo the change can be
  // undone; the caret follows the new text.
  TEditResult ReplaceSel(const String& Value, bool CanUndo = true);
  // Backspace and Delete: the selection, else the character before or after
  // the caret.
  TEditResult DeleteBack();
  TEditResult DeleteForward();
  TEditResult ClearSelection();

  bool CanUndo() const { return FHasUndo; }
  // Goes back to the text before the last change; a second undo redoes it.
  bool Undo();
  void EmptyUndoBuffer();
  bool Modified() const { return FModified; }
  void SetModified(bool Value) { FModified = Value; }

 private:
  enum class TRun { None, Typing, Deleting };
  struct TSnapshot {
    std::u32string Chars;
    int Anchor = 0;
    int Caret = 0;
  };

  // Replaces the selection by Chars; Run tells whether the change may join
  // the undo step of the ones before it.
  void Replace(const std::u32string& Chars, TRun Run);
  void Remember(TRun Run);
  std::u32string ToCase(std::u32string Chars) const;
  bool IsBlank(int Position) const;
  // Whether a CR LF pair starts at Position.
  bool BreakAt(int Position) const;
  // Text as the mode takes it: up to a NUL, the first line (single line) or
  // every line with CR LF breaks (multi-line).
  std::u32string Accept(const String& Value, bool FirstLineOnly) const;

  std::u32string FChars;
  int FAnchor = 0;
  int FCaret = 0;
  int FMaxLength = 0;
  TEditCharCase FCharCase = TEditCharCase::ecNormal;
  char FPasswordChar = '\0';
  bool FMultiLine = false;
  bool FModified = false;
  bool FHasUndo = false;
  TSnapshot FUndo;
  // The kind of change that may still join the undo step, and where the
  // caret stood after it.
  TRun FRun = TRun::None;
  int FRunCaret = 0;
};

}  // namespace plat
