// The file pool over real packs: folder mode and single-file mode, added
// packs, the file search, and the named pictures.
#include "app/FilePool.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "AppTestSupport.h"
#include "platform/rtl/StringList.h"
#include "service/GenericShellAPI.h"

namespace {

using namespace apptest;
using zorbit::TFilePool;
namespace fs = std::filesystem;

class FilePoolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Pack = Folder.Path() + "English_ZorbitN.lpk";
    MakePack(Pack, {{"strtab_b.ini", "[General]\nOK=B\n"},
                    {"STRTAB_a.ini", "[General]\nOK=A\n"},
                    {"strtab_C.ini", "[General]\nOK=C\n"},
                    {"ZHELP_ZorbitN.CHM", "help"},
                    {"pics/sys_2_a.bmp", BmpBytes(45, 45)},
                    {"sys_1_a.jpg", JpegBytes()},
                    {"sys_2_b.bmp", BmpBytes(30, 20)},
                    {"broken.bmp", "BM broken"},
                    {"picture.gif", BmpBytes(45, 45)}});
    Extract = Folder.Path() + "Ovra/Quilmo/";
  }

  std::vector<std::string> Found(TFilePool& pool, const std::string& mask) {
    plat::TStringList list;
    pool.FindFiles(mask, list);
    std::vector<std::string> names;
    for (int i = 0; i < list.Count(); ++i) names.push_back(fs::path(list.Strings(i)).filename().string());
    return names;
  }

  // The pool's own folder holding Path: made in the temporary folder, and
  // only its owner may enter it.
  std::string PrivateFolderOf(const std::string& Path) {
    const fs::path folder = fs::path(Path).parent_path();
    EXPECT_EQ(folder.parent_path().string() + "/", Folder.Temp());
    EXPECT_EQ(fs::symlink_status(folder).permissions() & fs::perms::all, fs::perms::owner_all);
    return folder.string() + "/";
  }

  TSandboxFolder Folder;
  std::string Pack;
  std::string Extract;
};

TEST_F(FilePoolTest, FolderModeUnpacksThePackIntoLanguageFiles) {
  TFilePool pool(Pack, Extract);
  EXPECT_FALSE(pool.FolderMode());
  pool.CreateLPKFolder();
  ASSERT_TRUE(pool.FolderMode());
  EXPECT_EQ(pool.ExtractFolder(), Extract + "__LanguageFiles/");
  EXPECT_EQ(pool.GetFile("zhelp_zorbitn.chm"), Extract + "__LanguageFiles/ZHELP_ZorbitN.CHM");
  EXPECT_EQ(ReadFileContent(pool.GetFile("PICS\\SYS_2_A.BMP")), BmpBytes(45, 45));
  EXPECT_EQ(pool.GetFile("missing.bmp"), "");
  EXPECT_EQ(pool.GetFile("pics"), "");  // a folder is no file
}

TEST_F(FilePoolTest, AnExtractionFolderNamingLanguageFilesGetsNothingAppended) {
  for (const std::string& folder : {Folder.Path() + "x/__LanguageFiles/inner", Folder.Path() + "__LanguageFilesX"}) {
    TFilePool pool(Pack, folder);
    pool.CreateLPKFolder();
    EXPECT_EQ(pool.ExtractFolder(), folder + "/");
    EXPECT_TRUE(Exists(folder + "/strtab_b.ini"));
  }
}

TEST_F(FilePoolTest, NoExtractionFolderMeansTheProgramFolder) {
  TFilePool pool("", "");
  pool.CreateLPKFolder();
  EXPECT_EQ(pool.ExtractFolder(), zorbit::GetExeDir() + "__LanguageFiles/");
  // The attempt counts, though a pool without a pack unpacks nothing.
  EXPECT_TRUE(pool.FolderMode());
  fs::remove(zorbit::GetExeDir() + "__LanguageFiles");
}

