#include "platform/os/Security.h"

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <memory>

#include "platform/os/HandleTable.h"
#include "platform/rtl/LastError.h"

namespace plat {

namespace {

class TTokenObject : public TKernelObject {
 public:
  explicit TTokenObject(TOKEN_GROUPS groups) : Groups(std::move(groups)) {}
  const TOKEN_GROUPS Groups;
};

std::vector<gid_t> ProcessGroups() {
  std::vector<gid_t> groups(static_cast<std::size_t>(std::max(0, static_cast<int>(::getgroups(0, nullptr)))));
  const int count = ::getgroups(static_cast<int>(groups.size()), groups.data());
  groups.resize(static_cast<std::size_t>(std::max(0, count)));
  groups.push_back(::getegid());
  return groups;
}

// The groups the effective user belongs to by the group database.
std::vector<gid_t> DatabaseGroups() {
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* user = nullptr;
  if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &user) != 0 || user == nullptr) return {};
  int count = 64;
  std::vector<gid_t> groups(static_cast<std::size_t>(count));
  while (::getgrouplist(user->pw_name, user->pw_gid, groups.data(), &count) < 0) {
    if (count <= static_cast<int>(groups.size()) || count > 65536) return {};
    groups.resize(static_cast<std::size_t>(count));
  }
  groups.resize(static_cast<std::size_t>(count));
  return groups;
}

bool IsAdministratorGroup(gid_t gid) {
  std::vector<char> buffer(16384);
  group entry{};
  group* found = nullptr;
  if (::getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) return false;
  const String name = found->gr_name;
  return name == "sudo" || name == "wheel" || name == "admin";
}

TOKEN_GROUPS CurrentGroups() {
  constexpr DWORD enabled = SE_GROUP_MANDATORY | SE_GROUP_ENABLED_BY_DEFAULT | SE_GROUP_ENABLED;
  TOKEN_GROUPS token;
  token.Groups.push_back({SID{SECURITY_WORLD_SID_AUTHORITY, {SECURITY_WORLD_RID}}, enabled});
  token.Groups.push_back({SID{SECURITY_NT_AUTHORITY, {SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_USERS}}, enabled});
  const SID administrators{SECURITY_NT_AUTHORITY, {SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS}};
  if (::geteuid() == 0) {
    token.Groups.push_back({administrators, enabled | SE_GROUP_OWNER});
    return token;
  }
  std::vector<gid_t> groups = ProcessGroups();
  const std::vector<gid_t> database = DatabaseGroups();
  groups.insert(groups.end(), database.begin(), database.end());
  if (std::any_of(groups.begin(), groups.end(), IsAdministratorGroup))
    token.Groups.push_back({administrators, SE_GROUP_USE_FOR_DENY_ONLY});
  return token;
}

}  // namespace

String SID::ToString() const {
  std::uint64_t authority = 0;
  for (const Byte b : IdentifierAuthority.Value) authority = (authority << 8) | b;
  String text = "S-1-" + std::to_string(authority);
  for (const DWORD sub : SubAuthority) text += "-" + std::to_string(sub);
  return text;
}

bool AllocateAndInitializeSid(const SID_IDENTIFIER_AUTHORITY& authority, Byte subAuthorityCount, DWORD subAuthority0,
                              DWORD subAuthority1, DWORD subAuthority2, DWORD subAuthority3, DWORD subAuthority4,
                              DWORD subAuthority5, DWORD subAuthority6, DWORD subAuthority7, SID& sid) {
  if (subAuthorityCount > 8) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  const DWORD all[8] = {subAuthority0, subAuthority1, subAuthority2, subAuthority3,
                        subAuthority4, subAuthority5, subAuthority6, subAuthority7};
  sid.IdentifierAuthority = authority;
  sid.SubAuthority.assign(all, all + subAuthorityCount);
  return true;
}

bool EqualSid(const SID& a, const SID& b) { return a == b; }

bool OpenProcessToken(HANDLE process, DWORD /*desiredAccess*/, HANDLE& token) {
  if (process != GetCurrentProcess()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return false;
  }
  token = RegisterHandle(std::make_shared<TTokenObject>(CurrentGroups()));
  return true;
}

bool OpenThreadToken(HANDLE thread, DWORD /*desiredAccess*/, bool /*openAsSelf*/, HANDLE& /*token*/) {
  SetLastError(thread == GetCurrentThread() ? ERROR_NO_TOKEN : ERROR_INVALID_HANDLE);
  return false;
}

bool GetTokenInformation(HANDLE token, TOKEN_INFORMATION_CLASS informationClass, TOKEN_GROUPS& groups) {
  const auto object = LookupHandle<TTokenObject>(token);
  if (!object) {
    SetLastError(ERROR_INVALID_HANDLE);
    return false;
  }
  if (informationClass != TokenGroups) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  groups = object->Groups;
  return true;
}

}  // namespace plat
