#pragma once
// WMI objects and queries through the management service (module "WMI"). The
// service answers "Retry" while its data is not ready; a request is sent at
// most three times. A caller asks for fresh data by putting "nocache=true"
// into List before the call; the builder takes it out.
#include "platform/rtl/Types.h"
#include "service/LVQIntf.h"

namespace plat {
class TStrings;
}

namespace zorbit {

// Appends "driver=" and ObjectPath to List and sends List; List then holds the
// object's entries, or nothing when the service still answers "Retry".
void WmiGetObject(const IpfqServPtr& Serv, const plat::String& ObjectPath, plat::TStrings& List);

// The instances of Class, each read whole by its Key value: one "@=" line per
// instance with a key, then "amount=" and the number of instances the query
// answered (those without a key value counted too).
void WmiQuery(const IpfqServPtr& Serv, const plat::String& Class, const plat::String& Key, const plat::String& Where,
              plat::TStrings& List);

// The instances of Class as one query answers them: "@=" lines, then "amount=".
void WmiQueryAll(const IpfqServPtr& Serv, const plat::String& Class, const plat::String& Where, plat::TStrings& List);

}  // namespace zorbit