TEST_F(FilePoolTest, FindFilesSortsTheNamesWithoutCase) {
  TFilePool pool(Pack, Extract);
  pool.CreateLPKFolder();
  EXPECT_EQ(Found(pool, "strtab*"), (std::vector<std::string>{"STRTAB_a.ini", "strtab_b.ini", "strtab_C.ini"}));
  EXPECT_EQ(Found(pool, "*.CHM"), (std::vector<std::string>{"ZHELP_ZorbitN.CHM"}));
  EXPECT_TRUE(Found(pool, "none*").empty());
}

TEST_F(FilePoolTest, AddCabOfASecondPackOverwritesTheFirstOnesFiles) {
  TFilePool pool(Pack, Extract);
  pool.CreateLPKFolder();
  const std::string second = Folder.Path() + "German_ZorbitN.lpk";
  MakePack(second, {{"Strtab_B.INI", "[General]\nOK=German\n"}, {"extra.txt", "new"}});
  EXPECT_TRUE(pool.AddCab(second));
  EXPECT_EQ(ReadFileContent(pool.GetFile("strtab_b.ini")), "[General]\nOK=German\n");
  EXPECT_EQ(Found(pool, "strtab*"), (std::vector<std::string>{"STRTAB_a.ini", "Strtab_B.INI", "strtab_C.ini"}));
  EXPECT_EQ(ReadFileContent(pool.GetFile("extra.txt")), "new");
  EXPECT_FALSE(pool.AddCab(second));  // already in the pool
  EXPECT_FALSE(pool.AddCab(Folder.Path() + "none.lpk"));
}

TEST_F(FilePoolTest, WithoutAnExtractionFolderFilesComeOutOneByOne) {
  // A plain file where the extraction folder should be: it cannot be made.
  WriteFileContent(Folder.Path() + "blocked", "");
  TFilePool pool(Pack, Folder.Path() + "blocked/sub");
  pool.CreateLPKFolder();
  EXPECT_FALSE(pool.FolderMode());
  EXPECT_TRUE(Found(pool, "strtab*").empty());
  // Into a folder of the pool's own in the temporary folder.
  const std::string help = pool.GetFile("zhelp_zorbitn.chm");
  const std::string own = PrivateFolderOf(help);
  EXPECT_EQ(help, own + "ZHELP_ZorbitN.CHM");
  EXPECT_EQ(ReadFileContent(help), "help");
  // A name the pack lacks still gives its would-be path.
  EXPECT_EQ(pool.GetFile("missing.bmp"), own + "missing.bmp");
  EXPECT_FALSE(Exists(own + "missing.bmp"));
  // Pictures are loaded from a temporary copy that is then deleted, each time.
  plat::TBitmap bitmap;
  for (int round = 0; round < 2; ++round) {
    EXPECT_TRUE(pool.LoadBitmap("sys_1_a.jpg", bitmap));
    EXPECT_EQ(bitmap.Width(), 45);
    EXPECT_FALSE(Exists(own + "sys_1_a.jpg"));
  }
  // A later pack replaces the source of single files.
  const std::string second = Folder.Path() + "German_ZorbitN.lpk";
  MakePack(second, {{"ZHELP_ZorbitN.CHM", "Hilfe"}});
  EXPECT_TRUE(pool.AddCab(second));
  EXPECT_EQ(ReadFileContent(pool.GetFile("ZHELP_ZorbitN.CHM")), "Hilfe");
}

