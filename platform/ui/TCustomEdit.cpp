#include "platform/ui/TCustomEdit.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/Brush.h"
#include "platform/gdi/DCStateSaver.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/TFont.h"
#include "platform/gdi/TextOut.h"
#include "platform/rtl/Unicode.h"
#include "platform/ui/FontMeasure.h"
#include "platform/ui/ParentNotify.h"
#include "platform/ui/TClipboard.h"
#include "platform/ui/detail/MemoLayout.h"
#include "platform/win/Caret.h"
#include "platform/win/Cursors.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageViews.h"
#include "platform/win/StandardControlMessages.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowStyles.h"

namespace plat {

namespace {

// Space between the edge of the text area and the text.
constexpr int TextMargin = 1;

// Keys typed with Ctrl arrive as control characters.
constexpr char32_t CtrlC = 0x03;
constexpr char32_t CtrlV = 0x16;
constexpr char32_t CtrlX = 0x18;
constexpr char32_t CtrlZ = 0x1A;

LRESULT CopyOut(const String& Text, WPARAM Size, LPARAM Buffer) {
  auto* out = reinterpret_cast<char*>(Buffer);
  if (!out || Size == 0) return 0;
  const std::size_t count = std::min<std::size_t>(Text.size(), Size - 1);
  std::memcpy(out, Text.data(), count);
  out[count] = '\0';
  return static_cast<LRESULT>(count);
}

bool IsKeyHeld(UINT Key) { return (GetKeyState(static_cast<int>(Key)) & 0x8000) != 0; }

}  // namespace

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
  SetBounds(Left(), Top(), 121, 21);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

TCustomEdit::~TCustomEdit() = default;

// Properties.

void TCustomEdit::SetBorderStyle(TBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomEdit::SetCharCase(TEditCharCase Value) {
  if (FBuffer.CharCase() == Value) return;
  const String before = FBuffer.Text();
  FBuffer.SetCharCase(Value);
  Changed({FBuffer.Text() != before, false});
}

void TCustomEdit::SetHideSelection(bool Value) {
  if (FHideSelection == Value) return;
  FHideSelection = Value;
  Invalidate();
}

void TCustomEdit::SetMaxLength(int Value) {
  Value = std::max(Value, 0);
  if (FMaxLength == Value) return;
  FMaxLength = Value;
  Perform(EM_LIMITTEXT, static_cast<WPARAM>(Value), 0);
}

bool TCustomEdit::Modified() { return Perform(EM_GETMODIFY, 0, 0) != 0; }

void TCustomEdit::SetModified(bool Value) { Perform(EM_SETMODIFY, Value ? 1 : 0, 0); }

void TCustomEdit::SetPasswordChar(char Value) {
  if (PasswordChar() == Value) return;
  Perform(EM_SETPASSWORDCHAR, static_cast<unsigned char>(Value), 0);
}

void TCustomEdit::SetReadOnly(bool Value) {
  if (FReadOnly == Value) return;
  Perform(EM_SETREADONLY, Value ? 1 : 0, 0);
}

int TCustomEdit::SelStart() {
  DWORD start = 0;
  Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int>(start);
}

void TCustomEdit::SetSelStart(int Value) { Perform(EM_SETSEL, static_cast<WPARAM>(Value), Value); }

int TCustomEdit::SelLength() {
  DWORD start = 0;
  DWORD end = 0;
  Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomEdit::SetSelLength(int Value) {
  const int start = SelStart();
  Perform(EM_SETSEL, static_cast<WPARAM>(start), start + std::max(Value, 0));
}

void TCustomEdit::SetSelText(const String& Value) {
  Perform(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(Value.c_str()));
}

void TCustomEdit::SelectAll() { Perform(EM_SETSEL, 0, -1); }

bool TCustomEdit::CanUndo() { return Perform(EM_CANUNDO, 0, 0) != 0; }

void TCustomEdit::Undo() { Perform(WM_UNDO, 0, 0); }

void TCustomEdit::ClearUndo() { Perform(EM_EMPTYUNDOBUFFER, 0, 0); }

void TCustomEdit::Clear() { SetText(""); }

void TCustomEdit::ClearSelection() { Perform(WM_CLEAR, 0, 0); }

void TCustomEdit::CopyToClipboard() { Perform(WM_COPY, 0, 0); }

void TCustomEdit::CutToClipboard() { Perform(WM_CUT, 0, 0); }

void TCustomEdit::PasteFromClipboard() { Perform(WM_PASTE, 0, 0); }

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

TRect TCustomEdit::EditRect() {
  if (FHasRect) return FRect;
  const int inset = BorderWidth() + TextMargin;
  TRect r = ClientRect().Inflated(-inset, -inset);
  r.Right = std::max(r.Right, r.Left);
  r.Bottom = std::max(r.Bottom, r.Top);
  return r;
}

void TCustomEdit::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style |= ES_AUTOHSCROLL;
  if (!FHideSelection) Params.Style |= ES_NOHIDESEL;
  if (FReadOnly) Params.Style |= ES_READONLY;
  if (PasswordChar() != '\0') Params.Style |= ES_PASSWORD;
  if (CharCase() == TEditCharCase::ecUpperCase) Params.Style |= ES_UPPERCASE;
  if (CharCase() == TEditCharCase::ecLowerCase) Params.Style |= ES_LOWERCASE;
  if (FBorderStyle == TBorderStyle::bsSingle) AddSingleBorder(Params);
}

void TCustomEdit::CreateWindowHandle(const TCreateParams& Params) {
  TakeWindowStyle(Params);
  TWinControl::CreateWindowHandle(Params);
}

void TCustomEdit::TakeWindowStyle(const TCreateParams& Params) {
  // The style decides, as the platform's edit decides, whether it is one line.
  FStyle = Params.Style;
  FMultiLine = (FStyle & ES_MULTILINE) != 0;
  FBuffer.SetMultiLine(FMultiLine);
  if (FMultiLine && !FLayout) FLayout = std::make_unique<TMemoLayout>();
  FLaidWidth = -1;
}

// The message path.

void TCustomEdit::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The focus comes first, so that entering knows a click brought it.
      if (HandleAllocated() && TabStop() && !Focused() && CanFocus()) {
        FMouseEntering = true;
        SetFocus();
        FMouseEntering = false;
      }
      FMultiLine ? MultiLineMouse(Message) : EditMouse(Message);
      break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: FMultiLine ? MultiLineMouse(Message) : EditMouse(Message); break;
    default: break;
  }
  TWinControl::WndProc(Message);
  // A multi-line view catches up with sizes, fonts and text after any message.
  if (FMultiLine) MultiLineSync();
  if (!FMultiLine && (Message.Msg == CM_BORDERCHANGED || Message.Msg == WM_SIZE)) ScrollCaret();
  if (Message.Msg == CM_FONTCHANGED && FCaretCreated) {
    // The caret takes the new font's height.
    EditFocus(false);
    EditFocus(true);
  }
}

