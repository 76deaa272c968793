#pragma once
// The rich edit's own messages, notifications and records, with the
// platform's numbers: selections as character ranges, drawing a range into
// a device context (EM_FORMATRANGE), the event mask that chooses which
// notifications the parent hears, and the WM_NOTIFY records it hears them by.
#include "platform/gdi/Geometry.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/win/Messages.h"
#include "platform/win/NotifyHeader.h"
#include "platform/win/WinTypes.h"

namespace plat {

// Characters cpMin up to cpMax; cpMax -1 means the end of the text.
struct CHARRANGE {
  LONG cpMin = 0;
  LONG cpMax = 0;
};

// What EM_FORMATRANGE draws: the characters chrg on hdc within rc, given in
// twips (1/1440 inch) at hdc's resolution.
struct FORMATRANGE {
  HDC hdc = nullptr;
  HDC hdcTarget = nullptr;
  RECT rc{};
  RECT rcPage{};
  CHARRANGE chrg;
};

// EN_REQUESTRESIZE: the size the content asks for, in client coordinates.
struct REQRESIZE {
  NMHDR nmhdr;
  RECT rc{};
};

// EN_SELCHANGE: the new selection.
struct SELCHANGE {
  NMHDR nmhdr;
  CHARRANGE chrg;
  Word seltyp = 0;
};

constexpr UINT EM_EXGETSEL = WM_USER + 52;  // lParam: CHARRANGE* filled
constexpr UINT EM_EXSETSEL = WM_USER + 55;  // lParam: const CHARRANGE*; answers the new end
// wParam nonzero draws, zero only measures; lParam a FORMATRANGE*, or 0 to
// free what the control keeps between calls. Answers the first character
// that did not fit.
constexpr UINT EM_FORMATRANGE = WM_USER + 57;
constexpr UINT EM_GETEVENTMASK = WM_USER + 59;
constexpr UINT EM_REQUESTRESIZE = WM_USER + 65;  // sends EN_REQUESTRESIZE now
constexpr UINT EM_SETEVENTMASK = WM_USER + 69;   // lParam: the mask; answers the old one

constexpr UINT EN_REQUESTRESIZE = 0x0701;
constexpr UINT EN_SELCHANGE = 0x0702;

constexpr DWORD ENM_NONE = 0;
constexpr DWORD ENM_CHANGE = 0x00000001;
constexpr DWORD ENM_REQUESTRESIZE = 0x00040000;
constexpr DWORD ENM_SELCHANGE = 0x00080000;

constexpr Word SEL_EMPTY = 0x0000;
constexpr Word SEL_TEXT = 0x0001;

}  // namespace plat
