#include "platform/win/MessageBox.h"

#include <algorithm>
#include <vector>

#include "platform/gdi/Brush.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/StandardLooks.h"
#include "platform/rtl/RtlConsts.h"
#include "platform/rtl/StringUtils.h"
#include "platform/rtl/Unicode.h"
#include "platform/win/Cursors.h"
#include "platform/win/DefWindowProc.h"
#include "platform/win/Display.h"
#include "platform/win/Focus.h"
#include "platform/win/Icons.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/MessageViews.h"
#include "platform/win/ModalLoop.h"
#include "platform/win/Mouse.h"
#include "platform/win/Painting.h"
#include "platform/win/detail/SystemFonts.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WinErrors.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowDC.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowText.h"
#include "platform/win/Windows.h"

namespace plat {
namespace {

constexpr const char* ButtonClass = "MessageBoxButton";
constexpr const char* TextClass = "MessageBoxText";
constexpr int Margin = 12;
constexpr int IconSize = 32;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 23;
constexpr int ButtonGap = 6;
constexpr WPARAM BN_CLICKED = 0;

enum class Icon { None, Error, Question, Warning, Information };

struct BoxState {
  Icon Kind = Icon::None;
  std::vector<HWND> Buttons;
  HWND DefaultButton = nullptr;
  int EscapeResult = 0;  // 0: Escape and the close box do nothing
  int Result = 0;
  bool Done = false;
};

BoxState* StateOf(HWND box) { return reinterpret_cast<BoxState*>(GetWindowLongPtrA(box, GWLP_USERDATA)); }

void Finish(HWND box, int result) {
  if (BoxState* s = StateOf(box); s && !s->Done) {
    s->Result = result;
    s->Done = true;
  }
}

// The letter after a single "&" in a caption, upper-cased.
char Mnemonic(const String& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
  }
  return 0;
}

void MoveFocusAmongButtons(HWND button, int step) {
  const HWND box = GetParent(button);
  BoxState* s = StateOf(box);
  if (!s || s->Buttons.empty()) return;
  auto it = std::find(s->Buttons.begin(), s->Buttons.end(), button);
  const auto count = static_cast<std::ptrdiff_t>(s->Buttons.size());
  const std::ptrdiff_t index = it == s->Buttons.end() ? 0 : ((it - s->Buttons.begin()) + step + count) % count;
  SetFocus(s->Buttons[static_cast<std::size_t>(index)]);
}

void Click(HWND button) {
  SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(static_cast<Word>(GetDlgCtrlID(button)), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

// Buttons keep "pushed" in their user data while the mouse or Space holds them.
bool Pushed(HWND button) { return GetWindowLongPtrA(button, GWLP_USERDATA) != 0; }
void SetPushed(HWND button, bool pushed) {
  if (Pushed(button) == pushed) return;
  SetWindowLongPtrA(button, GWLP_USERDATA, pushed ? 1 : 0);
  InvalidateRect(button, nullptr, false);
}

void PaintButton(HWND button) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(button, &ps);
  RECT r;
  GetClientRect(button, &r);
  const BoxState* s = StateOf(GetParent(button));
  const bool isDefault = s && s->DefaultButton == button;
  if (isDefault) {
    FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    r = r.Inflated(-1, -1);
  }
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (Pushed(button) ? DFCS_PUSHED : 0));
  const String caption = WindowText(button);
  RECT text = r;
  if (Pushed(button)) text = text.Translated(1, 1);
  SelectObject(dc, MessageFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (GetFocus() == button) {
    const RECT focus = r.Inflated(-4, -4);
    DrawFocusRect(dc, &focus);
  }
  EndPaint(button, &ps);
}

LRESULT ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: PaintButton(button); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: InvalidateRect(button, nullptr, false); return 0;
    case WM_GETDLGCODE: return DLGC_BUTTON;
    case WM_LBUTTONDOWN:
      SetFocus(button);
      SetCapture(button);
      SetPushed(button, true);
      return 0;
    case WM_MOUSEMOVE:
      if (GetCapture() == button) {
        RECT r;
        GetClientRect(button, &r);
        SetPushed(button, r.Contains(TMouseMessage::From(message, wParam, lParam).Pos));
      }
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == button) {
        const bool inside = Pushed(button);
        ReleaseCapture();
        SetPushed(button, false);
        if (inside) Click(button);
      }
      return 0;
    case WM_CAPTURECHANGED: SetPushed(button, false); return 0;
    case WM_KEYDOWN:
      switch (wParam) {
        case VK_SPACE: SetPushed(button, true); return 0;
        case VK_RETURN: Click(button); return 0;
        case VK_ESCAPE: SendMessageA(GetParent(button), WM_COMMAND, IDCANCEL, 0); return 0;
        case VK_TAB: MoveFocusAmongButtons(button, (GetKeyState(VK_SHIFT) < 0) ? -1 : 1); return 0;
        case VK_RIGHT:
        case VK_DOWN: MoveFocusAmongButtons(button, 1); return 0;
        case VK_LEFT:
        case VK_UP: MoveFocusAmongButtons(button, -1); return 0;
        default: return 0;
      }
    case WM_KEYUP:
      if (wParam == VK_SPACE && Pushed(button)) {
        SetPushed(button, false);
        Click(button);
      }
      return 0;
    case WM_CHAR:
    case WM_SYSCHAR: return SendMessageA(GetParent(button), WM_CHAR, wParam, lParam);
    default: return DefWindowProcA(button, message, wParam, lParam);
  }
}

