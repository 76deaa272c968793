#include "grid/PasteLimit.h"

#include "platform/ui/EditBuffer.h"
#include "platform/ui/TClipboard.h"

namespace zorbit {

bool PasteFitsLimit(const plat::TEditBuffer& Buffer, const plat::String& Text) {
  if (Buffer.MaxLength() == 0) return true;
  // The buffer's own rules decide what of the text it takes (one line, the
  // letter case, CR LF breaks).
  plat::TEditBuffer trial = Buffer;
  trial.SetMaxLength(0);
  trial.ReplaceSel(Text);
  return trial.Length() <= Buffer.MaxLength();
}

bool ClipboardPasteFits(const plat::TEditBuffer& Buffer) { return PasteFitsLimit(Buffer, plat::Clipboard()->AsText()); }

}  // namespace zorbit