// Another user of the shared temporary folder plants a link named like a
// member's folder (in another case) and a file named like a member the pack
// lacks: the link is not written through, and the file is not deleted.
TEST_F(FilePoolTest, SingleFilesIgnoreWhatOthersPlantInTheTemporaryFolder) {
  const std::string elsewhere = Folder.Path() + "elsewhere/";
  fs::create_directories(elsewhere);
  fs::create_directory_symlink(elsewhere, Folder.Temp() + "PICS");
  WriteFileContent(Folder.Temp() + "missing.bmp", BmpBytes(10, 10));
  WriteFileContent(Folder.Path() + "blocked", "");
  std::string own;
  {
    TFilePool pool(Pack, Folder.Path() + "blocked/sub");
    pool.CreateLPKFolder();
    ASSERT_FALSE(pool.FolderMode());
    const std::string picture = pool.GetFile("pics\\sys_2_a.bmp");
    own = PrivateFolderOf(fs::path(picture).parent_path().string());
    EXPECT_EQ(picture, own + "pics/sys_2_a.bmp");
    EXPECT_EQ(ReadFileContent(picture), BmpBytes(45, 45));
    EXPECT_TRUE(fs::is_empty(elsewhere));
    plat::TBitmap bitmap;
    for (const char* name : {"missing.bmp", "..\\missing.bmp"}) {
      SCOPED_TRACE(name);
      pool.LoadBitmap(name, bitmap);
      EXPECT_EQ(ReadFileContent(Folder.Temp() + "missing.bmp"), BmpBytes(10, 10));
    }
  }
  // The pool's folder goes with it, and only its folder.
  EXPECT_FALSE(Exists(own));
  EXPECT_TRUE(fs::is_symlink(Folder.Temp() + "PICS"));
  EXPECT_TRUE(Exists(Folder.Temp() + "missing.bmp"));
}

TEST_F(FilePoolTest, LoadImagesKeepsOnlyPicturesThatLoad) {
  TFilePool pool(Pack, Extract);
  pool.CreateLPKFolder();
  const std::string theme = Folder.Path() + "pfqtheme.ini";
  WriteFileContent(theme,
                   "[MainBitmaps]\n"
                   "sys_1_a.bmp=sys_1_a.jpg\n"
                   "sys_2_a.bmp=pics\\sys_2_a.bmp\n"
                   "sys_2_b.bmp=SYS_2_B.BMP\n"
                   "missing.bmp=missing.bmp\n"
                   "gif.bmp=picture.gif\n"
                   "broken.bmp=broken.bmp\n"
                   "[Other]\nother.bmp=sys_2_b.bmp\n");
  pool.LoadImages(theme, "mainbitmaps");
  ASSERT_NE(pool.GetImage("SYS_1_A.BMP"), nullptr);
  EXPECT_EQ(pool.GetImage("sys_1_a.bmp")->Width(), 45);
  EXPECT_EQ(pool.GetImage("sys_1_a.bmp")->Height(), 45);
  ASSERT_NE(pool.GetImage("sys_2_a.bmp"), nullptr);
  ASSERT_NE(pool.GetImage("sys_2_b.bmp"), nullptr);
  EXPECT_EQ(pool.GetImage("sys_2_b.bmp")->Width(), 30);
  for (const char* absent : {"missing.bmp", "gif.bmp", "broken.bmp", "other.bmp"}) {
    EXPECT_EQ(pool.GetImage(absent), nullptr) << absent;
  }
  // A second call replaces the pictures; without the file there are none.
  pool.LoadImages(Folder.Path() + "none.ini", "MainBitmaps");
  EXPECT_EQ(pool.GetImage("sys_1_a.bmp"), nullptr);
}

TEST_F(FilePoolTest, LoadBitmapEmptiesTheBitmapFirst) {
  TFilePool pool(Pack, Extract);
  pool.CreateLPKFolder();
  plat::TBitmap bitmap;
  ASSERT_TRUE(pool.LoadBitmap("sys_2_b.bmp", bitmap));
  EXPECT_EQ(bitmap.Width(), 30);
  EXPECT_FALSE(pool.LoadBitmap("missing.bmp", bitmap));
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_FALSE(pool.LoadBitmap("broken.bmp", bitmap));
  EXPECT_TRUE(bitmap.Empty());
}

}  // namespace
