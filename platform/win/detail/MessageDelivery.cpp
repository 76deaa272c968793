#include "platform/win/detail/MessageDelivery.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "platform/rtl/Unicode.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowText.h"
#include "platform/win/detail/WindowManager.h"

namespace plat {
namespace {

std::unordered_map<WNDPROC, bool>& ProcForms() {
  static std::unordered_map<WNDPROC, bool> forms;
  return forms;
}

String Utf8Of(const char16_t* text) { return text ? WideToUtf8(WideString(text)) : String(); }
WideString Utf16Of(const char* text) { return text ? Utf8ToWide(String(text)) : WideString(); }

// The whole text of a window through its own procedure, in that procedure's form.
template <typename Ch>
std::basic_string<Ch> FetchText(WNDPROC proc, bool procUnicode, HWND window) {
  const LRESULT length = CallProc(proc, procUnicode, window, WM_GETTEXTLENGTH, 0, 0, procUnicode);
  // A procedure that answers a silly length still only gets a sane buffer.
  const std::size_t room = static_cast<std::size_t>(std::clamp<LRESULT>(length, 0, 1 << 24)) + 1;
  std::vector<Ch> buffer(room, Ch{0});
  const LRESULT got =
      CallProc(proc, procUnicode, window, WM_GETTEXT, room, reinterpret_cast<LPARAM>(buffer.data()), procUnicode);
  const std::size_t n = static_cast<std::size_t>(std::clamp<LRESULT>(got, 0, static_cast<LRESULT>(room - 1)));
  return std::basic_string<Ch>(buffer.data(), std::find(buffer.data(), buffer.data() + n, Ch{0}));
}

// A character message to a procedure of the other form.
LRESULT DeliverChar(WNDPROC proc, bool procUnicode, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* w = WindowManager::Instance().Find(hwnd);
  if (!w) return CallProc(proc, procUnicode, hwnd, message, wParam, lParam, procUnicode);
  LRESULT result = 0;
  for (WPARAM unit : ConvertCharMessage(w, wParam, procUnicode))
    result = CallProc(proc, procUnicode, hwnd, message, unit, lParam, procUnicode);
  return result;
}

LRESULT DeliverConverted(WNDPROC proc, bool procUnicode, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT: {
      if (procUnicode) {
        const WideString text = Utf16Of(reinterpret_cast<const char*>(lParam));
        return CallProc(proc, true, window, message, wParam, lParam ? reinterpret_cast<LPARAM>(text.c_str()) : 0, true);
      }
      const String text = Utf8Of(reinterpret_cast<const char16_t*>(lParam));
      return CallProc(proc, false, window, message, wParam, lParam ? reinterpret_cast<LPARAM>(text.c_str()) : 0, false);
    }
    case WM_GETTEXT:
      if (procUnicode)
        return CopyTextOut(WideToUtf8(FetchText<char16_t>(proc, true, window)), reinterpret_cast<char*>(lParam),
                           wParam);
      return CopyTextOut(Utf8ToWide(FetchText<char>(proc, false, window)), reinterpret_cast<char16_t*>(lParam), wParam);
    case WM_GETTEXTLENGTH:
      if (procUnicode) return static_cast<LRESULT>(WideToUtf8(FetchText<char16_t>(proc, true, window)).size());
      return static_cast<LRESULT>(Utf8ToWide(FetchText<char>(proc, false, window)).size());
    case WM_NCCREATE:
    case WM_CREATE: {
      const auto* given = reinterpret_cast<const CREATESTRUCT*>(lParam);
      if (!given) return CallProc(proc, procUnicode, window, message, wParam, lParam, procUnicode);
      CREATESTRUCT cs = *given;
      String name8, class8;
      WideString name16, class16;
      const bool classIsAtom = IS_INTRESOURCE(cs.lpszClass);
      if (procUnicode) {
        name16 = Utf16Of(static_cast<const char*>(cs.lpszName));
        if (cs.lpszName) cs.lpszName = name16.c_str();
        if (!classIsAtom) {
          class16 = Utf16Of(static_cast<const char*>(cs.lpszClass));
          cs.lpszClass = class16.c_str();
        }
      } else {
        name8 = Utf8Of(static_cast<const char16_t*>(cs.lpszName));
        if (cs.lpszName) cs.lpszName = name8.c_str();
        if (!classIsAtom) {
          class8 = Utf8Of(static_cast<const char16_t*>(cs.lpszClass));
          cs.lpszClass = class8.c_str();
        }
      }
      return CallProc(proc, procUnicode, window, message, wParam, reinterpret_cast<LPARAM>(&cs), procUnicode);
    }
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_DEADCHAR:
    case WM_SYSDEADCHAR: return DeliverChar(proc, procUnicode, window, message, wParam, lParam);
    default: return CallProc(proc, procUnicode, window, message, wParam, lParam, procUnicode);
  }
}

void AppendUtf16Units(std::vector<WPARAM>& out, char32_t codePoint) {
  if (codePoint >= 0x10000) {
    out.push_back(0xD800 + ((codePoint - 0x10000) >> 10));
    out.push_back(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
  } else {
    out.push_back(codePoint);
  }
}

void AppendUtf8Bytes(std::vector<WPARAM>& out, char32_t codePoint) {
  String bytes;
  AppendUtf8(bytes, codePoint);
  for (char b : bytes) out.push_back(static_cast<unsigned char>(b));
}

}  // namespace

std::vector<WPARAM> ConvertCharMessage(Window* w, WPARAM wParam, bool toUnicode) {
  std::vector<WPARAM> out;
  if (toUnicode) {
    for (char32_t codePoint : w->PendingUtf8.Add(static_cast<Byte>(wParam & 0xFF))) AppendUtf16Units(out, codePoint);
    return out;
  }
  const auto unit = static_cast<char16_t>(wParam & 0xFFFF);
  const bool high = unit >= 0xD800 && unit <= 0xDBFF;
  const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
  const char16_t pending = w->PendingHighSurrogate;
  w->PendingHighSurrogate = 0;
  if (pending && low) {
    AppendUtf8Bytes(out, 0x10000 + ((static_cast<char32_t>(pending) - 0xD800) << 10) + (unit - 0xDC00));
    return out;
  }
  // A high surrogate that no low one follows is not dropped unseen.
  if (pending) AppendUtf8Bytes(out, kReplacementChar);
  if (high)
    w->PendingHighSurrogate = unit;
  else
    AppendUtf8Bytes(out, low ? kReplacementChar : unit);
  return out;
}

bool IsCharMessage(UINT message) {
  return message == WM_CHAR || message == WM_SYSCHAR || message == WM_DEADCHAR || message == WM_SYSDEADCHAR;
}

bool IsTextMessage(UINT message) {
  switch (message) {
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_NCCREATE:
    case WM_CREATE:
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_DEADCHAR:
    case WM_SYSDEADCHAR: return true;
    default: return false;
  }
}

void NoteProcForm(WNDPROC proc, bool unicode) {
  if (proc) ProcForms()[proc] = unicode;
}

bool ProcIsUnicode(WNDPROC proc, bool otherwise) {
  auto it = ProcForms().find(proc);
  return it == ProcForms().end() ? otherwise : it->second;
}

LRESULT CallProc(WNDPROC proc, bool procUnicode, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                 bool unicodeSender) {
  if (!proc) return 0;
  if (procUnicode != unicodeSender && IsTextMessage(message))
    return DeliverConverted(proc, procUnicode, window, message, wParam, lParam);
  return proc(window, message, wParam, lParam);
}

LRESULT Deliver(Window* window, UINT message, WPARAM wParam, LPARAM lParam, bool unicodeSender) {
  if (!window || window->Stage == Window::Life::Dead) return 0;
  const std::shared_ptr<Window> keep = WindowManager::Instance().Keep(window);
  return CallProc(window->Proc, window->Unicode, window->Handle(), message, wParam, lParam, unicodeSender);
}

}  // namespace plat
