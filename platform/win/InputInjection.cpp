#include "platform/win/InputInjection.h"

#include "platform/rtl/Unicode.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowPos.h"

namespace plat {

void InjectMouseMove(TPoint screen) { FeedMouseMove(screen); }
void InjectMouseDown(TPoint screen, MouseButton button) { FeedMouseButton(button, true, screen); }
void InjectMouseUp(TPoint screen, MouseButton button) { FeedMouseButton(button, false, screen); }

void InjectClick(TPoint screen, MouseButton button) {
  FeedMouseMove(screen);
  FeedMouseButton(button, true, screen);
  FeedMouseButton(button, false, screen);
}

void InjectDoubleClick(TPoint screen, MouseButton button) {
  InjectClick(screen, button);
  FeedMouseButton(button, true, screen);
  FeedMouseButton(button, false, screen);
}

void InjectDrag(TPoint from, TPoint to, int steps, MouseButton button) {
  if (steps < 1) steps = 1;
  FeedMouseMove(from);
  FeedMouseButton(button, true, from);
  for (int i = 1; i <= steps; ++i)
    FeedMouseMove({from.X + (to.X - from.X) * i / steps, from.Y + (to.Y - from.Y) * i / steps});
  FeedMouseButton(button, false, to);
}

void InjectWheel(TPoint screen, int delta) {
  FeedMouseMove(screen);
  FeedMouseWheel(delta, screen);
}

TPoint ClientPointOnScreen(HWND window, TPoint client) {
  ClientToScreen(window, &client);
  return client;
}

void InjectClickAt(HWND window, TPoint client, MouseButton button) {
  InjectClick(ClientPointOnScreen(window, client), button);
}

void InjectKeyDown(UINT virtualKey) { FeedKey(virtualKey, true); }
void InjectKeyUp(UINT virtualKey) { FeedKey(virtualKey, false); }

void InjectKeyPress(UINT virtualKey, std::initializer_list<UINT> modifiers) {
  for (UINT m : modifiers) FeedKey(m, true);
  FeedKey(virtualKey, true);
  FeedKey(virtualKey, false);
  for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) FeedKey(*it, false);
}

void InjectText(const String& utf8) {
  String rest;
  auto flush = [&rest] {
    if (!rest.empty()) FeedText(rest);
    rest.clear();
  };
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::size_t start = pos;
    const char32_t cp = DecodeUtf8(utf8, pos);
    const SHORT scan = cp < 0x80 && cp >= 0x20 ? VkKeyScanW(static_cast<char16_t>(cp)) : static_cast<SHORT>(-1);
    if (scan == -1 || (scan & 0x600)) {
      rest.append(utf8, start, pos - start);
      continue;
    }
    flush();
    const UINT key = static_cast<UINT>(scan & 0xFF);
    if (scan & 0x100)
      InjectKeyPress(key, {VK_SHIFT});
    else
      InjectKeyPress(key);
  }
  flush();
}

void InjectComposition(const WideString& result) { FeedComposition(result); }

int PumpMessages() {
  int handled = 0;
  MSG msg;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    TranslateMessage(&msg);
    DispatchMessage(&msg);
    ++handled;
  }
  return handled;
}

}  // namespace plat
