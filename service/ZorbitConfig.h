#pragma once
// Configuration: registry values and the program file's version strings.
#include "platform/rtl/Types.h"

namespace plat {
class TStrings;
}

namespace zorbit {

// The string value ValueName of Key under HKEY_LOCAL_MACHINE (or
// HKEY_CURRENT_USER); empty when the key or value is missing or not a string.
// An expandable string comes back unexpanded.
plat::String ReadConfigString(const plat::String& ValueName, bool UseCurrentUser, const plat::String& Key);

// Adds "Name=value" for each version string of the program file that exists,
// in the fixed order of the ten standard names.
void ReadVersionStrings(plat::TStrings* List);

// The version strings read at unit start.
const plat::TStrings& VersionStrings();

void InitializeZorbitConfig();
void FinalizeZorbitConfig();

}  // namespace zorbit
