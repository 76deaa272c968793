// TCustomEdit: the multi-line mode of a window made with ES_MULTILINE. The
// text (CR LF breaks, in the edit buffer's multi-line mode) is laid out in
// lines (detail/MemoLayout), wrapped unless ES_AUTOHSCROLL; the view keeps
// a top line and, without wrapping, a sideways scroll, and follows the caret
// whenever it moves.
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
#include "platform/ui/TCustomEdit.h"
#include "platform/ui/detail/MemoLayout.h"
#include "platform/win/Caret.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageViews.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/StandardControlMessages.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowStyles.h"

namespace plat {

namespace {

bool IsKeyHeld(UINT Key) { return (GetKeyState(static_cast<int>(Key)) & 0x8000) != 0; }

String Utf8Of(const std::u32string& Chars) {
  String text;
  for (char32_t c : Chars) AppendUtf8(text, c);
  return text;
}

}  // namespace

bool TCustomEdit::WordWraps() const { return (FStyle & ES_AUTOHSCROLL) == 0; }

bool TCustomEdit::MultiLineMessage(TMessage& Message) {
  const WPARAM w = Message.WParam;
  const LPARAM l = Message.LParam;
  TEditBuffer& buffer = FBuffer;
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      // A multi-line edit takes Enter too.
      Message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL | DLGC_WANTALLKEYS;
      return true;
    case WM_KEYDOWN:
      switch (w) {
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_HOME:
        case VK_END: MultiLineKeyDown(w); return true;
        default: return false;
      }
    case WM_VSCROLL:
    case WM_HSCROLL: MultiLineScroll(Message.Msg == WM_VSCROLL, LOWORD(w), static_cast<short>(HIWORD(w))); return true;
    case WM_MOUSEWHEEL: {
      UINT lines = 3;
      SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
      SetTopLine(FTopLine - TMouseMessage::From(Message).WheelDelta / WHEEL_DELTA * static_cast<int>(lines));
      return true;
    }
    case EM_GETLINECOUNT: Message.Result = FLayout->LineCount(); return true;
    case EM_LINEINDEX: {
      const int line = static_cast<int>(static_cast<std::intptr_t>(w)) < 0 ? FLayout->LineFromChar(buffer.CaretPos())
                                                                           : static_cast<int>(w);
      Message.Result = line < FLayout->LineCount() ? FLayout->Line(line).Start : -1;
      return true;
    }
    case EM_LINEFROMCHAR: {
      const int pos = static_cast<int>(static_cast<std::intptr_t>(w));
      Message.Result = FLayout->LineFromChar(pos < 0 ? buffer.CaretPos() : pos);
      return true;
    }
    case EM_LINELENGTH: {
      const int pos = static_cast<int>(static_cast<std::intptr_t>(w));
      Message.Result = FLayout->Line(FLayout->LineFromChar(pos < 0 ? buffer.CaretPos() : pos)).Length;
      return true;
    }
    case EM_GETLINE: {
      // The first word of the buffer holds its size; the line is copied
      // without a NUL and its length answered.
      auto* out = reinterpret_cast<char*>(l);
      const int line = static_cast<int>(w);
      if (!out || line < 0 || line >= FLayout->LineCount()) {
        Message.Result = 0;
        return true;
      }
      Word size = 0;
      std::memcpy(&size, out, sizeof size);
      const String text = LineText(line);
      const std::size_t count = std::min<std::size_t>(text.size(), size);
      std::memcpy(out, text.data(), count);
      Message.Result = static_cast<LRESULT>(count);
      return true;
    }
    case EM_LINESCROLL:
      SetTopLine(FTopLine + static_cast<int>(l));
      if (!WordWraps()) {
        FScrollX = std::max(FScrollX + static_cast<int>(w) * TFontMeasure(Font()).TextWidth("x"), 0);
        Invalidate();
      }
      Message.Result = TRUE;
      return true;
    case EM_GETFIRSTVISIBLELINE: Message.Result = FTopLine; return true;
    case EM_SCROLLCARET: MultiLineScrollCaret(); return true;
    case EM_POSFROMCHAR: {
      if (w > static_cast<WPARAM>(buffer.Length())) {
        Message.Result = -1;
        return true;
      }
      const TPoint p = PosOfChar(static_cast<int>(w));
      Message.Result = MAKELRESULT(static_cast<Word>(p.X), static_cast<Word>(p.Y));
      return true;
    }
    case EM_CHARFROMPOS: {
      const int pos = CharAtPoint({GET_X_LPARAM(l), GET_Y_LPARAM(l)});
      Message.Result = MAKELRESULT(static_cast<Word>(pos), static_cast<Word>(FLayout->LineFromChar(pos)));
      return true;
    }
    default: return false;
  }
}

