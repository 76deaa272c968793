#include "app/SystemInfoPages.h"

#include <charconv>
#include <deque>
#include <limits>
#include <optional>

#include "app/StringTable.h"
#include "app/Translate.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/StringUtils.h"
#include "service/CpuidInfo.h"
#include "service/GenericAPI.h"
#include "service/InfoQuery.h"
#include "service/InstanceList.h"
#include "service/NBFuncAssetTag.h"
#include "service/NBFuncPort.h"
#include "service/ProcessorList.h"
#include "service/SmbiosInfo.h"
#include "service/SmbiosText.h"
#include "service/WmiClasses.h"

namespace zorbit {

namespace {

// Values of the pages whose captions are looked up end with two blanks, as
// the names of grouped rows start with two: room between text and grid line.
constexpr const char* kCellPad = "  ";
constexpr std::int64_t kMegabyte = 1048576;

TInfoPage PlainPage(std::vector<TInfoRow> Rows) {
  TInfoPage page;
  page.Groups.push_back({{}, std::move(Rows)});
  return page;
}

// Every name looked up once more, two blanks after every value.
TInfoPage TranslatedPage(std::vector<TInfoRow> Rows) {
  for (TInfoRow& row : Rows) {
    row.Name = InfoCaption(row.Name);
    row.Value += kCellPad;
  }
  return PlainPage(std::move(Rows));
}

// The instances of a multi-instance list, each as its own list (lists stay
// where they are made).
std::deque<plat::TStringList> Instances(const plat::TStrings& List) {
  std::deque<plat::TStringList> instances;
  for (int i = 0; i < List.Count(); ++i) {
    if (!IsInstanceLine(List, i)) continue;
    instances.emplace_back().SetCommaText(List.ValueFromIndex(i));
  }
  return instances;
}

std::int64_t IntValue(const plat::TStrings& List, const plat::String& Name) {
  return GetListInt(const_cast<plat::TStrings*>(&List), Name, 0);
}

std::int64_t IntText(const plat::String& Text) {
  plat::TStringList list;
  list.Add("v=" + Text);
  return GetListInt(&list, "v", 0);
}

plat::String PortText(bool Succeeded, bool Available, bool Enabled) {
  if (!Succeeded) return "Fail";
  if (!Available) return "Not Available";
  return Enabled ? "Enable" : "Disable";
}

std::vector<TInfoRow> MemoryRows(const IpfqServPtr& Serv);

}  // namespace

plat::String InfoCaption(const plat::String& Key) {
  return StringTable() ? StringTable()->Lookup(kFormComponentSection, Key) : Key;
}

plat::String PickValue(const plat::TStrings& List, const plat::String& Name) {
  if (List.Count() == 0 || List.Names(0) != "@") return List.Values(Name);
  for (const plat::TStringList& instance : Instances(List)) {
    const plat::String value = instance.Values(Name);
    if (!value.empty()) return value;
  }
  return {};
}

int ProcessorStepping(const plat::String& ProcessorId) {
  // Characters 9 to 16: the id's second double word, whose low bits are the stepping.
  if (ProcessorId.size() < 16) return 0;
  unsigned value = 0;
  const char* first = ProcessorId.data() + 8;
  const char* last = first + 8;
  const auto [end, error] = std::from_chars(first, last, value, 16);
  if (error != std::errc{} || end != last) return 0;
  return static_cast<int>(value & 0xF);
}

bool SerialPortHidden(const IpfqServPtr& Serv) {
  plat::TStringList system, board;
  GetSmbiosStructure(Serv, "System", system);
  GetSmbiosStructure(Serv, "Baseboard", board);
  return !(plat::Trim(plat::LowerCase(system.Values("Model"))) == "roamline k510" &&
           plat::Trim(plat::LowerCase(board.Values("ProductName"))) != "heron4x");
}

TInfoPage SummaryPage(const IpfqServPtr& Serv, bool HideSerialPort, plat::String& AssetTag) {
  std::vector<TInfoRow> rows;
  plat::TStringList system;
  GetSmbiosStructure(Serv, "System", system);
  rows.push_back({"Product Name", system.Values("Model")});

  plat::TStringList os;
  GetOperatingSystem(Serv, os);
  if (os.Count() > 0) {
    const plat::String pack = PickValue(os, "ServicePackMajorVersion");
    const plat::String packText = pack.empty() || pack == "0" ? plat::String() : "Service Pack " + pack;
    rows.push_back({"OS", PickValue(os, "Caption") + " " + PickValue(os, "Version") + " " + packText});
  }
  rows.push_back({"Processor", GetProcessorName(Serv)});

  plat::String total;
  const plat::String currentMemory = InfoCaption("Current Memory");
  for (const TInfoRow& row : MemoryRows(Serv))
    if (row.Name == currentMemory) {
      total = row.Value;
      break;
    }
  rows.push_back({"Total Memory", total});

  plat::TStringList video;
  GetVideoControllers(Serv, video);
  rows.push_back({"Video Memory", std::to_string(IntText(PickValue(video, "AdapterRAM")) / kMegabyte) + " MB"});

  plat::TStringList drives;
  drives.Add("USB=true");
  GetHardDrives(Serv, drives);
  int number = 0;
  for (const plat::TStringList& drive : Instances(drives)) {
    ++number;
    const plat::String bus = drive.Values("InterfaceType");
    if (bus == "USB" || bus == "1394") continue;
    rows.push_back({"HD" + std::to_string(number), drive.Values("Size") + " " + bus + " " + drive.Values("IDEPort") +
                                                       " " + drive.Values("IDETarget") + " " + drive.Values("Model")});
  }

  plat::TStringList cdroms;
  GetCdromDrives(Serv, cdroms);
  number = 0;
  for (const plat::TStringList& drive : Instances(cdroms))
    rows.push_back({InfoCaption("CD/DVD") + std::to_string(++number), drive.Values("Name")});

  bool available = false, enabled = false;
  std::uint16_t word = 0;
  std::uint8_t low = 0, high = 0;
  if (!HideSerialPort) {
    const bool read = GetSerialPortState(0, available, enabled, word, low, high);
    rows.push_back({"SerialPort", PortText(read, available, enabled)});
  }
  available = enabled = false;
  const bool infrared = GetInfraredState(available, enabled);
  rows.push_back({"Infrared", PortText(infrared, available, enabled)});
  available = enabled = false;
  const bool parallel = GetParallelPortState(available, enabled, word, low, high);
  rows.push_back({"ParallelPort", PortText(parallel, available, enabled)});

  rows.push_back({"UUID", system.Values("UUID")});
  AssetTag.clear();
  GetAssetTag(AssetTag);
  rows.push_back({"AssetTag", AssetTag});
  return TranslatedPage(std::move(rows));
}

TInfoPage ProcessorPage(const IpfqServPtr& Serv) {
  plat::TStringList processors;
  GetProcessorList(Serv, processors);
  const plat::String cores = PickValue(processors, "MultiCore");
  const std::int64_t multiCore = cores.empty() ? 1 : IntText(cores);
  const plat::String suffix = multiCore >= 2 ? " X" + std::to_string(multiCore) : plat::String();
  const plat::String version = PickValue(processors, "Version");

  std::vector<TInfoRow> rows;
  rows.push_back({"Processor", version + suffix});
  const plat::String busSpeed = PickValue(processors, "BusSpeed");
  if (!plat::Trim(busSpeed).empty()) rows.push_back({"BusSpeed", busSpeed});
  rows.push_back({"Stepping", std::to_string(ProcessorStepping(PickValue(processors, "ProcessorId")))});
  plat::TStringList caches;
  GetCacheList(Serv, caches);
  rows.push_back({"L1", caches.Values("L1") + suffix});
  rows.push_back({"L2", caches.Values("L2") + suffix});
  if (plat::UpperCase(version).find("INTEL") != plat::String::npos) {
    rows.push_back({"HTStatus", PickValue(processors, "HTStatus")});
    rows.push_back({"ExtClock", PickValue(processors, "ExtClock") + " MHz"});
  }
  return TranslatedPage(std::move(rows));
}

TInfoGroup MotherboardGroup(const IpfqServPtr& Serv) {
  plat::TStringList board;
  GetBaseBoard(Serv, board);
  return {InfoCaption("Motherboard"), {{InfoCaption("SerialNumber"), PickValue(board, "SerialNumber")}}};
}

TInfoGroup BiosGroup(const IpfqServPtr& Serv) {
  plat::TStringList bios;
  GetBiosStructure(Serv, bios);
  return {InfoCaption("BIOS"),
          {{InfoCaption("Vendor"), bios.Values("Vendor")},
           {InfoCaption("Version"), bios.Values("Version")},
           {InfoCaption("Release Date"), bios.Values("ReleaseDate")}}};
}

TInfoPage MotherboardAndBiosPage(const IpfqServPtr& Serv) {
  TInfoPage page;
  page.Grouped = true;
  page.Groups.push_back(MotherboardGroup(Serv));
  page.Groups.push_back(BiosGroup(Serv));
  return page;
}

TInfoPage NetworkPage(const IpfqServPtr& Serv) {
  static const char* const kEthernet[] = {"Wire Lan ", "Cable Modem", "Phone Line", "Power Line", "XDSL", "FibreChannel"};
  static const char* const kWireless[] = {"802 11 ", "WirelessWan", "BlueTooth"};
  const auto isOneOf = [](const plat::String& Type, const auto& Types) {
    for (const char* type : Types)
      if (Type == type) return true;
    return false;
  };
  TInfoPage page;
  page.Grouped = true;
  page.Groups = {{InfoCaption("Ethernet Card"), {}}, {InfoCaption("Wireless LAN Card"), {}}, {"Modem Card", {}}};

  plat::TStringList cards;
  cards.SetCommaText(QueryInfo(Serv, "module.netmonitor", "net.card.information", "nocache=true"));
  for (int i = 0; i < cards.Count(); ++i) {
    plat::TStringList card;
    card.SetCommaText(cards.ValueFromIndex(i));
    const plat::String type = card.Values("Card Type");
    std::vector<TInfoRow>* rows = isOneOf(type, kEthernet)   ? &page.Groups[0].Rows
                                  : isOneOf(type, kWireless) ? &page.Groups[1].Rows
                                                             : nullptr;
    if (!rows) continue;
    if (!rows->empty()) rows->push_back({});
    const auto add = [&](const char* Caption, const plat::String& Value) {
      rows->push_back({InfoCaption(Caption), Value + kCellPad});
    };
    const bool connected = plat::LowerCase(card.Values("Connected")) == "connected";
    add("Description", cards.Names(i));
    for (const char* field : {"Driver version", "MAC address", "Firmware version"}) add(field, card.Values(field));
    add("Link Speed", connected ? card.Values("Link Speed") : InfoCaption("N/A"));
    for (const char* field : {"Connected", "DHCP enabled"}) add(field, card.Values(field));
    if (connected)
      for (const char* field : {"IP address", "Subnet Mask", "Default Gateway"}) add(field, card.Values(field));
  }

  plat::TStringList modems;
  GetModems(Serv, modems);
  for (const plat::TStringList& modem : Instances(modems))
    page.Groups[2].Rows.push_back({InfoCaption("Description"), modem.Values("Name") + kCellPad});
  return page;
}

namespace {

// The arrays' capacities together; unknown when one of them is, or when the
// sum does not fit in 64 bits.
std::optional<std::uint64_t> TotalArrayCapacity(const std::deque<plat::TStringList>& Arrays) {
  std::uint64_t total = 0;
  for (const plat::TStringList& array : Arrays) {
    const std::optional<std::uint64_t> capacity =
        ArrayCapacityBytes(static_cast<std::uint32_t>(IntValue(array, "MaximumCapacity")),
                           static_cast<std::uint64_t>(IntValue(array, "ExtendedMaximumCapacity")));
    if (!capacity || *capacity > std::numeric_limits<std::uint64_t>::max() - total) return std::nullopt;
    total += *capacity;
  }
  return total;
}

// The devices of every array; each count is a word.
std::int64_t TotalArrayDevices(const std::deque<plat::TStringList>& Arrays) {
  std::int64_t total = 0;
  for (const plat::TStringList& array : Arrays)
    total += static_cast<std::uint16_t>(IntValue(array, "NumberOfMemoryDevices"));
  return total;
}

std::vector<TInfoRow> MemoryRows(const IpfqServPtr& Serv) {
  plat::TStringList controllers, modules, arrays, devices;
  GetSmbiosStructures(Serv, "Memory Controller", controllers);
  GetSmbiosStructures(Serv, "Memory Module", modules);
  GetSmbiosStructures(Serv, "Physical Memory Array", arrays);
  GetSmbiosStructures(Serv, "Memory Device", devices);
  // Filled by replacing, so that a translation with other placeholders cannot fail.
  const plat::String slotFormat = InfoCaption("Slot %d");
  const auto slotName = [&](int Number) {
    return plat::StringReplace(slotFormat, "%d", std::to_string(Number), plat::rfReplaceAll);
  };

  std::vector<TInfoRow> slots;
  std::int64_t total = 0;
  const std::deque<plat::TStringList> deviceList = Instances(devices);
  for (const plat::TStringList& device : deviceList) {
    const auto size = static_cast<std::uint16_t>(IntValue(device, "Size"));
    const auto extendedSize = static_cast<std::uint32_t>(IntValue(device, "ExtendedSize"));
    total += DeviceSizeValue(size, extendedSize);
    slots.push_back({slotName(static_cast<int>(slots.size()) + 1), DeviceSizeText(size, extendedSize)});
  }
  std::vector<TInfoRow> rows;
  if (total != 0) {
    const std::deque<plat::TStringList> arrayList = Instances(arrays);
    rows.push_back({InfoCaption("Current Memory"), std::to_string(total) + " MB"});
    rows.push_back({InfoCaption("Support Maximum Memory Size"), ArrayCapacityText(TotalArrayCapacity(arrayList))});
    rows.push_back({InfoCaption("Supported Types"),
                    MemoryTypeText(static_cast<std::uint8_t>(IntValue(deviceList.front(), "MemoryType")))});
    rows.push_back({InfoCaption("Memory Slots"), std::to_string(TotalArrayDevices(arrayList))});
  } else {
    const std::deque<plat::TStringList> controllerList = Instances(controllers);
    if (controllerList.empty()) return {};
    slots.clear();
    for (const plat::TStringList& module : Instances(modules)) {
      const auto size = static_cast<std::uint8_t>(IntValue(module, "InstalledSize"));
      total += ModuleSizeMB(size);
      slots.push_back({slotName(static_cast<int>(slots.size()) + 1), ModuleInstalledSizeText(size)});
    }
    const plat::TStringList& controller = controllerList.front();
    const std::int64_t slotCount = IntValue(controller, "NumberOfMemorySlot");
    const std::int64_t largest = std::int64_t{1} << (IntValue(controller, "MaximumMemoryModuleSize") & 31);
    rows.push_back({InfoCaption("Current Memory"), std::to_string(total) + " MB"});
    rows.push_back({InfoCaption("Support Maximum Memory Size"), std::to_string(largest * slotCount) + " MB"});
    rows.push_back({InfoCaption("Supported Types"),
                    MemoryTypesText(static_cast<std::uint16_t>(IntValue(controller, "SupportedMemoryTypes")))});
    rows.push_back({InfoCaption("Memory Slots"), std::to_string(slotCount)});
  }
  rows.insert(rows.end(), slots.begin(), slots.end());
  return rows;
}

}  // namespace

TInfoPage MemoryPage(const IpfqServPtr& Serv) { return TranslatedPage(MemoryRows(Serv)); }

TInfoPage VideoPage(const IpfqServPtr& Serv, const TScreenMode& Screen) {
  plat::TStringList video;
  GetVideoControllers(Serv, video);
  return TranslatedPage({
      {"Device Name", PickValue(video, "Name")},
      {"RAM Size", std::to_string(IntText(PickValue(video, "AdapterRAM")) / kMegabyte) + " MB"},
      {"Screen Resolutions", plat::Format("%d X %d", {Screen.Width, Screen.Height})},
      {"Color Quality", std::to_string(Screen.BitsPerPixel) + " " + InfoCaption("bits")},
  });
}

TInfoPage AudioPage(const IpfqServPtr& Serv) {
  plat::TStringList devices;
  devices.Add("nocache=true");
  GetSoundDevices(Serv, devices);
  std::vector<TInfoRow> rows;
  for (const plat::TStringList& device : Instances(devices))
    rows.push_back({InfoCaption("Device Name"), device.Values("Name") + kCellPad});
  return PlainPage(std::move(rows));
}

}  // namespace zorbit
