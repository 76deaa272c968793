#include "service/GenericNetAPI.h"

#include <exception>
#include <memory>

#include "platform/os/Security.h"
#include "platform/rtl/Exception.h"
#include "service/GenericAPI.h"

namespace zorbit {

namespace {
bool& AdministratorFlag() {
  static bool flag = false;
  return flag;
}

// Whether the thread's token (or else the process's) lists the local
// Administrators group. The group's attributes are not looked at, so an
// account that is a member but runs without elevation counts too.
bool TokenHasAdministrators() {
  plat::HANDLE token = nullptr;
  if (!plat::OpenThreadToken(plat::GetCurrentThread(), plat::TOKEN_QUERY, true, token) &&
      !plat::OpenProcessToken(plat::GetCurrentProcess(), plat::TOKEN_QUERY, token))
    plat::RaiseLastOSError();
  const std::unique_ptr<void, decltype(&plat::CloseHandle)> closer(token, &plat::CloseHandle);

  plat::SID administrators;
  plat::TOKEN_GROUPS groups;
  if (!plat::AllocateAndInitializeSid(plat::SECURITY_NT_AUTHORITY, 2, plat::SECURITY_BUILTIN_DOMAIN_RID,
                                      plat::DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, administrators) ||
      !plat::GetTokenInformation(token, plat::TokenGroups, groups))
    plat::RaiseLastOSError();
  for (const plat::SID_AND_ATTRIBUTES& group : groups.Groups)
    if (plat::EqualSid(group.Sid, administrators)) return true;
  return false;
}
}  // namespace

bool IsAdministrator() { return AdministratorFlag(); }

void InitializeGenericNetAPI() {
  AdministratorFlag() = false;
  try {
    AdministratorFlag() = TokenHasAdministrators();
  } catch (const std::exception& e) {
    WriteLog(std::string("[InitialGenericVar]:") + e.what());
  }
}

void FinalizeGenericNetAPI() { AdministratorFlag() = false; }

}  // namespace zorbit
