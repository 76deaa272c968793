#pragma once
// The input-method context of a window: where an input method leaves the
// text it composed. A finished composition reaches the focus window as
// WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION with GCS_RESULTSTR in its
// lParam (wParam: the result's last UTF-16 unit) and WM_IME_ENDCOMPOSITION;
// the result string stays in the window's context until the next
// composition. DefWindowProc answers WM_IME_COMPOSITION by sending the
// result as WM_CHAR messages, one per UTF-16 unit through the wide
// interface (so an ANSI window receives the UTF-8 bytes).
#include "platform/win/WinTypes.h"

namespace plat {

struct HIMC__;
using HIMC = HIMC__*;

// What ImmGetCompositionStringW reads.
constexpr DWORD GCS_COMPSTR = 0x0008;
constexpr DWORD GCS_RESULTSTR = 0x0800;
constexpr LONG IMM_ERROR_NODATA = -1;
constexpr LONG IMM_ERROR_GENERAL = -2;

// The window's context; null for no window.
HIMC ImmGetContext(HWND window);
bool ImmReleaseContext(HWND window, HIMC context);

// Copies the composition string (GCS_RESULTSTR: the last result;
// GCS_COMPSTR: the string being composed, always empty here) without a
// terminator into buffer, whole UTF-16 units only and never more than
// bufferBytes bytes; answers the bytes copied. A null buffer or a
// bufferBytes of 0 answers the bytes the whole string needs.
// IMM_ERROR_GENERAL for an unknown context or index.
LONG ImmGetCompositionStringW(HIMC context, DWORD index, void* buffer, DWORD bufferBytes);

}  // namespace plat
