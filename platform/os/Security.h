#pragma once
// Access tokens and security identifiers, as far as the administrator test
// needs them. The process token lists the groups Everyone (S-1-1-0), Users
// (S-1-5-32-545) and, when the effective user is root or a member of the
// group sudo, wheel or admin, Administrators (S-1-5-32-544). Membership counts
// whether it comes from the process's groups or from the group database; a
// member that is not root gets the group marked SE_GROUP_USE_FOR_DENY_ONLY,
// like an administrator running without elevation. Threads have no tokens of
// their own.
#include <array>
#include <vector>

#include "platform/os/Handle.h"
#include "platform/rtl/LastError.h"
#include "platform/rtl/Types.h"

namespace plat {

struct SID_IDENTIFIER_AUTHORITY {
  std::array<Byte, 6> Value{};
  bool operator==(const SID_IDENTIFIER_AUTHORITY&) const = default;
};

inline constexpr SID_IDENTIFIER_AUTHORITY SECURITY_WORLD_SID_AUTHORITY{{0, 0, 0, 0, 0, 1}};
inline constexpr SID_IDENTIFIER_AUTHORITY SECURITY_NT_AUTHORITY{{0, 0, 0, 0, 0, 5}};

inline constexpr DWORD SECURITY_WORLD_RID = 0;
inline constexpr DWORD SECURITY_BUILTIN_DOMAIN_RID = 32;
inline constexpr DWORD DOMAIN_ALIAS_RID_ADMINS = 544;
inline constexpr DWORD DOMAIN_ALIAS_RID_USERS = 545;

// A security identifier as a value: an authority and up to 8 sub-authorities.
struct SID {
  SID_IDENTIFIER_AUTHORITY IdentifierAuthority;
  std::vector<DWORD> SubAuthority;

  bool operator==(const SID&) const = default;
  // "S-1-5-32-544".
  String ToString() const;
};

// False and ERROR_INVALID_PARAMETER for a count above 8.
bool AllocateAndInitializeSid(const SID_IDENTIFIER_AUTHORITY& authority, Byte subAuthorityCount, DWORD subAuthority0,
                              DWORD subAuthority1, DWORD subAuthority2, DWORD subAuthority3, DWORD subAuthority4,
                              DWORD subAuthority5, DWORD subAuthority6, DWORD subAuthority7, SID& sid);
bool EqualSid(const SID& a, const SID& b);

inline constexpr DWORD TOKEN_QUERY = 0x0008;

inline constexpr DWORD SE_GROUP_MANDATORY = 0x1;
inline constexpr DWORD SE_GROUP_ENABLED_BY_DEFAULT = 0x2;
inline constexpr DWORD SE_GROUP_ENABLED = 0x4;
inline constexpr DWORD SE_GROUP_OWNER = 0x8;
inline constexpr DWORD SE_GROUP_USE_FOR_DENY_ONLY = 0x10;

enum TOKEN_INFORMATION_CLASS { TokenGroups = 2 };

struct SID_AND_ATTRIBUTES {
  SID Sid;
  DWORD Attributes = 0;
};

struct TOKEN_GROUPS {
  std::vector<SID_AND_ATTRIBUTES> Groups;
  DWORD GroupCount() const { return static_cast<DWORD>(Groups.size()); }
};

// The caller's process token (process: GetCurrentProcess()); its groups are
// taken when it is opened. Close it with CloseHandle.
bool OpenProcessToken(HANDLE process, DWORD desiredAccess, HANDLE& token);
// Always false with ERROR_NO_TOKEN (for GetCurrentThread()) or
// ERROR_INVALID_HANDLE: no thread impersonates here.
bool OpenThreadToken(HANDLE thread, DWORD desiredAccess, bool openAsSelf, HANDLE& token);
// TokenGroups only; ERROR_INVALID_PARAMETER for other classes,
// ERROR_INVALID_HANDLE for a handle that is not a token.
bool GetTokenInformation(HANDLE token, TOKEN_INFORMATION_CLASS informationClass, TOKEN_GROUPS& groups);

}  // namespace plat
