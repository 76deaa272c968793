#include "tools/mgmtsvc/FakeBios.h"

#include <algorithm>
#include <ostream>
#include <string_view>

#include "platform/rtl/Conversions.h"
#include "platform/rtl/StringUtils.h"
#include "tools/mgmtsvc/CommaText.h"

namespace zorbit::mgmtsvc {

namespace {

constexpr std::uint32_t kFunction = 38416;
constexpr int kResultSuccess = 1;
constexpr int kResultRefused = 256;  // low byte 0: the client reads a failure
constexpr int kResultUndecodable = 0;

enum class Action {
  GetBootOrder,
  SetBootOrder,
  GetBootFlag,
  SetBootFlag,
  ClearPassword,
  IsPasswordSet,
  SetPassword,
  VerifyPassword,
  GetPort,
  GetAssetTag,
  SetAssetTag
};

// The items between "EBX=" and "nocache=true", in the order the client sends
// them. "NAME=VALUE" must be exactly that; "NAME" takes a value that the call
// reads ("Flag" must equal the operation's flag).
using ItemPattern = std::vector<std::string_view>;
const ItemPattern kFlagOnly{"Flag"};
const ItemPattern kBootRead{"VTYPE=1", "Flag"};
const ItemPattern kBootWrite{"TYPE=2", "VTYPE=1", "BUFFER", "Flag", "cmos=1"};
const ItemPattern kFlagWrite{"ECX", "Flag", "cmos=1"};
const ItemPattern kPasswordWrite{"ECX", "TYPE=1", "VTYPE=1", "BUFFER", "cmos=1", "Flag"};
const ItemPattern kPasswordVerify{"ECX", "TYPE=1", "VTYPE=1", "BUFFER", "Flag"};
const ItemPattern kTagWrite{"BUFFER", "cmos=1", "Flag"};

bool ParseRegister(const std::string& Text, std::uint32_t& Value) {
  plat::Int64 number = 0;
  if (!plat::TryStrToInt64(Text, number) || number < 0 || number > 0xFFFFFFFFLL) return false;
  Value = static_cast<std::uint32_t>(number);
  return true;
}

std::pair<std::string, std::string> SplitItem(const std::string& Item) {
  std::size_t equals = Item.find('=');
  if (equals == std::string::npos) return {Item, std::string()};
  return {Item.substr(0, equals), Item.substr(equals + 1)};
}

bool ItemIs(const std::string& Item, std::string_view Name, std::string_view Value) {
  auto [name, value] = SplitItem(Item);
  return Item.find('=') != std::string::npos && plat::SameText(name, std::string(Name)) &&
         plat::SameText(value, std::string(Value));
}

std::string PortEax(const PortState& Port) {
  // Bits 0 and 1 are clear when the port is present and switched on.
  return std::to_string((Port.Available ? 0 : 1) | (Port.Enabled ? 0 : 2));
}

}  // namespace

struct FakeBios::Operation {
  std::uint32_t Ebx;
  Action Act;
  BiosFeature Feature;
  std::uint32_t Flag;
  const ItemPattern& Items;
  bool Fallback = false;  // the asset tag's second code
};

struct FakeBios::Decoded {
  const Operation* Op = nullptr;
  std::uint32_t Ecx = 0;
  std::string Buffer;
};

const FakeBios::Operation* FakeBios::FindOperation(std::uint32_t Ebx) {
  using F = BiosFeature;
  static const Operation kOperations[] = {
      {0x017, Action::GetBootOrder, F::BootOrder, 0x200, kBootRead},
      {0x117, Action::SetBootOrder, F::BootOrder, 0x80000200, kBootWrite},
      {0x02A, Action::GetBootFlag, F::BootFlag, 0x800, kFlagOnly},
      {0x12A, Action::SetBootFlag, F::BootFlag, 0x80000800, kFlagWrite},
      {0x008, Action::ClearPassword, F::Supervisor, 0xC0000008, kFlagOnly},
      {0x108, Action::IsPasswordSet, F::Supervisor, 0xC0000008, kFlagOnly},
      {0x208, Action::SetPassword, F::Supervisor, 0xC0000008, kPasswordWrite},
      {0x308, Action::VerifyPassword, F::Supervisor, 0xC0000008, kPasswordVerify},
      {0x007, Action::ClearPassword, F::User, 0xC0000004, kFlagOnly},
      {0x107, Action::IsPasswordSet, F::User, 0xC0000004, kFlagOnly},
      {0x207, Action::SetPassword, F::User, 0xC0000004, kPasswordWrite},
      {0x307, Action::VerifyPassword, F::User, 0xC0000004, kPasswordVerify},
      {0x002, Action::GetPort, F::Serial, 4, kFlagOnly},
      {0x102, Action::GetPort, F::Infrared, 4, kFlagOnly},
      {0x003, Action::GetPort, F::Parallel, 8, kFlagOnly},
      {0x113, Action::GetAssetTag, F::AssetTag, 0x100, kFlagOnly},
      {0x025, Action::GetAssetTag, F::AssetTag, 0x100, kFlagOnly, true},
      {0x8113, Action::SetAssetTag, F::AssetTag, 0x80000100, kTagWrite},
      {0x125, Action::SetAssetTag, F::AssetTag, 0x80000100, kTagWrite, true},
  };
  for (const Operation& operation : kOperations)
    if (operation.Ebx == Ebx) return &operation;
  return nullptr;
}

FakeBios::FakeBios(BiosStateFile File, BiosState Initial, std::set<BiosFeature> Failing, bool AssetTagFallbackOnly,
                   std::ostream& Log)
    : FFile(std::move(File)),
      FState(std::move(Initial)),
      FFailing(std::move(Failing)),
      FAssetTagFallbackOnly(AssetTagFallbackOnly),
      FLog(Log) {}

BiosState FakeBios::State() const {
  std::lock_guard<std::mutex> lock(FLock);
  return FState;
}

bool FakeBios::Decode(const std::vector<std::string>& Items, Decoded& Call, std::string& Fault) const {
  if (Items.size() < 3) {
    Fault = "too few items";
    return false;
  }
  if (!ItemIs(Items.front(), "EAX", std::to_string(kFunction))) {
    Fault = "the first item is not EAX=38416";
    return false;
  }
  auto [ebxName, ebxText] = SplitItem(Items[1]);
  std::uint32_t ebx = 0;
  if (!plat::SameText(ebxName, "EBX") || !ParseRegister(ebxText, ebx)) {
    Fault = "the second item is not EBX= and a number";
    return false;
  }
  Call.Op = FindOperation(ebx);
  if (!Call.Op) {
    Fault = "no operation has the code EBX=" + std::to_string(ebx);
    return false;
  }
  if (!ItemIs(Items.back(), "nocache", "true")) {
    Fault = "the last item is not nocache=true";
    return false;
  }
  const ItemPattern& pattern = Call.Op->Items;
  if (Items.size() != pattern.size() + 3) {
    Fault = "EBX=" + std::to_string(ebx) + " takes these items between EBX and nocache:";
    for (std::string_view item : pattern) Fault += " " + std::string(item) + (item.find('=') == item.npos ? "=" : "");
    return false;
  }
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const std::string& item = Items[i + 2];
    std::string_view expected = pattern[i];
    std::size_t equals = expected.find('=');
    if (equals != std::string_view::npos) {
      if (!ItemIs(item, expected.substr(0, equals), expected.substr(equals + 1))) {
        Fault = "item " + std::to_string(i + 3) + " is not " + std::string(expected);
        return false;
      }
      continue;
    }
    auto [name, value] = SplitItem(item);
    if (item.find('=') == std::string::npos || !plat::SameText(name, std::string(expected))) {
      Fault = "item " + std::to_string(i + 3) + " is not " + std::string(expected) + "=";
      return false;
    }
    if (expected == "BUFFER") {
      Call.Buffer = value;
      continue;
    }
    std::uint32_t number = 0;
    if (!ParseRegister(value, number)) {
      Fault = std::string(expected) + "= is not a number from 0 to 4294967295";
      return false;
    }
    if (expected == "ECX") Call.Ecx = number;
    if (expected == "Flag" && number != Call.Op->Flag) {
      Fault = "EBX=" + std::to_string(ebx) + " takes Flag=" + std::to_string(Call.Op->Flag);
      return false;
    }
  }
  return true;
}

