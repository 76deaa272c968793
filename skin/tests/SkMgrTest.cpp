// The file theme on real skin files: look-ups through the manager, the
// search for the file, the magic test, hostile files that leave the
// previous theme in force, re-applying, and the re-theming of the skinned
// components on the owner form (test classes named like skinned controls,
// counting how often their FileTheme is assigned).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/gdi/TBitmap.h"
#include "platform/os/Module.h"
#include "platform/os/ShellFolders.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/LayoutClasses.h"
#include "platform/ui/LayoutReader.h"
#include "platform/ui/TCustomPanel.h"
#include "platform/ui/TForm.h"
#include "testing/FormTest.h"
#include "platform/win/Messages.h"
#include "skin/SkMgr.h"
#include "skin/tests/SkinFiles.h"
#include "skin/tests/TestFrame.h"
#include "testing/FileContent.h"
#include "testing/TempFolder.h"

namespace skintest {
namespace {

using namespace zorbit;
using namespace zorbit::skinwriter;
using plat::COLORREF;
using plat::RGB;

// A skinned control as the walk sees it: its class name starts with "Tsk"
// and it publishes FileTheme.
class TskThemedControl : public plat::TComponent {
 public:
  using plat::TComponent::TComponent;
  TskFileTheme* FileTheme() const { return FFileTheme; }
  void SetFileTheme(TskFileTheme* Value) {
    FFileTheme = Value;
    ++Assignments;
  }
  int Assignments = 0;

 private:
  TskFileTheme* FFileTheme = nullptr;
};

// The same, but not a skinned class by its name.
class TThemedOther : public TskThemedControl {
 public:
  using TskThemedControl::TskThemedControl;
};

// A skinned name whose FileTheme is a file name, not a theme.
class TskNamedTheme : public plat::TComponent {
 public:
  using plat::TComponent::TComponent;
  const plat::String& FileTheme() const { return FFileTheme; }
  void SetFileTheme(const plat::String& Value) { FFileTheme = Value; }

 private:
  plat::String FFileTheme;
};

class FileTheme : public zorbit::testing::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    RegisterTestFrame();
    plat::RegisterLayoutClass<TskThemedControl, plat::TComponent>("TskThemedControl")
        .ComponentProperty("FileTheme", &TskThemedControl::FileTheme, &TskThemedControl::SetFileTheme);
    plat::RegisterLayoutClass<TThemedOther, TskThemedControl>("TThemedOther");
    plat::RegisterLayoutClass<TskNamedTheme, plat::TComponent>("TskNamedTheme")
        .StringProperty("FileTheme", &TskNamedTheme::FileTheme, &TskNamedTheme::SetFileTheme);
    FForm = new plat::TForm(plat::Application);
    FTheme = new TskFileTheme(FForm);
  }

  std::string Write(const std::string& Name, const std::string& Bytes) { return FFolder.Write(Name, Bytes); }
  std::string Good() { return Write("good.skn", AllKindsSkin().Image()); }

  // The theme answers what AllKindsSkin holds.
  void ExpectGoodValues() const {
    EXPECT_TRUE(FTheme->CanUse());
    EXPECT_EQ(FTheme->GetInt(element::FormMinWidthInt), 140);
    EXPECT_EQ(FTheme->GetColor(element::FormBackgroundColor), 0xE7E7E7);
    EXPECT_TRUE(FTheme->GetBool(element::ButtonTransparentBool));
  }

  zorbit::testing::TTempFolder FFolder{"zorbit-skin"};
  plat::TForm* FForm = nullptr;
  TskFileTheme* FTheme = nullptr;
};

COLORREF PixelOf(plat::TBitmap& Bitmap, int X, int Y) {
  return static_cast<COLORREF>(Bitmap.Canvas()->Pixels(X, Y)) & 0xFFFFFF;
}

