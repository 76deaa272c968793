#pragma once
// A windowed control's text as a wide (UTF-16) string. With a Unicode
// window (TWinControl::CreateUnicodeHandle) the text is read and written
// through the window's wide interface; otherwise it is the control's Text
// converted. Setting sends CM_TEXTCHANGED, and only when the text changes.
// The text ends at its first NUL, as window texts do, and an unpaired
// surrogate, which has no UTF-8 form, is kept as U+FFFD.
#include "platform/rtl/Types.h"

namespace plat {

class TWinControl;

WideString GetWideText(TWinControl& Control);
void SetWideText(TWinControl& Control, const WideString& Text);

}  // namespace plat
