#pragma once
// Fixtures of the app tests: temporary folders, language packs made with
// gcab during the test (and spoilt copies of them), and the start and end
// of the localization units around each test.
#include <gtest/gtest.h>

#include <map>
#include <string>

namespace apptest {

// A fresh folder, removed with its contents at the end. While it lives,
// ZORBIT_ROOT and TMPDIR point into it, so machine state and the temporary
// files of single-file unpacking stay inside.
class TTempFolder {
 public:
  TTempFolder();
  ~TTempFolder();
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  // With a trailing "/".
  const std::string& Path() const { return FPath; }
  const std::string& Temp() const { return FTemp; }

 private:
  std::string FPath;
  std::string FTemp;
  std::string FOldRoot;
  std::string FOldTemp;
  bool FHadRoot = false;
  bool FHadTemp = false;
};

// Pack members: stored name ("pics/x.bmp" keeps its folder) -> content.
using TMembers = std::map<std::string, std::string>;

// Makes the cabinet Pack with gcab from the members, compressed with MSZIP.
void MakePack(const std::string& Pack, const TMembers& Members);
// Rewrites one stored name in a cabinet by another of the same length.
void RenameMember(const std::string& Pack, const std::string& From, const std::string& To);

void WriteFile(const std::string& Path, const std::string& Content);
std::string ReadFile(const std::string& Path);
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

  TTempFolder Folder;
};

}  // namespace apptest
