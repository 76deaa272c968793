#pragma once
// SMBIOS codes and raw sizes turned into the texts the System Info window
// shows. Every word is looked up in the string table's section "General"
// with the English word as key, so a language pack can translate it.
#include <cstdint>
#include <optional>

#include "platform/rtl/Types.h"

namespace zorbit {

// The translation of Text in section "General"; Text itself without one.
plat::String LocalizeText(const plat::String& Text);

// "Supported" or "Not Supported".
plat::String SupportedText(bool Supported);
// "Enabled" when Value is not 0, else "Disabled".
plat::String EnabledText(int Value);
// (Size + 1) * 64 and "KB".
plat::String BiosRomSizeText(std::uint8_t Size);
// The socket or slot name of codes 1 to 21; empty for any other code.
plat::String ProcessorUpgradeText(std::uint8_t Upgrade);
// The supported-memory-types word: the names of bits 5 to 10 joined by ",",
// "Other" when only bits 0 to 4 are set, "None" when bits 0 to 10 are clear.
plat::String MemoryTypesText(std::uint16_t Types);
// A memory module's installed-size byte: its size in MB and the bank
// connection, or what codes 125 to 127 of the low seven bits stand for.
plat::String ModuleInstalledSizeText(std::uint8_t Size);
// The module's size in MB (up to 2^31, so 64 bits to keep sums whole); 0 for
// codes 125 to 127 of the low seven bits.
std::int64_t ModuleSizeMB(std::uint8_t Size);
// The maximum capacity of a memory array in bytes: its 32-bit field in KB,
// or, when that holds 0x80000000, the 64-bit extended capacity in bytes;
// none when the extended capacity is 0 as well (unknown, or a table from
// before the extended field).
std::optional<std::uint64_t> ArrayCapacityBytes(std::uint32_t CapacityKB, std::uint64_t ExtendedCapacity);
// A capacity in GB, MB, KB or bytes, the largest unit that divides it
// evenly; none is "Unknown".
plat::String ArrayCapacityText(std::optional<std::uint64_t> Bytes);
// A memory device's size word in MB: 0 for 0 and 0xFFFF; with bit 15 set the
// low 15 bits are KB (whole MB of them); 0x7FFF stands for the extended size
// (bits 0 to 30, MB) unless that is 0, as in tables from before the field.
int DeviceSizeValue(std::uint16_t Size, std::uint32_t ExtendedSize);
// The same as text: "No Module Installed", "Unknown", KB or MB.
plat::String DeviceSizeText(std::uint16_t Size, std::uint32_t ExtendedSize);
// The memory device type of codes 2 to 20 and 24 to 37; "Other" for any
// other code, the reserved 21 to 23 among them.
plat::String MemoryTypeText(std::uint8_t Type);

struct TByteSizeText {
  plat::String Number;  // general format, 3 to 6 significant digits, the locale's decimal separator
  plat::String Unit;    // "Bytes", "KB", "MB" or "GB", in English: the caller localizes it
};
// A byte count in the largest unit it exceeds; the limits are inclusive, so
// exactly 1024 stays in bytes.
TByteSizeText ByteSizeText(double Bytes);

}  // namespace zorbit
