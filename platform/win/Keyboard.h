#pragma once
// Key state and the key map of a US keyboard (scan code set 1).
#include "platform/win/WinTypes.h"

namespace plat {

// High bit (0x8000 as SHORT: negative) while down; low bit toggled by each
// press (the lock state for Caps Lock, Num Lock, Scroll Lock). GetKeyState
// follows the input messages as they are handed out; GetAsyncKeyState the
// input as fed. VK_SHIFT, VK_CONTROL and VK_MENU follow either side's key.
SHORT GetKeyState(int virtualKey);
SHORT GetAsyncKeyState(int virtualKey);
// 256 bytes, each with 0x80 down and 0x01 toggled.
bool GetKeyboardState(Byte* state);

constexpr UINT MAPVK_VK_TO_VSC = 0;
constexpr UINT MAPVK_VSC_TO_VK = 1;
constexpr UINT MAPVK_VK_TO_CHAR = 2;
constexpr UINT MAPVK_VSC_TO_VK_EX = 3;
// 0 when there is no mapping.
UINT MapVirtualKeyA(UINT code, UINT mapType);
UINT MapVirtualKeyW(UINT code, UINT mapType);
inline UINT MapVirtualKey(UINT code, UINT mapType) { return MapVirtualKeyA(code, mapType); }

// The key and shift state (high byte: 1 Shift, 2 Ctrl, 4 Alt) that types a
// character, or -1.
SHORT VkKeyScanA(char ch);
SHORT VkKeyScanW(char16_t ch);
inline SHORT VkKeyScan(char ch) { return VkKeyScanA(ch); }

// Whether the key's messages carry the extended-key bit (the keys of the
// navigation block, the right Ctrl and Alt, the keypad's Enter and /).
bool IsExtendedKey(UINT virtualKey);
// The character a key makes with the given key state (GetKeyboardState
// form) on a US layout, or 0 when none.
char16_t KeyToChar(UINT virtualKey, const Byte* keyState);

}  // namespace plat
