#pragma once
// Input as a user would give it, fed to whatever display is in force (the
// headless one in tests). Each call only queues input; the messages come
// when the queue is run (PumpMessages, or a modal loop). Two presses within
// the double-click time make a double click: on a virtual clock, advance it
// between clicks meant to be separate.
#include "platform/win/Display.h"

namespace plat {

// Screen positions.
void InjectMouseMove(TPoint screen);
void InjectMouseDown(TPoint screen, MouseButton button = MouseButton::Left);
void InjectMouseUp(TPoint screen, MouseButton button = MouseButton::Left);
// Moves there, presses and releases.
void InjectClick(TPoint screen, MouseButton button = MouseButton::Left);
// Two clicks at once (within the double-click time on any clock).
void InjectDoubleClick(TPoint screen, MouseButton button = MouseButton::Left);
// Presses at from, moves in `steps` steps to to, releases there.
void InjectDrag(TPoint from, TPoint to, int steps = 4, MouseButton button = MouseButton::Left);
void InjectWheel(TPoint screen, int delta);

// A point in a window's client area, on the screen.
TPoint ClientPointOnScreen(HWND window, TPoint client);
void InjectClickAt(HWND window, TPoint client, MouseButton button = MouseButton::Left);

void InjectKeyDown(UINT virtualKey);
void InjectKeyUp(UINT virtualKey);
// Down and up, with the modifier keys (VK_SHIFT, VK_CONTROL, VK_MENU)
// held around it.
void InjectKeyPress(UINT virtualKey, std::initializer_list<UINT> modifiers = {});
// Types text: characters of the US layout as key presses (Shift as
// needed), others as text input.
void InjectText(const String& utf8);
// An input method's finished composition (InputMethod.h).
void InjectComposition(const WideString& result);

// Runs the queue until it is empty: every posted message, input, paint
// and timer due now is handled. Answers how many messages were handled.
// Stops at WM_QUIT (re-posting it) and answers then.
int PumpMessages();

}  // namespace plat
