#pragma once
// Calling window procedures. A procedure takes UTF-8 (ANSI) or UTF-16
// (Unicode) text; a message sent in the other form has its text converted
// on the way in and its answer converted on the way out. The form of each
// procedure the layer has seen (class procedures, procedures set through
// SetWindowLongPtrA/W) is remembered, so CallWindowProc can convert for a
// procedure it is handed back.
#include <vector>

#include "platform/win/detail/Window.h"

namespace plat {

// Calls the window's procedure; the record is kept alive during the call.
LRESULT Deliver(Window* window, UINT message, WPARAM wParam, LPARAM lParam, bool unicodeSender);
// Calls proc for the window, converting between the sender's form and the procedure's.
LRESULT CallProc(WNDPROC proc, bool procUnicode, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                 bool unicodeSender);

void NoteProcForm(WNDPROC proc, bool unicode);
// The form remembered for proc, or `otherwise` for a procedure never seen.
bool ProcIsUnicode(WNDPROC proc, bool otherwise);

// Whether a message carries text that needs converting.
bool IsTextMessage(UINT message);
bool IsCharMessage(UINT message);

// One character message's wParam in the other form: the UTF-8 bytes of a
// UTF-16 unit (toUnicode false) or the UTF-16 units of UTF-8 bytes (true).
// Parts of a character wait in the window's record until it is whole, so
// the answer may be empty.
std::vector<WPARAM> ConvertCharMessage(Window* window, WPARAM wParam, bool toUnicode);

}  // namespace plat
