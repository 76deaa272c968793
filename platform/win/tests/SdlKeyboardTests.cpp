#include <gtest/gtest.h>

#include "platform/win/detail/SdlKeyboard.h"
#include "platform/win/VirtualKeys.h"

namespace plat {
namespace {

SDL_Keysym Key(SDL_Scancode scancode, SDL_Keycode keycode, Uint16 modifiers = KMOD_NONE) {
  SDL_Keysym key{};
  key.scancode = scancode;
  key.sym = keycode;
  key.mod = modifiers;
  return key;
}

struct KeyCase {
  const char* What;
  SDL_Keysym Key;
  unsigned VirtualKey;
  bool TextFed;  // whether its text input must be fed as text
};

TEST(SdlKeyboard, KeysBecomeUsVirtualKeysAndEachCharacterComesOnce) {
  const KeyCase cases[] = {
      {"a letter", Key(SDL_SCANCODE_A, SDLK_a), 'A', false},
      {"a letter where the layout moved it", Key(SDL_SCANCODE_Q, SDLK_a), 'A', false},
      {"a shifted letter", Key(SDL_SCANCODE_A, SDLK_a, KMOD_LSHIFT), 'A', false},
      {"a digit", Key(SDL_SCANCODE_1, SDLK_1), '1', false},
      {"US punctuation", Key(SDL_SCANCODE_SEMICOLON, SDLK_SEMICOLON), VK_OEM_1, false},
      {"a character the US layout puts elsewhere", Key(SDL_SCANCODE_SEMICOLON, 0xF6), VK_PROCESSKEY, true},
      {"a control chord", Key(SDL_SCANCODE_C, SDLK_c, KMOD_LCTRL), 'C', true},
      {"an AltGr chord", Key(SDL_SCANCODE_Q, SDLK_q, KMOD_RALT), 'Q', true},
      {"a function key", Key(SDL_SCANCODE_F5, SDLK_F5), VK_F5, true},
      {"Return", Key(SDL_SCANCODE_RETURN, SDLK_RETURN), VK_RETURN, false},
      {"Delete", Key(SDL_SCANCODE_DELETE, SDLK_DELETE), VK_DELETE, true},
      {"a keypad digit with NumLock", Key(SDL_SCANCODE_KP_1, SDLK_KP_1, KMOD_NUM), VK_NUMPAD1, false},
      {"a keypad digit without NumLock", Key(SDL_SCANCODE_KP_1, SDLK_END), VK_END, true},
      {"a shift key", Key(SDL_SCANCODE_RSHIFT, SDLK_RSHIFT), VK_SHIFT, true},
      {"a key with no code", Key(SDL_SCANCODE_F20, SDLK_F20), 0, true},
  };
  for (const KeyCase& c : cases) {
    SdlKeyboard keyboard;
    EXPECT_EQ(keyboard.KeyDown(c.Key), c.VirtualKey) << c.What;
    EXPECT_EQ(keyboard.TextNeedsFeeding(), c.TextFed) << c.What;
    EXPECT_EQ(keyboard.KeyUp(c.Key), c.VirtualKey) << c.What;
  }
}

TEST(SdlKeyboard, AKeyGoesUpAsTheCodeItWentDownAs) {
  SdlKeyboard keyboard;
  EXPECT_EQ(keyboard.KeyDown(Key(SDL_SCANCODE_KP_8, SDLK_KP_8, KMOD_NUM)), VK_NUMPAD8);
  // NumLock went off while the key was held.
  EXPECT_EQ(keyboard.KeyUp(Key(SDL_SCANCODE_KP_8, SDLK_UP)), VK_NUMPAD8);
  EXPECT_EQ(keyboard.KeyUp(Key(SDL_SCANCODE_KP_8, SDLK_UP)), 0u);  // already up
  EXPECT_EQ(keyboard.KeyUp(Key(SDL_SCANCODE_B, SDLK_b)), 0u);      // never seen down
}

}  // namespace
}  // namespace plat