void TCustomEdit::MultiLineKeyDown(WPARAM Key) {
  TEditBuffer& buffer = FBuffer;
  const bool shift = IsKeyHeld(VK_SHIFT);
  const bool ctrl = IsKeyHeld(VK_CONTROL);
  const int caret = buffer.CaretPos();
  const int line = FLayout->LineFromChar(caret);
  const TMemoLine& here = FLayout->Line(line);
  int target = caret;
  int goal = -1;
  const auto toLine = [&](int Line) {
    Line = std::clamp(Line, 0, FLayout->LineCount() - 1);
    goal = FGoalX >= 0 ? FGoalX : PosOfChar(caret).X;
    const int y = PosOfChar(FLayout->Line(Line).Start).Y;
    target = CharAtPoint({goal, y});
  };
  switch (Key) {
    case VK_UP: toLine(line - 1); break;
    case VK_DOWN: toLine(line + 1); break;
    case VK_PRIOR:
      toLine(line - std::max(VisibleLines() - 1, 1));
      SetTopLine(FTopLine - std::max(VisibleLines() - 1, 1));
      break;
    case VK_NEXT:
      toLine(line + std::max(VisibleLines() - 1, 1));
      SetTopLine(FTopLine + std::max(VisibleLines() - 1, 1));
      break;
    case VK_HOME: target = ctrl ? 0 : here.Start; break;
    case VK_END: target = ctrl ? buffer.Length() : here.Start + here.Length; break;
    default: return;
  }
  buffer.PlaceCaret(target, shift);
  SelectionMoved();
  if (goal >= 0) {
    // Up and Down keep to the column they started from.
    MultiLineSync();
    FGoalX = goal;
  }
}

void TCustomEdit::MultiLineMouse(TMessage& Message) {
  const TMouseMessage mouse = TMouseMessage::From(Message);
  TEditBuffer& buffer = FBuffer;
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
      buffer.PlaceCaret(CharAtPoint(mouse.Pos), mouse.Holds(MK_SHIFT));
      FSelecting = true;
      break;
    case WM_LBUTTONDBLCLK:
      buffer.SelectWord(CharAtPoint(mouse.Pos));
      FSelecting = false;
      break;
    case WM_MOUSEMOVE:
      if (!FSelecting || !mouse.Holds(MK_LBUTTON)) return;
      buffer.PlaceCaret(CharAtPoint(mouse.Pos), true);
      break;
    case WM_LBUTTONUP: FSelecting = false; return;
    default: return;
  }
  SelectionMoved();
}

void TCustomEdit::MultiLineScroll(bool Vertical, int Code, int Pos) {
  if (Vertical) {
    const int page = std::max(VisibleLines() - 1, 1);
    switch (Code) {
      case SB_LINEUP: SetTopLine(FTopLine - 1); break;
      case SB_LINEDOWN: SetTopLine(FTopLine + 1); break;
      case SB_PAGEUP: SetTopLine(FTopLine - page); break;
      case SB_PAGEDOWN: SetTopLine(FTopLine + page); break;
      case SB_THUMBTRACK:
      case SB_THUMBPOSITION: SetTopLine(Pos); break;
      case SB_TOP: SetTopLine(0); break;
      case SB_BOTTOM: SetTopLine(FLayout->LineCount()); break;
      default: return;
    }
    return;
  }
  const int width = EditRect().Width();
  int x = FScrollX;
  switch (Code) {
    case SB_LINELEFT: x -= 8; break;
    case SB_LINERIGHT: x += 8; break;
    case SB_PAGELEFT: x -= width; break;
    case SB_PAGERIGHT: x += width; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: x = Pos; break;
    case SB_LEFT: x = 0; break;
    case SB_RIGHT: x = LongestLine(); break;
    default: return;
  }
  FScrollX = std::clamp(x, 0, std::max(LongestLine() - width, 0));
  MultiLineScrollBars();
  MultiLinePlaceCaret();
  Invalidate();
}

