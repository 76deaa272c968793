#include "platform/win/detail/DateTimePickerWindow.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <unordered_map>

#include "platform/gdi/Colors.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/StandardLooks.h"
#include "platform/rtl/DateTime.h"
#include "platform/win/Cursors.h"
#include "platform/win/DateTimePicker.h"
#include "platform/win/DefWindowProc.h"
#include "platform/win/Focus.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/MessageViews.h"
#include "platform/win/Monitors.h"
#include "platform/win/Mouse.h"
#include "platform/win/Painting.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "platform/win/detail/ControlText.h"
#include "platform/win/detail/DateTimeFields.h"

namespace plat {

namespace {

constexpr int kTextLeft = 2;
constexpr int kCheckSize = 13;
constexpr int kCheckGap = 4;

struct TPicker {
  HWND Window = nullptr;
  HFONT Font = nullptr;
  TDateTimeFields Fields;
  bool OwnFormat = false;
  String Format;
  bool Checked = true;
  DWORD RangeFlags = 0;
  HWND Calendar = nullptr;  // the drop-down while it shows
};

std::unordered_map<HWND, std::unique_ptr<TPicker>>& Pickers() {
  static std::unordered_map<HWND, std::unique_ptr<TPicker>> pickers;
  return pickers;
}

TPicker* PickerOf(HWND Window) {
  const auto found = Pickers().find(Window);
  return found == Pickers().end() ? nullptr : found->second.get();
}

DWORD StyleOf(const TPicker& P) { return static_cast<DWORD>(GetWindowLongPtrA(P.Window, GWL_STYLE)); }
bool HasStyle(const TPicker& P, DWORD Style) { return (StyleOf(P) & Style) == Style; }
bool ShowsNone(const TPicker& P) { return HasStyle(P, DTS_SHOWNONE); }
bool UpDown(const TPicker& P) { return HasStyle(P, DTS_UPDOWN); }

// The format the style names, or the one DTM_SETFORMAT gave.
void ApplyFormat(TPicker& P) {
  const TFormatSettings& settings = FormatSettings();
  String format = P.Format;
  if (!P.OwnFormat) {
    format = HasStyle(P, DTS_TIMEFORMAT)       ? settings.LongTimeFormat
             : HasStyle(P, DTS_LONGDATEFORMAT) ? settings.LongDateFormat
                                               : settings.ShortDateFormat;
  }
  const int current = P.Fields.Current();
  P.Fields.SetFormat(TokenizeDateTimeFormat(format, settings), settings);
  P.Fields.SelectField(current);
}

void Repaint(const TPicker& P) { InvalidateRect(P.Window, nullptr, true); }

// Where the parts lie in the client area.
struct TLayout {
  RECT Check{};   // empty without DTS_SHOWNONE
  RECT Text{};    // where the fields go
  RECT Button{};  // the drop-down button, or both arrows of DTS_UPDOWN
};

TLayout LayoutOf(const TPicker& P) {
  RECT client;
  GetClientRect(P.Window, &client);
  TLayout l;
  const int buttonWidth = std::min<int>(GetSystemMetrics(SM_CXVSCROLL), client.Right);
  l.Button = {client.Right - buttonWidth, 0, client.Right, client.Bottom};
  int left = kTextLeft;
  if (ShowsNone(P)) {
    const int top = (client.Bottom - kCheckSize) / 2;
    l.Check = {kTextLeft, top, kTextLeft + kCheckSize, top + kCheckSize};
    left = l.Check.Right + kCheckGap;
  }
  l.Text = {left, 0, std::max<int>(left, l.Button.Left - 1), client.Bottom};
  return l;
}

// The pieces of text with their place on the line.
struct TPlacedPiece {
  TDateTimeFields::TPiece Piece;
  RECT Box{};
};

std::vector<TPlacedPiece> PlacePieces(const TPicker& P, const TLayout& L) {
  std::vector<TPlacedPiece> placed;
  int x = L.Text.Left;
  for (TDateTimeFields::TPiece& piece : P.Fields.Pieces()) {
    const int width = MeasureControlText(P.Font, piece.Text).cx;
    placed.push_back({std::move(piece), {x, L.Text.Top, x + width, L.Text.Bottom}});
    x += width;
  }
  return placed;
}

void Paint(TPicker& P, HDC DC) {
  const TLayout l = LayoutOf(P);
  RECT client;
  GetClientRect(P.Window, &client);
  const bool enabled = IsWindowEnabled(P.Window);
  FillSysColor(DC, client, enabled ? COLOR_WINDOW : COLOR_BTNFACE);
  if (ShowsNone(P)) {
    RECT check = l.Check;
    DrawFrameControl(DC, &check, DFC_BUTTON,
                     DFCS_BUTTONCHECK | (P.Checked ? DFCS_CHECKED : 0) | (enabled ? 0 : DFCS_INACTIVE));
  }
  const bool focused = GetFocus() == P.Window;
  const bool grey = !enabled || !P.Checked;
  for (const TPlacedPiece& placed : PlacePieces(P, l)) {
    RECT box = placed.Box;
    if (box.Left >= l.Text.Right) break;
    box.Right = std::min(box.Right, l.Text.Right);
    int color = grey ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT;
    if (!grey && focused && !P.Calendar && placed.Piece.Field == P.Fields.Current()) {
      const int textHeight = ControlTextHeight(P.Font);
      const RECT mark{box.Left, (box.Bottom - textHeight) / 2, box.Right, (box.Bottom - textHeight) / 2 + textHeight};
      FillSysColor(DC, mark, COLOR_HIGHLIGHT);
      color = COLOR_HIGHLIGHTTEXT;
    }
    DrawControlText(DC, P.Font, placed.Piece.Text, box, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                    GetSysColor(color));
  }
  const UINT inactive = enabled ? 0 : DFCS_INACTIVE;
  if (UpDown(P)) {
    RECT up = l.Button, down = l.Button;
    up.Bottom = down.Top = (l.Button.Top + l.Button.Bottom) / 2;
    DrawFrameControl(DC, &up, DFC_SCROLL, DFCS_SCROLLUP | inactive);
    DrawFrameControl(DC, &down, DFC_SCROLL, DFCS_SCROLLDOWN | inactive);
  } else {
    RECT button = l.Button;
    DrawFrameControl(DC, &button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (P.Calendar ? DFCS_PUSHED : 0) | inactive);
  }
}

void NotifyChange(const TPicker& P) {
  NMDATETIMECHANGE change;
  change.dwFlags = P.Checked ? static_cast<DWORD>(GDT_VALID) : static_cast<DWORD>(GDT_NONE);
  if (P.Checked) change.st = P.Fields.Value();
  SendNotify(GetParent(P.Window), P.Window, DTN_DATETIMECHANGE, &change);
}

void Notify(const TPicker& P, UINT Code) {
  NMHDR header;
  SendNotify(GetParent(P.Window), P.Window, Code, &header);
}

// After an edit by the user: the parent hears of what changed.
void Edited(TPicker& P, bool Changed) {
  Repaint(P);
  if (Changed) NotifyChange(P);
}

// An edit of a field also checks a picker without a date.
bool CheckForEdit(TPicker& P) {
  if (P.Checked) return false;
  P.Checked = true;
  return true;
}

void SetChecked(TPicker& P, bool Value) {
  if (P.Checked == Value) return;
  P.Checked = Value;
  Repaint(P);
  NotifyChange(P);
}

TRect WorkAreaOf(HWND Window) {
  MONITORINFO info;
  GetMonitorInfoA(MonitorFromWindow(Window, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcWork;
}

// The calendar goes, without a word to the parent; answers its selection.
SYSTEMTIME DestroyCalendar(TPicker& P) {
  const HWND calendar = P.Calendar;
  // Forgotten first: letting the capture go tells of it again.
  P.Calendar = nullptr;
  SYSTEMTIME selection;
  SendMessageA(calendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&selection));
  if (GetCapture() == calendar) ReleaseCapture();
  DestroyWindow(calendar);
  return selection;
}

void CloseUp(TPicker& P, bool Take) {
  if (!P.Calendar) return;
  const SYSTEMTIME day = DestroyCalendar(P);
  bool changed = false;
  if (Take) {
    changed = P.Fields.SetDate(day);
    changed = CheckForEdit(P) || changed;
  }
  Repaint(P);
  if (changed) NotifyChange(P);
  Notify(P, DTN_CLOSEUP);
}

// Below the picker, or above it when the work area has no room below;
// moved left to stay within it.
TRect DropPlace(const TPicker& P, SIZE Size) {
  RECT picker;
  GetWindowRect(P.Window, &picker);
  const TRect work = WorkAreaOf(P.Window);
  int left = std::max<int>(std::min<int>(picker.Left, work.Right - Size.cx), work.Left);
  int top = picker.Bottom;
  if (top + Size.cy > work.Bottom && picker.Top - Size.cy >= work.Top) top = picker.Top - Size.cy;
  return {left, top, left + Size.cx, top + Size.cy};
}

void DropDown(TPicker& P) {
  if (P.Calendar || UpDown(P) || !IsWindowEnabled(P.Window)) return;
  if (P.Fields.FinishTyping()) Edited(P, true);
  const HWND calendar = CreateWindowExA(WS_EX_TOOLWINDOW, MONTHCAL_CLASS, "", WS_POPUP | WS_BORDER, 0, 0, 0, 0,
                                        P.Window, nullptr, nullptr, P.Window);
  if (!calendar) return;
  SendMessageA(calendar, WM_SETFONT, reinterpret_cast<WPARAM>(P.Font), FALSE);
  SYSTEMTIME ends[2] = {DateTimeToSystemTime(P.Fields.Min()), DateTimeToSystemTime(P.Fields.Max())};
  SendMessageA(calendar, MCM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(ends));
  const SYSTEMTIME value = P.Fields.Value();
  SendMessageA(calendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&value));
  RECT needed{};
  SendMessageA(calendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&needed));
  P.Calendar = calendar;
  Notify(P, DTN_DROPDOWN);
  // A handler may have closed it again.
  if (P.Calendar != calendar) return;
  // Room for the border around what the calendar needs.
  const int border = 2 * GetSystemMetrics(SM_CXBORDER);
  const TRect place = DropPlace(P, {needed.Right + border, needed.Bottom + border});
  SetWindowPos(calendar, HWND_TOP, place.Left, place.Top, place.Width(), place.Height(),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  SetCapture(calendar);
  Repaint(P);
}

void Step(TPicker& P, int Delta) {
  const bool checked = CheckForEdit(P);
  Edited(P, P.Fields.Step(Delta) || checked);
}

void MoveField(TPicker& P, int Delta) {
  const bool changed = P.Fields.FinishTyping();
  P.Fields.MoveField(Delta);
  Edited(P, changed);
}

bool Holding(int Key) { return (GetKeyState(Key) & 0x8000) != 0; }

void KeyDown(TPicker& P, WPARAM Key, bool Alt) {
  if (P.Calendar) {
    switch (Key) {
      case VK_ESCAPE: CloseUp(P, false); return;
      case VK_RETURN:
      case VK_F4: CloseUp(P, true); return;
      case VK_UP:
      case VK_DOWN:
        if (Alt) {
          CloseUp(P, true);
          return;
        }
        [[fallthrough]];
      case VK_LEFT:
      case VK_RIGHT:
      case VK_PRIOR:
      case VK_NEXT:
      case VK_HOME:
      case VK_END: SendMessageA(P.Calendar, WM_KEYDOWN, Key, 0); return;
      default: return;
    }
  }
  switch (Key) {
    case VK_LEFT: MoveField(P, -1); return;
    case VK_RIGHT: MoveField(P, 1); return;
    case VK_TAB: MoveField(P, Holding(VK_SHIFT) ? -1 : 1); return;
    case VK_UP:
    case VK_DOWN:
      if (Alt) {
        DropDown(P);
      } else {
        Step(P, Key == VK_UP ? 1 : -1);
      }
      return;
    case VK_F4: DropDown(P); return;
    case VK_SPACE:
      if (ShowsNone(P)) SetChecked(P, !P.Checked);
      return;
    default: return;
  }
}

void TypeChar(TPicker& P, char32_t Char) {
  if (Char == ' ' && ShowsNone(P)) return;  // Space is the check box's
  if (Char < ' ') return;
  const bool changed = P.Fields.TypeChar(Char);
  const bool checked = (changed || (Char >= '0' && Char <= '9')) && CheckForEdit(P);
  Edited(P, changed || checked);
}

void MouseDown(TPicker& P, TPoint Point) {
  if (GetFocus() != P.Window) SetFocus(P.Window);
  const TLayout l = LayoutOf(P);
  if (TRect(l.Button).Contains(Point)) {
    if (UpDown(P)) {
      Step(P, Point.Y < (l.Button.Top + l.Button.Bottom) / 2 ? 1 : -1);
    } else if (P.Calendar) {
      CloseUp(P, false);
    } else {
      DropDown(P);
    }
    return;
  }
  if (ShowsNone(P) && TRect(l.Check).Inflated(2, 2).Contains(Point)) {
    SetChecked(P, !P.Checked);
    return;
  }
  // The field under the point, or the nearest one before it.
  int field = -1;
  for (const TPlacedPiece& placed : PlacePieces(P, l)) {
    if (placed.Box.Left > Point.X) break;
    if (placed.Piece.Field >= 0) field = placed.Piece.Field;
  }
  if (field < 0) field = 0;
  const bool changed = P.Fields.FinishTyping();
  P.Fields.SelectField(field);
  Edited(P, changed);
}

LRESULT DialogCode(const TPicker& P, const MSG* Asked) {
  if (P.Calendar) return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS;
  LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
  if (Asked && Asked->message == WM_KEYDOWN && Asked->wParam == VK_TAB && P.Fields.HasField(Holding(VK_SHIFT) ? -1 : 1))
    code |= DLGC_WANTTAB;
  return code;
}

String DisplayText(const TPicker& P) {
  String text;
  for (const TDateTimeFields::TPiece& piece : P.Fields.Pieces()) text += piece.Text;
  return text;
}

LRESULT SetSystemTime(TPicker& P, WPARAM Flag, const SYSTEMTIME* Time) {
  if (static_cast<LRESULT>(Flag) == GDT_NONE) {
    if (!ShowsNone(P)) return FALSE;
    P.Checked = false;
  } else {
    if (static_cast<LRESULT>(Flag) != GDT_VALID || !Time || !P.Fields.SetValue(*Time)) return FALSE;
    P.Checked = true;
  }
  Repaint(P);
  return TRUE;
}

LRESULT SetRange(TPicker& P, WPARAM Flags, const SYSTEMTIME* Ends) {
  TDateTime min = EncodeDate(1, 1, 1);
  TDateTime max = EncodeDate(9999, 12, 31) + EncodeTime(23, 59, 59, 999);
  if ((Flags & GDTR_MIN) && (!Ends || !TrySystemTimeToDateTime(Ends[0], min))) return FALSE;
  if ((Flags & GDTR_MAX) && (!Ends || !TrySystemTimeToDateTime(Ends[1], max))) return FALSE;
  if (!P.Fields.SetRange(min, max)) return FALSE;
  P.RangeFlags = static_cast<DWORD>(Flags) & (GDTR_MIN | GDTR_MAX);
  Repaint(P);
  return TRUE;
}

LRESULT CopyText(const String& Text, WPARAM Size, LPARAM Buffer) {
  auto* out = reinterpret_cast<char*>(Buffer);
  if (!out || Size == 0) return 0;
  const std::size_t count = std::min<std::size_t>(Text.size(), Size - 1);
  std::memcpy(out, Text.data(), count);
  out[count] = '\0';
  return static_cast<LRESULT>(count);
}

LRESULT PickerMessage(TPicker& P, UINT Msg, WPARAM W, LPARAM L) {
  switch (Msg) {
    case WM_CREATE: ApplyFormat(P); return 0;
    case WM_STYLECHANGED:
      ApplyFormat(P);
      Repaint(P);
      return 0;
    case WM_PAINT: {
      if (W) {
        Paint(P, reinterpret_cast<HDC>(W));
        return 0;
      }
      PAINTSTRUCT ps;
      const HDC dc = BeginPaint(P.Window, &ps);
      if (dc) Paint(P, dc);
      EndPaint(P.Window, &ps);
      return 0;
    }
    case WM_ERASEBKGND: return 1;  // the paint covers everything
    case WM_SIZE:
    case WM_ENABLE: Repaint(P); return DefWindowProcA(P.Window, Msg, W, L);
    case WM_SETFONT:
      P.Font = reinterpret_cast<HFONT>(W);
      if (L) Repaint(P);
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(P.Font);
    case WM_GETTEXT: return CopyText(DisplayText(P), W, L);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(DisplayText(P).size());
    case WM_GETDLGCODE: return DialogCode(P, reinterpret_cast<const MSG*>(L));
    case WM_SETFOCUS: Repaint(P); return 0;
    case WM_KILLFOCUS:
      CloseUp(P, false);
      if (P.Fields.FinishTyping()) NotifyChange(P);
      Repaint(P);
      return 0;
    case WM_CANCELMODE: CloseUp(P, false); return DefWindowProcA(P.Window, Msg, W, L);
    case WM_KEYDOWN: KeyDown(P, W, false); return 0;
    case WM_SYSKEYDOWN:
      if (W == VK_DOWN || W == VK_UP) {
        KeyDown(P, W, true);
        return 0;
      }
      return DefWindowProcA(P.Window, Msg, W, L);
    case WM_CHAR: TypeChar(P, static_cast<char32_t>(W & 0xFF)); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: MouseDown(P, TMouseMessage::From(Msg, W, L).Pos); return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(L);
      if (!header || !P.Calendar || header->hwndFrom != P.Calendar) return 0;
      if (header->code == MCN_SELECT) CloseUp(P, true);
      if (header->code == NM_RELEASEDCAPTURE) CloseUp(P, false);
      return 0;
    }
    case DTM_GETSYSTEMTIME: {
      auto* out = reinterpret_cast<SYSTEMTIME*>(L);
      if (!out) return GDT_ERROR;
      if (!P.Checked) return GDT_NONE;
      *out = P.Fields.Value();
      return GDT_VALID;
    }
    case DTM_SETSYSTEMTIME: return SetSystemTime(P, W, reinterpret_cast<const SYSTEMTIME*>(L));
    case DTM_GETRANGE:
      if (auto* out = reinterpret_cast<SYSTEMTIME*>(L)) {
        out[0] = P.RangeFlags & GDTR_MIN ? DateTimeToSystemTime(P.Fields.Min()) : SYSTEMTIME{};
        out[1] = P.RangeFlags & GDTR_MAX ? DateTimeToSystemTime(P.Fields.Max()) : SYSTEMTIME{};
      }
      return static_cast<LRESULT>(P.RangeFlags);
    case DTM_SETRANGE: return SetRange(P, W, reinterpret_cast<const SYSTEMTIME*>(L));
    case DTM_SETFORMAT: {
      const char* format = reinterpret_cast<const char*>(L);
      P.OwnFormat = format != nullptr;
      P.Format = format ? format : "";
      ApplyFormat(P);
      Repaint(P);
      return TRUE;
    }
    case DTM_GETMONTHCAL: return reinterpret_cast<LRESULT>(P.Calendar);
    case WM_DESTROY:
      if (P.Calendar) DestroyCalendar(P);
      return 0;
    default: return DefWindowProcA(P.Window, Msg, W, L);
  }
}

LRESULT DateTimePickerProc(HWND Window, UINT Msg, WPARAM W, LPARAM L) {
  if (Msg == WM_NCCREATE) {
    auto picker = std::make_unique<TPicker>();
    picker->Window = Window;
    picker->Fields.SetValue(DateTimeToSystemTime(Now()));
    Pickers()[Window] = std::move(picker);
  }
  TPicker* picker = PickerOf(Window);
  if (!picker) return DefWindowProcA(Window, Msg, W, L);
  if (Msg == WM_NCDESTROY) {
    Pickers().erase(Window);
    return DefWindowProcA(Window, Msg, W, L);
  }
  return PickerMessage(*picker, Msg, W, L);
}

}  // namespace

bool RegisterDateTimePickerClass() {
  if (FindWindowClass(DATETIMEPICK_CLASS)) return true;
  WNDCLASSA wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = DateTimePickerProc;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = DATETIMEPICK_CLASS;
  return RegisterClassA(&wc) != 0;
}

}  // namespace plat