TEST_F(FileTheme, AnswersEveryKindOfElementOnceLoaded) {
  // Before a file: values read 0, flags False, pictures stay.
  plat::TBitmap bitmap;
  bitmap.SetSize(3, 3);
  FTheme->GetBitmap(element::ButtonImage, bitmap);
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(FTheme->GetInt(element::FormMinWidthInt), 0);
  EXPECT_EQ(FTheme->GetColor(element::FormBackgroundColor), 0);
  EXPECT_FALSE(FTheme->GetBool(element::ButtonTransparentBool));
  EXPECT_FALSE(FTheme->CanUse());

  const std::string path = Good();
  FTheme->SetThemeFile(path);
  EXPECT_EQ(FTheme->ThemeFile(), path);
  ExpectGoodValues();
  FTheme->GetBitmap(element::ButtonImage, bitmap);
  EXPECT_EQ(bitmap.Width(), 12);
  EXPECT_EQ(PixelOf(bitmap, 0, 0), RGB(255, 0, 0));
  FTheme->GetBitmapFrame(element::ButtonImage, bitmap, 3, 2);
  EXPECT_EQ(bitmap.Width(), 4);
  EXPECT_EQ(bitmap.Height(), 2);
  EXPECT_EQ(PixelOf(bitmap, 0, 0), RGB(0, 255, 0));
  EXPECT_EQ(PixelOf(bitmap, 3, 1), RGB(0, 255, 0));

  // Absent entries: -1, False, the picture unchanged.
  EXPECT_EQ(FTheme->GetInt(element::FormBorderWidthInt), -1);
  EXPECT_EQ(FTheme->GetColor(element::FormBorderColor), -1);
  EXPECT_FALSE(FTheme->GetBool(element::TitleBarButtonTransparentBool));
  FTheme->GetBitmap(element::CheckBoxImage, bitmap);
  EXPECT_EQ(bitmap.Width(), 4);
  // Element numbers outside 1..48.
  for (const TskThemeElement outside : {0, 49, -3}) {
    EXPECT_EQ(FTheme->GetInt(outside), -1) << outside;
    EXPECT_EQ(FTheme->GetColor(outside), -1) << outside;
    EXPECT_FALSE(FTheme->GetBool(outside)) << outside;
    FTheme->GetBitmap(outside, bitmap);
    EXPECT_EQ(bitmap.Width(), 4) << outside;
  }
}

TEST_F(FileTheme, ACorruptPictureReadsAsAbsent) {
  TSkinFileWriter writer;
  writer.AddBitmap("ButtonImage", "BM not a bitmap at all");
  std::string truncated = StripPicture(4, 4, {RGB(9, 9, 9)});
  truncated.resize(truncated.size() / 2);
  writer.AddBitmap("CheckBoxImage", truncated);
  FTheme->SetThemeFile(Write("corrupt.skn", writer.Image()));
  plat::TBitmap bitmap;
  bitmap.SetSize(5, 5);
  for (const TskThemeElement picture : {element::ButtonImage, element::CheckBoxImage}) {
    FTheme->GetBitmap(picture, bitmap);
    EXPECT_EQ(bitmap.Width(), 5) << picture;
  }
  FTheme->GetBitmapFrame(element::ButtonImage, bitmap, 3, 1);  // the frame of nothing: empty
  EXPECT_TRUE(bitmap.Empty());
}

TEST_F(FileTheme, OnlyTheTerminatorLoadsAnEmptyTheme) {
  FTheme->SetThemeFile(Write("empty.skn", TSkinFileWriter().Image()));
  EXPECT_TRUE(FTheme->CanUse());
  EXPECT_EQ(FTheme->GetInt(element::FormMinWidthInt), -1);
  EXPECT_EQ(FTheme->GetColor(element::FormBackgroundColor), -1);
  EXPECT_FALSE(FTheme->GetBool(element::ButtonTransparentBool));
}

