// The FDI calls on real cabinets that gcab makes during the test, and on
// broken ones cut or spoilt from them.
#include "platform/os/Cabinet.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/rtl/FileHandles.h"
#include "platform/rtl/Streams.h"
#include "testing/FileContent.h"
#include "testing/PlatformRoot.h"

namespace {

using namespace plat;
using zorbit::testing::ReadFileContent;
using zorbit::testing::TPlatformRoot;
using zorbit::testing::WriteFileContent;
namespace fs = std::filesystem;

// What the caller's routines saw; FDI routines carry no context of their own.
struct TCalls {
  int Allocs = 0;
  int Frees = 0;
  int Opens = 0;
  int Closes = 0;
};
TCalls calls;

void* TestAlloc(ULONG cb) {
  ++calls.Allocs;
  return std::malloc(cb);
}
void TestFree(void* pv) {
  ++calls.Frees;
  std::free(pv);
}
INT_PTR TestOpen(char* pszFile, int oflag, int) {
  const int handle =
      (oflag & CRT_O_CREAT) ? FileCreate(pszFile) : FileOpen(pszFile, static_cast<Word>(oflag & CRT_O_ACCMODE));
  if (handle >= 0) ++calls.Opens;
  return handle;
}
UINT TestRead(INT_PTR hf, void* pv, UINT cb) {
  return static_cast<UINT>(FileRead(static_cast<int>(hf), pv, static_cast<int>(cb)));
}
UINT TestWrite(INT_PTR hf, void* pv, UINT cb) {
  return static_cast<UINT>(FileWrite(static_cast<int>(hf), pv, static_cast<int>(cb)));
}
int TestClose(INT_PTR hf) {
  ++calls.Closes;
  return FileClose(static_cast<int>(hf)) ? 0 : -1;
}
LONG TestSeek(INT_PTR hf, LONG dist, int seektype) {
  return static_cast<LONG>(FileSeek(static_cast<int>(hf), dist, seektype));
}

struct TNotice {
  FDINOTIFICATIONTYPE Type;
  std::string Name;
  LONG Size;
  USHORT Date;
  USHORT Time;
};

// The notification routine's context: where taken files go and what to do with each.
struct TCopyJob {
  std::string Target;
  std::map<std::string, INT_PTR> Answers;  // stored name -> 0 (skip) or -1 (abort); others are taken
  bool ThrowOnCopy = false;
  std::vector<TNotice> Notices;
  std::string CabinetPath;
};

INT_PTR Notify(FDINOTIFICATIONTYPE fdint, FDINOTIFICATION* pfdin) {
  auto& job = *static_cast<TCopyJob*>(pfdin->pv);
  switch (fdint) {
    case fdintCABINET_INFO:
      job.CabinetPath = pfdin->psz3;
      job.Notices.push_back({fdint, "", 0, 0, 0});
      return 0;
    case fdintCOPY_FILE: {
      job.Notices.push_back({fdint, pfdin->psz1, pfdin->cb, pfdin->date, pfdin->time});
      if (job.ThrowOnCopy) throw std::runtime_error("refused by the routine");
      const auto answer = job.Answers.find(pfdin->psz1);
      if (answer != job.Answers.end()) return answer->second;
      std::string name = pfdin->psz1;
      for (char& c : name) c = c == '\\' ? '_' : c;
      const int handle = FileCreate(job.Target + name);
      if (handle >= 0) ++calls.Opens;
      return handle;
    }
    case fdintCLOSE_FILE_INFO:
      job.Notices.push_back({fdint, pfdin->psz1, 0, pfdin->date, pfdin->time});
      return TestClose(pfdin->hf) == 0;
    default: return 0;
  }
}

class CabinetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    calls = {};
    Dir = Root.Path() + "/";
    fs::create_directories(Dir + "src/sub");
    fs::create_directories(Dir + "out");
    WriteFileContent(Dir + "src/a.txt", "alpha text\n");
    WriteFileContent(Dir + "src/sub/b.bin", std::string(70000, 'b') + "tail");
    // 2021-03-04 05:06:08 local time, as gcab stores it.
    std::system(("touch -d '2021-03-04 05:06:08' '" + Dir + "src/a.txt'").c_str());
    Context = FDICreate(TestAlloc, TestFree, TestOpen, TestRead, TestWrite, TestClose, TestSeek, cpu80386, &Erf);
    ASSERT_NE(Context, nullptr);
  }
  void TearDown() override {
    EXPECT_TRUE(FDIDestroy(Context));
    EXPECT_EQ(calls.Allocs, calls.Frees);
    EXPECT_EQ(calls.Opens, calls.Closes);
  }

  // Packs src/a.txt and src/sub/b.bin with gcab; compressed with MSZIP when zip.
  std::string MakeCabinet(const std::string& name, bool zip) {
    const std::string command =
        "cd '" + Dir + "src' && gcab -c " + (zip ? "-z " : "") + "'../" + name + "' a.txt sub/b.bin";
    if (std::system(command.c_str()) != 0) throw std::runtime_error("gcab failed");
    return name;
  }
  BOOL Copy(const std::string& name, TCopyJob& job) {
    job.Target = Dir + "out/";
    return FDICopy(Context, name.c_str(), Dir.c_str(), 0, Notify, nullptr, &job);
  }
  BOOL IsCabinet(const std::string& name, FDICABINETINFO& info) {
    const INT_PTR hf = TestOpen(const_cast<char*>((Dir + name).c_str()), CRT_O_RDONLY | CRT_O_BINARY, 0);
    EXPECT_NE(hf, -1);
    const BOOL result = FDIIsCabinet(Context, hf, &info);
    TestClose(hf);
    return result;
  }

  TPlatformRoot Root;
  std::string Dir;
  ERF Erf;
  HFDI Context = nullptr;
};

