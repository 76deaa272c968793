#pragma once
// SDL's key events as the window layer's keys. Keys become virtual-key
// codes of a US layout by their position, except letters, which follow the
// desktop's layout as Windows' virtual keys do. The window layer types
// characters from key messages with the US layout (TranslateMessage); a key
// that types something else on the desktop's layout becomes VK_PROCESSKEY, as
// under an input method, and its character comes through SDL's text input
// instead. So each typed character arrives exactly once.
#include <SDL2/SDL_keyboard.h>

#include <map>

#include "platform/rtl/Types.h"

namespace plat {

class SdlKeyboard {
 public:
  // The virtual key to feed for a key going down or up; 0 for keys the
  // window layer has no code for. A key goes up as the code it went down as.
  unsigned KeyDown(const SDL_Keysym& key);
  unsigned KeyUp(const SDL_Keysym& key);

  // Whether SDL's text input must be fed as text: false when the key that
  // went down last types it through its key messages.
  bool TextNeedsFeeding() const { return !FLastKeyTypes; }

  // The US-layout virtual key at a key position, keypad keys read as
  // NumLock says; 0 when there is none.
  static unsigned PositionKey(SDL_Scancode scancode, bool numLock);

 private:
  std::map<SDL_Scancode, unsigned> FDown;
  bool FLastKeyTypes = false;
};

}  // namespace plat
