#pragma once
// The clipboard: data in numbered formats, each a global memory block (the
// clipboard owns a block once set and frees it when emptied). CF_TEXT holds
// UTF-8, CF_UNICODETEXT UTF-16, both zero-terminated; either is made from
// the other when asked for. Text put here reaches the desktop through the
// display, and the desktop's newer text replaces ours when we open it.
// Data read from the clipboard is untrusted: sizes are those of the block.
#include "platform/win/WinTypes.h"

namespace plat {

constexpr UINT CF_TEXT = 1;
constexpr UINT CF_BITMAP = 2;
constexpr UINT CF_OEMTEXT = 7;
constexpr UINT CF_DIB = 8;
constexpr UINT CF_UNICODETEXT = 13;
constexpr UINT CF_HDROP = 15;
constexpr UINT CF_LOCALE = 16;

// One opener at a time; ERROR_ACCESS_DENIED while open elsewhere.
bool OpenClipboard(HWND owner);
bool CloseClipboard();
// Frees the data and makes the opener the owner (the previous owner gets
// WM_DESTROYCLIPBOARD).
bool EmptyClipboard();
// While open after EmptyClipboard: the clipboard takes the block. Answers
// the block, or null (ERROR_CLIPBOARD_NOT_OPEN, ERROR_INVALID_PARAMETER).
HGLOBAL SetClipboardData(UINT format, HGLOBAL memory);
// While open: the block (still the clipboard's), or null.
HGLOBAL GetClipboardData(UINT format);
bool IsClipboardFormatAvailable(UINT format);
int CountClipboardFormats();
// The format after `format` (0 first); 0 at the end.
UINT EnumClipboardFormats(UINT format);
HWND GetClipboardOwner();
HWND GetOpenClipboardWindow();
// Counts the changes of the clipboard's contents.
DWORD GetClipboardSequenceNumber();

// From 0xC000 up, shared with RegisterWindowMessage's names.
UINT RegisterClipboardFormatA(const char* name);
UINT RegisterClipboardFormatW(const char16_t* name);
inline UINT RegisterClipboardFormat(const char* name) { return RegisterClipboardFormatA(name); }
// Registered formats only; answers the units copied.
int GetClipboardFormatNameA(UINT format, char* buffer, int size);
inline int GetClipboardFormatName(UINT format, char* buffer, int size) {
  return GetClipboardFormatNameA(format, buffer, size);
}

}  // namespace plat