TEST_F(CabinetTest, IsCabinetReadsTheHeaderOfARealCabinet) {
  FDICABINETINFO info;
  ASSERT_TRUE(IsCabinet(MakeCabinet("t.cab", true), info));
  EXPECT_EQ(info.cFiles, 2);
  EXPECT_EQ(info.cFolders, 1);
  EXPECT_EQ(info.cbCabinet, static_cast<LONG>(fs::file_size(Dir + "t.cab")));
  EXPECT_FALSE(info.hasprev);
  EXPECT_FALSE(info.hasnext);
}

TEST_F(CabinetTest, IsCabinetRefusesOtherFiles) {
  const std::string cab = ReadFileContent(Dir + MakeCabinet("t.cab", false));
  std::string otherVersion = cab;
  otherVersion[25] = 2;
  const struct {
    const char* Name;
    std::string Content;
    int Error;
  } cases[] = {
      {"text.ini", "[General]\nOK=OK\n", FDIERROR_NOT_A_CABINET},
      {"empty.cab", "", FDIERROR_NOT_A_CABINET},
      {"header-cut.cab", cab.substr(0, 20), FDIERROR_NOT_A_CABINET},
      {"version2.cab", otherVersion, FDIERROR_UNKNOWN_CABINET_VERSION},
  };
  for (const auto& c : cases) {
    WriteFileContent(Dir + c.Name, c.Content);
    Erf = ERF{};
    FDICABINETINFO info;
    EXPECT_FALSE(IsCabinet(c.Name, info)) << c.Name;
    EXPECT_EQ(Erf.erfOper, c.Error) << c.Name;
    EXPECT_TRUE(Erf.fError) << c.Name;
  }
}

