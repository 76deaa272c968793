#pragma once
// The window layer's built-in texts: the items of the system menu. Load
// them with LoadResString (platform/rtl/ResourceStrings.h) so that they pass
// through the translator.
#include <span>

#include "platform/rtl/ResourceStrings.h"

namespace plat {

extern const TResStringRec SMenuRestore;   // "&Restore"
extern const TResStringRec SMenuMove;      // "&Move"
extern const TResStringRec SMenuSize;      // "&Size"
extern const TResStringRec SMenuMinimize;  // "Mi&nimize"
extern const TResStringRec SMenuMaximize;  // "Ma&ximize"
extern const TResStringRec SMenuClose;     // "&Close\tAlt+F4"

// Every record above; identifiers 63000 to 63999 belong to the window layer.
std::span<const TResStringRec* const> WinResStringTable();

}  // namespace plat
