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

namespace apptest {

namespace fs = std::filesystem;

namespace {

void SetVariable(const char* name, const std::string& value, std::string& old, bool& had) {
  if (const char* previous = std::getenv(name)) {
    had = true;
    old = previous;
  }
  ::setenv(name, value.c_str(), 1);
}

void RestoreVariable(const char* name, const std::string& old, bool had) {
  if (had) {
    ::setenv(name, old.c_str(), 1);
  } else {
    ::unsetenv(name);
  }
}

std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) {
    out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  }
  return out + "'";
}

}  // namespace

TTempFolder::TTempFolder() {
  std::string pattern = (fs::temp_directory_path() / "zorbit-app-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  FPath = pattern + "/";
  FTemp = FPath + "tmp/";
  fs::create_directories(FTemp);
  SetVariable("ZORBIT_ROOT", FPath + "root", FOldRoot, FHadRoot);
  SetVariable("TMPDIR", FTemp, FOldTemp, FHadTemp);
}

TTempFolder::~TTempFolder() {
  RestoreVariable("ZORBIT_ROOT", FOldRoot, FHadRoot);
  RestoreVariable("TMPDIR", FOldTemp, FHadTemp);
  std::error_code ignored;
  fs::permissions(FPath, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(FPath, ignored);
}

void MakePack(const std::string& Pack, const TMembers& Members) {
  const fs::path stage = fs::path(Pack).parent_path() / (fs::path(Pack).filename().string() + ".stage");
  fs::remove_all(stage);
  std::string names;
  for (const auto& [name, content] : Members) {
    fs::create_directories((stage / name).parent_path());
    WriteFile((stage / name).string(), content);
    names += " " + Quoted(name);
  }
  fs::remove(Pack);
  const std::string command = "cd " + Quoted(stage.string()) + " && gcab -c -z " + Quoted(Pack) + names;
  if (std::system(command.c_str()) != 0) throw std::runtime_error("gcab failed: " + command);
  fs::remove_all(stage);
}

void RenameMember(const std::string& Pack, const std::string& From, const std::string& To) {
  if (From.size() != To.size()) throw std::invalid_argument("names of different length");
  std::string bytes = ReadFile(Pack);
  // A stored name is a NUL-ended text in the file table.
  const std::size_t at = bytes.find(From + '\0');
  if (at == std::string::npos) throw std::runtime_error("no member " + From);
  bytes.replace(at, From.size(), To);
  WriteFile(Pack, bytes);
}

void WriteFile(const std::string& Path, const std::string& Content) {
  std::ofstream out(Path, std::ios::binary | std::ios::trunc);
  out << Content;
  if (!out) throw std::runtime_error("cannot write " + Path);
}

std::string ReadFile(const std::string& Path) {
  std::ifstream in(Path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& Path) { return fs::exists(Path); }

std::string BmpBytes(int Width, int Height) {
  plat::Bitmap image(Width, Height);
  image.Fill(0x00336699);
  const std::vector<plat::Byte> bytes = plat::WriteBmp(image);
  return std::string(bytes.begin(), bytes.end());
}

std::string ProgramDir() {
  const char* build = std::getenv("ZORBIT_BUILD_DIR");
  return std::string(build ? build : ".") + "/app/";
}

std::string JpegBytes() {
  const std::string jpeg = ReadFile(ProgramDir() + "lang/English/sys_1_a.jpg");
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
