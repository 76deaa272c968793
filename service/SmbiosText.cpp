#include "service/SmbiosText.h"

#include <array>

#include "platform/rtl/Conversions.h"
#include "platform/rtl/FormatSettings.h"
#include "service/AppHooks.h"

namespace zorbit {

namespace {

// Indexed by code; code 0 has no text.
constexpr std::array<const char*, 22> ProcessorUpgradeNames = {
    nullptr,
    "Other",                   // 1
    "Unknown",                 // 2
    "Daughter Board",          // 3
    "ZIF Socket",              // 4
    "Replaceable Piggy Back",  // 5
    "None",                    // 6
    "LIF Socket",              // 7
    "Slot 1",                  // 8
    "Slot 2",                  // 9
    "370-pin Socket",          // 10
    "Slot A",                  // 11
    "Slot M",                  // 12
    "Socket 423",              // 13
    "Socket A (Socket 462)",   // 14
    "Socket 478",              // 15
    "Socket 754",              // 16
    "Socket 940",              // 17
    "Socket 939",              // 18
    "Socket mPGA604",          // 19
    "Socket LGA771",           // 20
    "Socket LGA775",           // 21
};

// Indexed by code; codes 0 and 1 read as "Other".
constexpr std::array<const char*, 21> MemoryTypeNames = {
    nullptr,
    "Other",         // 1
    "Unknown",       // 2
    "DRAM",          // 3
    "EDRAM",         // 4
    "VRAM",          // 5
    "SRAM",          // 6
    "RAM",           // 7
    "ROM",           // 8
    "Flash",         // 9
    "EEPROM",        // 10
    "FEPROM",        // 11
    "EPROM",         // 12
    "CDRAM",         // 13
    "3DRAM",         // 14
    "SDRAM",         // 15
    "SGRAM",         // 16
    "RDRAM",         // 17
    "DDR",           // 18
    "DDR2",          // 19
    "DDR2 FB-DIMM",  // 20
};

// Bits 5 to 10 of the supported-memory-types word.
constexpr int FirstNamedMemoryTypeBit = 5;
constexpr std::array<const char*, 6> SupportedMemoryTypeNames = {"Parity", "ECC", "SIMM", "DIMM", "Burst EDO", "SDRAM"};

constexpr std::uint8_t ModuleNotDeterminable = 125;
constexpr std::uint8_t ModuleDisabled = 126;
constexpr std::uint8_t ModuleNotInstalled = 127;
constexpr std::uint32_t ArrayCapacityUnknown = 0x80000000u;
constexpr std::uint16_t DeviceSizeUnknown = 0xFFFF;
constexpr std::uint16_t DeviceSizeInKB = 0x8000;

plat::String SizeText(std::uint64_t Value, const char* Unit) {
  return std::to_string(Value) + " " + LocalizeText(Unit);
}

}  // namespace

plat::String LocalizeText(const plat::String& Text) { return HookLookup("General", Text); }

plat::String SupportedText(bool Supported) { return LocalizeText(Supported ? "Supported" : "Not Supported"); }

plat::String EnabledText(int Value) { return LocalizeText(Value != 0 ? "Enabled" : "Disabled"); }

plat::String BiosRomSizeText(std::uint8_t Size) { return SizeText((Size + 1u) * 64u, "KB"); }

plat::String ProcessorUpgradeText(std::uint8_t Upgrade) {
  if (Upgrade == 0 || Upgrade >= ProcessorUpgradeNames.size()) return {};
  return LocalizeText(ProcessorUpgradeNames[Upgrade]);
}

plat::String MemoryTypesText(std::uint16_t Types) {
  if ((Types & 0x07FF) == 0) return LocalizeText("None");
  plat::String names;
  for (std::size_t i = 0; i < SupportedMemoryTypeNames.size(); ++i) {
    if ((Types & (1u << (FirstNamedMemoryTypeBit + i))) == 0) continue;
    if (!names.empty()) names += ',';
    names += LocalizeText(SupportedMemoryTypeNames[i]);
  }
  return names.empty() ? LocalizeText("Other") : names;
}

plat::String ModuleInstalledSizeText(std::uint8_t Size) {
  switch (Size & 0x7F) {
    case ModuleNotDeterminable: return LocalizeText("Not Determinable");
    case ModuleDisabled: return LocalizeText("Disabled");
    case ModuleNotInstalled: return LocalizeText("Not Installed");
    default: break;
  }
  const char* connection = (Size & 0x80) != 0 ? "(Double-bank Connection)" : "(Single-bank Connection)";
  // Five bits of shift reach 2^31 MB, past a signed 32-bit value.
  return SizeText(std::uint64_t{1} << (Size & 0x1F), "MB") + " " + LocalizeText(connection);
}

std::int64_t ModuleSizeMB(std::uint8_t Size) {
  if ((Size & 0x7F) >= ModuleNotDeterminable) return 0;
  return std::int64_t{1} << (Size & 0x1F);
}

plat::String ArrayCapacityText(std::uint32_t CapacityKB) {
  if (CapacityKB == ArrayCapacityUnknown) return LocalizeText("Unknown");
  if ((CapacityKB & 0xFFFFF) == 0) return SizeText(CapacityKB >> 20, "GB");
  if ((CapacityKB & 0x3FF) != 0) return SizeText(CapacityKB, "KB");
  return SizeText(CapacityKB >> 10, "MB");
}

int DeviceSizeValue(std::uint16_t Size) {
  if (Size == 0 || Size == DeviceSizeUnknown) return 0;
  if ((Size & DeviceSizeInKB) != 0) return (Size & 0x7FFF) / 1024;
  return Size;
}

plat::String DeviceSizeText(std::uint16_t Size) {
  if (Size == 0) return LocalizeText("No Module Installed");
  if (Size == DeviceSizeUnknown) return LocalizeText("Unknown");
  if ((Size & DeviceSizeInKB) != 0) return SizeText(Size & 0x7FFFu, "KB");
  return SizeText(Size, "MB");
}

plat::String MemoryTypeText(std::uint8_t Type) {
  if (Type < 2 || Type >= MemoryTypeNames.size()) return LocalizeText("Other");
  return LocalizeText(MemoryTypeNames[Type]);
}

TByteSizeText ByteSizeText(double Bytes) {
  constexpr double KB = 1024.0;
  constexpr double MB = KB * 1024.0;
  constexpr double GB = MB * 1024.0;
  TByteSizeText result;
  double value = Bytes;
  if (Bytes <= KB) {
    result.Unit = "Bytes";
  } else if (Bytes <= MB) {
    result.Unit = "KB";
    value = Bytes / KB;
  } else if (Bytes <= GB) {
    result.Unit = "MB";
    value = Bytes / MB;
  } else {
    result.Unit = "GB";
    value = Bytes / GB;
  }
  const int digits = value > 1000 ? 6 : value > 100 ? 5 : value > 10 ? 4 : 3;
  result.Number = plat::FloatToStrF(value, plat::ffGeneral, digits, 0, plat::FormatSettings());
  return result;
}

}  // namespace zorbit
