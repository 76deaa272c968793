#pragma once
// Movable memory blocks behind handles, as the clipboard and drag-and-drop
// data travel in. A handle is refused once freed; tests read the live count
// to see that nothing leaks.
#include <cstddef>

#include "platform/win/WinTypes.h"

namespace plat {

constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GMEM_DDESHARE = 0x2000;
constexpr UINT GMEM_SHARE = GMEM_DDESHARE;
constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;

// Blocks larger than this are refused (ERROR_NOT_ENOUGH_MEMORY).
constexpr std::size_t GlobalMaxBlockSize = 256u * 1024 * 1024;

// A zero-filled block (whatever the flags); null when too large.
HGLOBAL GlobalAlloc(UINT flags, std::size_t bytes);
// A new size, keeping the contents; null (and the block unchanged) on failure.
HGLOBAL GlobalReAlloc(HGLOBAL memory, std::size_t bytes, UINT flags);
// Answers null when freed, the handle when refused (still locked, not live).
HGLOBAL GlobalFree(HGLOBAL memory);
// The block's memory (never moves while locked); null for a bad handle.
void* GlobalLock(HGLOBAL memory);
// Answers whether the block is still locked.
bool GlobalUnlock(HGLOBAL memory);
std::size_t GlobalSize(HGLOBAL memory);

// Blocks allocated and not yet freed.
int GlobalLiveCount();

}  // namespace plat
