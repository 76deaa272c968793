#pragma once
// The standard controls' built-in texts (identifiers 64200 to 64299).
#include <span>

#include "platform/rtl/ResourceStrings.h"

namespace plat {

extern const TResStringRec SMaskEditErr;  // "Invalid input value.  Use escape key to abandon changes"

std::span<const TResStringRec* const> StdCtrlResStringTable();

}  // namespace plat
