#pragma once
// The BIOS supervisor and user passwords. A password is the keyboard scan
// codes of its keys, one byte each; only its first 8 bytes reach the BIOS.
#include "platform/rtl/Types.h"

namespace zorbit {

bool ClearSupervisorPassword();
bool IsSupervisorPasswordSet();
bool SetSupervisorPassword(const plat::String& Password);
bool VerifySupervisorPassword(const plat::String& Password);

bool ClearUserPassword();
bool IsUserPasswordSet();
bool SetUserPassword(const plat::String& Password);
bool VerifyUserPassword(const plat::String& Password);

}  // namespace zorbit
