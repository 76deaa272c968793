#include "service/ProcessorList.h"

#include <cstdint>

#include "platform/rtl/Conversions.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/StringUtils.h"
#include "service/CpuidInfo.h"
#include "service/GenericAPI.h"
#include "service/InstanceList.h"
#include "service/SmbiosInfo.h"
#include "service/SmbiosText.h"

namespace zorbit {

namespace {

// A clock in MHz as the page shows it: MHz below 1000, GHz from there on.
void SetClockText(plat::TStrings& Processor, const char* Name) {
  const plat::String value = Processor.Values(Name);
  if (value.empty()) return;
  const std::int64_t mhz = plat::StrToInt64Def(value, 0);
  Processor.SetValues(Name, mhz < 1000 ? std::to_string(mhz) + " " + LocalizeText("MHz")
                                       : plat::FloatToStr(static_cast<double>(mhz) / 1000) + " " + LocalizeText("GHz"));
}

// The stepping is the low digit of the signature, which "ProcessorId" holds
// in its characters 9 to 16 as hexadecimal.
int Stepping(const plat::String& ProcessorId) {
  return static_cast<int>(plat::StrToInt64Def("$" + plat::Copy(ProcessorId, 9, 8), 0) & 0xF);
}

// Codes that name no particular socket: "Other", "Unknown" and "ZIF Socket".
bool IsSocketUpgrade(std::uint8_t Upgrade) { return Upgrade == 1 || Upgrade == 2 || Upgrade == 4; }

// The socket's designation when the code names none and the designation does.
plat::String FormFactor(std::uint8_t Upgrade, const plat::String& Socket) {
  if (IsSocketUpgrade(Upgrade) && plat::Pos("SOCKET", plat::UpperCase(Socket)) > 0) return Socket;
  return ProcessorUpgradeText(Upgrade);
}

// Sockets 754, 940 and 939 (codes 16 to 18) carry HyperTransport.
bool HasHyperTransport(std::uint8_t Upgrade, const plat::String& Socket) {
  return (Upgrade >= 16 && Upgrade <= 18) || Socket == "Socket 754" || Socket == "Socket 940" || Socket == "Socket 939";
}

plat::String HyperThreadingStatus(const IpfqServPtr& Serv, int Cores) {
  const int logical = GetLogicalProcessorCount(Serv);
  if (!IsHyperThreadingCapable(Serv) || (Cores > 1 && Cores == logical)) return SupportedText(false);
  return EnabledText(Cores / logical - 1);
}

// Firmware reports the effective rate of a quad-pumped bus as its external clock.
plat::String BaseClock(const plat::String& ExtClock) {
  if (ExtClock == "533") return "133";
  if (ExtClock == "400") return "100";
  return ExtClock;
}

plat::String BusSpeedText(const IpfqServPtr& Serv, const plat::String& Brand, const plat::String& ExtClock) {
  const auto [family, model] = DecodeProcessorSignature(ExecuteCpuid(Serv, 1).EAX);
  const bool intel = plat::Pos("INTEL", plat::UpperCase(Brand)) > 0;
  // Intel's quad-pumped buses: Pentium M (models 9, 13) and Core (14, 15) of
  // family 6, and every processor of family 15. The later models of family 6,
  // whose low digit may repeat these, and the families above 15 run no such bus.
  const bool quadPumped = (family == 6 && intel && (model == 9 || (model >= 13 && model <= 15))) || family == 15;
  if (family == 15 && !intel) return {};
  // Kept to 16 bits like the field it came from; unsigned, so a wild value wraps instead of overflowing.
  std::uint32_t speed = static_cast<std::uint32_t>(
      (static_cast<std::uint64_t>(plat::StrToInt64Def(ExtClock, 0)) * (quadPumped ? 4 : 1)) & 0xFFFF);
  // Four times a rounded base clock falls short of the nominal rate.
  if (speed == 532) speed = 533;
  if (speed == 664) speed = 667;
  if (speed == 1064) speed = 1067;
  return std::to_string(speed) + " " + LocalizeText("MHz");
}

void CompleteProcessor(const IpfqServPtr& Serv, plat::TStrings& Processor, int Position, plat::String& Brand) {
  SetClockText(Processor, "CurrentClockSpeed");
  SetClockText(Processor, "MaxClockSpeed");
  if (Brand.empty()) Brand = plat::Trim(Processor.Values("Version")) + " " + Processor.Values("CurrentClockSpeed");
  Processor.SetValues("Version", Brand);
  if (Processor.IndexOfName("DeviceID") < 0) Processor.Add("DeviceID=CPU " + std::to_string(Position));

  const auto upgrade = static_cast<std::uint8_t>(GetListInt(&Processor, "ProcessorUpgrade", 0) & 0xFF);
  const plat::String socket = Processor.Values("SocketDesignation");
  Processor.Add("FormFactor=" + FormFactor(upgrade, socket));
  Processor.Add("Stepping=" + std::to_string(Stepping(Processor.Values("ProcessorId"))));

  const int cores = GetCoreCount(Serv);
  Processor.Add("MultiCore=" + std::to_string(cores));
  if (cores > 1) Processor.Add("DualCore=Supported");
  Processor.Add("HTStatus=" + HyperThreadingStatus(Serv, cores));
  Processor.SetValues("HyperTransportStatus", HasHyperTransport(upgrade, socket) ? "-1" : "0");

  Processor.SetValues("ExtClock", BaseClock(Processor.Values("ExtClock")));
  Processor.Add("BusSpeed=" + BusSpeedText(Serv, Brand, Processor.Values("ExtClock")));
}

}  // namespace

void GetProcessorList(const IpfqServPtr& Serv, plat::TStrings& List) {
  GetSmbiosStructures(Serv, "Processor", List);
  plat::String brand = GetProcessorName(Serv);
  RewriteInstances(List, [&Serv, &brand](plat::TStrings& Processor, int Position) {
    CompleteProcessor(Serv, Processor, Position, brand);
  });
}

}  // namespace zorbit
