#pragma once
// What the fake BIOS remembers between calls and between runs: the boot
// device list, the fast-boot flag, both passwords as keyboard scan codes, the
// asset tag and the states of the ports that the System Info summary shows.
#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace zorbit::mgmtsvc {

struct PortState {
  bool Available = true;
  bool Enabled = true;
  std::uint16_t Address = 0;  // I/O base, answered in the low 16 bits of ECX
  std::uint8_t Low = 0;       // answered in bits 0 to 7 of EDX (the interrupt line)
  std::uint8_t High = 0;      // answered in bits 8 to 15 of EDX; non-zero marks infrared

  bool operator==(const PortState&) const = default;
};

struct BiosState {
  // Two-digit upper-case hexadecimal device codes in boot order, ended by "FF".
  std::vector<std::string> BootOrder{"01", "02", "00", "07", "FF"};
  bool FastBoot = false;
  std::vector<std::uint8_t> SupervisorPassword;  // empty: not set
  std::vector<std::uint8_t> UserPassword;        // only ever set beside a supervisor password
  std::string AssetTag;
  PortState Serial{true, true, 0x3F8, 4, 0};     // EBX 2: the first serial port
  PortState Infrared{true, false, 0x2F8, 3, 1};  // EBX 258: the second one, in infrared mode
  PortState Parallel{true, true, 0x378, 7, 3};   // EBX 3

  bool operator==(const BiosState&) const = default;
};

// The state file's layout (keys in a fixed order so that diffs stay readable).
nlohmann::ordered_json BiosStateToJson(const BiosState& State);
// Missing keys keep their defaults; a key of the wrong type or an impossible
// value throws std::runtime_error naming the key.
BiosState BiosStateFromJson(const nlohmann::ordered_json& Json);

// Validation shared with the request decoder.
bool IsBootDeviceCode(const std::string& Code);
constexpr std::size_t kMaxBootDevices = 32;
constexpr std::size_t kMaxPasswordLength = 8;
constexpr std::size_t kMaxAssetTagLength = 64;
bool IsValidUtf8(const std::string& Text);

// "1E,30,2E": two upper-case hexadecimal digits a byte, joined by commas.
std::string HexByteText(const std::vector<std::uint8_t>& Bytes);
// False when any item is not exactly two hexadecimal digits.
bool ParseHexByteText(const std::string& Text, std::vector<std::uint8_t>& Bytes);

}  // namespace zorbit::mgmtsvc
