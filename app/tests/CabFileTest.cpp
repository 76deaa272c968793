// TCABFile on cabinets that gcab makes during the test: listing, unpacking
// all or one file, replacing files, and refusing what a pack must not do.
#include "app/cabfiles.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "AppTestSupport.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/LastError.h"
#include "platform/win/Display.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/MessageBox.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowText.h"
#include "platform/win/Windows.h"

namespace {

using namespace apptest;
using zorbit::TCABFile;
namespace fs = std::filesystem;

class CabFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Pack = Folder.Path() + "pack.lpk";
    Target = Folder.Path() + "out/";
    MakePack(Pack, {{"strtab1.ini", "[General]\nOK=Ja\n"},
                    {"pics/Sys_2_a.bmp", BmpBytes(45, 45)},
                    {"help.chm", std::string(100000, 'h')}});
    Cab.SetCABFile(Pack);
    Cab.SetTargetPath(Target);
  }

  TSandboxFolder Folder;
  std::string Pack;
  std::string Target;
  TCABFile Cab;
};

TEST_F(CabFileTest, ReadContentsListsTheStoredNamesSizesAndDates) {
  ASSERT_TRUE(Cab.ReadContents());
  ASSERT_EQ(Cab.CABFileContents().Count(), 3);
  // gcab keeps the order of its arguments, here sorted by name.
  EXPECT_EQ(Cab.CABFileContents().Items(0).Name(), "help.chm");
  EXPECT_EQ(Cab.CABFileContents().Items(0).Size(), 100000);
  EXPECT_EQ(Cab.CABFileContents().Items(1).Name(), "pics\\Sys_2_a.bmp");
  EXPECT_NEAR(Cab.CABFileContents().Items(2).DateTime(), plat::Now(), 1.0 / 24 / 60);
  EXPECT_THROW(Cab.CABFileContents().Items(3), plat::EListError);
  EXPECT_FALSE(Exists(Target));
  // Reading again replaces the list.
  ASSERT_TRUE(Cab.ReadContents());
  EXPECT_EQ(Cab.CABFileContents().Count(), 3);
}

TEST_F(CabFileTest, ExtractAllKeepsTheFoldersAndTheStoredTimes) {
  ASSERT_TRUE(Cab.ReadContents());
  const plat::TDateTime stored = Cab.CABFileContents().Items(2).DateTime();
  ASSERT_TRUE(Cab.ExtractAll());
  EXPECT_EQ(ReadFileContent(Target + "strtab1.ini"), "[General]\nOK=Ja\n");
  EXPECT_EQ(ReadFileContent(Target + "pics/Sys_2_a.bmp"), BmpBytes(45, 45));
  EXPECT_EQ(ReadFileContent(Target + "help.chm").size(), 100000u);
  plat::TDateTime written = 0;
  ASSERT_TRUE(plat::FileAge(Target + "strtab1.ini", written));
  EXPECT_NEAR(written, stored, 1.0 / 86400);
}

TEST_F(CabFileTest, ExtractFileMatchesTheStoredNameWithoutCase) {
  ASSERT_TRUE(Cab.ExtractFile("PICS/sys_2_A.BMP"));
  EXPECT_TRUE(Exists(Target + "pics/Sys_2_a.bmp"));
  EXPECT_FALSE(Exists(Target + "strtab1.ini"));
  EXPECT_FALSE(Exists(Target + "help.chm"));
}

TEST_F(CabFileTest, ExistingFilesAreReplacedWhateverTheirCase) {
  fs::create_directories(Target + "PICS");
  WriteFileContent(Target + "PICS/SYS_2_A.BMP", "old picture");
  WriteFileContent(Target + "STRTAB1.INI", "old table");
  std::vector<std::string> asked;
  Cab.OnOverWriteFile = [&](plat::TObject*, const plat::String& path, bool& overWrite) {
    asked.push_back(path);
    overWrite = path.find("STRTAB1") == std::string::npos;  // keep the old table
  };
  ASSERT_TRUE(Cab.ExtractAll());
  EXPECT_EQ(asked.size(), 2u);
  EXPECT_EQ(ReadFileContent(Target + "STRTAB1.INI"), "old table");
  EXPECT_FALSE(Exists(Target + "strtab1.ini"));
  // One folder and one picture, the new one.
  EXPECT_FALSE(Exists(Target + "pics"));
  EXPECT_FALSE(Exists(Target + "PICS/SYS_2_A.BMP"));
  EXPECT_EQ(ReadFileContent(Target + "PICS/Sys_2_a.bmp"), BmpBytes(45, 45));
}

