#include "platform/win/detail/SdlKeyboard.h"

#include "platform/win/Keyboard.h"
#include "platform/win/VirtualKeys.h"

namespace plat {

namespace {

struct KeyPosition {
  SDL_Scancode Scancode;
  unsigned VirtualKey;
};

constexpr KeyPosition kPositions[] = {
    {SDL_SCANCODE_RETURN, VK_RETURN},
    {SDL_SCANCODE_ESCAPE, VK_ESCAPE},
    {SDL_SCANCODE_BACKSPACE, VK_BACK},
    {SDL_SCANCODE_TAB, VK_TAB},
    {SDL_SCANCODE_SPACE, VK_SPACE},
    {SDL_SCANCODE_MINUS, VK_OEM_MINUS},
    {SDL_SCANCODE_EQUALS, VK_OEM_PLUS},
    {SDL_SCANCODE_LEFTBRACKET, VK_OEM_4},
    {SDL_SCANCODE_RIGHTBRACKET, VK_OEM_6},
    {SDL_SCANCODE_BACKSLASH, VK_OEM_5},
    {SDL_SCANCODE_NONUSHASH, VK_OEM_5},
    {SDL_SCANCODE_SEMICOLON, VK_OEM_1},
    {SDL_SCANCODE_APOSTROPHE, VK_OEM_7},
    {SDL_SCANCODE_GRAVE, VK_OEM_3},
    {SDL_SCANCODE_COMMA, VK_OEM_COMMA},
    {SDL_SCANCODE_PERIOD, VK_OEM_PERIOD},
    {SDL_SCANCODE_SLASH, VK_OEM_2},
    {SDL_SCANCODE_CAPSLOCK, VK_CAPITAL},
    {SDL_SCANCODE_F1, VK_F1},
    {SDL_SCANCODE_F2, VK_F2},
    {SDL_SCANCODE_F3, VK_F3},
    {SDL_SCANCODE_F4, VK_F4},
    {SDL_SCANCODE_F5, VK_F5},
    {SDL_SCANCODE_F6, VK_F6},
    {SDL_SCANCODE_F7, VK_F7},
    {SDL_SCANCODE_F8, VK_F8},
    {SDL_SCANCODE_F9, VK_F9},
    {SDL_SCANCODE_F10, VK_F10},
    {SDL_SCANCODE_F11, VK_F11},
    {SDL_SCANCODE_F12, VK_F12},
    {SDL_SCANCODE_PRINTSCREEN, VK_SNAPSHOT},
    {SDL_SCANCODE_SCROLLLOCK, VK_SCROLL},
    {SDL_SCANCODE_PAUSE, VK_PAUSE},
    {SDL_SCANCODE_INSERT, VK_INSERT},
    {SDL_SCANCODE_HOME, VK_HOME},
    {SDL_SCANCODE_PAGEUP, VK_PRIOR},
    {SDL_SCANCODE_DELETE, VK_DELETE},
    {SDL_SCANCODE_END, VK_END},
    {SDL_SCANCODE_PAGEDOWN, VK_NEXT},
    {SDL_SCANCODE_RIGHT, VK_RIGHT},
    {SDL_SCANCODE_LEFT, VK_LEFT},
    {SDL_SCANCODE_DOWN, VK_DOWN},
    {SDL_SCANCODE_UP, VK_UP},
    {SDL_SCANCODE_NUMLOCKCLEAR, VK_NUMLOCK},
    {SDL_SCANCODE_KP_DIVIDE, VK_DIVIDE},
    {SDL_SCANCODE_KP_MULTIPLY, VK_MULTIPLY},
    {SDL_SCANCODE_KP_MINUS, VK_SUBTRACT},
    {SDL_SCANCODE_KP_PLUS, VK_ADD},
    {SDL_SCANCODE_KP_ENTER, VK_RETURN},
    {SDL_SCANCODE_APPLICATION, VK_APPS},
    {SDL_SCANCODE_LCTRL, VK_CONTROL},
    {SDL_SCANCODE_RCTRL, VK_CONTROL},
    {SDL_SCANCODE_LSHIFT, VK_SHIFT},
    {SDL_SCANCODE_RSHIFT, VK_SHIFT},
    {SDL_SCANCODE_LALT, VK_MENU},
    {SDL_SCANCODE_RALT, VK_MENU},
    {SDL_SCANCODE_LGUI, VK_LWIN},
    {SDL_SCANCODE_RGUI, VK_RWIN},
    {SDL_SCANCODE_HELP, VK_HELP},
    {SDL_SCANCODE_SELECT, VK_SELECT},
    {SDL_SCANCODE_EXECUTE, VK_EXECUTE},
};

// Keypad keys 1..9, 0 and the point: the digit with NumLock on, the
// navigation key it is labelled with otherwise.
struct KeypadKey {
  SDL_Scancode Scancode;
  unsigned WithNumLock;
  unsigned WithoutNumLock;
};

constexpr KeypadKey kKeypad[] = {
    {SDL_SCANCODE_KP_1, VK_NUMPAD1, VK_END},         {SDL_SCANCODE_KP_2, VK_NUMPAD2, VK_DOWN},
    {SDL_SCANCODE_KP_3, VK_NUMPAD3, VK_NEXT},        {SDL_SCANCODE_KP_4, VK_NUMPAD4, VK_LEFT},
    {SDL_SCANCODE_KP_5, VK_NUMPAD5, VK_CLEAR},       {SDL_SCANCODE_KP_6, VK_NUMPAD6, VK_RIGHT},
    {SDL_SCANCODE_KP_7, VK_NUMPAD7, VK_HOME},        {SDL_SCANCODE_KP_8, VK_NUMPAD8, VK_UP},
    {SDL_SCANCODE_KP_9, VK_NUMPAD9, VK_PRIOR},       {SDL_SCANCODE_KP_0, VK_NUMPAD0, VK_INSERT},
    {SDL_SCANCODE_KP_PERIOD, VK_DECIMAL, VK_DELETE},
};

bool IsPrintableCharacter(SDL_Keycode keycode) {
  return (keycode & SDLK_SCANCODE_MASK) == 0 && keycode >= 0x20 && keycode != 0x7F;
}

char32_t LowerAscii(char32_t c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

}  // namespace

unsigned SdlKeyboard::PositionKey(SDL_Scancode scancode, bool numLock) {
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) return 'A' + (scancode - SDL_SCANCODE_A);
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) return '1' + (scancode - SDL_SCANCODE_1);
  if (scancode == SDL_SCANCODE_0) return '0';
  for (const KeypadKey& key : kKeypad)
    if (key.Scancode == scancode) return numLock ? key.WithNumLock : key.WithoutNumLock;
  for (const KeyPosition& key : kPositions)
    if (key.Scancode == scancode) return key.VirtualKey;
  return 0;
}

