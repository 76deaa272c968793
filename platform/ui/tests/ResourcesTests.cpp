// Resources embedded by zorbit_resources() (see this module's CMakeLists)
// and the generator behind it.
#include <gtest/gtest.h>

#include <fstream>
#include <optional>

#include "platform/os/Resources.h"
#include "platform/os/detail/Environment.h"
#include "platform/rtl/LastError.h"
#include "testing/FileContent.h"
#include "testing/ProjectPaths.h"
#include "testing/RunProgram.h"
#include "testing/TempFolder.h"

namespace plat {
namespace {

using zorbit::testing::RunProgram;
using zorbit::testing::TProgramResult;
using zorbit::testing::TTempFolder;

String SourceFile(const String& relative) {
  return zorbit::testing::ReadFileContent(zorbit::testing::SourcePath("platform/ui/tests/data/" + relative));
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
  EXPECT_EQ(FindResource(nullptr, "Dot", RT_ICON), nullptr);  // no single icon images at all
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

// Runs the generator; answers its exit status and what it wrote.
TProgramResult RunRescomp(const std::vector<String>& arguments) {
  std::vector<String> argv = {RESCOMP_PATH};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  return RunProgram(argv);
}

TEST(Resources, TheGeneratorRefusesBadDeclarationsAndLeavesNoOutput) {
  TTempFolder dir;
  const String file = dir.Write("a.json", "{}");
  const String output = dir.File("out.cpp");
  struct TCase {
    std::vector<String> Arguments;
    const char* Message;
  };
  const TCase cases[] = {
      {{"10", "A", dir.File("missing.json")}, "is not a file"},
      {{"10", "A", dir.Path() + "/"}, "is not a file"},
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
    const TProgramResult result = RunRescomp(arguments);
    EXPECT_EQ(result.ExitCode, 1) << c.Message;
    EXPECT_NE(result.Output.find(c.Message), String::npos) << result.Output;
    EXPECT_FALSE(std::ifstream(output).good()) << c.Message;
  }
  // The same name under two types is two resources.
  EXPECT_EQ(RunRescomp({output, "10", "A", file, "2", "A", file}).ExitCode, 0);
  EXPECT_TRUE(std::ifstream(output).good());
}

}  // namespace
}  // namespace plat
