#pragma once
// The shell's icons for files and folders: a system image list in two sizes
// (16 and 32 pixels) holding our own pictures of a folder, a document, a
// text file, a picture file and a program, and SHGetFileInfo to pick the
// one that suits a path. An existing folder gets the folder; a file (existing
// or, with SHGFI_USEFILEATTRIBUTES, not) the icon of its type, told by its
// extension (".exe", ".com" and ".bat" are programs).
//
// Refuses: a path that does not exist without SHGFI_USEFILEATTRIBUTES, and
// calls without SHGFI_SYSICONINDEX, answer 0. Indexes outside the list
// draw nothing.
#include <cstdint>

#include "platform/gdi/DeviceContext.h"
#include "platform/rtl/Types.h"

namespace plat {

inline constexpr UINT SHGFI_LARGEICON = 0x0000;
inline constexpr UINT SHGFI_SMALLICON = 0x0001;
inline constexpr UINT SHGFI_USEFILEATTRIBUTES = 0x0010;
inline constexpr UINT SHGFI_SYSICONINDEX = 0x4000;

inline constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x0010;
inline constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x0080;

// ImageList_Draw styles.
inline constexpr UINT ILD_NORMAL = 0x0000;
inline constexpr UINT ILD_TRANSPARENT = 0x0001;

struct SHFILEINFO {
  int iIcon = 0;
  DWORD dwAttributes = 0;
};

struct SystemImageList;
using HIMAGELIST = SystemImageList*;

// With SHGFI_SYSICONINDEX: info->iIcon receives the icon's index and the
// answer is the system image list of the size asked for (as a number).
std::uintptr_t SHGetFileInfo(const String& path, DWORD fileAttributes, SHFILEINFO* info, UINT flags);

// The system image list of a size (SHGFI_SMALLICON or SHGFI_LARGEICON).
HIMAGELIST SystemImageListOf(UINT sizeFlag);
int ImageList_GetImageCount(HIMAGELIST list);
bool ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy);
// Draws picture index with its top-left at (x, y), transparent where the
// icon is; false for an index outside the list.
bool ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style);

}  // namespace plat
