// The Boot Options window end to end: opened from the main window's link,
// the BIOS's order shown by name, moved and applied into the stand-in's
// state file, and a write the BIOS refuses.
#include <string>
#include <vector>

#include "EndToEnd.h"

namespace e2e {
namespace {

using Names = std::vector<std::string>;
using Codes = std::vector<std::string>;

const Names kDefaultNames{"1st HDD", "CD-ROM/DVD Drive", "Floppy Devices", "Network Boot"};

class BootOptionsEndToEndTest : public EndToEndTest {
 protected:
  // The script's commands run in the Boot Options window, opened by its link
  // and closed by its close box after them; then the program ends.
  zorbit::testing::TProgramResult InBootOptions(const std::string& Commands) {
    return Drive(
        "wait TfmZorbitMain\n"
        "click lbBootOptions\n"
        "wait TfmSetBootOptions\n" +
        Commands +
        "wait TfmSetBootOptions\n"
        "close\n"
        "gone TfmSetBootOptions\n"
        "quit\n");
  }
  static Names Slice(const Names& All, size_t From, size_t Count) {
    return From + Count <= All.size() ? Names(All.begin() + From, All.begin() + From + Count) : All;
  }
};

TEST_F(BootOptionsEndToEndTest, TheOrderMovedAndFastBootAreAppliedToTheBios) {
  StartService();
  const std::string shot = Folder().File("boot-options.png");
  const zorbit::testing::TProgramResult run = InBootOptions("screenshot " + shot +
                                                            "\n"
                                                            "items listboxBootSequence\n"
                                                            "prop imgbClose Enabled\n"
                                                            // Up on the first and Down on the last change nothing.
                                                            "click listboxBootSequence #0\n"
                                                            "click btnUp\n"
                                                            "click listboxBootSequence #3\n"
                                                            "click btnDown\n"
                                                            "items listboxBootSequence\n"
                                                            "prop imgbClose Enabled\n"
                                                            // The first two change places; fast boot on.
                                                            "click listboxBootSequence #0\n"
                                                            "click btnDown\n"
                                                            "click imgcFastBoot\n"
                                                            "items listboxBootSequence\n"
                                                            "prop imgbClose Enabled\n"
                                                            "click imgbClose\n"
                                                            "prop imgbClose Enabled\n");
  ASSERT_EQ(run.ExitCode, 0) << run.Output;
  const Names items = Values(run.Output, "item");
  ASSERT_EQ(items.size(), 12u) << run.Output;
  ExpectLooksLike(shot, "boot-options-e2e");
  EXPECT_EQ(Slice(items, 0, 4), kDefaultNames);
  EXPECT_EQ(Slice(items, 4, 4), kDefaultNames);
  EXPECT_EQ(Slice(items, 8, 4), (Names{"CD-ROM/DVD Drive", "1st HDD", "Floppy Devices", "Network Boot"}));
  EXPECT_EQ(Values(run.Output, "prop"), (Names{"False", "False", "True", "False"}));
  EXPECT_EQ(BiosState()["boot_order"].get<Codes>(), (Codes{"02", "01", "00", "07", "FF"}));
  EXPECT_TRUE(BiosState()["fast_boot"].get<bool>());
}

TEST_F(BootOptionsEndToEndTest, DroppingAnItemOnItselfEnablesApply) {
  StartService();
  const zorbit::testing::TProgramResult run = InBootOptions(
      "drag listboxBootSequence #1 #1\n"
      "items listboxBootSequence\n"
      "prop imgbClose Enabled\n");
  ASSERT_EQ(run.ExitCode, 0) << run.Output;
  EXPECT_EQ(Values(run.Output, "item"), kDefaultNames);
  EXPECT_EQ(Values(run.Output, "prop"), (Names{"True"}));
}

TEST_F(BootOptionsEndToEndTest, AWriteTheBiosRefusesShowsTheFailureAndWhatTheBiosHolds) {
  // The flag can be neither read nor written; the order can.
  StartService(R"({"boot_order": ["02", "01", "FF"], "fast_boot": false})", {"--fail", "bootflag"});
  const zorbit::testing::TProgramResult run = InBootOptions(
      "click listboxBootSequence #1\n"
      "click btnUp\n"
      "click imgcFastBoot\n"
      "click imgbClose\n"
      "wait TfmOvraMessageBox\n"
      "text lblText\n"
      "key - Enter\n"
      "gone TfmOvraMessageBox\n"
      "wait TfmSetBootOptions\n"
      "items listboxBootSequence\n"
      "prop imgcFastBoot Checked\n"
      "prop imgbClose Enabled\n");
  ASSERT_EQ(run.ExitCode, 0) << run.Output;
  EXPECT_EQ(Values(run.Output, "text"), (Names{"The boot options could not be saved. Please try again."}));
  EXPECT_EQ(Values(run.Output, "item"), (Names{"1st HDD", "CD-ROM/DVD Drive"})) << "the order went through";
  EXPECT_EQ(Values(run.Output, "prop"), (Names{"False", "False"})) << "the flag is unknown; nothing is left to apply";
  EXPECT_EQ(BiosState()["boot_order"].get<Codes>(), (Codes{"01", "02", "FF"}));
  EXPECT_FALSE(BiosState()["fast_boot"].get<bool>());
}

}  // namespace
}  // namespace e2e
