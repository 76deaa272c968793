#pragma once
// Showing a topic of a compiled help file through the HTML Help control
// (HtmlHelpControl.h), with each step written to the debug log
// (DebugLog.h).
//
// The address: in the file, topic and window name every "%20" becomes a
// blank and the ends are trimmed; the topic has "\" turned into "/" and a
// leading "/" added, and follows the file after "::" (or stands alone
// without a file); a window name follows after ">".
#include "platform/rtl/Types.h"

namespace zorbit {

inline constexpr int HH_SHOWN = 0;
inline constexpr int HH_NOT_INSTALLED = 1;

plat::String HelpAddress(const plat::String& HelpFile, const plat::String& Topic, const plat::String& WindowName);

// Opens the topic with the desktop window as owner and brings a window the
// control gives to the front. HH_NOT_INSTALLED, showing nothing, when the
// control is not installed; HH_SHOWN otherwise. Mode is logged only.
int ShowHelpTopic(const plat::String& HelpFile, const plat::String& Topic, const plat::String& WindowName,
                  int Mode);

}  // namespace zorbit
