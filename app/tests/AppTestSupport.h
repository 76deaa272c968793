#pragma once
// Fixtures of the app tests: temporary folders, language packs made with
// gcab during the test (and spoilt copies of them), and the start and end
// of the localization units around each test.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "testing/EnvironmentVariable.h"
#include "testing/FileContent.h"
#include "testing/TempFolder.h"

namespace apptest {

using zorbit::testing::ReadFileContent;
using zorbit::testing::WriteFileContent;

// A fresh folder, removed with its contents at the end. While it lives,
// ZORBIT_ROOT and TMPDIR point into it, so machine state and the temporary
// files of single-file unpacking stay inside.
class TSandboxFolder {
 public:
  TSandboxFolder();

  // With a trailing "/".
  const std::string& Path() const { return FPath; }
  const std::string& Temp() const { return FTemp; }

 private:
  zorbit::testing::TTempFolder FFolder{"zorbit-app"};
  std::string FPath = FFolder.Path() + "/";
  std::string FTemp = FPath + "tmp/";
  zorbit::testing::TEnvironmentVariable FRoot{"ZORBIT_ROOT", FPath + "root"};
  zorbit::testing::TEnvironmentVariable FTempVariable{"TMPDIR", FTemp};
};

// Pack members: stored name ("pics/x.bmp" keeps its folder) -> content.
using TMembers = std::map<std::string, std::string>;

// Makes the cabinet Pack with gcab from the members, compressed with MSZIP.
void MakePack(const std::string& Pack, const TMembers& Members);
// Rewrites one stored name in a cabinet by another of the same length.
void RenameMember(const std::string& Pack, const std::string& From, const std::string& To);

bool Exists(const std::string& Path);

// A small picture of that size as BMP file bytes.
std::string BmpBytes(int Width, int Height);
// A JPEG drawn by the build's picture tool (a page button, 45 x 45).
std::string JpegBytes();
// Where the build put the program's folder (the English pack lies below it).
std::string ProgramDir();

// The string table (and, with gnugettext, the runtime-text routing) from the
// start of the test to its end, as the program's start-up makes them.
class LocalizationTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  TSandboxFolder Folder;
};

}  // namespace apptest
