#pragma once
// The clipboard as the class library offers it: plain text in and out.
// What comes back is the clipboard's text up to its first NUL; a block
// without a terminator is read to its end, never beyond.
#include "platform/rtl/Object.h"
#include "platform/win/WinTypes.h"

namespace plat {

class TClipboard : public TObject {
 public:
  // "" when the clipboard holds no text or cannot be opened.
  String AsText() const;
  // Replaces the clipboard's contents by the text; false when it cannot
  // be opened (another window holds it open).
  bool SetAsText(const String& Value);
  bool HasText() const;
};

// The program's clipboard.
TClipboard* Clipboard();

}  // namespace plat