unsigned SdlKeyboard::KeyDown(const SDL_Keysym& key) {
  unsigned virtualKey = 0;
  if (key.sym >= SDLK_a && key.sym <= SDLK_z) {
    virtualKey = 'A' + static_cast<unsigned>(key.sym - SDLK_a);
  } else {
    virtualKey = PositionKey(key.scancode, (key.mod & KMOD_NUM) != 0);
    // A key that types another character here than on a US layout.
    const auto usCharacter = static_cast<char32_t>(MapVirtualKey(virtualKey, MAPVK_VK_TO_CHAR));
    if (virtualKey != 0 && IsPrintableCharacter(key.sym) &&
        LowerAscii(static_cast<char32_t>(key.sym)) != LowerAscii(usCharacter))
      virtualKey = VK_PROCESSKEY;
  }
  // The key's text arrives next; Ctrl and Alt (AltGr) chords type nothing
  // through key messages, so what they type is fed as text.
  FLastKeyTypes = virtualKey != 0 && virtualKey != VK_PROCESSKEY && (key.mod & (KMOD_CTRL | KMOD_ALT)) == 0 &&
                  MapVirtualKey(virtualKey, MAPVK_VK_TO_CHAR) != 0;
  if (virtualKey != 0) FDown[key.scancode] = virtualKey;
  return virtualKey;
}

unsigned SdlKeyboard::KeyUp(const SDL_Keysym& key) {
  const auto down = FDown.find(key.scancode);
  if (down == FDown.end()) return 0;
  const unsigned virtualKey = down->second;
  FDown.erase(down);
  return virtualKey;
}

}  // namespace plat