// The view.

void TCustomEdit::MultiLineSync() {
  if (FSyncing) return;
  FSyncing = true;
  const int width = WordWraps() ? std::max(EditRect().Width(), 1) : 0;
  const bool textChanged = FBuffer.Chars() != FLaidText;
  if (textChanged || width != FLaidWidth) {
    FLaidText = FBuffer.Chars();
    FLaidWidth = width;
    TFontMeasure measure(Font());
    FLayout->Layout(FLaidText, FLaidWidth,
                    [&measure](const std::u32string& Run) { return measure.CharEdges(Utf8Of(Run)); });
    FTopLine = std::clamp(FTopLine, 0, FLayout->LineCount() - 1);
    Invalidate();
  }
  const int caret = FBuffer.CaretPos();
  if (caret != FLastCaret || textChanged) {
    FLastCaret = caret;
    FGoalX = -1;
    MultiLineScrollCaret();
  }
  MultiLinePlaceCaret();
  MultiLineScrollBars();
  FSyncing = false;
}

void TCustomEdit::MultiLineScrollCaret() {
  const int caret = FBuffer.CaretPos();
  const int line = FLayout->LineFromChar(caret);
  const int visible = std::max(VisibleLines(), 1);
  if (line < FTopLine) SetTopLine(line);
  if (line >= FTopLine + visible) SetTopLine(line - visible + 1);
  if (WordWraps()) return;
  // Sideways, as the single-line edit does: a quarter of the width past the edge.
  const std::vector<int> edges = LineEdges(line);
  const int x = edges[std::min<std::size_t>(caret - FLayout->Line(line).Start, edges.size() - 1)];
  const int width = EditRect().Width();
  if (x < FScrollX) FScrollX = std::max(x - width / 4, 0);
  if (x >= FScrollX + width) FScrollX = x - width + width / 4 + 1;
  Invalidate();
}

void TCustomEdit::SetTopLine(int Value) {
  Value = std::clamp(Value, 0, std::max(FLayout->LineCount() - VisibleLines(), 0));
  if (Value == FTopLine) return;
  FTopLine = Value;
  MultiLineScrollBars();
  MultiLinePlaceCaret();
  Invalidate();
}

void TCustomEdit::MultiLinePlaceCaret() {
  if (!FCaretCreated) return;
  const TPoint p = PosOfChar(FBuffer.CaretPos());
  SetCaretPos(p.X, p.Y);
}

void TCustomEdit::MultiLineScrollBars() {
  if (!HandleAllocated()) return;
  SCROLLINFO info;
  // A memo's bars stay, disabled while everything shows.
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  if (FStyle & WS_VSCROLL) {
    info.nMin = 0;
    info.nMax = FLayout->LineCount() - 1;
    info.nPage = static_cast<UINT>(std::max(VisibleLines(), 1));
    info.nPos = FTopLine;
    SetScrollInfo(Handle(), SB_VERT, &info, true);
  }
  if (FStyle & WS_HSCROLL) {
    info.nMin = 0;
    info.nMax = LongestLine();
    info.nPage = static_cast<UINT>(std::max(EditRect().Width(), 1));
    info.nPos = FScrollX;
    SetScrollInfo(Handle(), SB_HORZ, &info, true);
  }
}

int TCustomEdit::LineHeight() { return std::max(TFontMeasure(Font()).TextHeight(), 1); }

int TCustomEdit::VisibleLines() { return std::max(EditRect().Height() / LineHeight(), 1); }

