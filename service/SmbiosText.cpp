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

// Indexed by code; codes 0 and 1 and the reserved ones read as "Other".
constexpr std::array<const char*, 38> MemoryTypeNames = {
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
    nullptr,         // 21 to 23 reserved
    nullptr,
    nullptr,
    "DDR3",                         // 24
    "FBD2",                         // 25
    "DDR4",                         // 26
    "LPDDR",                        // 27
    "LPDDR2",                       // 28
    "LPDDR3",                       // 29
    "LPDDR4",                       // 30
    "Logical non-volatile device",  // 31
    "HBM",                          // 32
    "HBM2",                         // 33
    "DDR5",                         // 34
    "LPDDR5",                       // 35
    "HBM3",                         // 36
    "MRDIMM",                       // 37
};

// Bits 5 to 10 of the supported-memory-types word.
constexpr int FirstNamedMemoryTypeBit = 5;
constexpr std::array<const char*, 6> SupportedMemoryTypeNames = {"Parity", "ECC", "SIMM", "DIMM", "Burst EDO", "SDRAM"};

constexpr std::uint8_t ModuleNotDeterminable = 125;
constexpr std::uint8_t ModuleDisabled = 126;
constexpr std::uint8_t ModuleNotInstalled = 127;
constexpr std::uint32_t ArrayCapacityInExtendedField = 0x80000000u;
constexpr std::uint16_t DeviceSizeUnknown = 0xFFFF;
constexpr std::uint16_t DeviceSizeInKB = 0x8000;
constexpr std::uint16_t DeviceSizeInExtendedField = 0x7FFF;
constexpr std::uint32_t ExtendedDeviceSizeMask = 0x7FFFFFFF;  // bit 31 is reserved

plat::String SizeText(std::uint64_t Value, const char* Unit) {
  return std::to_string(Value) + " " + LocalizeText(Unit);
}

// The device's size word, or the extended size in MB that 0x7FFF stands for.
std::uint32_t ExtendedDeviceSizeMB(std::uint16_t Size, std::uint32_t ExtendedSize) {
  return Size == DeviceSizeInExtendedField ? ExtendedSize & ExtendedDeviceSizeMask : 0;
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

std::optional<std::uint64_t> ArrayCapacityBytes(std::uint32_t CapacityKB, std::uint64_t ExtendedCapacity) {
  if (CapacityKB != ArrayCapacityInExtendedField) return std::uint64_t{CapacityKB} * 1024;
  if (ExtendedCapacity == 0) return std::nullopt;
  return ExtendedCapacity;
}

plat::String ArrayCapacityText(std::optional<std::uint64_t> Bytes) {
  if (!Bytes) return LocalizeText("Unknown");
  if ((*Bytes & 0x3FFFFFFF) == 0) return SizeText(*Bytes >> 30, "GB");
  if ((*Bytes & 0xFFFFF) == 0) return SizeText(*Bytes >> 20, "MB");
  if ((*Bytes & 0x3FF) == 0) return SizeText(*Bytes >> 10, "KB");
  return SizeText(*Bytes, "Bytes");
}

int DeviceSizeValue(std::uint16_t Size, std::uint32_t ExtendedSize) {
  if (const std::uint32_t extended = ExtendedDeviceSizeMB(Size, ExtendedSize)) return static_cast<int>(extended);
  if (Size == 0 || Size == DeviceSizeUnknown) return 0;
  if ((Size & DeviceSizeInKB) != 0) return (Size & 0x7FFF) / 1024;
  return Size;
}

plat::String DeviceSizeText(std::uint16_t Size, std::uint32_t ExtendedSize) {
  if (const std::uint32_t extended = ExtendedDeviceSizeMB(Size, ExtendedSize)) return SizeText(extended, "MB");
  if (Size == 0) return LocalizeText("No Module Installed");
  if (Size == DeviceSizeUnknown) return LocalizeText("Unknown");
  if ((Size & DeviceSizeInKB) != 0) return SizeText(Size & 0x7FFFu, "KB");
  return SizeText(Size, "MB");
}

plat::String MemoryTypeText(std::uint8_t Type) {
  if (Type < 2 || Type >= MemoryTypeNames.size() || MemoryTypeNames[Type] == nullptr) return LocalizeText("Other");
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
