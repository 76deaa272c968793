#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/rtl/LastError.h"
#include "platform/os/Security.h"
#include "platform/os/tests/OsTestHelper.h"

namespace {

using namespace plat;

const SID kAdministrators{SECURITY_NT_AUTHORITY, {SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS}};

TOKEN_GROUPS ProcessTokenGroups() {
  HANDLE token = nullptr;
  EXPECT_FALSE(OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, true, token));
  EXPECT_EQ(GetLastError(), ERROR_NO_TOKEN);
  TOKEN_GROUPS groups;
  EXPECT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token));
  EXPECT_TRUE(GetTokenInformation(token, TokenGroups, groups));
  EXPECT_TRUE(CloseHandle(token));
  return groups;
}

bool HasGroup(const TOKEN_GROUPS& groups, const SID& sid) {
  for (const auto& group : groups.Groups)
    if (EqualSid(group.Sid, sid)) return true;
  return false;
}

TEST(Security, SidsAreBuiltComparedAndWritten) {
  SID built;
  ASSERT_TRUE(AllocateAndInitializeSid(SECURITY_NT_AUTHORITY, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS,
                                       0, 0, 0, 0, 0, 0, built));
  EXPECT_TRUE(EqualSid(built, kAdministrators));
  EXPECT_EQ(built.ToString(), "S-1-5-32-544");
  SID users;
  ASSERT_TRUE(AllocateAndInitializeSid(SECURITY_NT_AUTHORITY, 2, 32, 545, 0, 0, 0, 0, 0, 0, users));
  EXPECT_FALSE(EqualSid(users, kAdministrators));
  SID shorter;
  ASSERT_TRUE(AllocateAndInitializeSid(SECURITY_NT_AUTHORITY, 1, 32, 544, 0, 0, 0, 0, 0, 0, shorter));
  EXPECT_FALSE(EqualSid(shorter, kAdministrators));
  EXPECT_EQ(SID({SECURITY_WORLD_SID_AUTHORITY, {SECURITY_WORLD_RID}}).ToString(), "S-1-1-0");
  EXPECT_FALSE(AllocateAndInitializeSid(SECURITY_NT_AUTHORITY, 9, 0, 0, 0, 0, 0, 0, 0, 0, built));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST(Security, ProcessTokenListsItsGroups) {
  const TOKEN_GROUPS groups = ProcessTokenGroups();
  EXPECT_TRUE(HasGroup(groups, SID{SECURITY_WORLD_SID_AUTHORITY, {SECURITY_WORLD_RID}}));
  EXPECT_TRUE(HasGroup(groups, SID{SECURITY_NT_AUTHORITY, {32, 545}}));
  if (::geteuid() == 0) {
    EXPECT_TRUE(HasGroup(groups, kAdministrators));
  }
  EXPECT_EQ(groups.GroupCount(), groups.Groups.size());
}

TEST(Security, BadTokenRequestsFail) {
  HANDLE token = nullptr;
  EXPECT_FALSE(OpenProcessToken(reinterpret_cast<HANDLE>(0x40), TOKEN_QUERY, token));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  TOKEN_GROUPS groups;
  EXPECT_FALSE(GetTokenInformation(reinterpret_cast<HANDLE>(0x40), TokenGroups, groups));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token));
  EXPECT_FALSE(GetTokenInformation(token, static_cast<TOKEN_INFORMATION_CLASS>(1), groups));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  CloseHandle(token);
}

// Runs the helper's administrator probe as user nobody with the given
// supplementary groups; answers what it printed.
std::string ProbeAsNobody(const std::vector<gid_t>& groups) {
  const passwd* nobody = ::getpwnam("nobody");
  if (nobody == nullptr) return "<no nobody>";
  const uid_t uid = nobody->pw_uid;
  const gid_t gid = nobody->pw_gid;
  const std::string helper = ostest::HelperPath();
  int output[2];
  if (::pipe(output) != 0) return "<pipe>";
  const pid_t child = ::fork();
  if (child == 0) {
    ::dup2(output[1], 1);
    if (::setgroups(groups.size(), groups.data()) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0) ::_exit(3);
    ::execl(helper.c_str(), helper.c_str(), "admin", static_cast<char*>(nullptr));
    ::_exit(4);  // the build folder is closed to nobody
  }
  ::close(output[1]);
  std::string printed;
  char chunk[64];
  for (ssize_t got; (got = ::read(output[0], chunk, sizeof chunk)) > 0;)
    printed.append(chunk, static_cast<std::size_t>(got));
  ::close(output[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (WIFEXITED(status) && WEXITSTATUS(status) == 4) return "<unreachable>";
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "<status " + std::to_string(status) + ">";
  return printed;
}

TEST(Security, UnprivilegedUsersAreAdministratorsOnlyThroughTheirGroups) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to drop to another user";
  if (::getpwnam("nobody") == nullptr) GTEST_SKIP() << "no user nobody";
  const std::string plain = ProbeAsNobody({});
  if (plain == "<unreachable>") GTEST_SKIP() << "user nobody cannot run the helper from this folder";
  EXPECT_EQ(plain, "user\n");
  for (const char* name : {"sudo", "wheel", "admin"}) {
    if (const group* admin = ::getgrnam(name)) {
      // A member without root rights still counts.
      EXPECT_EQ(ProbeAsNobody({admin->gr_gid}), "admin\n") << name;
    }
  }
}

}  // namespace
