#pragma once
// Text and bytes in global memory blocks, as the clipboard and drag and
// drop carry them. Blocks come from anyone: a text ends at its first zero
// or at the block's end, whichever comes first, and nothing beyond the
// block is ever read. A bad handle reads as empty.
#include <vector>

#include "platform/win/WinTypes.h"

namespace plat {

// Zero-terminated 8-bit text (UTF-8, the system code page).
String GlobalNarrowText(HGLOBAL memory);
// Zero-terminated UTF-16 text; an odd last byte is ignored.
WideString GlobalWideText(HGLOBAL memory);
// The whole block.
std::vector<Byte> GlobalBytes(HGLOBAL memory);

// New blocks (GMEM_MOVEABLE), texts with their terminating zero; null when
// the block cannot be had.
HGLOBAL GlobalBlockOf(const String& text);
HGLOBAL GlobalBlockOf(const WideString& text);
HGLOBAL GlobalBlockOfBytes(const std::vector<Byte>& bytes);

}  // namespace plat