TEST_F(CabinetTest, CopyOffersEveryFileAndWritesTheTakenOnes) {
  for (const bool zip : {false, true}) {
    const std::string name = MakeCabinet(zip ? "zip.cab" : "plain.cab", zip);
    TCopyJob job;
    ASSERT_TRUE(Copy(name, job)) << name;
    EXPECT_EQ(job.CabinetPath, Dir);
    ASSERT_EQ(job.Notices.size(), 5u);
    EXPECT_EQ(job.Notices[0].Type, fdintCABINET_INFO);
    EXPECT_EQ(job.Notices[1].Type, fdintCOPY_FILE);
    EXPECT_EQ(job.Notices[1].Name, "a.txt");
    EXPECT_EQ(job.Notices[1].Size, 11);
    EXPECT_EQ(job.Notices[1].Date, (41 << 9) | (3 << 5) | 4);
    EXPECT_EQ(job.Notices[1].Time, (5 << 11) | (6 << 5) | 4);
    EXPECT_EQ(job.Notices[2].Type, fdintCLOSE_FILE_INFO);
    EXPECT_EQ(job.Notices[2].Date, job.Notices[1].Date);
    EXPECT_EQ(job.Notices[3].Name, "sub\\b.bin");
    EXPECT_EQ(job.Notices[3].Size, 70004);
    EXPECT_EQ(ReadFileContent(Dir + "out/a.txt"), "alpha text\n");
    EXPECT_EQ(ReadFileContent(Dir + "out/sub_b.bin"), std::string(70000, 'b') + "tail");
  }
}

TEST_F(CabinetTest, SkippedFilesAreNotWrittenAndAnAbortStopsTheCopy) {
  const std::string name = MakeCabinet("t.cab", true);
  TCopyJob skip;
  skip.Answers["a.txt"] = 0;
  ASSERT_TRUE(Copy(name, skip));
  EXPECT_FALSE(fs::exists(Dir + "out/a.txt"));
  EXPECT_TRUE(fs::exists(Dir + "out/sub_b.bin"));

  TCopyJob abort;
  abort.Answers["a.txt"] = -1;
  EXPECT_FALSE(Copy(name, abort));
  EXPECT_EQ(Erf.erfOper, FDIERROR_USER_ABORT);
  EXPECT_EQ(abort.Notices.size(), 2u);
}

// gcab flags names that are not ASCII as UTF-8; a cabinet made elsewhere
// stores its names in the OEM code page without the flag. The byte 0x82 is
// "é" in code page 437.
TEST_F(CabinetTest, NamesWithoutTheUtfFlagAreConvertedFromTheOemCodePage) {
  fs::create_directories(Dir + "names");
  WriteFileContent(Dir + "names/caf_.txt", "oem");
  WriteFileContent(Dir + "names/na\xC3\xAFve.txt", "utf");
  const std::string command = "cd '" + Dir + "names' && gcab -c ../names.cab caf_.txt na\xC3\xAFve.txt";
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::string cab = ReadFileContent(Dir + "names.cab");
  const std::size_t at = cab.find(std::string("caf_.txt") + '\0');
  ASSERT_NE(at, std::string::npos);
  ASSERT_EQ(cab[at - 2] & 0x80, 0);  // an ASCII name is stored without the flag
  cab[at + 3] = '\x82';
  WriteFileContent(Dir + "names.cab", cab);

  TCopyJob job;
  ASSERT_TRUE(Copy("names.cab", job));
  ASSERT_EQ(job.Notices.size(), 5u);
  EXPECT_EQ(job.Notices[1].Name, "caf\xC3\xA9.txt");
  EXPECT_EQ(job.Notices[3].Name, "na\xC3\xAFve.txt");
  EXPECT_EQ(ReadFileContent(Dir + "out/caf\xC3\xA9.txt"), "oem");
}