TEST_F(FileTheme, AWrongMagicIsRefusedAndKeepsThePreviousTheme) {
  const std::string good = Good();
  FTheme->SetThemeFile(good);
  const std::string image = AllKindsSkin().Image();
  const struct {
    const char* Name;
    std::string Bytes;
  } cases[] = {
      {"lower-case magic", "veneer_tb" + image.substr(9)},
      {"other magic", "Veneer_TC" + image.substr(9)},
      {"magic running on", "Veneer_TBX" + image.substr(10)},
      {"empty file", ""},
      {"magic cut short", "Veneer_T"},
  };
  for (const auto& c : cases) {
    const std::string path = Write("bad.skn", c.Bytes);
    EXPECT_FALSE(TskFileTheme::CheckThemeFile(path)) << c.Name;
    try {
      FTheme->SetThemeFile(path);
      ADD_FAILURE() << c.Name << ": no exception";
    } catch (const plat::Exception& e) {
      EXPECT_EQ(e.Message(), "Invalid skin file for Veneer!") << c.Name;
    }
    EXPECT_EQ(FTheme->ThemeFile(), good) << c.Name;
    ExpectGoodValues();
  }
  EXPECT_TRUE(TskFileTheme::CheckThemeFile(good));
  EXPECT_FALSE(TskFileTheme::CheckThemeFile(FFolder.File("missing.skn")));
  EXPECT_FALSE(TskFileTheme::CheckThemeFile(FFolder.Path()));  // a folder
}

TEST_F(FileTheme, AFileThatFailsToParseKeepsThePreviousTheme) {
  const std::string good = Good();
  FTheme->SetThemeFile(good);
  const std::string image = AllKindsSkin().Image();
  std::string looping = image;
  PutLE32(looping, TSkinFileWriter::EntryOffset(1) + kNextEntryField, TSkinFileWriter::EntryOffset(0));
  std::string huge = image;
  PutLE32(huge, TSkinFileWriter::EntryOffset(0) + kDataSizeField, 0xFFFFFFFF);
  std::string pastEnd = image;
  PutLE32(pastEnd, kFirstEntryField, static_cast<std::uint32_t>(image.size()));
  const struct {
    const char* Name;
    std::string Bytes;
  } cases[] = {
      {"truncated", image.substr(0, image.size() - 1)},
      {"only the header", image.substr(0, kHeaderSize)},
      {"looping chain", looping},
      {"4 GB picture", huge},
      {"first entry past the end", pastEnd},
  };
  for (const auto& c : cases) {
    EXPECT_THROW(FTheme->SetThemeFile(Write(std::string("broken-") + c.Name + ".skn", c.Bytes)), plat::EReadError)
        << c.Name;
    EXPECT_EQ(FTheme->ThemeFile(), good) << c.Name;
    ExpectGoodValues();
  }
}

TEST_F(FileTheme, AFileIsLookedForInTheProgramWindowsAndSystemFolders) {
  const std::string image = AllKindsSkin().Image();
  const std::string windows = plat::IncludeTrailingPathDelimiter(plat::GetWindowsDirectory());
  const std::string system = plat::IncludeTrailingPathDelimiter(plat::GetSystemDirectory());
  const std::string program = plat::ExtractFilePath(plat::GetModuleFileName());
  ASSERT_TRUE(plat::ForceDirectories(windows) && plat::ForceDirectories(system));
  // A name no other test program uses: the program folder is shared.
  const std::string name = plat::ExtractFileName(FFolder.Path()) + ".skn";
  const plat::ScopeExit cleanUp([&] {
    for (const std::string& folder : {windows, system, program}) plat::DeleteFile(folder + name);
  });

  const struct {
    const char* Name;
    std::vector<std::string> Folders;  // where the file lies
    std::string Found;                 // the ThemeFile it gives
  } cases[] = {
      {"Windows folder only", {windows}, windows + name},
      {"system folder only", {system}, system + name},
      {"program folder first", {program, windows, system}, program + name},
      {"Windows before system", {windows, system}, windows + name},
  };
  for (const auto& c : cases) {
    auto* theme = new TskFileTheme(FForm);
    for (const std::string& folder : c.Folders) zorbit::testing::WriteFileContent(folder + name, image);
    theme->SetThemeFile("C:\\Ovra\\Skins\\" + name);  // only the name part is looked for elsewhere
    EXPECT_EQ(theme->ThemeFile(), c.Found) << c.Name;
    EXPECT_TRUE(theme->CanUse()) << c.Name;
    EXPECT_EQ(theme->GetInt(element::FormMinWidthInt), 140) << c.Name;
    for (const std::string& folder : {windows, system, program}) plat::DeleteFile(folder + name);
    delete theme;
  }

  // Found nowhere: nothing changes.
  FTheme->SetThemeFile(Good());
  const std::string before = FTheme->ThemeFile();
  FTheme->SetThemeFile(name);
  EXPECT_EQ(FTheme->ThemeFile(), before);
  ExpectGoodValues();
}