LRESULT TextProc(HWND text, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(text, &ps);
    RECT r;
    GetClientRect(text, &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_3DFACE));
    const String caption = WindowText(text);
    SelectObject(dc, MessageFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &r, DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    EndPaint(text, &ps);
    return 0;
  }
  if (message == WM_ERASEBKGND) return 1;
  return DefWindowProcA(text, message, wParam, lParam);
}

void PaintIcon(HDC dc, Icon kind, int x, int y) {
  const char* name = nullptr;
  switch (kind) {
    case Icon::Error: name = IDI_HAND; break;
    case Icon::Question: name = IDI_QUESTION; break;
    case Icon::Warning: name = IDI_EXCLAMATION; break;
    case Icon::Information: name = IDI_ASTERISK; break;
    case Icon::None: return;
  }
  DrawIconEx(dc, x, y, LoadIconA(nullptr, name), IconSize, IconSize, 0, nullptr, DI_NORMAL);
}

LRESULT BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  BoxState* s = StateOf(box);
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(box, &ps);
      RECT r;
      GetClientRect(box, &r);
      FillRect(dc, &r, GetSysColorBrush(COLOR_3DFACE));
      if (s) PaintIcon(dc, s->Kind, Margin, Margin);
      EndPaint(box, &ps);
      return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && s && s->DefaultButton) {
        SetFocus(s->DefaultButton);
        return 0;
      }
      break;
    case WM_COMMAND:
      if (s) {
        const int id = LOWORD(wParam);
        if (id != IDCANCEL ||
            std::any_of(s->Buttons.begin(), s->Buttons.end(), [](HWND b) { return GetDlgCtrlID(b) == IDCANCEL; }))
          Finish(box, id);
        else if (s->EscapeResult)
          Finish(box, s->EscapeResult);
      }
      return 0;
    case WM_CHAR:
      if (s) {
        const char pressed = static_cast<char>(std::toupper(static_cast<int>(wParam & 0xFF)));
        for (HWND b : s->Buttons)
          if (pressed && Mnemonic(WindowText(b)) == pressed) Click(b);
      }
      return 0;
    case WM_CLOSE:
      if (s && s->EscapeResult) Finish(box, s->EscapeResult);
      return 0;
    case WM_DESTROY:
      // Gone without an answer: as the close box would answer.
      if (s && !s->Done) Finish(box, s->EscapeResult);
      if (s) s->Done = true;
      return 0;
    default: break;
  }
  return DefWindowProcA(box, message, wParam, lParam);
}

bool RegisterBoxClasses() {
  if (FindWindowClass(MessageBoxClassName)) return true;
  WNDCLASSA wc;
  wc.lpfnWndProc = BoxProc;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = MessageBoxClassName;
  if (!RegisterClassA(&wc)) return false;
  wc.lpfnWndProc = ButtonProc;
  wc.lpszClassName = ButtonClass;
  if (!RegisterClassA(&wc)) return false;
  wc.lpfnWndProc = TextProc;
  wc.lpszClassName = TextClass;
  return RegisterClassA(&wc) != 0;
}

struct ButtonSpec {
  int Id;
  const TResStringRec* Caption;
};

std::vector<ButtonSpec> ButtonSet(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OK: return {{IDOK, &SMsgDlgOK}};
    case MB_OKCANCEL: return {{IDOK, &SMsgDlgOK}, {IDCANCEL, &SMsgDlgCancel}};
    case MB_ABORTRETRYIGNORE: return {{IDABORT, &SMsgDlgAbort}, {IDRETRY, &SMsgDlgRetry}, {IDIGNORE, &SMsgDlgIgnore}};
    case MB_YESNOCANCEL: return {{IDYES, &SMsgDlgYes}, {IDNO, &SMsgDlgNo}, {IDCANCEL, &SMsgDlgCancel}};
    case MB_YESNO: return {{IDYES, &SMsgDlgYes}, {IDNO, &SMsgDlgNo}};
    case MB_RETRYCANCEL: return {{IDRETRY, &SMsgDlgRetry}, {IDCANCEL, &SMsgDlgCancel}};
    default: return {};
  }
}

