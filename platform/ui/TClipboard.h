#pragma once
// The clipboard as the class library offers it: text, and data in any
// format as global blocks or bytes, several formats in one change.
//
// Open and Close nest; while open, the first thing set empties the
// clipboard once, so the formats set in one bracket stand side by side and
// replace what was there before. Outside a bracket every set and read
// opens and closes the clipboard itself. A set that cannot open the
// clipboard (another window holds it open) answers false and frees the
// block it was given; so does Open, which then leaves the count as it was.
//
// What comes back as text is the clipboard's text up to its first NUL; a
// block without a terminator is read to its end, never beyond. Bytes read
// back are exactly the block's, whose size is the platform's (untrusted).
#include "platform/rtl/Object.h"
#include "platform/win/WinTypes.h"

namespace plat {

class TClipboard : public TObject {
 public:
  bool Open();
  void Close();
  // Empties the clipboard.
  bool Clear();

  // "" when the clipboard holds no text or cannot be opened.
  String AsText();
  // The text as CF_TEXT (outside a bracket: the clipboard's only contents).
  bool SetAsText(const String& Value);
  bool HasText() const;
  bool HasFormat(UINT Format) const;

  // The clipboard takes the block; false (the block freed) when refused.
  bool SetAsHandle(UINT Format, HGLOBAL Block);
  // A copy of the format's bytes in a new block; false when it cannot be
  // made or set.
  bool SetBuffer(UINT Format, const void* Buffer, std::size_t Size);
  // The format's bytes; empty when absent or the clipboard cannot be opened.
  String GetBuffer(UINT Format);

 private:
  // Empties the clipboard before the bracket's first set.
  void Adding();

  int FOpenCount = 0;
  bool FEmptied = false;
};

// The program's clipboard.
TClipboard* Clipboard();

}  // namespace plat
