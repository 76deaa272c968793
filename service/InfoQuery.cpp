#include "service/InfoQuery.h"

#include "platform/rtl/Unicode.h"

namespace zorbit {

plat::String QueryInfo(const IpfqServPtr& Serv, const plat::String& Module, const plat::String& Item,
                       const plat::String& Params) {
  if (!Serv) return {};
  plat::WideString exchanged = plat::Utf8ToWide(Params);
  Serv->GetInfo(plat::Utf8ToWide(Module), plat::Utf8ToWide(Item), exchanged);
  return plat::WideToUtf8(exchanged);
}

}  // namespace zorbit
