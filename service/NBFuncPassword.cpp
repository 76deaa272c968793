#include "service/NBFuncPassword.h"

#include <cstdint>

#include "service/GenericAPI.h"
#include "service/Int15Request.h"

namespace zorbit {

namespace {

// The two passwords differ only in their feature codes and flag.
struct TPasswordKind {
  std::uint32_t Clear;
  std::uint32_t IsSet;
  std::uint32_t Set;
  std::uint32_t Verify;
  std::uint32_t Flag;
};

constexpr TPasswordKind Supervisor{0x008, 0x108, 0x208, 0x308, 0xC0000008};
constexpr TPasswordKind User{0x007, 0x107, 0x207, 0x307, 0xC0000004};

constexpr std::size_t MaxPasswordBytes = 8;

bool CallWithFlagOnly(std::uint32_t Ebx, std::uint32_t Flag) {
  plat::TStringList list;
  BeginInt15Request(list, Ebx);
  AddInt15Item(list, "Flag", Flag);
  return CallInt15(list);
}

bool CallWithPassword(std::uint32_t Ebx, std::uint32_t Flag, const plat::String& Password, bool WriteCmos) {
  const plat::String bytes = Password.substr(0, MaxPasswordBytes);
  plat::TStringList list;
  BeginInt15Request(list, Ebx);
  AddInt15Item(list, "ECX", static_cast<std::uint32_t>(bytes.size()));
  list.Add("TYPE=1");
  list.Add("VTYPE=1");
  list.Add("BUFFER=" + HexByteList(bytes));
  if (WriteCmos) list.Add("cmos=1");
  AddInt15Item(list, "Flag", Flag);
  return CallInt15(list);
}

}  // namespace

bool ClearSupervisorPassword() { return CallWithFlagOnly(Supervisor.Clear, Supervisor.Flag); }
bool IsSupervisorPasswordSet() { return CallWithFlagOnly(Supervisor.IsSet, Supervisor.Flag); }
bool SetSupervisorPassword(const plat::String& Password) {
  return CallWithPassword(Supervisor.Set, Supervisor.Flag, Password, true);
}
bool VerifySupervisorPassword(const plat::String& Password) {
  return CallWithPassword(Supervisor.Verify, Supervisor.Flag, Password, false);
}

bool ClearUserPassword() { return CallWithFlagOnly(User.Clear, User.Flag); }
bool IsUserPasswordSet() { return CallWithFlagOnly(User.IsSet, User.Flag); }
bool SetUserPassword(const plat::String& Password) { return CallWithPassword(User.Set, User.Flag, Password, true); }
bool VerifyUserPassword(const plat::String& Password) {
  return CallWithPassword(User.Verify, User.Flag, Password, false);
}

}  // namespace zorbit