TEST_F(CabFileTest, ProgressCountsTheBytesWritten) {
  std::map<std::string, int> last;
  Cab.OnDecompressProgress = [&](plat::TObject* sender, const plat::String& name, int size, int written) {
    EXPECT_EQ(sender, &Cab);
    EXPECT_LE(written, size);
    last[name] = written;
  };
  ASSERT_TRUE(Cab.ExtractAll());
  EXPECT_EQ(last["help.chm"], 100000);
  EXPECT_EQ(last["strtab1.ini"], 16);
}

// A harmless name of the same length as a hostile one, for gcab to store:
// ".." components, drive colons and a leading delimiter become "z".
std::string Harmless(std::string name) {
  for (std::size_t i = 0; i < name.size(); ++i) {
    const bool dotDot = name.compare(i, 2, "..") == 0 && (i == 0 || name[i - 1] == '\\');
    if (dotDot) name[i] = name[i + 1] = 'z';
    if (name[i] == ':' || (i == 0 && name[i] == '\\')) name[i] = 'z';
  }
  return name;
}

// Names that would write outside the target: the cabinet is made with a
// harmless name of the same length, which is then rewritten in the file.
TEST_F(CabFileTest, MembersNamedOutsideTheTargetAreRefused) {
  const struct {
    const char* Hostile;  // as stored, with "\"
    const char* Outside;  // where it would land, relative to the test folder
  } cases[] = {
      {"..\\..\\evil.txt", "evil.txt"}, {"..\\evil.txt", "a/evil.txt"}, {"sub\\..\\..\\evil.txt", "a/evil.txt"},
      {"\\evil.txt", "evil.txt"},       {"C:\\evil.txt", "evil.txt"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Hostile);
    const std::string pack = Folder.Path() + "hostile.lpk";
    std::string stored = Harmless(c.Hostile);
    std::replace(stored.begin(), stored.end(), '\\', '/');
    MakePack(pack, {{"good.ini", "[General]\n"}, {stored, "pwned"}});
    RenameMember(pack, Harmless(c.Hostile), c.Hostile);
    // The target lies two levels down, so climbing stays inside the test folder.
    const std::string target = Folder.Path() + "a/b/";
    TCABFile cab;
    cab.SetCABFile(pack);
    cab.SetTargetPath(target);
    ASSERT_TRUE(cab.ReadContents());
    ASSERT_EQ(cab.CABFileContents().Count(), 2);
    EXPECT_TRUE(cab.CABFileContents().Items(0).Name() == c.Hostile ||
                cab.CABFileContents().Items(1).Name() == c.Hostile);
    EXPECT_FALSE(cab.ExtractAll());
    EXPECT_TRUE(Exists(target + "good.ini"));
    EXPECT_FALSE(cab.ExtractFile(c.Hostile));
    EXPECT_FALSE(Exists(Folder.Path() + c.Outside));
    EXPECT_FALSE(Exists("/evil.txt"));
    fs::remove_all(Folder.Path() + "a");
  }
}

