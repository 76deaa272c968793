// The System Info window in the headless display against the real stand-in
// service: the pages in the grid, the copies, the hidden Asset Tag entry and
// the asset-tag dialog opened from it.
#include "app/SystemInfo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "AppTestSupport.h"
#include "StandInWindowTest.h"
#include "app/Localization.h"
#include "app/AssetTag.h"
#include "app/Translate.h"
#include "extgrid/TExtStringGrid.h"
#include "grid/TCellProperties.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TClipboard.h"
#include "platform/ui/TCustomLabel.h"
#include "platform/win/InputInjection.h"
#include "platform/win/VirtualKeys.h"
#include "service/AppHooks.h"
#include "skin/ImgBtn.h"
#include "skin/SkButton.h"
#include "skin/SkEdit.h"
#include "skin/SkImageButton.h"
#include "testing/FileContent.h"
#include "testing/ProjectPaths.h"

namespace {

using namespace apptest;
using namespace zorbit;

using TPage = TfmSystemInfo::TPage;

class SystemInfoWindowTest : public StandInWindowTest {
 protected:
  void SetUp() override {
    StandInWindowTest::SetUp();
    // The English pack as the program loads it: its texts and the page pictures.
    InitializeLocalization();
    CreateLocalization(ProgramDir() + "Resources", FPack.Path()).Load("English_ZorbitN");
    ASSERT_NE(FilePool(), nullptr);
    FilePool()->LoadImages(ProgramDir() + "pfqtheme.ini", "MainBitmaps");
  }
  void TearDown() override {
    AppHooks().ProcessMessages = nullptr;
    delete FWindow;
    FinalizeLocalization();
    StandInWindowTest::TearDown();
  }

  void Open(const std::string& Tag = "INV-0042", std::vector<std::string> Switches = {}) {
    StartService(nlohmann::json{{"asset_tag", Tag}}.dump(), std::move(Switches));
    FWindow = new TfmSystemInfo(plat::Application);
    Translate(kFormComponentSection, FWindow);
    FWindow->Show();
    Pump();
  }
  TExtStringGrid& Grid() const { return *FWindow->esgSystemInfo(); }
  void ShowPage(TPage Page) {
    ClickControl(FWindow->PageButton(Page));
    Pump();
  }
  // Every row of the grid below the header as "name|value".
  std::vector<std::string> GridRows() const {
    std::vector<std::string> rows;
    for (int row = 1; row < Grid().RowCount(); ++row) rows.push_back(Grid().Cells(0, row) + "|" + Grid().Cells(1, row));
    return rows;
  }
  bool Bold(int Row) const {
    if (!Grid().HasCellProperties(0, Row)) return false;
    return Grid().GetCellProperties(0, Row)->FontStyle().Contains(plat::TFontStyle::fsBold);
  }
  void Release(std::initializer_list<plat::UINT> Keys) {
    for (plat::UINT key : Keys) {
      plat::InjectKeyUp(key);
      Pump();
    }
  }

