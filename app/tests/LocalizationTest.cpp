// TLocalization with the global pool and string table: loading packs by
// language name, adding a second language, the retry, and missing or broken packs.
#include "app/Localization.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "AppTestSupport.h"
#include "app/StringTable.h"
#include "platform/rtl/Exception.h"
#include "service/AppHooks.h"
#include "service/GenericShellAPI.h"

namespace {

using namespace apptest;
using zorbit::FilePool;
using zorbit::StringTable;
namespace fs = std::filesystem;

class LocalizationLoadTest : public LocalizationTest {
 protected:
  void SetUp() override {
    LocalizationTest::SetUp();
    Resources = Folder.Path() + "Program/Resources/";
    fs::create_directories(Resources);
    AppData = Folder.Path() + "AppData/Ovra/Quilmo";
  }
  std::string Lookup(const std::string& section, const std::string& key) { return StringTable()->Lookup(section, key); }

  std::string Resources;
  std::string AppData;
};

TEST_F(LocalizationLoadTest, APackInSubFoldersLoadsItsTablesInNameOrder) {
  // The later name (sorted without case) wins, whatever order the pack and
  // the file system give; an empty value withdraws a key.
  MakePack(Resources + "German_ZorbitN.lpk",
           {{"strtab_Z.ini", "[messages]\nreboot=Neustart\nHM0001=\n"},
            {"STRTAB_a.ini", "[Messages]\nReboot=Neu starten\nHM0001=Sicher?\nHM0002=Wirklich?\n"},
            {"pics/sys_2_a.bmp", BmpBytes(45, 45)},
            {"help/ZHELP_ZorbitN.CHM", "help"}});
  zorbit::TLocalization& localization = zorbit::CreateLocalization(Folder.Path() + "Program/Resources", AppData);
  localization.Load("German_ZorbitN");
  EXPECT_EQ(localization.CurrentLanguage(), "German_ZorbitN.lpk");
  EXPECT_EQ(Lookup("Messages", "Reboot"), "Neustart");
  EXPECT_EQ(Lookup("Messages", "HM0001"), "HM0001");
  EXPECT_EQ(Lookup("Messages", "HM0002"), "Wirklich?");
  ASSERT_NE(FilePool(), nullptr);
  EXPECT_EQ(FilePool()->ExtractFolder(), AppData + "/__LanguageFiles/");
  EXPECT_EQ(ReadFileContent(FilePool()->GetFile("HELP\\zhelp_zorbitn.chm")), "help");
}

TEST_F(LocalizationLoadTest, AMissingPackChangesNothing) {
  zorbit::TLocalization& localization = zorbit::CreateLocalization(Resources, AppData);
  // A value with a trailing blank names another pack.
  MakePack(Resources + "German_ZorbitN.lpk", {{"strtab.ini", "[Messages]\nReboot=Neustart\n"}});
  localization.Load("German_ZorbitN ");
  localization.Load("English_ZorbitN");
  EXPECT_EQ(FilePool(), nullptr);
  EXPECT_EQ(localization.CurrentLanguage(), "");
  EXPECT_EQ(Lookup("Messages", "Reboot"), "Reboot");
  EXPECT_FALSE(Exists(AppData));
}

TEST_F(LocalizationLoadTest, APackThatIsNoCabinetLeavesTheTableEmpty) {
  WriteFileContent(Resources + "German_ZorbitN.lpk", "[Messages]\nReboot=Neustart\n");
  zorbit::CreateLocalization(Resources, AppData).Load("German_ZorbitN");
  ASSERT_NE(FilePool(), nullptr);
  EXPECT_TRUE(FilePool()->FolderMode());
  EXPECT_EQ(Lookup("Messages", "Reboot"), "Reboot");
}

TEST_F(LocalizationLoadTest, WithoutAnExtractionFolderNoTablesLoadButFilesStillComeOut) {
  WriteFileContent(Folder.Path() + "AppData", "a file, not a folder");
  MakePack(Resources + "German_ZorbitN.lpk",
           {{"strtab.ini", "[Messages]\nReboot=Neustart\n"}, {"ZHELP_ZorbitN.CHM", "help"}});
  zorbit::CreateLocalization(Resources, AppData).Load("German_ZorbitN");
  ASSERT_NE(FilePool(), nullptr);
  EXPECT_FALSE(FilePool()->FolderMode());
  EXPECT_EQ(Lookup("Messages", "Reboot"), "Reboot");
  EXPECT_EQ(ReadFileContent(FilePool()->GetFile("ZHELP_ZorbitN.CHM")), "help");
}

TEST_F(LocalizationLoadTest, ASecondLanguageIsAddedOverTheFirst) {
  MakePack(Resources + "English_ZorbitN.lpk", {{"strtab.ini", "[Messages]\nReboot=Restart\nHM0001=Sure?\n"}});
  MakePack(Resources + "German_ZorbitN.lpk", {{"STRTAB.INI", "[Messages]\nReboot=Neustart\n"}});
  zorbit::TLocalization& localization = zorbit::CreateLocalization(Resources, AppData);
  localization.Load("English_ZorbitN");
  localization.Load("German_ZorbitN");
  EXPECT_EQ(localization.CurrentLanguage(), "German_ZorbitN.lpk");
  EXPECT_EQ(Lookup("Messages", "Reboot"), "Neustart");
  EXPECT_EQ(Lookup("Messages", "HM0001"), "Sure?");  // the table keeps what it had
  EXPECT_FALSE(Exists(FilePool()->ExtractFolder() + "strtab.ini"));
}

TEST_F(LocalizationLoadTest, AddingIsTriedOnceMoreAfterAFailure) {
  MakePack(Resources + "English_ZorbitN.lpk", {{"strtab.ini", "[Messages]\nReboot=Restart\n"}});
  MakePack(Resources + "German_ZorbitN.lpk", {{"strtab.ini", "[Messages]\nReboot=Neustart\n"}});
  zorbit::TLocalization& localization = zorbit::CreateLocalization(Resources, AppData);
  std::vector<plat::DWORD> pauses;
  int messageRuns = 0;
  localization.SetRetryPause([&](plat::DWORD ms) { pauses.push_back(ms); });
  zorbit::AppHooks().ProcessMessages = [&] { ++messageRuns; };
  localization.Load("English_ZorbitN");

  // The first replacement of an unpacked file fails, as when another program holds it.
  int failures = 1;
  FilePool()->Reader().OnOverWriteFile = [&](plat::TObject*, const plat::String&, bool&) {
    if (failures-- > 0) throw plat::Exception("sharing violation");
  };
  localization.Load("German_ZorbitN");
  EXPECT_EQ(pauses, std::vector<plat::DWORD>(11, 200));
  EXPECT_EQ(messageRuns, 11);
  EXPECT_EQ(Lookup("Messages", "Reboot"), "Neustart");

  // A second failure goes to the caller.
  MakePack(Resources + "French_ZorbitN.lpk", {{"strtab.ini", "[Messages]\nReboot=Redemarrer\n"}});
  failures = 2;
  EXPECT_THROW(localization.SetLanguage("French_ZorbitN"), plat::Exception);
  EXPECT_EQ(localization.CurrentLanguage(), "German_ZorbitN.lpk");
  zorbit::AppHooks().ProcessMessages = nullptr;
}

TEST_F(LocalizationLoadTest, UnpackingFailuresAreLoggedAndDoNotStopTheProgram) {
  // The log is written only when its file exists in the common application-data folder.
  zorbit::InitializeGenericShellAPI();
  const std::string log = zorbit::GetCommonAppDataDir() + "qellog.txt";
  fs::create_directories(fs::path(log).parent_path());
  WriteFileContent(log, "");
  MakePack(Resources + "German_ZorbitN.lpk", {{"strtab.ini", "[Messages]\nReboot=Neustart\n"}});
  zorbit::TFilePool pool(Resources + "German_ZorbitN.lpk", AppData + "/");
  fs::create_directories(AppData + "/__LanguageFiles");
  WriteFileContent(AppData + "/__LanguageFiles/strtab.ini", "old");
  pool.Reader().OnOverWriteFile = [](plat::TObject*, const plat::String&, bool&) { throw plat::Exception("locked"); };
  pool.CreateLPKFolder();
  EXPECT_FALSE(pool.FolderMode());
  EXPECT_NE(ReadFileContent(log).find("[TFilePool.CreateLPKFolder]:locked"), std::string::npos);
  zorbit::FinalizeGenericShellAPI();
}

}  // namespace
