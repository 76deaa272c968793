// Resources embedded by zorbit_resources() (see this module's CMakeLists)
// and the generator behind it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

#include "platform/os/Resources.h"
#include "platform/os/detail/Environment.h"
#include "platform/rtl/LastError.h"
#include "platform/rtl/tests/TempDir.h"

namespace plat {
namespace {

String SourceFile(const String& relative) {
  const char* root = std::getenv("ZORBIT_SOURCE_DIR");
  std::ifstream in(String(root ? root : ".") + "/platform/ui/tests/data/" + relative, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The resource's bytes; nothing when it is not found.
std::optional<String> Resource(const String& name, Word type) {
  HRSRC resource = FindResource(nullptr, name, type);
  if (!resource) {
    return std::nullopt;
  }
  const void* data = LockResource(LoadResource(nullptr, resource));
  EXPECT_NE(data, nullptr);
  return String(static_cast<const char*>(data), SizeofResource(nullptr, resource));
}

TEST(Resources, FoundByTypeAndNameWithTheFilesBytes) {
  struct TCase {
    const char* Name;
    Word Type;
    const char* File;
  };
  const TCase cases[] = {
      {"Dot", RT_BITMAP, "dot.bmp"},
      {"dot", RT_BITMAP, "dot.bmp"},  // names match without case
      {"Arrow", RT_GROUP_CURSOR, "arrow.cur"},
      {"AllBytes", RT_RCDATA, "allbytes.bin"},
      {"TESTBASE", RT_RCDATA, "TestBase.json"},
      {"Plain", RT_RCDATA, "plain.txt"},  // from a library the program links
      {"Empty", RT_RCDATA, "empty.json"},
  };
  for (const TCase& c : cases) {
    const std::optional<String> bytes = Resource(c.Name, c.Type);
    ASSERT_TRUE(bytes) << c.Name;
    EXPECT_EQ(*bytes, SourceFile(c.File)) << c.Name;
  }
  EXPECT_EQ(Resource("AllBytes", RT_RCDATA)->size(), 528u);  // every byte value made it through
}

TEST(Resources, MissingOnesSayWhy) {
  SetLastError(0);
  EXPECT_EQ(FindResource(nullptr, "Dot", RT_RCDATA), nullptr);  // that type exists, not that name
  EXPECT_EQ(GetLastError(), ERROR_RESOURCE_NAME_NOT_FOUND);
  EXPECT_EQ(FindResource(nullptr, "Dot", RT_GROUP_ICON), nullptr);  // no icons at all
  EXPECT_EQ(GetLastError(), ERROR_RESOURCE_TYPE_NOT_FOUND);
  EXPECT_EQ(FindResource(nullptr, "", RT_BITMAP), nullptr);
  EXPECT_EQ(FindResource(nullptr, "Do", RT_BITMAP), nullptr);
}

TEST(Resources, HandlesNotGivenByFindResourceAreRefused) {
  int local = 0;
  auto* madeUp = reinterpret_cast<HRSRC>(&local);
  SetLastError(0);
  EXPECT_EQ(LoadResource(nullptr, madeUp), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_EQ(LoadResource(nullptr, nullptr), nullptr);
  EXPECT_EQ(SizeofResource(nullptr, madeUp), 0u);
  EXPECT_EQ(LockResource(reinterpret_cast<HGLOBAL>(&local)), nullptr);
  EXPECT_EQ(LockResource(nullptr), nullptr);
}

// Runs the generator; answers its exit status and leaves its messages in errors.
int RunRescomp(const std::vector<String>& arguments, const rtltest::TempDir& dir) {
  std::vector<String> argv = {RESCOMP_PATH};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<char*> pointers;
  for (String& argument : argv) pointers.push_back(argument.data());
  pointers.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  const String errors = dir.Path() + "errors.txt";
  posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, RESCOMP_PATH, &actions, nullptr, pointers.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    return -1;
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(Resources, TheGeneratorRefusesBadDeclarationsAndLeavesNoOutput) {
  rtltest::TempDir dir;
  const String file = dir.Write("a.json", "{}");
  const String output = dir.Path() + "out.cpp";
  struct TCase {
    std::vector<String> Arguments;
    const char* Message;
  };
  const TCase cases[] = {
      {{"10", "A", dir.Path() + "missing.json"}, "is not a file"},
      {{"10", "A", dir.Path()}, "is not a file"},
      {{"10", "A", file, "10", "a", file}, "resource \"a\" of type 10 is declared twice"},
      {{"0", "A", file}, "is not a number from 1 to 65535"},
      {{"65536", "A", file}, "is not a number from 1 to 65535"},
      {{"x", "A", file}, "is not a number from 1 to 65535"},
      {{"10", "two words", file}, "holds a blank"},
      {{"10", "", file}, "a resource name is empty"},
      {{"10", "A"}, "usage"},
  };
  for (const TCase& c : cases) {
    std::vector<String> arguments = {output};
    arguments.insert(arguments.end(), c.Arguments.begin(), c.Arguments.end());
    EXPECT_EQ(RunRescomp(arguments, dir), 1) << c.Message;
    EXPECT_NE(dir.Read("errors.txt").find(c.Message), String::npos) << dir.Read("errors.txt");
    EXPECT_FALSE(std::ifstream(output).good()) << c.Message;
  }
  // The same name under two types is two resources.
  EXPECT_EQ(RunRescomp({output, "10", "A", file, "2", "A", file}, dir), 0);
  EXPECT_TRUE(std::ifstream(output).good());
}

}  // namespace
}  // namespace plat
