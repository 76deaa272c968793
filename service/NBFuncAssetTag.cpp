#include "service/NBFuncAssetTag.h"

#include <cstdint>
#include <functional>

#include "service/GenericAPI.h"
#include "service/Int15Request.h"

namespace zorbit {

namespace {
constexpr std::uint32_t GetAssetTagCode = 0x113;
constexpr std::uint32_t GetAssetTagFallback = 0x25;
constexpr std::uint32_t SetAssetTagCode = 0x8113;
constexpr std::uint32_t SetAssetTagFallback = 0x125;
constexpr std::uint32_t AssetTagFlag = 0x100;
constexpr std::uint32_t CmosWrite = 0x80000000;

// Builds and sends the request with Code, then once more with Fallback when
// the first call fails; answers the last call's success.
bool CallWithFallback(plat::TStringList& List, std::uint32_t Code, std::uint32_t Fallback,
                      const std::function<void(plat::TStringList&)>& AddItems) {
  for (const std::uint32_t ebx : {Code, Fallback}) {
    BeginInt15Request(List, ebx);
    AddItems(List);
    if (CallInt15(List)) return true;
  }
  return false;
}
}  // namespace

bool GetAssetTag(plat::String& Tag) {
  plat::TStringList list;
  const bool succeeded = CallWithFallback(list, GetAssetTagCode, GetAssetTagFallback,
                                          [](plat::TStringList& l) { AddInt15Item(l, "Flag", AssetTagFlag); });
  if (succeeded) Tag = GetListValue(&list, "BUFFER");
  return succeeded;
}

bool SetAssetTag(const plat::String& Tag) {
  plat::TStringList list;
  return CallWithFallback(list, SetAssetTagCode, SetAssetTagFallback, [&Tag](plat::TStringList& l) {
    l.Add("BUFFER=" + Tag);
    l.Add("cmos=1");
    AddInt15Item(l, "Flag", CmosWrite | AssetTagFlag);
  });
}

}  // namespace zorbit
