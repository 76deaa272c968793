#pragma once
// The System Info window's pages as data: each page is read from the
// service (SMBIOS, WMI, CPUID, BIOS and network requests) into rows of a
// caption and a value, in groups for the pages that have them. Captions
// are looked up in the section "ZorbitFormComponent"; values are shown as
// the service gives them.
//
// Promises: no request raises to the caller; an empty or missing reply
// gives rows with empty values, and a list without instances gives no
// rows. Sizes are summed in 64 bits; the memory arrays' capacities add up
// to the maximum, which is unknown when one of them is or when the sum
// passes 64 bits. A processor id too short to hold the stepping gives
// stepping 0.
#include <cstdint>
#include <vector>

#include "platform/rtl/Types.h"
#include "service/LVQIntf.h"
#include "service/ScreenMode.h"

namespace plat {
class TStrings;
}

namespace zorbit {

struct TInfoRow {
  plat::String Name;
  plat::String Value;
};

struct TInfoGroup {
  plat::String Caption;
  std::vector<TInfoRow> Rows;
};

// A page: one group without caption (a plain list), or captioned groups.
struct TInfoPage {
  bool Grouped = false;
  std::vector<TInfoGroup> Groups;
};

// The lookup of a caption in "ZorbitFormComponent"; the key itself without
// a string table.
plat::String InfoCaption(const plat::String& Key);

// The value of Name in List; in a multi-instance list ("@=" lines) the first
// instance, in order, whose value of Name is not empty; "" when none.
plat::String PickValue(const plat::TStrings& List, const plat::String& Name);
// The low four bits of characters 9 to 16 of a processor id read as
// hexadecimal; 0 when those are not all there or not a number.
int ProcessorStepping(const plat::String& ProcessorId);
// The serial port row is left out except on the one model that has it.
bool SerialPortHidden(const IpfqServPtr& Serv);

// The Summary page, and the asset tag it read (empty when unreadable).
TInfoPage SummaryPage(const IpfqServPtr& Serv, bool HideSerialPort, plat::String& AssetTag);
TInfoPage ProcessorPage(const IpfqServPtr& Serv);
// The board's serial number, and the BIOS's vendor, version and date.
TInfoGroup MotherboardGroup(const IpfqServPtr& Serv);
TInfoGroup BiosGroup(const IpfqServPtr& Serv);
TInfoPage MotherboardAndBiosPage(const IpfqServPtr& Serv);
TInfoPage NetworkPage(const IpfqServPtr& Serv);
TInfoPage MemoryPage(const IpfqServPtr& Serv);
TInfoPage VideoPage(const IpfqServPtr& Serv, const TScreenMode& Screen);
TInfoPage AudioPage(const IpfqServPtr& Serv);

}  // namespace zorbit