String TCustomEdit::LineText(int Line) const {
  const TMemoLine& line = FLayout->Line(Line);
  return Utf8Of(FLaidText.substr(line.Start, line.Length));
}

std::vector<int> TCustomEdit::LineEdges(int Line) { return TFontMeasure(Font()).CharEdges(LineText(Line)); }

int TCustomEdit::LongestLine() {
  int longest = 0;
  TFontMeasure measure(Font());
  for (int i = 0; i < FLayout->LineCount(); ++i) longest = std::max(longest, measure.TextWidth(LineText(i)));
  return longest;
}

int TCustomEdit::LineLeft(int Line) {
  const TRect r = EditRect();
  const int width = LineEdges(Line).back();
  if (FStyle & ES_RIGHT) return r.Right - width - 1;
  if (FStyle & ES_CENTER) return r.Left + (r.Width() - width) / 2;
  return r.Left - FScrollX;
}

TPoint TCustomEdit::PosOfChar(int Position) {
  const int line = FLayout->LineFromChar(Position);
  const std::vector<int> edges = LineEdges(line);
  const int column = std::clamp(Position - FLayout->Line(line).Start, 0, static_cast<int>(edges.size()) - 1);
  return {LineLeft(line) + edges[static_cast<std::size_t>(column)], EditRect().Top + (line - FTopLine) * LineHeight()};
}

int TCustomEdit::CharAtPoint(TPoint Client) {
  const int line =
      std::clamp(FTopLine + (Client.Y - EditRect().Top) / LineHeight() - (Client.Y < EditRect().Top ? 1 : 0), 0,
                 FLayout->LineCount() - 1);
  const std::vector<int> edges = LineEdges(line);
  const int at = Client.X - LineLeft(line);
  // The character boundary nearest to the point.
  int best = 0;
  for (int i = 1; i < static_cast<int>(edges.size()); ++i)
    if (std::abs(edges[static_cast<std::size_t>(i)] - at) < std::abs(edges[static_cast<std::size_t>(best)] - at))
      best = i;
  return FLayout->Line(line).Start + best;
}

void TCustomEdit::MultiLinePaint(HDC DC) {
  const TRect area = EditRect();
  const TEditBuffer& buffer = FBuffer;
  const DCStateSaver saved(DC);
  IntersectClipRect(DC, area.Left, area.Top, area.Right, area.Bottom);
  SelectObject(DC, Font()->Handle());
  SetBkMode(DC, TRANSPARENT);
  const int height = LineHeight();
  const bool showSelection = buffer.HasSelection() && (Focused() || !FHideSelection);
  const int selFirst = buffer.SelStart();
  const int selLast = selFirst + buffer.SelLength();
  const HBRUSH highlight = CreateSolidBrush(ColorToColorRef(clHighlight));
  for (int i = FTopLine; i < FLayout->LineCount(); ++i) {
    const int y = area.Top + (i - FTopLine) * height;
    if (y >= area.Bottom) break;
    const TMemoLine& line = FLayout->Line(i);
    const String text = LineText(i);
    const int x = LineLeft(i);
    SetTextColor(DC, ColorToColorRef(Enabled() ? Font()->Color() : clGrayText));
    TextOutA(DC, x, y, text.data(), static_cast<int>(text.size()));
    if (!showSelection) continue;
    const int from = std::max(selFirst, line.Start) - line.Start;
    const int to = std::min(selLast, line.Start + line.Length) - line.Start;
    if (from >= to) continue;
    const std::vector<int> edges = LineEdges(i);
    const TRect band{x + edges[static_cast<std::size_t>(from)], y, x + edges[static_cast<std::size_t>(to)], y + height};
    FillRect(DC, &band, highlight);
    const std::size_t a = Utf8ByteOffset(text, from);
    const std::size_t b = Utf8ByteOffset(text, to);
    SetTextColor(DC, ColorToColorRef(clHighlightText));
    TextOutA(DC, band.Left, y, text.data() + a, static_cast<int>(b - a));
  }
  DeleteObject(highlight);
}

}  // namespace plat