void TCustomEdit::DefaultHandler(TMessage& Message) {
  if (FMultiLine && MultiLineMessage(Message)) return;
  if (!EditMessage(Message)) TWinControl::DefaultHandler(Message);
}

void TCustomEdit::KeyPress(char32_t& Key) {
  TWinControl::KeyPress(Key);
  if (Key != 0) {
    EditChar(Key);
    // Taken: nothing after this handles the character again.
    Key = 0;
  }
}

void TCustomEdit::DoEnter() {
  if (FAutoSelect && !FMouseEntering && !ControlState().Contains(TControlStateItem::csLButtonDown)) SelectAll();
  TWinControl::DoEnter();
}

// The edit's own messages; answers false for those it leaves to the window.
bool TCustomEdit::EditMessage(TMessage& Message) {
  const auto w = Message.WParam;
  const auto l = Message.LParam;
  switch (Message.Msg) {
    case WM_GETTEXT: Message.Result = CopyOut(FBuffer.Text(), w, l); return true;
    case WM_GETTEXTLENGTH: Message.Result = static_cast<LRESULT>(FBuffer.Text().size()); return true;
    case WM_SETTEXT: {
      const char* text = reinterpret_cast<const char*>(l);
      ReplaceText(text ? text : "");
      Message.Result = TRUE;
      return true;
    }
    case WM_GETDLGCODE: Message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL; return true;
    case WM_SETCURSOR:
      if (LOWORD(static_cast<WPARAM>(l)) != HTCLIENT) return false;
      ::plat::SetCursor(LoadCursorA(nullptr, IDC_IBEAM));
      Message.Result = TRUE;
      return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: EditFocus(Message.Msg == WM_SETFOCUS); return true;
    case WM_KEYDOWN: EditKeyDown(Message); return true;
    case EM_GETSEL: {
      const auto start = static_cast<DWORD>(FBuffer.SelStart());
      const auto end = static_cast<DWORD>(FBuffer.SelStart() + FBuffer.SelLength());
      if (auto* out = reinterpret_cast<DWORD*>(w)) *out = start;
      if (auto* out = reinterpret_cast<DWORD*>(l)) *out = end;
      Message.Result = static_cast<LRESULT>(
          MAKELONG(static_cast<Word>(std::min<DWORD>(start, 0xFFFF)), static_cast<Word>(std::min<DWORD>(end, 0xFFFF))));
      return true;
    }
    case EM_SETSEL:
      // A start of -1 keeps the caret and drops the selection; an end of
      // -1 means the end of the text.
      FBuffer.SetSel(static_cast<int>(static_cast<std::intptr_t>(w)), static_cast<int>(l));
      SelectionMoved();
      return true;
    case EM_REPLACESEL: {
      const char* text = reinterpret_cast<const char*>(l);
      Changed(FBuffer.ReplaceSel(text ? text : "", w != 0));
      return true;
    }
    case EM_LIMITTEXT: FBuffer.SetMaxLength(static_cast<int>(std::min<WPARAM>(w, EditDefaultLimit))); return true;
    case EM_GETLIMITTEXT:
      Message.Result = FBuffer.MaxLength() > 0 ? FBuffer.MaxLength() : EditDefaultLimit;
      return true;
    case EM_CANUNDO: Message.Result = FBuffer.CanUndo() ? TRUE : FALSE; return true;
    case EM_UNDO:
    case WM_UNDO:
      if (!FReadOnly && FBuffer.Undo()) Changed({true, false});
      Message.Result = FBuffer.CanUndo() ? TRUE : FALSE;
      return true;
    case EM_EMPTYUNDOBUFFER: FBuffer.EmptyUndoBuffer(); return true;
    case EM_GETMODIFY: Message.Result = FBuffer.Modified() ? TRUE : FALSE; return true;
    case EM_SETMODIFY: FBuffer.SetModified(w != 0); return true;
    case EM_SETREADONLY:
      FReadOnly = w != 0;
      Invalidate();
      Message.Result = TRUE;
      return true;
    case EM_SETPASSWORDCHAR:
      FBuffer.SetPasswordChar(static_cast<char>(w & 0xFF));
      ScrollCaret();
      Invalidate();
      return true;
    case EM_GETPASSWORDCHAR: Message.Result = static_cast<unsigned char>(FBuffer.PasswordChar()); return true;
    case EM_SCROLLCARET: SelectionMoved(); return true;
    case EM_GETFIRSTVISIBLELINE: Message.Result = CharAtX(EditRect().Left); return true;
    case EM_GETLINECOUNT: Message.Result = 1; return true;
    case EM_LINELENGTH: Message.Result = FBuffer.Length(); return true;
    case EM_GETRECT:
      if (auto* out = reinterpret_cast<RECT*>(l)) *out = EditRect();
      return true;
    case EM_SETRECT:
    case EM_SETRECTNP: {
      // Null goes back to the client area less the margins.
      const auto* r = reinterpret_cast<const RECT*>(l);
      FHasRect = r != nullptr;
      if (r) FRect = *r;
      FLaidWidth = -1;
      if (Message.Msg == EM_SETRECT) Invalidate();
      return true;
    }
    case EM_CHARFROMPOS: Message.Result = CharAtX(GET_X_LPARAM(l)); return true;
    case EM_POSFROMCHAR: {
      const std::vector<int> edges = CharEdges();
      if (w > static_cast<WPARAM>(FBuffer.Length())) {
        Message.Result = -1;
        return true;
      }
      const TRect r = EditRect();
      Message.Result = MAKELRESULT(static_cast<Word>(r.Left + edges[w] - FScrollX), static_cast<Word>(r.Top));
      return true;
    }
    case WM_COPY:
      if (FBuffer.PasswordChar() == '\0' && FBuffer.HasSelection()) Clipboard()->SetAsText(FBuffer.SelText());
      return true;
    case WM_CUT:
      if (FBuffer.PasswordChar() != '\0' || FReadOnly || !FBuffer.HasSelection()) return true;
      Clipboard()->SetAsText(FBuffer.SelText());
      Changed(FBuffer.ClearSelection());
      return true;
    case WM_CLEAR:
      if (!FReadOnly) Changed(FBuffer.ClearSelection());
      return true;
    case WM_PASTE:
      if (!FReadOnly) Changed(FBuffer.ReplaceSel(Clipboard()->AsText()));
      return true;
    default: return false;
  }
}

