#pragma once
// The processor page's list: the SMBIOS "Processor" structures ("@=" lines,
// then "amount="), each completed from CPUID with the display texts the page
// shows (clock speeds, brand, form factor, stepping, cores, Hyper-Threading,
// bus speed).
#include "service/LVQIntf.h"

namespace plat {
class TStrings;
}

namespace zorbit {

void GetProcessorList(const IpfqServPtr& Serv, plat::TStrings& List);

}  // namespace zorbit