TEST_F(CabFileTest, BrokenPacksFailWithoutLeavingHalfFiles) {
  const std::string whole = ReadFileContent(Pack);
  const struct {
    const char* Name;
    std::string Content;
  } cases[] = {
      {"text.lpk", "[General]\nOK=Ja\n"},
      {"empty.lpk", ""},
      {"header.lpk", whole.substr(0, 40)},
      {"truncated.lpk", whole.substr(0, whole.size() * 2 / 3)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::string path = Folder.Path() + c.Name;
    WriteFileContent(path, c.Content);
    TCABFile cab;
    cab.SetCABFile(path);
    cab.SetTargetPath(Target);
    EXPECT_FALSE(cab.ExtractAll());
    // Whatever did not come out whole is not there at all.
    if (Exists(Target + "help.chm")) {
      EXPECT_EQ(ReadFileContent(Target + "help.chm").size(), 100000u);
    }
    fs::remove_all(Target);
  }
  TCABFile missing;
  missing.SetCABFile(Folder.Path() + "none.lpk");
  EXPECT_FALSE(missing.ReadContents());
  EXPECT_EQ(missing.CABFileContents().Count(), 0);
}

// Sets the stored size and folder offset of a member in the cabinet's file
// table (CFFILE: size, offset in the folder, folder, date, time, attributes,
// then the name).
void SetMemberExtent(const std::string& Pack, const std::string& Name, std::uint32_t Size, std::uint32_t Offset) {
  std::string bytes = ReadFileContent(Pack);
  const std::size_t at = bytes.find(Name + '\0');
  ASSERT_NE(at, std::string::npos) << Name;
  for (int i = 0; i < 4; ++i) {
    bytes[at - 16 + i] = static_cast<char>(Size >> (8 * i));
    bytes[at - 12 + i] = static_cast<char>(Offset >> (8 * i));
  }
  WriteFileContent(Pack, bytes);
}

// A pack of a few hundred bytes that unpacks to half a megabyte: seven
// members claim, as one more, the 64 KiB of zeros at the start of the folder.
std::string OverlappingPack(const std::string& Folder) {
  const std::string pack = Folder + "overlap.lpk";
  TMembers members{{"a.bin", std::string(65536, '\0')}};
  for (const char* name : {"b.bin", "c.bin", "d.bin", "e.bin", "f.bin", "g.bin", "h.bin"}) members[name] = "x";
  MakePack(pack, members);
  for (const char* name : {"b.bin", "c.bin", "d.bin", "e.bin", "f.bin", "g.bin", "h.bin"}) {
    SetMemberExtent(pack, name, 65536, 0);
  }
  return pack;
}

std::vector<std::string> Entries(const std::string& Folder) {
  std::vector<std::string> names;
  if (!fs::exists(Folder)) return names;
  for (const auto& entry : fs::recursive_directory_iterator(Folder)) names.push_back(entry.path().string());
  return names;
}

TEST_F(CabFileTest, OverlappingMembersUnpackToTheSizesTheyClaim) {
  const std::string pack = OverlappingPack(Folder.Path());
  EXPECT_LT(ReadFileContent(pack).size(), 2000u);
  Cab.SetCABFile(pack);
  ASSERT_TRUE(Cab.ExtractAll());
  for (const char* name : {"a.bin", "b.bin", "h.bin"}) {
    EXPECT_EQ(ReadFileContent(Target + name), std::string(65536, '\0')) << name;
  }
}

// The limits are made small so that the packs stay tiny.
TEST_F(CabFileTest, PacksOverTheLimitsAreRefusedWithNothingWritten) {
  const std::string overlapping = OverlappingPack(Folder.Path());
  const struct {
    const char* Name;
    zorbit::TPackLimits Limits;
  } cases[] = {
      {"a member larger than allowed", {32768, 1 << 20, 100}},
      {"overlapping members over the pack's budget", {65536, 256 * 1024, 100}},
      {"more members than allowed", {65536, 1 << 20, 7}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    WriteFileContent(Folder.Path() + "keep.txt", "kept");
    TCABFile cab;
    cab.SetCABFile(overlapping);
    cab.SetTargetPath(Target);
    cab.SetLimits(c.Limits);
    int overwrites = 0;
    cab.OnOverWriteFile = [&](plat::TObject*, const plat::String&, bool&) { ++overwrites; };
    ASSERT_TRUE(cab.ReadContents());
    EXPECT_EQ(cab.CABFileContents().Count(), 8);
    EXPECT_FALSE(cab.ExtractAll());
    EXPECT_FALSE(cab.ExtractFile("h.bin"));
    EXPECT_TRUE(cab.Unpacked().empty());
    EXPECT_EQ(Entries(Target), std::vector<std::string>{});
    EXPECT_EQ(overwrites, 0);
  }
}

// Limits lowered while unpacking stand for a pack that changed after its
// sizes were checked: what this unpacking wrote is taken back, what was
// there before stays.
TEST_F(CabFileTest, LimitsReachedWhileUnpackingTakeBackWhatWasWritten) {
  fs::create_directories(Target);
  WriteFileContent(Target + "before.txt", "mine");
  Cab.OnDecompressProgress = [&](plat::TObject*, const plat::String&, int, int) {
    zorbit::TPackLimits limits;
    limits.MaxMembers = 1;
    Cab.SetLimits(limits);
  };
  EXPECT_FALSE(Cab.ExtractAll());
  EXPECT_TRUE(Cab.Unpacked().empty());
  EXPECT_EQ(Entries(Target), std::vector<std::string>{Target + "before.txt"});
  EXPECT_EQ(ReadFileContent(Target + "before.txt"), "mine");
}

// Someone who can write into the target plants links named like a member's
// folder or file, in another case: the folder link is not entered (the
// member is refused), the file link is replaced, never written through.
TEST_F(CabFileTest, LinksInTheTargetAreNeverWrittenThrough) {
  const std::string elsewhere = Folder.Path() + "elsewhere/";
  fs::create_directories(elsewhere);
  WriteFileContent(elsewhere + "victim.ini", "precious");
  fs::create_directories(Target);
  fs::create_directory_symlink(elsewhere, Target + "PICS");
  fs::create_symlink(elsewhere + "victim.ini", Target + "STRTAB1.ini");
  EXPECT_FALSE(Cab.ExtractAll());
  EXPECT_EQ(Entries(elsewhere), std::vector<std::string>{elsewhere + "victim.ini"});
  EXPECT_EQ(ReadFileContent(elsewhere + "victim.ini"), "precious");
  EXPECT_TRUE(fs::is_symlink(Target + "PICS"));
  EXPECT_FALSE(fs::is_symlink(Target + "STRTAB1.ini"));
  EXPECT_EQ(ReadFileContent(Target + "strtab1.ini"), "[General]\nOK=Ja\n");
  EXPECT_EQ(ReadFileContent(Target + "help.chm").size(), 100000u);
  EXPECT_FALSE(Cab.ExtractFile("pics\\sys_2_a.bmp"));
  EXPECT_EQ(Entries(elsewhere).size(), 1u);
}

TEST_F(CabFileTest, AnExceptionOfAnEventReachesTheCaller) {
  Cab.OnDecompressProgress = [](plat::TObject*, const plat::String&, int, int) { throw plat::Exception("stop"); };
  EXPECT_THROW(Cab.ExtractAll(), plat::Exception);
  Cab.OnDecompressProgress = nullptr;
  EXPECT_TRUE(Cab.ExtractAll());
}

// The size limit makes writes fail as a full disk would, without a full disk.
class TFileSizeLimit {
 public:
  explicit TFileSizeLimit(rlim_t bytes) : FOldHandler(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &FOld);
    rlimit limit = FOld;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~TFileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &FOld);
    std::signal(SIGXFSZ, FOldHandler);
  }
  TFileSizeLimit(const TFileSizeLimit&) = delete;
  TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

 private:
  rlimit FOld{};
  void (*FOldHandler)(int);
};

TEST_F(CabFileTest, AFailedWriteIsShownAndLeavesNoHalfFile) {
  auto headless = std::make_unique<plat::HeadlessDisplay>();
  plat::HeadlessDisplay& display = *headless;
  plat::SetDisplay(std::move(headless));
  std::vector<std::pair<std::string, std::string>> boxes;  // caption, text
  display.SetModalHook([&](plat::HWND box) {
    boxes.emplace_back(plat::WindowText(box), plat::WindowText(plat::GetWindow(box, plat::GW_CHILD)));
    plat::PostMessageA(box, plat::WM_COMMAND, plat::IDOK, 0);
  });
  bool unpacked = true;
  {
    TFileSizeLimit limit(50000);  // the 100000-byte member cannot be written whole
    unpacked = Cab.ExtractAll();
  }
  plat::SetDisplay(plat::CreateHeadlessDisplay());
  EXPECT_FALSE(unpacked);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].first, "Error");
  EXPECT_EQ(boxes[0].second, plat::SysErrorMessage(plat::ErrorFromErrno(EFBIG)));
  EXPECT_FALSE(Exists(Target + "help.chm"));
}

}  // namespace