void TCustomEdit::ReplaceText(const String& Value) {
  const String before = FBuffer.Text();
  FBuffer.SetText(Value);
  FScrollX = 0;
  // The control's own copy (its window title, its caption) follows.
  const String text = FBuffer.Text();
  TMessage own{WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), 0};
  TWinControl::DefaultHandler(own);
  Changed({text != before, false});
}

void TCustomEdit::EditKeyDown(TMessage& Message) {
  const bool shift = IsKeyHeld(VK_SHIFT);
  const bool ctrl = IsKeyHeld(VK_CONTROL);
  switch (Message.WParam) {
    case VK_LEFT: FBuffer.MoveCaret(ctrl ? TCaretMove::WordLeft : TCaretMove::CharLeft, shift); break;
    case VK_RIGHT: FBuffer.MoveCaret(ctrl ? TCaretMove::WordRight : TCaretMove::CharRight, shift); break;
    case VK_HOME: FBuffer.MoveCaret(TCaretMove::LineStart, shift); break;
    case VK_END: FBuffer.MoveCaret(TCaretMove::LineEnd, shift); break;
    case VK_DELETE:
      if (shift) {
        Perform(WM_CUT, 0, 0);
      } else if (!FReadOnly) {
        Changed(FBuffer.DeleteForward());
      }
      return;
    case VK_INSERT:
      if (shift) Perform(WM_PASTE, 0, 0);
      if (ctrl) Perform(WM_COPY, 0, 0);
      return;
    default: return;
  }
  SelectionMoved();
}

