#include "platform/ui/EditBuffer.h"

#include <algorithm>
#include <utility>

#include "platform/rtl/Unicode.h"

namespace plat {

namespace {

// Decodes UTF-8 up to the first character for which Stop answers true.
template <typename TStop>
std::u32string Decode(const String& Value, TStop Stop) {
  std::u32string chars;
  for (std::size_t pos = 0; pos < Value.size();) {
    const char32_t c = DecodeUtf8(Value, pos);
    if (Stop(c)) {
      break;
    }
    chars += c;
  }
  return chars;
}

String Encode(const std::u32string& Chars) {
  String text;
  text.reserve(Chars.size());
  for (char32_t c : Chars) {
    AppendUtf8(text, c);
  }
  return text;
}

}  // namespace

String TEditBuffer::Text() const { return Encode(FChars); }

std::u32string TEditBuffer::Accept(const String& Value, bool FirstLineOnly) const {
  if (!FMultiLine) {
    if (FirstLineOnly) return ToCase(Decode(Value, [](char32_t c) { return c == 0 || c == '\r' || c == '\n'; }));
    return ToCase(Decode(Value, [](char32_t c) { return c == 0; }));
  }
  const std::u32string raw = ToCase(Decode(Value, [](char32_t c) { return c == 0; }));
  std::u32string chars;
  chars.reserve(raw.size());
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '\r' || raw[i] == '\n') {
      chars += U"\r\n";
      if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') ++i;
    } else {
      chars += raw[i];
    }
  }
  return chars;
}

bool TEditBuffer::BreakAt(int Position) const {
  return Position >= 0 && Position + 1 < Length() && FChars[Position] == '\r' && FChars[Position + 1] == '\n';
}

void TEditBuffer::SetText(const String& Value) {
  // The window's text ends at a NUL, as any window text does.
  FChars = Accept(Value, false);
  FAnchor = FCaret = 0;
  FModified = false;
  EmptyUndoBuffer();
}

String TEditBuffer::SelText() const { return Encode(FChars.substr(SelStart(), SelLength())); }

void TEditBuffer::SetSel(int AnchorPos, int CaretPosition) {
  FRun = TRun::None;
  if (AnchorPos < 0) {
    FAnchor = FCaret;
    return;
  }
  const int length = Length();
  FCaret = CaretPosition < 0 || CaretPosition > length ? length : CaretPosition;
  FAnchor = std::min(AnchorPos, length);
  // Never between CR and LF.
  if (BreakAt(FCaret - 1)) --FCaret;
  if (BreakAt(FAnchor - 1)) --FAnchor;
}

void TEditBuffer::SelectAll() { SetSel(0, -1); }

void TEditBuffer::SelectWord(int Position) {
  const int length = Length();
  if (length == 0) {
    SetSel(0, 0);
    return;
  }
  Position = std::clamp(Position, 0, length - 1);
  const bool blank = IsBlank(Position);
  int start = Position;
  int end = Position;
  while (start > 0 && IsBlank(start - 1) == blank) {
    --start;
  }
  while (end < length && IsBlank(end) == blank) {
    ++end;
  }
  SetSel(start, end);
}

void TEditBuffer::MoveCaret(TCaretMove Move, bool Extend) {
  const int length = Length();
  int target = FCaret;
  switch (Move) {
    case TCaretMove::CharLeft: target = std::max(FCaret - (BreakAt(FCaret - 2) ? 2 : 1), 0); break;
    case TCaretMove::CharRight: target = std::min(FCaret + (BreakAt(FCaret) ? 2 : 1), length); break;
    case TCaretMove::WordLeft:
      while (target > 0 && IsBlank(target - 1)) --target;
      while (target > 0 && !IsBlank(target - 1)) --target;
      break;
    case TCaretMove::WordRight:
      while (target < length && !IsBlank(target)) ++target;
      while (target < length && IsBlank(target)) ++target;
      break;
    case TCaretMove::LineStart: target = 0; break;
    case TCaretMove::LineEnd: target = length; break;
  }
  PlaceCaret(target, Extend);
}

void TEditBuffer::PlaceCaret(int Position, bool Extend) {
  FRun = TRun::None;
  FCaret = std::clamp(Position, 0, Length());
  if (BreakAt(FCaret - 1)) --FCaret;  // never between CR and LF
  if (!Extend) {
    FAnchor = FCaret;
  }
}

void TEditBuffer::SetCharCase(TEditCharCase Value) {
  FCharCase = Value;
  FChars = ToCase(std::move(FChars));
}

