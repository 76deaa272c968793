#include "service/NBFuncBoot.h"

#include "service/GenericAPI.h"
#include "service/Int15Request.h"

namespace zorbit {

namespace {
constexpr std::uint32_t GetBootOrderCode = 0x017;
constexpr std::uint32_t SetBootOrderCode = 0x117;
constexpr std::uint32_t GetBootFlagCode = 0x02A;
constexpr std::uint32_t SetBootFlagCode = 0x12A;
constexpr std::uint32_t BootOrderFlag = 0x200;
constexpr std::uint32_t BootFlagFlag = 0x800;
constexpr std::uint32_t CmosWrite = 0x80000000;
}  // namespace

bool GetBootOrder(plat::TStrings& Devices) {
  plat::TStringList list;
  BeginInt15Request(list, GetBootOrderCode);
  list.Add("VTYPE=1");
  AddInt15Item(list, "Flag", BootOrderFlag);
  if (!CallInt15(list)) return false;
  Devices.SetCommaText(GetListValue(&list, "BUFFER"));
  return true;
}

bool SetBootOrder(const plat::TStrings& Devices) {
  plat::TStringList list;
  BeginInt15Request(list, SetBootOrderCode);
  list.Add("TYPE=2");
  list.Add("VTYPE=1");
  list.Add("BUFFER=" + Devices.CommaText());
  AddInt15Item(list, "Flag", CmosWrite | BootOrderFlag);
  list.Add("cmos=1");
  return CallInt15(list);
}

bool GetBootFlag(bool& FastBoot) {
  plat::TStringList list;
  BeginInt15Request(list, GetBootFlagCode);
  AddInt15Item(list, "Flag", BootFlagFlag);
  if (!CallInt15(list)) return false;
  FastBoot = (Int15Register(list, "EAX") & 1) != 0;
  return true;
}

bool SetBootFlag(bool FastBoot) {
  plat::TStringList list;
  BeginInt15Request(list, SetBootFlagCode);
  AddInt15Item(list, "ECX", FastBoot ? 1 : 0);
  AddInt15Item(list, "Flag", CmosWrite | BootFlagFlag);
  list.Add("cmos=1");
  return CallInt15(list);
}

}  // namespace zorbit