// Files of a cabinet that claim the last byte of a large folder one after
// another: each has the folder decompressed from its start again. Copying
// stops at the first that goes beyond one pass over the folder plus the
// bytes copied.
TEST_F(CabinetTest, FilesDecompressingTheFolderOverAndOverAreRefused) {
  fs::create_directories(Dir + "deep");
  constexpr std::uint32_t kFolder = 256 * 1024;
  WriteFileContent(Dir + "deep/a.bin", std::string(kFolder, '\0'));
  std::string names = "a.bin";
  for (int i = 10; i < 60; ++i) {
    const std::string name = "b" + std::to_string(i) + ".bin";
    WriteFileContent(Dir + "deep/" + name, "x");
    names += " " + name;
  }
  ASSERT_EQ(std::system(("cd '" + Dir + "deep' && gcab -c -z ../deep.cab " + names).c_str()), 0);
  std::string cab = ReadFileContent(Dir + "deep.cab");
  for (int i = 10; i < 60; ++i) {
    // CFFILE: size, offset in the folder, folder, date, time, attributes, name.
    const std::size_t at = cab.find("b" + std::to_string(i) + ".bin" + '\0');
    ASSERT_NE(at, std::string::npos);
    const std::uint32_t offset = kFolder - 1;
    for (int b = 0; b < 4; ++b) cab[at - 12 + b] = static_cast<char>(offset >> (8 * b));
  }
  WriteFileContent(Dir + "deep.cab", cab);

  TCopyJob job;
  EXPECT_FALSE(Copy("deep.cab", job));
  EXPECT_EQ(Erf.erfOper, FDIERROR_CORRUPT_CABINET);
  // a.bin and b10.bin (one restart) came out; b11.bin was refused.
  ASSERT_EQ(job.Notices.size(), 6u);
  EXPECT_EQ(job.Notices.back().Name, "b11.bin");
  EXPECT_EQ(ReadFileContent(Dir + "out/b10.bin"), std::string(1, '\0'));
  // Skipped files cost nothing.
  TCopyJob skipping;
  for (int i = 11; i < 60; ++i) skipping.Answers["b" + std::to_string(i) + ".bin"] = 0;
  EXPECT_TRUE(Copy("deep.cab", skipping));
}

TEST_F(CabinetTest, AMissingCabinetIsReported) {
  TCopyJob job;
  EXPECT_FALSE(Copy("none.cab", job));
  EXPECT_EQ(Erf.erfOper, FDIERROR_CABINET_NOT_FOUND);
  EXPECT_TRUE(job.Notices.empty());
}

TEST_F(CabinetTest, AnExceptionOfTheNotificationRoutinePassesThroughAndLeavesNothingOpen) {
  const std::string name = MakeCabinet("t.cab", true);
  TCopyJob job;
  job.ThrowOnCopy = true;
  EXPECT_THROW(Copy(name, job), std::runtime_error);
  // The context stays usable.
  TCopyJob again;
  EXPECT_TRUE(Copy(name, again));
}

TEST_F(CabinetTest, EveryCutOfACabinetFailsCleanly) {
  for (const bool zip : {false, true}) {
    const std::string whole = ReadFileContent(Dir + MakeCabinet("whole.cab", zip));
    // Every few bytes through the headers and file table, then across the data blocks.
    std::vector<std::size_t> lengths;
    for (std::size_t length = 0; length < 120; length += 3) lengths.push_back(length);
    for (std::size_t length = 120; length + 1 < whole.size(); length += whole.size() / 40) lengths.push_back(length);
    lengths.push_back(whole.size() - 1);
    for (const std::size_t length : lengths) {
      WriteFileContent(Dir + "cut.cab", whole.substr(0, length));
      TCopyJob job;
      EXPECT_FALSE(Copy("cut.cab", job)) << "zip " << zip << " length " << length;
      EXPECT_TRUE(Erf.fError);
      fs::remove_all(Dir + "out");
      fs::create_directories(Dir + "out");
    }
  }
}

TEST_F(CabinetTest, SpoiltDataFailsCleanly) {
  for (const bool zip : {false, true}) {
    std::string cab = ReadFileContent(Dir + MakeCabinet("whole.cab", zip));
    // Overwrite a run of compressed data well inside the second file's blocks.
    for (std::size_t i = cab.size() / 2; i < cab.size() / 2 + 64; ++i) cab[i] = static_cast<char>(i * 7);
    WriteFileContent(Dir + "spoilt.cab", cab);
    TCopyJob job;
    EXPECT_FALSE(Copy("spoilt.cab", job)) << "zip " << zip;
    EXPECT_EQ(Erf.erfOper, FDIERROR_CORRUPT_CABINET);
  }
}

TEST(CabinetCreate, MissingRoutinesAreRefused) {
  ERF erf;
  EXPECT_EQ(FDICreate(TestAlloc, TestFree, nullptr, TestRead, TestWrite, TestClose, TestSeek, cpuUNKNOWN, &erf),
            nullptr);
  EXPECT_TRUE(erf.fError);
  EXPECT_FALSE(FDIDestroy(nullptr));
}

}  // namespace