String TEditBuffer::DisplayText() const {
  if (FPasswordChar == '\0') {
    return Text();
  }
  // The password character is a character of the system code page's first
  // 256, as the platform's edits take it.
  String shown;
  const auto mask = static_cast<char32_t>(static_cast<unsigned char>(FPasswordChar));
  for (std::size_t i = 0; i < FChars.size(); ++i) {
    AppendUtf8(shown, mask);
  }
  return shown;
}

TEditResult TEditBuffer::TypeChar(char32_t Char) {
  const bool lineBreak = FMultiLine && (Char == '\r' || Char == '\n');
  const bool tab = FMultiLine && Char == '\t';
  if ((Char < 32 && !lineBreak && !tab) || Char == 0x7F) {
    return {};
  }
  const std::u32string chars = lineBreak ? std::u32string(U"\r\n") : ToCase(std::u32string(1, Char));
  if (FMaxLength > 0 && Length() - SelLength() + static_cast<int>(chars.size()) > FMaxLength) {
    return {false, true};
  }
  Replace(chars, TRun::Typing);
  return {true, false};
}

TEditResult TEditBuffer::ReplaceSel(const String& Value, bool CanUndo) {
  // A single line takes the text up to the first line break.
  std::u32string chars = Accept(Value, true);
  TEditResult result;
  if (FMaxLength > 0) {
    const int room = std::max(FMaxLength - (Length() - SelLength()), 0);
    if (static_cast<int>(chars.size()) > room) {
      chars.resize(room);
      result.HitLimit = true;
    }
  }
  if (chars.empty() && !HasSelection()) {
    return result;
  }
  Replace(chars, TRun::None);
  if (!CanUndo) {
    EmptyUndoBuffer();
  }
  result.Changed = true;
  return result;
}

TEditResult TEditBuffer::DeleteBack() {
  if (HasSelection()) {
    return ClearSelection();
  }
  if (FCaret == 0) {
    return {};
  }
  Remember(TRun::Deleting);
  const int count = BreakAt(FCaret - 2) ? 2 : 1;
  FChars.erase(FCaret - count, count);
  FAnchor = FCaret -= count;
  FRunCaret = FCaret;
  FModified = true;
  return {true, false};
}

TEditResult TEditBuffer::DeleteForward() {
  if (HasSelection()) {
    return ClearSelection();
  }
  if (FCaret == Length()) {
    return {};
  }
  Remember(TRun::Deleting);
  FChars.erase(FCaret, BreakAt(FCaret) ? 2 : 1);
  FRunCaret = FCaret;
  FModified = true;
  return {true, false};
}

TEditResult TEditBuffer::ClearSelection() {
  if (!HasSelection()) {
    return {};
  }
  Replace({}, TRun::None);
  return {true, false};
}

bool TEditBuffer::Undo() {
  if (!FHasUndo) {
    return false;
  }
  std::swap(FChars, FUndo.Chars);
  std::swap(FAnchor, FUndo.Anchor);
  std::swap(FCaret, FUndo.Caret);
  FRun = TRun::None;
  FModified = true;
  return true;
}

void TEditBuffer::EmptyUndoBuffer() {
  FHasUndo = false;
  FUndo = {};
  FRun = TRun::None;
}

void TEditBuffer::Replace(const std::u32string& Chars, TRun Run) {
  Remember(Run);
  const int start = SelStart();
  FChars.replace(start, SelLength(), Chars);
  FAnchor = FCaret = start + static_cast<int>(Chars.size());
  FRunCaret = FCaret;
  FModified = true;
}

void TEditBuffer::Remember(TRun Run) {
  // A run of typing or of deleting, each step where the last one left the
  // caret, is undone as one.
  const bool joins = Run != TRun::None && Run == FRun && FCaret == FRunCaret && !HasSelection();
  if (!joins) {
    FUndo = {FChars, FAnchor, FCaret};
    FHasUndo = true;
  }
  FRun = Run;
}

std::u32string TEditBuffer::ToCase(std::u32string Chars) const {
  if (FCharCase != TEditCharCase::ecNormal) {
    const bool upper = FCharCase == TEditCharCase::ecUpperCase;
    for (char32_t& c : Chars) {
      c = upper ? UnicodeUpper(c) : UnicodeLower(c);
    }
  }
  return Chars;
}

bool TEditBuffer::IsBlank(int Position) const {
  const char32_t c = FChars[Position];
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace plat
