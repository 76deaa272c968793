// The English pack that the build makes, loaded as the program loads it.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "AppTestSupport.h"
#include "app/Localization.h"
#include "app/StringTable.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/RtlConsts.h"
#include "service/SmbiosText.h"

namespace {

using namespace apptest;
using zorbit::FilePool;
using zorbit::StringTable;

class EnglishPackTest : public LocalizationTest {
 protected:
  void SetUp() override {
    LocalizationTest::SetUp();
    ASSERT_TRUE(Exists(ProgramDir() + "Resources/English_ZorbitN.lpk")) << "build the english_pack target";
    zorbit::CreateLocalization(ProgramDir() + "Resources", Folder.Path() + "AppData/Ovra/Quilmo")
        .Load("English_ZorbitN");
    ASSERT_NE(FilePool(), nullptr);
    ASSERT_TRUE(FilePool()->FolderMode());
  }
  // Whether the pack's tables hold the key (English values often equal their keys).
  bool HasKey(const std::string& section, const std::string& key) {
    plat::TStringList tables;
    FilePool()->FindFiles("strtab*", tables);
    for (int i = 0; i < tables.Count(); ++i) {
      if (plat::TMemIniFile(tables.Strings(i)).ValueExists(section, key)) return true;
    }
    return false;
  }
};

TEST_F(EnglishPackTest, EveryMessageCodeHasAText) {
  for (const char* code : {"HM0001", "HM0002", "HM0003", "HM0004", "HM0006", "HM0007", "HM0008", "HM0009", "HM000A",
                           "HM000B", "HM000C", "HM000D", "HM000F", "HM0010", "HM0011", "HM0012", "HM0013", "Reboot"}) {
    EXPECT_NE(StringTable()->Lookup("Messages", code), code) << code;
  }
  for (const char* key : {"Service stopped", "Can not connect to service. Application will be terminated!"}) {
    EXPECT_TRUE(HasKey("TcpClient", key)) << key;
  }
  EXPECT_TRUE(HasKey("Hint", "Tessaro Technology"));
}

TEST_F(EnglishPackTest, WindowTextsKeyedByIdAreThere) {
  EXPECT_EQ(StringTable()->Lookup("ZorbitFormComponent", "7"), "Security");
  EXPECT_EQ(StringTable()->Lookup("ZorbitFormComponent", "1537"), "Enter Password");
  EXPECT_EQ(StringTable()->Lookup("ZorbitFormComponent", "1538"), "Password");
  EXPECT_EQ(StringTable()->Lookup("ZorbitFormComponent", "AssetTag"), "Asset Tag");
  EXPECT_NE(StringTable()->Lookup("ZorbitFormComponent", "HS0408"), "HS0408");
  EXPECT_NE(StringTable()->Lookup("ZorbitFormComponent", "HS040B"), "HS040B");
}

TEST_F(EnglishPackTest, TheSecurityWindowAndThePasswordPromptFindTheirLayoutTexts) {
  for (const char* text :
       {"Set Security Settings", "Supervisor Password", "User Password", "Enable", "Change Password", "Remove Password",
        "Old", "New", "Confirm", "Apply", "Cancel", "SmartCard", "Enter Password", "Password", "OK",
        "Set Boot Options", "Set boot sequence", "Power On Options", "Enable Fast Boot", "Up", "Down",
        "Set Asset Tag", "AssetTag"}) {
    EXPECT_TRUE(HasKey("ZorbitFormComponent", text)) << text;
  }
}

TEST_F(EnglishPackTest, EveryPlainRuntimeTextHasAnEntry) {
  // Texts with arguments are looked up filled in, and texts with line breaks
  // cannot be INI keys; every other runtime text is in section General.
  for (const plat::TResStringRec* rec : plat::RtlResStringTable()) {
    const std::string text = rec->Text;
    if (text.find('%') != std::string::npos || text.find('\n') != std::string::npos) continue;
    EXPECT_TRUE(HasKey("General", text)) << text;
  }
}

TEST_F(EnglishPackTest, EveryMemoryTypeHasAnEntry) {
  for (unsigned code = 0; code <= 0xFF; ++code) {
    const std::string text = zorbit::MemoryTypeText(static_cast<std::uint8_t>(code));
    EXPECT_TRUE(HasKey("General", text)) << code << " " << text;
  }
}

TEST_F(EnglishPackTest, ThePagePicturesLoadThroughTheThemeFile) {
  FilePool()->LoadImages(ProgramDir() + "pfqtheme.ini", "MainBitmaps");
  int jpegs = 0;
  for (const char* page : {"sys_1", "sys_2", "sys_4", "sys_network", "sys_5", "sys_6", "sys_7"}) {
    for (const char* look : {"_a", "_b"}) {
      const std::string name = std::string(page) + look + ".bmp";
      const plat::TBitmap* picture = FilePool()->GetImage(name);
      ASSERT_NE(picture, nullptr) << name;
      EXPECT_EQ(picture->Width(), 45) << name;
      EXPECT_EQ(picture->Height(), 45) << name;
    }
  }
  for (const auto& entry : std::filesystem::directory_iterator(FilePool()->ExtractFolder())) {
    jpegs += entry.path().extension() == ".jpg";
  }
  EXPECT_GE(jpegs, 1);
  // The selected look differs from the normal one.
  plat::TBitmap* normal = FilePool()->GetImage("sys_2_a.bmp");
  plat::TBitmap* selected = FilePool()->GetImage("sys_2_b.bmp");
  EXPECT_NE(normal->Canvas()->Pixels(22, 5), selected->Canvas()->Pixels(22, 5));
}

TEST_F(EnglishPackTest, TheHelpFileHoldsTheTopic) {
  const std::string help = ReadFileContent(FilePool()->GetFile("ZHELP_ZorbitN.CHM"));
  ASSERT_GE(help.size(), 4u);
  EXPECT_EQ(help.substr(0, 4), "ITSF");
  EXPECT_NE(help.find("/html/ZRHELP.htm"), std::string::npos);
}

}  // namespace
