#pragma once
// One GetInfo exchange in the program's own texts, shared by the SMBIOS, WMI
// and CPUID builders. They take the service from their caller, which may have
// none: then nothing is sent and the reply is empty, like a failed exchange.
#include "platform/rtl/Types.h"
#include "service/LVQIntf.h"

namespace zorbit {

plat::String QueryInfo(const IpfqServPtr& Serv, const plat::String& Module, const plat::String& Item,
                       const plat::String& Params);

}  // namespace zorbit
