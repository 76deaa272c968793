// TCABFile on cabinets that gcab makes during the test: listing, unpacking
// all or one file, replacing files, and refusing what a pack must not do.
#include "app/cabfiles.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>

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