  TfmSystemInfo* FWindow = nullptr;
  zorbit::testing::TTempFolder FPack{"zorbit-pack"};
};

TEST_F(SystemInfoWindowTest, OpensOnTheSummary) {
  Open();
  EXPECT_EQ(FWindow->CurrentPage(), TfmSystemInfo::pgSummary);
  EXPECT_EQ(FWindow->lbhint()->Caption(), "Summary");
  EXPECT_EQ(Grid().Cells(0, 0), "Item");
  EXPECT_EQ(Grid().Cells(1, 0), "Value");
  const std::vector<std::string> rows = GridRows();
  ASSERT_EQ(rows.size(), 12u);
  EXPECT_EQ(rows.front(), "Product Name|Roamline K510  ");
  EXPECT_EQ(rows.back(), "Asset Tag|INV-0042  ");
  EXPECT_FALSE(FWindow->imgbAssetTag()->Visible());
  // The report is the page, aligned, without the grid's blanks before names.
  EXPECT_EQ(FWindow->PageReport().Strings(0), "Product Name      Roamline K510  ");
  EXPECT_TRUE(Exceptions().empty());
  Screenshot(*FWindow, "system-info-summary");
}

TEST_F(SystemInfoWindowTest, MotherboardAndBiosInGroupsWithBoldCaptions) {
  Open();
  ShowPage(TfmSystemInfo::pgBoardAndBios);
  EXPECT_EQ(FWindow->lbhint()->Caption(), "Motherboard and BIOS");
  const std::vector<std::string> rows = GridRows();
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_EQ(rows[0], "Motherboard|");
  EXPECT_EQ(rows[1], "  Serial Number|HB3X0042118");
  EXPECT_EQ(rows[2], "|");
  EXPECT_EQ(rows[3], "BIOS|");
  EXPECT_EQ(rows[4], "  Vendor|Ovra");
  EXPECT_EQ(rows[5], "  Version|V1.07");
  EXPECT_TRUE(rows[6].starts_with("  Release Date|"));
  for (int row = 1; row <= 7; ++row) EXPECT_EQ(Bold(row), row == 1 || row == 4) << row;
  const std::string report = FWindow->PageReport().Text();
  EXPECT_TRUE(report.starts_with("====== Motherboard ======\r\nSerial Number  HB3X0042118\r\n\r\n====== BIOS ======\r\n"))
      << report;
  Screenshot(*FWindow, "system-info-board-and-bios");
  // Back to a plain page: no caption stays bold.
  ShowPage(TfmSystemInfo::pgProcessor);
  for (int row = 1; row < Grid().RowCount(); ++row) EXPECT_FALSE(Bold(row)) << row;
}

struct TProfileCase {
  const char* Name;
  std::vector<std::string> Switches;
};

TEST_F(SystemInfoWindowTest, EveryPageFillsOnBothMachines) {
  const TProfileCase machines[] = {
      {"default", {}},
      {"awkward", {"--profile", zorbit::testing::SourcePath("tools/mgmtsvc/profiles/awkward.json")}}};
  const struct {
    TPage Page;
    const char* Title;
  } pages[] = {{TfmSystemInfo::pgProcessor, "Processor"}, {TfmSystemInfo::pgBoardAndBios, "Motherboard and BIOS"},
               {TfmSystemInfo::pgNetwork, "Network"},     {TfmSystemInfo::pgMemory, "Memory"},
               {TfmSystemInfo::pgVideo, "Video"},         {TfmSystemInfo::pgAudio, "Audio"},
               {TfmSystemInfo::pgSummary, "Summary"}};
  for (const TProfileCase& machine : machines) {
    delete FWindow;
    FWindow = nullptr;
    Open("INV-0042", machine.Switches);
    for (const auto& page : pages) {
      ShowPage(page.Page);
      EXPECT_EQ(FWindow->CurrentPage(), page.Page) << machine.Name;
      EXPECT_EQ(FWindow->lbhint()->Caption(), page.Title) << machine.Name;
      EXPECT_GE(Grid().RowCount(), 2) << machine.Name << " " << page.Title;
      EXPECT_NE(Grid().Cells(0, 1), "") << machine.Name << " " << page.Title;
    }
    EXPECT_TRUE(Exceptions().empty()) << machine.Name;
  }
}

TEST_F(SystemInfoWindowTest, TheColumnsFitTheirTexts) {
  Open();
  ShowPage(TfmSystemInfo::pgNetwork);
  // Measured in the grid's own font.
  plat::TBitmap scratch;
  scratch.Canvas()->Font()->Assign(*Grid().Font());
  int widest = 0;
  for (int row = 0; row < Grid().RowCount(); ++row) {
    scratch.Canvas()->Font()->SetStyle(Bold(row) ? plat::TFontStyles{plat::TFontStyle::fsBold} : plat::TFontStyles{});
    widest = std::max(widest, scratch.Canvas()->TextWidth(Grid().Cells(0, row)));
  }
  // The widest caption and the margin of 10, not the layout's fixed width.
  EXPECT_GE(Grid().ColWidths(0), widest + 10);
  EXPECT_LE(Grid().ColWidths(0), widest + 10 + 8);
  EXPECT_NE(Grid().ColWidths(0), 103);
  Screenshot(*FWindow, "system-info-network");
}

TEST_F(SystemInfoWindowTest, TheMemoryAndProcessorOfATwoSocketServer) {
  // Two arrays of 4 TB and 64 GB DDR5 modules, all beyond the old fields.
  Open("INV-0042", {"--profile", zorbit::testing::SourcePath("app/tests/data/machines/server-2socket.json")});
  ShowPage(TfmSystemInfo::pgMemory);
  const std::vector<std::string> rows = GridRows();
  ASSERT_EQ(rows.size(), 4u + 16u);
  EXPECT_EQ(rows[0], "Current Memory|524288 MB  ");
  EXPECT_EQ(rows[1], "Maximum Memory Size|8192 GB  ");
  EXPECT_EQ(rows[2], "Supported Types|DDR5  ");
  EXPECT_EQ(rows[3], "Memory Slots|16  ");
  EXPECT_EQ(rows[4], "Slot 1|65536 MB  ");
  EXPECT_EQ(rows[19], "Slot 16|No Module Installed  ");
  Screenshot(*FWindow, "system-info-memory");
  ShowPage(TfmSystemInfo::pgProcessor);
  EXPECT_EQ(GridRows()[1], "Bus Speed|100 MHz  ");
  Screenshot(*FWindow, "system-info-processor");
  EXPECT_TRUE(Exceptions().empty());
}

TEST_F(SystemInfoWindowTest, CopyPutsThePageOnTheClipboardAndIntoTheEditor) {
  Open();
  ShowPage(TfmSystemInfo::pgMemory);
  Display().Launches().Clear();
  ClickControl(FWindow->skImageButton1());
  Pump();
  const std::string text = FWindow->PageReport().Text();
  EXPECT_TRUE(text.starts_with("Current Memory       2048 MB  \r\n")) << text;
  EXPECT_EQ(plat::Clipboard()->AsText(), text);
  ASSERT_FALSE(FWindow->LastReportFile().empty());
  EXPECT_EQ(zorbit::testing::ReadFileContent(FWindow->LastReportFile()), text);
  ASSERT_EQ(Display().Launches().Calls().size(), 1u);
  EXPECT_EQ(Display().Launches().Calls()[0].Target, FWindow->LastReportFile());
}

TEST_F(SystemInfoWindowTest, CopyAllPutsEveryPageOnTheClipboard) {
  Open();
  ClickControl(FWindow->skImageButton2());
  Pump();
  const std::string text = plat::Clipboard()->AsText();
  EXPECT_TRUE(text.starts_with("====== Summary ======\r\nProduct Name  ")) << text;
  EXPECT_NE(text.find("\r\n====== Audio ======\r\nDevice Name  Ovra High Definition Audio  \r\n\r\n\r\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(zorbit::testing::ReadFileContent(FWindow->LastReportFile()), text);
}

TEST_F(SystemInfoWindowTest, TheHiddenSequenceShowsTheAssetTagButton) {
  const struct {
    const char* Name;
    std::vector<plat::UINT> Keys;
    bool Shown;
  } cases[] = {
      {"F11 ends it", {plat::VK_CONTROL, plat::VK_SHIFT, plat::VK_F9, plat::VK_F11}, true},
      {"F12 ends it", {plat::VK_CONTROL, plat::VK_SHIFT, plat::VK_F9, plat::VK_F12}, true},
      {"Ctrl starts afresh", {plat::VK_CONTROL, plat::VK_SHIFT, plat::VK_CONTROL, plat::VK_SHIFT, plat::VK_F9, plat::VK_F12}, true},
      {"out of order", {plat::VK_SHIFT, plat::VK_CONTROL, plat::VK_F9, plat::VK_F11}, false},
      {"a stray key clears it", {plat::VK_CONTROL, plat::VK_SHIFT, plat::VK_DOWN, plat::VK_F9, plat::VK_F11}, false},
      {"F10 is not an end", {plat::VK_CONTROL, plat::VK_SHIFT, plat::VK_F9, plat::VK_F10}, false},
  };
  Open();
  for (const auto& c : cases) {
    FWindow->imgbAssetTag()->SetVisible(false);
    // Ends any progress of the case before.
    Release({plat::VK_ESCAPE});
    for (plat::UINT key : c.Keys) Release({key});
    EXPECT_EQ(FWindow->imgbAssetTag()->Visible(), c.Shown) << c.Name;
  }
}

TEST_F(SystemInfoWindowTest, TheButtonShowsAtOnceWithoutAStoredTag) {
  const struct {
    const char* Tag;
    bool Shown;
  } cases[] = {{"", true}, {"\xC3\xBF\xC3\xBF", true}, {"\xEF\xBF\xBDINV", true}, {"INV-1", false}, {"  ", false}};
  for (const auto& c : cases) {
    delete FWindow;
    FWindow = nullptr;
    Open(c.Tag);
    EXPECT_EQ(FWindow->imgbAssetTag()->Visible(), c.Shown) << c.Tag;
  }
}

TEST_F(SystemInfoWindowTest, StoringATagShowsItAndHidesTheButton) {
  Open("");
  ASSERT_TRUE(FWindow->imgbAssetTag()->Visible());
  Answer([this](plat::TCustomForm& Window) {
    auto& dialog = dynamic_cast<TfmAssetTag&>(Window);
    dialog.edtTag()->SetFocus();
    plat::InjectText("INV-7");
    Pump();
    ClickControl(dialog.btnOK());
  });
  Answer(Press("OK"));
  ClickControl(FWindow->imgbAssetTag());
  Pump();
  EXPECT_EQ(BiosState()["asset_tag"], "INV-7");
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0], "The new asset tag takes effect after you restart the computer.");
  EXPECT_EQ(GridRows().back(), "Asset Tag|INV-7");
  EXPECT_FALSE(FWindow->imgbAssetTag()->Visible());
  EXPECT_TRUE(Unexpected.empty());
}

TEST_F(SystemInfoWindowTest, ARefusedTagShowsNoRebootMessageAndKeepsTheButton) {
  Open("");
  // The stand-in's BIOS refuses tags longer than 64 bytes.
  Answer([this](plat::TCustomForm& Window) {
    auto& dialog = dynamic_cast<TfmAssetTag&>(Window);
    dialog.edtTag()->SetFocus();
    plat::InjectText(std::string(65, 'x'));
    Pump();
    ClickControl(dialog.btnOK());
    Pump();
    // The failure message came and went; the dialog stays until closed.
    Window.Close();
  });
  Answer(Press("OK"));
  ClickControl(FWindow->imgbAssetTag());
  Pump();
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0], "The asset tag could not be stored. The old tag is kept.");
  EXPECT_EQ(BiosState()["asset_tag"], "");
  EXPECT_EQ(GridRows().back(), "Asset Tag|  ");
  EXPECT_TRUE(FWindow->imgbAssetTag()->Visible());
  EXPECT_EQ(Grid().Row(), 1);
}

TEST_F(SystemInfoWindowTest, ClicksWhileAPageIsReadAreIgnored) {
  // Stale lines before every reply let the window's messages run while a
  // request waits; a click on another page arrives then.
  Open("INV-0042", {"--stale", "4"});
  bool clicked = false;
  AppHooks().ProcessMessages = [this, &clicked] {
    if (!clicked) {
      clicked = true;
      ClickControl(FWindow->PageButton(TfmSystemInfo::pgNetwork));
      ClickControl(FWindow->skImageButton2());
    }
    plat::Application->ProcessMessages();
  };
  plat::Clipboard()->SetAsText("untouched");
  ShowPage(TfmSystemInfo::pgProcessor);
  EXPECT_TRUE(clicked);
  EXPECT_EQ(FWindow->CurrentPage(), TfmSystemInfo::pgProcessor);
  EXPECT_EQ(FWindow->lbhint()->Caption(), "Processor");
  EXPECT_TRUE(GridRows().front().starts_with("Processor|Intel")) << GridRows().front();
  EXPECT_EQ(plat::Clipboard()->AsText(), "untouched");
}

}  // namespace
