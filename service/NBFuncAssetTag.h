#pragma once
// The BIOS asset tag. Each call tries the current code first and, when that
// fails, the older fallback code once.
#include "platform/rtl/Types.h"

namespace zorbit {

// Tag is set only from the call that answered with success.
bool GetAssetTag(plat::String& Tag);
bool SetAssetTag(const plat::String& Tag);

}  // namespace zorbit
