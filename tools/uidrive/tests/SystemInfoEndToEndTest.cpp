// The System Info window end to end: opened from the main window's link,
// its pages read from the stand-in's machines, the copy of a page, the
// hidden Asset Tag entry and a tag stored through the asset-tag dialog.
#include <string>
#include <vector>

#include "EndToEnd.h"
#include "testing/FileContent.h"
#include "testing/ProjectPaths.h"

namespace e2e {
namespace {

using Lines = std::vector<std::string>;

class SystemInfoEndToEndTest : public EndToEndTest {
 protected:
  // The script's commands run in the System Info window, opened by its link
  // and closed by its close box after them; then the program ends.
  zorbit::testing::TProgramResult InSystemInfo(const std::string& Commands) {
    return Drive("wait TfmZorbitMain\n"
                 "click lbSysInfo\n"
                 "wait TfmSystemInfo\n" +
                 Commands +
                 "wait TfmSystemInfo\n"
                 "close\n"
                 "gone TfmSystemInfo\n"
                 "quit\n");
  }
  std::string Shot(const std::string& Name) const { return Folder().File(Name + ".png"); }
};

TEST_F(SystemInfoEndToEndTest, SummaryAndMotherboardAndBiosPages) {
  StartService(R"({"asset_tag": "INV-0042"})");
  const zorbit::testing::TProgramResult run = InSystemInfo(
      "text lbhint\n"
      "cells esgSystemInfo\n"
      "prop imgbAssetTag Visible\n"
      "screenshot " + Shot("summary") + "\n"
      "click imgbMotherboardBios\n"
      "text lbhint\n"
      "cells esgSystemInfo\n"
      "screenshot " + Shot("board") + "\n");
  ASSERT_EQ(run.ExitCode, 0) << run.Output;
  EXPECT_EQ(Values(run.Output, "text"), (Lines{"Summary", "Motherboard and BIOS"}));
  EXPECT_EQ(Values(run.Output, "prop"), (Lines{"False"}));
  const Lines rows = Values(run.Output, "row");
  ASSERT_EQ(rows.size(), 13u + 8u) << run.Output;
  EXPECT_EQ(rows[0], "Item\tValue");
  EXPECT_EQ(rows[1], "Product Name\tRoamline K510  ");
  EXPECT_EQ(rows[2], "Operating System\tMicrosoft Windows XP Professional 5.1.2600 Service Pack 2  ");
  EXPECT_EQ(rows[4], "Total Memory\t2048 MB  ");
  EXPECT_EQ(rows[12], "Asset Tag\tINV-0042  ");
  const Lines board(rows.begin() + 13, rows.end());
  EXPECT_EQ(board[1], "Motherboard\t");
  EXPECT_EQ(board[2], "  Serial Number\tHB3X0042118");
  EXPECT_EQ(board[3], "\t");
  EXPECT_EQ(board[4], "BIOS\t");
  EXPECT_EQ(board[5], "  Vendor\tOvra");
  EXPECT_EQ(board[6], "  Version\tV1.07");
  EXPECT_EQ(board[7].rfind("  Release Date\t", 0), 0u);
  ExpectLooksLike(Shot("summary"), "system-info-summary-e2e");
  ExpectLooksLike(Shot("board"), "system-info-board-and-bios-e2e");
}

TEST_F(SystemInfoEndToEndTest, EveryPageFillsOnBothMachines) {
  const std::vector<std::vector<std::string>> machines{
      {}, {"--profile", zorbit::testing::SourcePath("tools/mgmtsvc/profiles/awkward.json")}};
  for (const auto& switches : machines) {
    StartService(R"({"asset_tag": "INV-0042"})", switches);
    const zorbit::testing::TProgramResult run = InSystemInfo(
        "click imgbProcessor\ntext lbhint\ncells esgSystemInfo 1\n"
        "click imgbNetwork\ntext lbhint\ncells esgSystemInfo 1\n"
        "click imgbMemory\ntext lbhint\ncells esgSystemInfo 1\n"
        "click imgbVideo\ntext lbhint\ncells esgSystemInfo 1\n"
        "click imgbAudio\ntext lbhint\ncells esgSystemInfo 1\n"
        "screenshot " + Shot(switches.empty() ? "audio" : "awkward-audio") + "\n");
    ASSERT_EQ(run.ExitCode, 0) << run.Output;
    EXPECT_EQ(Values(run.Output, "text"), (Lines{"Processor", "Network", "Memory", "Video", "Audio"}));
    for (const std::string& row : Values(run.Output, "row")) EXPECT_NE(row.find('\t'), 0u) << row;
    EXPECT_EQ(run.Output.find("error:"), std::string::npos) << run.Output;
  }
}

TEST_F(SystemInfoEndToEndTest, CopyPutsTheAlignedPageIntoTheEditorAndOnTheClipboard) {
  StartService(R"({"asset_tag": "INV-0042"})");
  const zorbit::testing::TProgramResult run = InSystemInfo(
      "click imgbMemory\n"
      "click skImageButton1\n"
      "launches\n"
      "clipboard\n");
  ASSERT_EQ(run.ExitCode, 0) << run.Output;
  const Lines launches = Values(run.Output, "launch");
  ASSERT_EQ(launches.size(), 1u) << run.Output;
  ASSERT_EQ(launches[0].rfind("document ", 0), 0u) << launches[0];
  const std::string report = zorbit::testing::ReadFileContent(launches[0].substr(9));
  EXPECT_EQ(report.rfind("Current Memory       2048 MB  \r\nMaximum Memory Size  4 GB  \r\n", 0), 0u) << report;
  // The same text on the clipboard, as uidrive writes it: line ends escaped.
  std::string escaped;
  for (char c : report) escaped += c == '\r' ? std::string("\\r") : c == '\n' ? std::string("\\n") : std::string(1, c);
  EXPECT_EQ(Values(run.Output, "clipboard"), (Lines{escaped}));
}

TEST_F(SystemInfoEndToEndTest, TheHiddenSequenceShowsTheAssetTagButton) {
  StartService(R"({"asset_tag": "INV-0042"})");
  const zorbit::testing::TProgramResult run = InSystemInfo(
      "prop imgbAssetTag Visible\n"
      "key esgSystemInfo Ctrl\n"
      "key esgSystemInfo Shift\n"
      "key esgSystemInfo F9\n"
      "prop imgbAssetTag Visible\n"
      "key esgSystemInfo F11\n"
      "prop imgbAssetTag Visible\n");
  ASSERT_EQ(run.ExitCode, 0) << run.Output;
  EXPECT_EQ(Values(run.Output, "prop"), (Lines{"False", "False", "True"}));
}

TEST_F(SystemInfoEndToEndTest, AStoredTagChangesTheStateAndTheSummaryAndHidesTheButton) {
  StartService(R"({"asset_tag": ""})");
  const zorbit::testing::TProgramResult run = InSystemInfo(
      "prop imgbAssetTag Visible\n"
      "click imgbAssetTag\n"
      "wait TfmAssetTag\n"
      "type edtTag INV-0777\n"
      "click btnOK\n"
      "wait TfmOvraMessageBox\n"
      "text lblText\n"
      "key - Enter\n"
      "gone TfmOvraMessageBox\n"
      "wait TfmSystemInfo\n"
      "cells esgSystemInfo 12\n"
      "prop imgbAssetTag Visible\n");
  ASSERT_EQ(run.ExitCode, 0) << run.Output;
  EXPECT_EQ(Values(run.Output, "prop"), (Lines{"True", "False"}));
  EXPECT_EQ(Values(run.Output, "text"), (Lines{"The new asset tag takes effect after you restart the computer."}));
  EXPECT_EQ(Values(run.Output, "row"), (Lines{"Asset Tag\tINV-0777"}));
  EXPECT_EQ(BiosState()["asset_tag"], "INV-0777");
}

}  // namespace
}  // namespace e2e