Icon IconOf(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONHAND: return Icon::Error;
    case MB_ICONQUESTION: return Icon::Question;
    case MB_ICONEXCLAMATION: return Icon::Warning;
    case MB_ICONASTERISK: return Icon::Information;
    default: return Icon::None;
  }
}

// The text's size when wrapped at most `width` wide, in the box's font.
TSize MeasureText(const String& text, int width) {
  HDC dc = GetDC(nullptr);
  SelectObject(dc, MessageFont());
  RECT r{0, 0, width, 0};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
            DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
  ReleaseDC(nullptr, dc);
  return {r.Width(), r.Height()};
}

}  // namespace

int MessageBox(HWND owner, const String& text, const String& caption, UINT type) {
  const std::vector<ButtonSpec> specs = ButtonSet(type);
  if (specs.empty()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (owner && !IsWindow(owner)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  if (!RegisterBoxClasses()) return 0;

  BoxState state;
  state.Kind = IconOf(type);
  const bool hasCancel = std::any_of(specs.begin(), specs.end(), [](const ButtonSpec& b) { return b.Id == IDCANCEL; });
  state.EscapeResult = hasCancel ? IDCANCEL : (type & MB_TYPEMASK) == MB_OK ? IDOK : 0;

  // Layout: icon and text above, the buttons centred below.
  const TRect work = CurrentDisplay().WorkArea();
  const int textLeft = Margin + (state.Kind == Icon::None ? 0 : IconSize + Margin);
  const TSize textSize = MeasureText(text, std::max(work.Width() * 5 / 8 - textLeft - Margin, 100));
  const int count = static_cast<int>(specs.size());
  const int rowWidth = count * ButtonWidth + (count - 1) * ButtonGap;
  const int clientWidth = std::max(textLeft + textSize.cx + Margin, rowWidth + 2 * Margin);
  const int top = std::max(state.Kind == Icon::None ? 0 : IconSize, textSize.cy);
  const int clientHeight = Margin + top + Margin + ButtonHeight + Margin;
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST;
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, style, false, exStyle);
  const int x = work.Left + (work.Width() - frame.Width()) / 2;
  const int y = work.Top + (work.Height() - frame.Height()) / 2;

  const String title = caption.empty() ? LoadResString(SMsgDlgError) : caption;
  HWND box = CreateWindowExA(exStyle, MessageBoxClassName, title.c_str(), style, x, y, frame.Width(), frame.Height(),
                             owner, nullptr, nullptr, nullptr);
  if (!box) return 0;
  SetWindowLongPtrA(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
  // The box goes with its state on every way out, an exception from a
  // handler in the modal loop included, so no message reaches a dead state.
  struct BoxLifetime {
    HWND Box;
    HWND OwnerRoot = nullptr;
    bool OwnerDisabled = false;
    ~BoxLifetime() {
      if (OwnerDisabled && IsWindow(OwnerRoot)) EnableWindow(OwnerRoot, true);
      if (IsWindow(Box)) {
        SetWindowLongPtrA(Box, GWLP_USERDATA, 0);
        DestroyWindow(Box);
      }
    }
  } lifetime{box};
  CreateWindowExA(0, TextClass, text.c_str(), WS_CHILD | WS_VISIBLE, textLeft,
                  Margin + std::max(0, (top - textSize.cy) / 2), textSize.cx, textSize.cy, box, nullptr, nullptr,
                  nullptr);
  const int buttonTop = Margin + top + Margin;
  int buttonLeft = (clientWidth - rowWidth) / 2;
  for (const ButtonSpec& spec : specs) {
    const String label = LoadResString(*spec.Caption);
    state.Buttons.push_back(CreateWindowExA(
        0, ButtonClass, label.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP, buttonLeft, buttonTop, ButtonWidth,
        ButtonHeight, box, reinterpret_cast<HMENU>(static_cast<std::intptr_t>(spec.Id)), nullptr, nullptr));
    buttonLeft += ButtonWidth + ButtonGap;
  }
  const std::size_t defaultIndex = std::min<std::size_t>((type & MB_DEFMASK) >> 8, specs.size() - 1);
  state.DefaultButton = state.Buttons[defaultIndex];

  // The owner's top-level window waits while the box is up.
  lifetime.OwnerRoot = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
  lifetime.OwnerDisabled = lifetime.OwnerRoot && !EnableWindow(lifetime.OwnerRoot, false);
  ShowWindow(box, SW_SHOW);
  const bool completed = RunModalLoop(box, [&state] { return state.Done; });
  return completed ? state.Result : 0;
}

bool MessageBeep(UINT type) {
  CurrentDisplay().Beep(type);
  return true;
}

}  // namespace plat
