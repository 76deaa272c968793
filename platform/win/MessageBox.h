#pragma once
// The platform's message box: a modal window with the text, an icon and a
// row of buttons, drawn in the standard looks. Button captions are the
// runtime's resource strings ("OK", "Cancel", "&Yes"...), so they follow the
// program's translation. The owner (when given) is disabled while the box
// runs its own message loop. Tests answer it through the headless display's
// modal hook like any dialog.
#include "platform/win/WinTypes.h"

namespace plat {

// Button sets.
constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_OKCANCEL = 0x00000001;
constexpr UINT MB_ABORTRETRYIGNORE = 0x00000002;
constexpr UINT MB_YESNOCANCEL = 0x00000003;
constexpr UINT MB_YESNO = 0x00000004;
constexpr UINT MB_RETRYCANCEL = 0x00000005;
constexpr UINT MB_TYPEMASK = 0x0000000F;
// Icons.
constexpr UINT MB_ICONHAND = 0x00000010;
constexpr UINT MB_ICONERROR = MB_ICONHAND;
constexpr UINT MB_ICONSTOP = MB_ICONHAND;
constexpr UINT MB_ICONQUESTION = 0x00000020;
constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr UINT MB_ICONASTERISK = 0x00000040;
constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;
constexpr UINT MB_ICONMASK = 0x000000F0;
// Default button (first by default).
constexpr UINT MB_DEFBUTTON1 = 0x00000000;
constexpr UINT MB_DEFBUTTON2 = 0x00000100;
constexpr UINT MB_DEFBUTTON3 = 0x00000200;
constexpr UINT MB_DEFMASK = 0x00000F00;
// Modality (the owner is always disabled; these are accepted and ignored).
constexpr UINT MB_APPLMODAL = 0x00000000;
constexpr UINT MB_SYSTEMMODAL = 0x00001000;
constexpr UINT MB_TASKMODAL = 0x00002000;
constexpr UINT MB_SETFOREGROUND = 0x00010000;
constexpr UINT MB_TOPMOST = 0x00040000;

// Answers (also the control identifiers of the buttons).
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// The class name of the box's window, for finding it.
inline constexpr const char* MessageBoxClassName = "#32770";

// Answers the button chosen; Escape and the close box answer IDCANCEL when
// the set has a Cancel button (IDOK for MB_OK), and are ignored otherwise.
// 0 when the box cannot be shown (owner not a window, unknown type).
int MessageBox(HWND owner, const String& text, const String& caption, UINT type);

// Plays the desktop's sound for a kind of message (MB_OK, MB_ICONHAND,
// MB_ICONQUESTION, MB_ICONEXCLAMATION, MB_ICONASTERISK, or 0xFFFFFFFF for
// the plain beep) through the display; what controls do on refused input.
bool MessageBeep(UINT type);

}  // namespace plat