void TCustomEdit::EditChar(char32_t Char) {
  switch (Char) {
    case CtrlC: Perform(WM_COPY, 0, 0); return;
    case CtrlV: Perform(WM_PASTE, 0, 0); return;
    case CtrlX: Perform(WM_CUT, 0, 0); return;
    case CtrlZ: Perform(WM_UNDO, 0, 0); return;
    default: break;
  }
  if (FReadOnly) return;
  Changed(Char == VK_BACK ? FBuffer.DeleteBack() : FBuffer.TypeChar(Char));
}

void TCustomEdit::EditMouse(TMessage& Message) {
  const TMouseMessage mouse = TMouseMessage::From(Message);
  const int x = mouse.Pos.X;
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
      FBuffer.PlaceCaret(CharAtX(x), mouse.Holds(MK_SHIFT));
      FSelecting = true;
      break;
    case WM_LBUTTONDBLCLK:
      FBuffer.SelectWord(CharAtX(x));
      FSelecting = false;
      break;
    case WM_MOUSEMOVE:
      if (!FSelecting || !mouse.Holds(MK_LBUTTON)) return;
      FBuffer.PlaceCaret(CharAtX(x), true);
      break;
    case WM_LBUTTONUP: FSelecting = false; return;
    default: return;
  }
  SelectionMoved();
}

void TCustomEdit::EditFocus(bool Gained) {
  if (!HandleAllocated()) return;
  if (Gained) {
    FCaretCreated = CreateCaret(Handle(), nullptr, 1, TextHeight());
    if (FMultiLine)
      MultiLinePlaceCaret();
    else
      PlaceCaret();
    ShowCaret(Handle());
  } else if (FCaretCreated) {
    DestroyCaret();
    FCaretCreated = false;
    FSelecting = false;
  }
  // The selection shows or hides with the focus.
  Invalidate();
}

