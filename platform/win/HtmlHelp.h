#pragma once
// The HTML Help control's entry points, HtmlHelpA and HtmlHelpW, as a
// program calls them after finding the control (platform/os/HelpControl.h)
// and looking them up by name in "hhctrl.ocx" (RegisterHelpControl enters
// them there).
//
// HH_DISPLAY_TOPIC shows a topic of a compiled help file. The address is
// "help.chm::/html/page.htm", or "help.chm" with the topic in data (a
// char* text for HtmlHelpA, a char16_t* text for HtmlHelpW) or, without
// either, the file's default topic; a trailing ">window" names a window
// type and is ignored. The topic and the files beside it are extracted
// (platform/os/CompiledHelp.h) into a private temporary folder of the
// process, removed at exit, and the page is opened with the desktop's
// browser through the program launcher (platform/os/Launcher.h; the
// headless display records it instead).
//
// The browser's window belongs to another program, so the call answers a
// null window whether the topic was shown or not; the last error tells:
// ERROR_SUCCESS when it was handed to the browser, ERROR_FILE_NOT_FOUND for
// a missing or unreadable help file or topic (nothing is opened), else the
// launcher's error. HH_CLOSE_ALL has no window of its own to close and
// succeeds; any other command answers null with ERROR_INVALID_PARAMETER.
#include "platform/win/WinTypes.h"

namespace plat {

using DWORD_PTR = ULONG_PTR;

inline constexpr UINT HH_DISPLAY_TOPIC = 0x0000;
inline constexpr UINT HH_CLOSE_ALL = 0x0012;

HWND HtmlHelpA(HWND caller, const char* file, UINT command, DWORD_PTR data);
HWND HtmlHelpW(HWND caller, const char16_t* file, UINT command, DWORD_PTR data);

// Enters HtmlHelpA and HtmlHelpW under "hhctrl.ocx" (ModuleExports.h), in
// the forms above. Idempotent.
void RegisterHelpControl();

}  // namespace plat
