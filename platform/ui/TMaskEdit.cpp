#include "platform/ui/TMaskEdit.h"

#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Unicode.h"
#include "platform/ui/TClipboard.h"
#include "platform/ui/UiConsts.h"
#include "platform/win/Keyboard.h"
#include "platform/win/StandardControlMessages.h"
#include "platform/win/VirtualKeys.h"

namespace plat {

namespace {

std::u32string Decode(const String& Text) {
  std::u32string chars;
  for (std::size_t pos = 0; pos < Text.size();) chars += DecodeUtf8(Text, pos);
  return chars;
}

String Encode(const std::u32string& Chars) {
  String text;
  for (char32_t c : Chars) AppendUtf8(text, c);
  return text;
}

bool IsDigit(char32_t Char) { return Char >= U'0' && Char <= U'9'; }
bool IsLetter(char32_t Char) {
  return (Char >= U'A' && Char <= U'Z') || (Char >= U'a' && Char <= U'z') || UnicodeUpper(Char) != UnicodeLower(Char);
}
bool IsRequired(char Kind) { return Kind == 'L' || Kind == 'A' || Kind == 'C' || Kind == '0'; }
bool IsInputKind(char32_t Char) {
  switch (Char) {
    case U'L':
    case U'l':
    case U'A':
    case U'a':
    case U'C':
    case U'c':
    case U'0':
    case U'9':
    case U'#': return true;
    default: return false;
  }
}

// Keys typed with Ctrl arrive as control characters.
constexpr char32_t CtrlC = 0x03;
constexpr char32_t CtrlV = 0x16;
constexpr char32_t CtrlX = 0x18;
constexpr char32_t CtrlZ = 0x1A;

}  // namespace

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

// The mask.

void TCustomMaskEdit::SetEditMask(const String& Value) {
  if (FEditMask == Value) return;
  const String text = Text();
  FEditMask = Value;
  ParseMask(Value);
  SetText(text);
}

void TCustomMaskEdit::ParseMask(const String& Mask) {
  FPlaces.clear();
  FSaveLiterals = true;
  FBlank = U'_';
  const std::u32string chars = Decode(Mask);
  TEditCharCase letterCase = TEditCharCase::ecNormal;
  std::size_t i = 0;
  for (; i < chars.size() && chars[i] != U';'; ++i) {
    const char32_t c = chars[i];
    if (c == U'\\' && i + 1 < chars.size()) {
      FPlaces.push_back({true, chars[++i], 0, letterCase});
    } else if (c == U'<' && i + 1 < chars.size() && chars[i + 1] == U'>') {
      letterCase = TEditCharCase::ecNormal;
      ++i;
    } else if (c == U'<' || c == U'>') {
      letterCase = c == U'>' ? TEditCharCase::ecUpperCase : TEditCharCase::ecLowerCase;
    } else if (c == U'!') {
      // Where blanks go in Text; the places are the same either way.
    } else if (c == U':' || c == U'/') {
      const char separator = c == U':' ? FormatSettings().TimeSeparator : FormatSettings().DateSeparator;
      FPlaces.push_back({true, static_cast<char32_t>(static_cast<unsigned char>(separator)), 0, letterCase});
    } else if (IsInputKind(c)) {
      FPlaces.push_back({false, 0, static_cast<char>(c), letterCase});
    } else {
      FPlaces.push_back({true, c, 0, letterCase});
    }
  }
  // The fields after the mask: save literals, then the blank character.
  const std::size_t save = i + 1;
  if (save < chars.size() && chars[save] == U'0') FSaveLiterals = false;
  const std::size_t blankField = chars.find(U';', save);
  if (blankField != std::u32string::npos && blankField + 1 < chars.size()) FBlank = chars[blankField + 1];
  // An all-literal mask masks nothing.
  bool input = false;
  for (const TPlace& place : FPlaces) input |= !place.Literal;
  if (!input) FPlaces.clear();
}

bool TCustomMaskEdit::Fits(const TPlace& Place, char32_t& Char) const {
  if (Char < 32 || Char == FBlank) return false;
  bool fits = false;
  switch (Place.Kind) {
    case 'L':
    case 'l': fits = IsLetter(Char); break;
    case 'A':
    case 'a': fits = IsLetter(Char) || IsDigit(Char); break;
    case 'C':
    case 'c': fits = true; break;
    case '0':
    case '9': fits = IsDigit(Char); break;
    case '#': fits = IsDigit(Char) || Char == U'+' || Char == U'-'; break;
    default: break;
  }
  if (fits && Place.Case != TEditCharCase::ecNormal) {
    Char = Place.Case == TEditCharCase::ecUpperCase ? UnicodeUpper(Char) : UnicodeLower(Char);
  }
  return fits;
}

void TCustomMaskEdit::Fill(const std::u32string& Chars, bool Packed) {
  // What is typed in the places lives in the edit's text only.
  std::u32string content;
  std::size_t next = 0;
  for (std::size_t i = 0; i < FPlaces.size(); ++i) {
    const TPlace& place = FPlaces[i];
    if (place.Literal) {
      content += place.Char;
      if (!Packed) ++next;
      continue;
    }
    char32_t c = next < Chars.size() ? Chars[next] : FBlank;
    ++next;
    content += Fits(place, c) ? c : FBlank;
  }
  TMessage message{WM_SETTEXT, 0, 0, 0};
  const String text = Encode(content);
  message.LParam = reinterpret_cast<LPARAM>(text.c_str());
  TCustomEdit::DefaultHandler(message);
}

String TCustomMaskEdit::Text() {
  if (!IsMasked()) return TControl::Text();
  const std::u32string content = Decode(EditText());
  std::u32string text;
  for (std::size_t i = 0; i < FPlaces.size() && i < content.size(); ++i) {
    if (FPlaces[i].Literal) {
      if (FSaveLiterals) text += content[i];
    } else {
      text += content[i] == FBlank ? U' ' : content[i];
    }
  }
  return Encode(text);
}

void TCustomMaskEdit::SetText(const String& Value) {
  if (!IsMasked()) {
    TControl::SetText(Value);
    return;
  }
  const String before = EditText();
  Fill(Decode(Value), !FSaveLiterals);
  if (EditText() != before) Perform(CM_TEXTCHANGED, 0, 0);
}

void TCustomMaskEdit::ValidateEdit() {
  const std::u32string content = Decode(EditText());
  for (std::size_t i = 0; i < FPlaces.size(); ++i) {
    if (!FPlaces[i].Literal && IsRequired(FPlaces[i].Kind) && (i >= content.size() || content[i] == FBlank)) {
      FErrorPlace = static_cast<int>(i);
      EditBuffer().PlaceCaret(FErrorPlace, false);
      EditBufferChanged(false);
      throw EDBEditError(LoadResString(SMaskEditErr));
    }
  }
}

// Editing.

int TCustomMaskEdit::NextInput(int From) const {
  for (int i = std::max(From, 0); i < static_cast<int>(FPlaces.size()); ++i) {
    if (!FPlaces[i].Literal) return i;
  }
  return -1;
}

int TCustomMaskEdit::PreviousInput(int Before) const {
  for (int i = std::min(Before, static_cast<int>(FPlaces.size())) - 1; i >= 0; --i) {
    if (!FPlaces[i].Literal) return i;
  }
  return -1;
}

void TCustomMaskEdit::Show(int Caret, bool TextChanged) {
  EditBuffer().PlaceCaret(Caret, false);
  EditBufferChanged(TextChanged);
}

bool TCustomMaskEdit::ClearSelectedPlaces() {
  TEditBuffer& buffer = EditBuffer();
  if (!buffer.HasSelection()) return false;
  const int start = buffer.SelStart();
  std::u32string content = Decode(buffer.Text());
  for (int i = start; i < start + buffer.SelLength() && i < static_cast<int>(content.size()); ++i) {
    if (!FPlaces[i].Literal) content[i] = FBlank;
  }
  buffer.SetSel(0, -1);
  buffer.ReplaceSel(Encode(content));
  Show(start, true);
  return true;
}

void TCustomMaskEdit::TypeMasked(char32_t Char) {
  ClearSelectedPlaces();
  TEditBuffer& buffer = EditBuffer();
  const int place = NextInput(buffer.CaretPos());
  if (place < 0 || !Fits(FPlaces[place], Char)) return;
  std::u32string content = Decode(buffer.Text());
  if (place >= static_cast<int>(content.size())) return;
  content[place] = Char;
  buffer.SetSel(0, -1);
  buffer.ReplaceSel(Encode(content));
  const int next = NextInput(place + 1);
  Show(next < 0 ? place + 1 : next, true);
}

void TCustomMaskEdit::Backspace() {
  if (ClearSelectedPlaces()) return;
  TEditBuffer& buffer = EditBuffer();
  const int place = PreviousInput(buffer.CaretPos());
  if (place < 0) return;
  std::u32string content = Decode(buffer.Text());
  content[place] = FBlank;
  buffer.SetSel(0, -1);
  buffer.ReplaceSel(Encode(content));
  Show(place, true);
}

void TCustomMaskEdit::DeleteAtCaret() {
  if (ClearSelectedPlaces()) return;
  TEditBuffer& buffer = EditBuffer();
  const int caret = buffer.CaretPos();
  const int place = NextInput(caret);
  if (place < 0) return;
  std::u32string content = Decode(buffer.Text());
  content[place] = FBlank;
  buffer.SetSel(0, -1);
  buffer.ReplaceSel(Encode(content));
  Show(caret, true);
}

void TCustomMaskEdit::KeyPress(char32_t& Key) {
  if (!IsMasked()) {
    TCustomEdit::KeyPress(Key);
    return;
  }
  TWinControl::KeyPress(Key);
  const char32_t key = Key;
  Key = 0;
  switch (key) {
    case 0: return;
    case CtrlC: Perform(WM_COPY, 0, 0); return;
    case CtrlV: Perform(WM_PASTE, 0, 0); return;
    case CtrlX: Perform(WM_CUT, 0, 0); return;
    case CtrlZ: Perform(WM_UNDO, 0, 0); return;
    default: break;
  }
  if (ReadOnly()) return;
  if (key == VK_BACK) {
    Backspace();
  } else {
    TypeMasked(key);
  }
}

void TCustomMaskEdit::DefaultHandler(TMessage& Message) {
  if (!IsMasked()) {
    TCustomEdit::DefaultHandler(Message);
    return;
  }
  switch (Message.Msg) {
    case WM_SETTEXT: {
      // The text is laid over the mask place by place.
      const char* text = reinterpret_cast<const char*>(Message.LParam);
      Fill(Decode(text ? text : ""), false);
      Message.Result = TRUE;
      return;
    }
    case WM_KEYDOWN:
      if (Message.WParam == VK_DELETE && !(GetKeyState(VK_SHIFT) & 0x8000)) {
        if (!ReadOnly()) DeleteAtCaret();
        return;
      }
      break;
    case WM_CUT:
      if (ReadOnly() || PasswordChar() != '\0') return;
      Perform(WM_COPY, 0, 0);
      ClearSelectedPlaces();
      return;
    case WM_CLEAR:
      if (!ReadOnly()) ClearSelectedPlaces();
      return;
    case WM_PASTE:
      if (ReadOnly()) return;
      for (char32_t c : Decode(Clipboard()->AsText())) TypeMasked(c);
      return;
    case EM_REPLACESEL: {
      const char* text = reinterpret_cast<const char*>(Message.LParam);
      for (char32_t c : Decode(text ? text : "")) TypeMasked(c);
      return;
    }
    default: break;
  }
  TCustomEdit::DefaultHandler(Message);
}

void TCustomMaskEdit::DoEnter() {
  // Coming back after a failed check selects nothing.
  if (FValidating) {
    TWinControl::DoEnter();
    return;
  }
  TCustomEdit::DoEnter();
}

void TCustomMaskEdit::WndProc(TMessage& Message) {
  // The focus comes back to input that does not fit the mask; an edit on
  // its way out (or already taking the focus back) is not checked again.
  if (Message.Msg == CM_EXIT && IsMasked() && !FValidating &&
      !ComponentState().Contains(TComponentStateItem::csDestroying)) {
    FValidating = true;
    const ScopeExit validated([this] { FValidating = false; });
    try {
      ValidateEdit();
    } catch (const Exception&) {
      // Back in the edit, the caret stands at the place to fill.
      if (CanFocus()) SetFocus();
      if (FErrorPlace >= 0) Show(FErrorPlace, false);
      throw;
    }
  }
  TCustomEdit::WndProc(Message);
}

}  // namespace plat
