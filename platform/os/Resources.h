#pragma once
// Named resources of the program: window layouts, bitmaps, cursors and icons
// embedded at build time by zorbit_resources() (cmake/ZorbitResources.cmake)
// and found by type and name, as the platform's resource calls find them.
//
// A resource's data is the declared file's bytes, unchanged: a bitmap is a
// whole .bmp file, an icon or cursor a whole .ico or .cur file (its directory
// of images included, hence the "group" types), a layout its JSON text.
// Names are matched without regard to ASCII case. Every library and the
// program share one set of resources, so the module handle only keeps the
// familiar shape: any value means the running program; pass nullptr.
#include "platform/os/ModuleExports.h"
#include "platform/rtl/Types.h"

namespace plat {

struct HRSRC__;
using HRSRC = HRSRC__*;
struct HGLOBAL__;
using HGLOBAL = HGLOBAL__*;

// Resource types.
inline constexpr Word RT_CURSOR = 1;
inline constexpr Word RT_BITMAP = 2;
inline constexpr Word RT_ICON = 3;
inline constexpr Word RT_RCDATA = 10;
inline constexpr Word RT_GROUP_CURSOR = 12;
inline constexpr Word RT_GROUP_ICON = 14;

// The resource of that type and name; nullptr with the last error
// ERROR_RESOURCE_TYPE_NOT_FOUND (no resource of that type at all) or
// ERROR_RESOURCE_NAME_NOT_FOUND.
HRSRC FindResource(HMODULE module, const String& name, Word type);
// The resource's data handle; nullptr with ERROR_INVALID_HANDLE for a value
// that FindResource did not give.
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
// The first byte of the data (valid for the whole run); nullptr for a handle
// that LoadResource did not give.
const void* LockResource(HGLOBAL data);
// The data's size in bytes; 0 with ERROR_INVALID_HANDLE for a value that
// FindResource did not give.
DWORD SizeofResource(HMODULE module, HRSRC resource);

}  // namespace plat
