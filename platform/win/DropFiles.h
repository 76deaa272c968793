#pragma once
// The dropped-files structure (CF_HDROP): a DROPFILES header followed, at
// its pFiles offset, by zero-terminated names (UTF-16 when fWide, else
// UTF-8) and an empty name at the end.
//
// Blocks come from anyone: DragQueryFile reads only within the block. A
// name that runs into the block's end without its zero is no name, and
// the count is that of whole names before the empty one (so never more
// than the block's size allows).
#include <vector>

#include "platform/gdi/Geometry.h"
#include "platform/win/WinTypes.h"

namespace plat {

// A dropped-files block is a global memory block.
using HDROP = HGLOBAL;

struct DROPFILES {
  DWORD pFiles = sizeof(DROPFILES);
  POINT pt;
  BOOL fNC = FALSE;
  BOOL fWide = FALSE;
};
static_assert(sizeof(DROPFILES) == 20);

// index 0xFFFFFFFF: the number of names. Otherwise copies name `index`
// into the buffer (size in characters, the zero included, cut to fit) and
// answers its length without the zero; a null buffer answers the length
// alone; 0 for an index past the last name.
UINT DragQueryFileA(HDROP drop, UINT index, char* buffer, UINT size);
UINT DragQueryFileW(HDROP drop, UINT index, char16_t* buffer, UINT size);
inline UINT DragQueryFile(HDROP drop, UINT index, char* buffer, UINT size) {
  return DragQueryFileA(drop, index, buffer, size);
}
// The drop point from the header (client coordinates of the target);
// answers whether it lay in the client area.
bool DragQueryPoint(HDROP drop, POINT* point);
// Frees the block.
void DragFinish(HDROP drop);

// All names of a block, as DragQueryFile reads them.
std::vector<String> DroppedFileNames(HDROP drop);
// A block naming these files (wide names), for drops this program makes;
// null when it cannot be had. Empty names and names holding a zero are
// left out: they name no file.
HDROP CreateDropFiles(const std::vector<String>& names);

}  // namespace plat
