#include "AppTestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "app/Localization.h"
#include "app/gnugettext.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/BmpCodec.h"
#include "testing/ProjectPaths.h"

namespace apptest {

namespace fs = std::filesystem;

namespace {

std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) {
    out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  }
  return out + "'";
}

}  // namespace

TSandboxFolder::TSandboxFolder() { fs::create_directories(FTemp); }

void MakePack(const std::string& Pack, const TMembers& Members) {
  const fs::path stage = fs::path(Pack).parent_path() / (fs::path(Pack).filename().string() + ".stage");
  fs::remove_all(stage);
  std::string names;
  for (const auto& [name, content] : Members) {
    fs::create_directories((stage / name).parent_path());
    WriteFileContent((stage / name).string(), content);
    names += " " + Quoted(name);
  }
  fs::remove(Pack);
  const std::string command = "cd " + Quoted(stage.string()) + " && gcab -c -z " + Quoted(Pack) + names;
  if (std::system(command.c_str()) != 0) throw std::runtime_error("gcab failed: " + command);
  fs::remove_all(stage);
}

void RenameMember(const std::string& Pack, const std::string& From, const std::string& To) {
  if (From.size() != To.size()) throw std::invalid_argument("names of different length");
  std::string bytes = ReadFileContent(Pack);
  // A stored name is a NUL-ended text in the file table.
  const std::size_t at = bytes.find(From + '\0');
  if (at == std::string::npos) throw std::runtime_error("no member " + From);
  bytes.replace(at, From.size(), To);
  WriteFileContent(Pack, bytes);
}

bool Exists(const std::string& Path) { return fs::exists(Path); }

std::string BmpBytes(int Width, int Height) {
  plat::Bitmap image(Width, Height);
  image.Fill(0x00336699);
  const std::vector<plat::Byte> bytes = plat::WriteBmp(image);
  return std::string(bytes.begin(), bytes.end());
}

std::string ProgramDir() { return zorbit::testing::BuildPath("app/"); }

std::string JpegBytes() {
  const std::string jpeg = ReadFileContent(ProgramDir() + "lang/English/sys_1_a.jpg");
  if (jpeg.empty()) throw std::runtime_error("the build's pictures are missing");
  return jpeg;
}

void LocalizationTest::SetUp() {
  zorbit::InitializeLocalization();
  zorbit::InitializeGnuGettext();
}

void LocalizationTest::TearDown() {
  zorbit::FinalizeGnuGettext();
  zorbit::FinalizeLocalization();
}

}  // namespace apptest