// The view.

void TCustomEdit::Changed(const TEditResult& Result) {
  SelectionMoved();
  if (Result.HitLimit) NotifyParent(this, EN_MAXTEXT);
  if (Result.Changed) {
    NotifyParent(this, EN_CHANGE);
    Change();
  }
}

void TCustomEdit::SelectionMoved() {
  if (FMultiLine)
    MultiLineSync();
  else
    ScrollCaret();
  Invalidate();
}

std::vector<int> TCustomEdit::CharEdges() { return TFontMeasure(Font()).CharEdges(FBuffer.DisplayText()); }

int TCustomEdit::TextHeight() { return TFontMeasure(Font()).TextHeight(); }

int TCustomEdit::CharAtX(int X) {
  // The character boundary nearest to the point.
  const std::vector<int> edges = CharEdges();
  const int at = X - EditRect().Left + FScrollX;
  const auto next = std::lower_bound(edges.begin(), edges.end(), at);
  if (next == edges.begin()) return 0;
  if (next == edges.end()) return static_cast<int>(edges.size()) - 1;
  const auto index = static_cast<int>(next - edges.begin());
  return *next - at <= at - *(next - 1) ? index : index - 1;
}

void TCustomEdit::ScrollCaret() {
  const std::vector<int> edges = CharEdges();
  const int width = EditRect().Width();
  const int caretX = edges[std::min<std::size_t>(FBuffer.CaretPos(), edges.size() - 1)];
  // Jump a quarter of the width past the edge the caret crossed, so that
  // typing on does not scroll at every character.
  if (caretX < FScrollX) {
    FScrollX = std::max(caretX - width / 4, 0);
  } else if (caretX >= FScrollX + width) {
    FScrollX = caretX - width + width / 4 + 1;
  }
  // No empty space at the right while text lies hidden at the left.
  FScrollX = std::clamp(FScrollX, 0, std::max(edges.back() - width + 1, 0));
  if (caretX < FScrollX) FScrollX = caretX;
  PlaceCaret();
}

void TCustomEdit::PlaceCaret() {
  if (!FCaretCreated) return;
  const std::vector<int> edges = CharEdges();
  const TRect r = EditRect();
  SetCaretPos(r.Left + edges[std::min<std::size_t>(FBuffer.CaretPos(), edges.size() - 1)] - FScrollX, r.Top);
}

void TCustomEdit::PaintWindow(HDC DC) {
  const TRect client = ClientRect();
  const HBRUSH background = CreateSolidBrush(ColorToColorRef(Color()));
  FillRect(DC, &client, background);
  DeleteObject(background);
  if (FMultiLine) {
    MultiLinePaint(DC);
    return;
  }

  const TRect area = EditRect();
  const String shown = FBuffer.DisplayText();
  const std::vector<int> edges = CharEdges();
  const DCStateSaver saved(DC);
  IntersectClipRect(DC, area.Left, area.Top, area.Right, area.Bottom);
  SelectObject(DC, Font()->Handle());
  SetBkMode(DC, TRANSPARENT);
  SetTextColor(DC, ColorToColorRef(Enabled() ? Font()->Color() : clGrayText));
  const int x = area.Left - FScrollX;
  TextOutA(DC, x, area.Top, shown.data(), static_cast<int>(shown.size()));

  const bool showSelection = FBuffer.HasSelection() && (Focused() || !FHideSelection);
  if (showSelection) {
    const int first = FBuffer.SelStart();
    const int last = first + FBuffer.SelLength();
    const TRect band{x + edges[first], area.Top, x + edges[last], area.Top + TextHeight()};
    const HBRUSH highlight = CreateSolidBrush(ColorToColorRef(clHighlight));
    FillRect(DC, &band, highlight);
    DeleteObject(highlight);
    const std::size_t from = Utf8ByteOffset(shown, first);
    const std::size_t to = Utf8ByteOffset(shown, last);
    SetTextColor(DC, ColorToColorRef(clHighlightText));
    TextOutA(DC, band.Left, area.Top, shown.data() + from, static_cast<int>(to - from));
  }
}

}  // namespace plat