TEST_F(FileTheme, AnEqualFileNameDoesNotReloadButReapplyDoes) {
  const std::string path = Good();
  FTheme->SetThemeFile(path);
  TSkinFileWriter changed;
  changed.AddInteger("FormMinWidthInt", 222);
  zorbit::testing::WriteFileContent(path, changed.Image());

  FTheme->SetThemeFile(path);
  EXPECT_EQ(FTheme->GetInt(element::FormMinWidthInt), 140);
  FTheme->Reapply();
  EXPECT_EQ(FTheme->GetInt(element::FormMinWidthInt), 222);
  EXPECT_EQ(FTheme->GetColor(element::FormBackgroundColor), -1);  // the old file's values are gone

  // A broken file on re-apply keeps the theme as it was.
  zorbit::testing::WriteFileContent(path, "Veneer_TB");
  EXPECT_THROW(FTheme->Reapply(), plat::EReadError);
  EXPECT_EQ(FTheme->GetInt(element::FormMinWidthInt), 222);
  plat::DeleteFile(path);
  FTheme->Reapply();  // gone: nothing changes
  EXPECT_EQ(FTheme->GetInt(element::FormMinWidthInt), 222);
  EXPECT_EQ(FTheme->ThemeFile(), path);
}

// Pictures are decoded once per loaded file: a changed file re-applied, and
// another file taken, show their own pictures, also to a button painting
// with them; so does a corrupt picture that replaced a good one.
TEST_F(FileTheme, PicturesComeFromTheFileLoadedLast) {
  const std::string path = Good();
  FTheme->SetThemeFile(path);
  plat::TBitmap bitmap;
  FTheme->GetBitmap(element::ButtonImage, bitmap);
  bitmap.Canvas()->SetPixels(0, 0, plat::clBlack);  // a copy: the theme's picture stays
  FTheme->GetBitmapFrame(element::ButtonImage, bitmap, 3, 1);
  EXPECT_EQ(PixelOf(bitmap, 0, 0), RGB(255, 0, 0));

  TSkinFileWriter changed;
  changed.AddBitmap("ButtonImage", StripPicture(5, 3, {RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9)}));
  zorbit::testing::WriteFileContent(path, changed.Image());
  FTheme->Reapply();
  FTheme->GetBitmapFrame(element::ButtonImage, bitmap, 3, 1);
  EXPECT_EQ(bitmap.Width(), 5);
  EXPECT_EQ(PixelOf(bitmap, 0, 0), RGB(1, 2, 3));

  TSkinFileWriter other;
  other.AddBitmap("ButtonImage", StripPicture(2, 2, {RGB(10, 20, 30)}));
  other.AddBitmap("CheckBoxImage", StripPicture(2, 2, {RGB(40, 50, 60)}));
  FTheme->SetThemeFile(Write("other.skn", other.Image()));
  FTheme->GetBitmap(element::ButtonImage, bitmap);
  EXPECT_EQ(bitmap.Width(), 2);
  EXPECT_EQ(PixelOf(bitmap, 1, 1), RGB(10, 20, 30));

  TSkinFileWriter corrupt;
  corrupt.AddBitmap("ButtonImage", "BM not a bitmap at all");
  Write("other.skn", corrupt.Image());
  FTheme->Reapply();
  bitmap.SetSize(7, 7);
  FTheme->GetBitmap(element::ButtonImage, bitmap);
  EXPECT_EQ(bitmap.Width(), 7);  // absent now: unchanged
  FTheme->GetBitmap(element::CheckBoxImage, bitmap);
  EXPECT_EQ(bitmap.Width(), 7);  // gone with the file that had it
}

TEST_F(FileTheme, ReapplyWithoutAFileDoesNothing) {
  FTheme->Reapply();
  EXPECT_FALSE(FTheme->CanUse());
  EXPECT_EQ(FTheme->ThemeFile(), "");
}

class Retheming : public FileTheme {
 protected:
  void SetUp() override {
    FileTheme::SetUp();
    FForm->WindowProc = [this, previous = FForm->WindowProc](plat::TMessage& Message) {
      if (Message.Msg == plat::WM_NCCALCSIZE) ++FFrameRecomputed;
      previous(Message);
    };
    FForm->HandleNeeded();
  }
  int FFrameRecomputed = 0;
};