FakeBios::Outcome FakeBios::Perform(const Decoded& Call, BiosState& State, Outputs& Out, std::string& Fault) const {
  const Operation& op = *Call.Op;
  if (FFailing.count(op.Feature)) return Outcome::Refused;
  std::vector<std::uint8_t> BiosState::*password =
      op.Feature == BiosFeature::Supervisor ? &BiosState::SupervisorPassword : &BiosState::UserPassword;

  switch (op.Act) {
    case Action::GetBootOrder: {
      std::string codes;
      for (const std::string& code : State.BootOrder) codes += (codes.empty() ? "" : ",") + code;
      Out.emplace_back("BUFFER", codes);
      return Outcome::Success;
    }
    case Action::SetBootOrder: {
      std::vector<std::string> codes = SplitCommaText(Call.Buffer);
      for (std::string& code : codes) {
        if (!IsBootDeviceCode(code)) {
          Fault = "BUFFER= holds \"" + code + "\", not a two-digit hexadecimal device code";
          return Outcome::Undecodable;
        }
        code = plat::UpperCase(code);
      }
      if (codes.size() > kMaxBootDevices || std::find(codes.begin(), codes.end(), "FF") == codes.end()) {
        Fault = "BUFFER= must list at most 32 device codes and end them with FF";
        return Outcome::Undecodable;
      }
      State.BootOrder = std::move(codes);
      return Outcome::Success;
    }
    case Action::GetBootFlag: Out.emplace_back("EAX", State.FastBoot ? "1" : "0"); return Outcome::Success;
    case Action::SetBootFlag:
      if (Call.Ecx > 1) {
        Fault = "ECX= must be 0 or 1";
        return Outcome::Undecodable;
      }
      State.FastBoot = Call.Ecx == 1;
      return Outcome::Success;
    case Action::ClearPassword:
      // A user password exists only beside a supervisor password.
      State.UserPassword.clear();
      (State.*password).clear();
      return Outcome::Success;
    case Action::IsPasswordSet: return (State.*password).empty() ? Outcome::Refused : Outcome::Success;
    case Action::SetPassword:
    case Action::VerifyPassword: {
      std::vector<std::uint8_t> scanCodes;
      if (Call.Ecx > kMaxPasswordLength || !ParseHexByteText(Call.Buffer, scanCodes) || scanCodes.size() != Call.Ecx) {
        Fault = "BUFFER= must hold ECX (at most 8) scan codes as two-digit hexadecimal numbers joined by commas";
        return Outcome::Undecodable;
      }
      if (op.Act == Action::VerifyPassword) return scanCodes == State.*password ? Outcome::Success : Outcome::Refused;
      if (scanCodes.empty() || (op.Feature == BiosFeature::User && State.SupervisorPassword.empty()))
        return Outcome::Refused;
      State.*password = std::move(scanCodes);
      return Outcome::Success;
    }
    case Action::GetPort: {
      const PortState& port = op.Feature == BiosFeature::Serial     ? State.Serial
                              : op.Feature == BiosFeature::Infrared ? State.Infrared
                                                                    : State.Parallel;
      Out.emplace_back("EAX", PortEax(port));
      Out.emplace_back("ECX", std::to_string(port.Address));
      Out.emplace_back("EDX", std::to_string(port.High << 8 | port.Low));
      return Outcome::Success;
    }
    case Action::GetAssetTag:
      if (FAssetTagFallbackOnly && !op.Fallback) return Outcome::Refused;
      Out.emplace_back("BUFFER", State.AssetTag);
      return Outcome::Success;
    case Action::SetAssetTag:
      if (FAssetTagFallbackOnly && !op.Fallback) return Outcome::Refused;
      if (!IsValidUtf8(Call.Buffer)) {
        Fault = "BUFFER= is not UTF-8 text";
        return Outcome::Undecodable;
      }
      if (Call.Buffer.size() > kMaxAssetTagLength) return Outcome::Refused;
      State.AssetTag = Call.Buffer;
      return Outcome::Success;
  }
  return Outcome::Undecodable;
}

