#include "platform/win/WinConsts.h"

namespace plat {

const TResStringRec SMenuRestore{63000, "&Restore"};
const TResStringRec SMenuMove{63001, "&Move"};
const TResStringRec SMenuSize{63002, "&Size"};
const TResStringRec SMenuMinimize{63003, "Mi&nimize"};
const TResStringRec SMenuMaximize{63004, "Ma&ximize"};
const TResStringRec SMenuClose{63005, "&Close\tAlt+F4"};

namespace {
const TResStringRec* const kTable[] = {&SMenuRestore,  &SMenuMove,     &SMenuSize,
                                       &SMenuMinimize, &SMenuMaximize, &SMenuClose};
}  // namespace

std::span<const TResStringRec* const> WinResStringTable() { return kTable; }

}  // namespace plat
