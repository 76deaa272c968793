#pragma once
// The BIOS boot order and the fast-boot flag.
#include "platform/rtl/StringList.h"

namespace zorbit {

// Devices receives the boot device codes ("FF" ends the list); untouched on failure.
bool GetBootOrder(plat::TStrings& Devices);
bool SetBootOrder(const plat::TStrings& Devices);
bool GetBootFlag(bool& FastBoot);
bool SetBootFlag(bool FastBoot);

}  // namespace zorbit
