#pragma once
// SMBIOS structures read through the management service: "smbios_sub" names
// the handles of the structures of one name, "smbios" reads one by handle.
#include "platform/rtl/Types.h"
#include "service/LVQIntf.h"

namespace plat {
class TStrings;
}

namespace zorbit {

// The first structure of that name as name=value entries, replacing List's
// lines; List is emptied when there is none.
void GetSmbiosStructure(const IpfqServPtr& Serv, const plat::String& Name, plat::TStrings& List);
// Every structure of that name appended as "@=" and its raw reply, then
// "amount=" and the number appended. Empty handles are neither asked nor counted.
void GetSmbiosStructures(const IpfqServPtr& Serv, const plat::String& Name, plat::TStrings& List);

void GetSystemStructure(const IpfqServPtr& Serv, plat::TStrings& List);
// The "BIOS" structure, its "ReleaseDate" (month/day/year) rewritten in the
// user's short date format when it can be read.
void GetBiosStructure(const IpfqServPtr& Serv, plat::TStrings& List);

}  // namespace zorbit
