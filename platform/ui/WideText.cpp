#include "platform/ui/WideText.h"

#include <algorithm>

#include "platform/rtl/Unicode.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/TWinControl.h"
#include "platform/win/Windows.h"
#include "platform/win/WindowText.h"

namespace plat {

namespace {

bool HasUnicodeWindow(TWinControl& Control) { return Control.HandleAllocated() && IsWindowUnicode(Control.Handle()); }

// The text as a window keeps it: up to the first NUL, in UTF-8.
WideString AsWindowKeepsIt(const WideString& Text) { return AnsiToWide(WideToAnsi(Text.substr(0, Text.find(u'\0')))); }

}  // namespace

WideString GetWideText(TWinControl& Control) {
  if (!HasUnicodeWindow(Control)) return AnsiToWide(Control.Text());
  const int length = GetWindowTextLengthW(Control.Handle());
  if (length <= 0) return {};
  WideString text(static_cast<std::size_t>(length) + 1, u'\0');
  const int copied = GetWindowTextW(Control.Handle(), text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::clamp(copied, 0, length)));
  return text;
}

void SetWideText(TWinControl& Control, const WideString& Text) {
  const WideString kept = AsWindowKeepsIt(Text);
  if (!HasUnicodeWindow(Control)) {
    Control.SetText(WideToAnsi(kept));
    return;
  }
  if (GetWideText(Control) == kept) return;
  SetWindowTextW(Control.Handle(), kept.c_str());
  Control.Perform(CM_TEXTCHANGED, 0, 0);
}

}  // namespace plat
