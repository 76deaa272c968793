#include "tools/mgmtsvc/BiosState.h"

#include <algorithm>
#include <stdexcept>

namespace zorbit::mgmtsvc {

namespace {

using Json = nlohmann::ordered_json;

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  return (c | 0x20) - 'a' + 10;
}

[[noreturn]] void Invalid(const std::string& Key, const std::string& Expected) {
  throw std::runtime_error("\"" + Key + "\" must be " + Expected);
}

const Json* Member(const Json& Object, const char* Key) {
  auto found = Object.find(Key);
  return found == Object.end() ? nullptr : &*found;
}

bool ReadBool(const Json& Object, const char* Key, bool Default) {
  const Json* value = Member(Object, Key);
  if (!value) return Default;
  if (!value->is_boolean()) Invalid(Key, "true or false");
  return value->get<bool>();
}

long ReadInteger(const Json& Object, const char* Key, long Default, long High) {
  const Json* value = Member(Object, Key);
  if (!value) return Default;
  if (!value->is_number_integer() || value->get<long>() < 0 || value->get<long>() > High)
    Invalid(Key, "a whole number from 0 to " + std::to_string(High));
  return value->get<long>();
}

std::string ReadString(const Json& Object, const char* Key, const std::string& Default) {
  const Json* value = Member(Object, Key);
  if (!value) return Default;
  if (!value->is_string()) Invalid(Key, "a text");
  return value->get<std::string>();
}

std::vector<std::uint8_t> ReadPassword(const Json& Object, const char* Key) {
  std::vector<std::uint8_t> bytes;
  std::string text = ReadString(Object, Key, "");
  if (!ParseHexByteText(text, bytes) || bytes.size() > kMaxPasswordLength)
    Invalid(Key, "up to 8 scan codes as two-digit hexadecimal numbers joined by commas");
  return bytes;
}

Json PortToJson(const PortState& Port) {
  return Json{{"available", Port.Available},
              {"enabled", Port.Enabled},
              {"address", Port.Address},
              {"low", Port.Low},
              {"high", Port.High}};
}

PortState ReadPort(const Json& Object, const char* Key, const PortState& Default) {
  const Json* value = Member(Object, Key);
  if (!value) return Default;
  if (!value->is_object()) Invalid(Key, "an object");
  PortState port;
  port.Available = ReadBool(*value, "available", Default.Available);
  port.Enabled = ReadBool(*value, "enabled", Default.Enabled);
  port.Address = static_cast<std::uint16_t>(ReadInteger(*value, "address", Default.Address, 0xFFFF));
  port.Low = static_cast<std::uint8_t>(ReadInteger(*value, "low", Default.Low, 0xFF));
  port.High = static_cast<std::uint8_t>(ReadInteger(*value, "high", Default.High, 0xFF));
  return port;
}

std::vector<std::string> ReadBootOrder(const Json& Object, const std::vector<std::string>& Default) {
  const Json* value = Member(Object, "boot_order");
  if (!value) return Default;
  const char* expected = "a list of up to 32 two-digit hexadecimal device codes holding \"FF\"";
  if (!value->is_array() || value->empty() || value->size() > kMaxBootDevices) Invalid("boot_order", expected);
  std::vector<std::string> codes;
  for (const Json& item : *value) {
    if (!item.is_string() || !IsBootDeviceCode(item.get<std::string>())) Invalid("boot_order", expected);
    std::string code = item.get<std::string>();
    std::transform(code.begin(), code.end(), code.begin(), [](char c) { return c >= 'a' ? c - 0x20 : c; });
    codes.push_back(code);
  }
  if (std::find(codes.begin(), codes.end(), "FF") == codes.end()) Invalid("boot_order", expected);
  return codes;
}

}  // namespace

bool IsBootDeviceCode(const std::string& Code) {
  return Code.size() == 2 && IsHexDigit(Code[0]) && IsHexDigit(Code[1]);
}

bool IsValidUtf8(const std::string& Text) {
  std::size_t i = 0;
  while (i < Text.size()) {
    auto byte = static_cast<unsigned char>(Text[i]);
    std::size_t length = byte < 0x80           ? 1
                         : (byte >> 5) == 0x6  ? 2
                         : (byte >> 4) == 0xE  ? 3
                         : (byte >> 3) == 0x1E ? 4
                                               : 0;
    if (length == 0 || i + length > Text.size()) return false;
    std::uint32_t code = length == 1 ? byte : byte & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      auto next = static_cast<unsigned char>(Text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    static constexpr std::uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

std::string HexByteText(const std::vector<std::uint8_t>& Bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (std::uint8_t byte : Bytes) {
    if (!text.empty()) text += ',';
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0xF];
  }
  return text;
}

bool ParseHexByteText(const std::string& Text, std::vector<std::uint8_t>& Bytes) {
  Bytes.clear();
  if (Text.empty()) return true;
  std::size_t start = 0;
  for (;;) {
    std::size_t comma = Text.find(',', start);
    std::string item = Text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    if (!IsBootDeviceCode(item)) return false;
    Bytes.push_back(static_cast<std::uint8_t>(HexValue(item[0]) * 16 + HexValue(item[1])));
    if (comma == std::string::npos) return true;
    start = comma + 1;
  }
}

Json BiosStateToJson(const BiosState& State) {
  return Json{{"boot_order", State.BootOrder},
              {"fast_boot", State.FastBoot},
              {"supervisor_password", HexByteText(State.SupervisorPassword)},
              {"user_password", HexByteText(State.UserPassword)},
              {"asset_tag", State.AssetTag},
              {"serial", PortToJson(State.Serial)},
              {"infrared", PortToJson(State.Infrared)},
              {"parallel", PortToJson(State.Parallel)}};
}

BiosState BiosStateFromJson(const Json& Object) {
  if (!Object.is_object()) throw std::runtime_error("the state must be a JSON object");
  static constexpr const char* kKeys[] = {
      "boot_order", "fast_boot", "supervisor_password", "user_password", "asset_tag", "serial", "infrared", "parallel"};
  for (const auto& item : Object.items())
    if (std::find(std::begin(kKeys), std::end(kKeys), item.key()) == std::end(kKeys))
      throw std::runtime_error("unknown key \"" + item.key() + "\"");

  const BiosState defaults;
  BiosState state;
  state.BootOrder = ReadBootOrder(Object, defaults.BootOrder);
  state.FastBoot = ReadBool(Object, "fast_boot", defaults.FastBoot);
  state.SupervisorPassword = ReadPassword(Object, "supervisor_password");
  state.UserPassword = ReadPassword(Object, "user_password");
  if (state.SupervisorPassword.empty() && !state.UserPassword.empty())
    Invalid("user_password", "empty while no supervisor password is set");
  state.AssetTag = ReadString(Object, "asset_tag", defaults.AssetTag);
  if (state.AssetTag.size() > kMaxAssetTagLength) Invalid("asset_tag", "at most 64 bytes");
  state.Serial = ReadPort(Object, "serial", defaults.Serial);
  state.Infrared = ReadPort(Object, "infrared", defaults.Infrared);
  state.Parallel = ReadPort(Object, "parallel", defaults.Parallel);
  return state;
}

}  // namespace zorbit::mgmtsvc