std::string FakeBios::Call(const std::string& Request) {
  std::vector<std::string> items = SplitCommaText(Request);
  Decoded call;
  Outputs outputs;
  std::string fault;
  Outcome outcome = Outcome::Undecodable;
  {
    std::lock_guard<std::mutex> lock(FLock);
    if (Decode(items, call, fault)) {
      BiosState next = FState;
      outcome = Perform(call, next, outputs, fault);
      if (outcome == Outcome::Success && next != FState) {
        try {
          FFile.Save(next);
          FState = std::move(next);
        } catch (const std::exception& error) {
          FLog << "mgmtsvc: int15 EBX=" + std::to_string(call.Op->Ebx) + " refused: " + error.what() + "\n";
          outcome = Outcome::Refused;
        }
      }
    }
  }
  if (outcome == Outcome::Undecodable) {
    constexpr std::size_t kShown = 300;
    std::string shown = Request.size() > kShown ? Request.substr(0, kShown) + "..." : Request;
    FLog << "mgmtsvc: int15 request not understood (" + fault + "): " + shown + "\n";
  }

  std::vector<std::string> lines;
  switch (outcome) {
    case Outcome::Success:
      lines.push_back("result=" + std::to_string(kResultSuccess));
      for (const auto& [name, value] : outputs) lines.push_back(name + "=" + value);
      break;
    case Outcome::Refused: lines.push_back("result=" + std::to_string(kResultRefused)); break;
    case Outcome::Undecodable: lines.push_back("result=" + std::to_string(kResultUndecodable)); break;
  }
  return JoinCommaText(lines);
}

}  // namespace zorbit::mgmtsvc