TEST_F(Retheming, SkinnedComponentsOfTheOwnerFormTakeTheThemeAgain) {
  auto* themed = new TskThemedControl(FForm);
  auto* unthemed = new TskThemedControl(FForm);
  auto* otherTheme = new TskThemedControl(FForm);
  auto* notSkinned = new TThemedOther(FForm);
  auto* other = new TskFileTheme(FForm);
  auto* named = new TskNamedTheme(FForm);
  named->SetFileTheme("named.skn");
  themed->SetFileTheme(FTheme);
  otherTheme->SetFileTheme(other);
  notSkinned->SetFileTheme(FTheme);
  for (TskThemedControl* control : {themed, unthemed, otherTheme, static_cast<TskThemedControl*>(notSkinned)})
    control->Assignments = 0;

  FTheme->SetThemeFile(Good());
  EXPECT_EQ(themed->Assignments, 1);
  EXPECT_EQ(themed->FileTheme(), FTheme);
  EXPECT_EQ(unthemed->Assignments, 0);
  EXPECT_EQ(otherTheme->Assignments, 0);
  EXPECT_EQ(notSkinned->Assignments, 0);  // its class name does not start with "Tsk"
  EXPECT_EQ(named->FileTheme(), "named.skn");
  FTheme->Reapply();
  EXPECT_EQ(themed->Assignments, 2);
  FTheme->SetThemeFile(FTheme->ThemeFile());  // equal: nothing
  EXPECT_EQ(themed->Assignments, 2);
  EXPECT_THROW(FTheme->SetThemeFile(Write("bad.skn", "veneer_tb")), plat::Exception);
  EXPECT_EQ(themed->Assignments, 2);
}

TEST_F(Retheming, TheFrameTakesEveryNewFileOfItsTheme) {
  auto* frame = new TskForm(FForm);
  frame->SetFileTheme(FTheme);
  frame->SetUIStyle(TskUIStyle::FromThemeFile);
  Pump();

  FTheme->SetThemeFile(Good());  // FormBackgroundColor $E7E7E7
  EXPECT_EQ(frame->Color(), 0xE7E7E7);
  TSkinFileWriter second;
  second.AddInteger("FormBackgroundColor", 0x123456);
  FTheme->SetThemeFile(Write("second.skn", second.Image()));
  EXPECT_EQ(frame->Color(), 0x123456);
  FFrameRecomputed = 0;
  FTheme->Reapply();
  EXPECT_GE(FFrameRecomputed, 1);

  // A frame using another theme is left alone.
  frame->SetFileTheme(nullptr);
  FFrameRecomputed = 0;
  FTheme->Reapply();
  EXPECT_EQ(FFrameRecomputed, 0);
}

TEST_F(FileTheme, ALayoutDeclaresTheThemeWithItsFile) {
  const std::string path = Good();
  auto* form = new plat::TForm(plat::Application);
  plat::ReadLayoutText(
      *form, R"({"Components": [{"Class": "TskFileTheme", "Name": "skTheme", "ThemeFile": ")" + path + R"("}]})",
      "SkinLayout", {});
  auto* theme = dynamic_cast<TskFileTheme*>(form->FindComponent("skTheme"));
  ASSERT_NE(theme, nullptr);
  EXPECT_EQ(theme->ThemeFile(), path);
  EXPECT_TRUE(theme->CanUse());

  auto* refused = new plat::TForm(plat::Application);
  const std::string bad = Write("bad.skn", "not a skin");
  try {
    plat::ReadLayoutText(
        *refused, R"({"Components": [{"Class": "TskFileTheme", "Name": "skTheme", "ThemeFile": ")" + bad + R"("}]})",
        "SkinLayout", {});
    ADD_FAILURE() << "no exception";
  } catch (const plat::ELayoutError& e) {
    EXPECT_THAT(e.Message(), ::testing::HasSubstr("Invalid skin file for Veneer!"));
  }
  EXPECT_EQ(refused->ComponentCount(), 0);
}

}  // namespace
}  // namespace skintest
