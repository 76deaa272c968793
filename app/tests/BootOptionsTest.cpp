// The Boot Options window in the headless display against the real stand-in
// service: the list read from the BIOS, moves by buttons and by dragging,
// Apply written into the stand-in's state file and read back after a
// restart, and the BIOS refusing reads or writes.
#include "app/SetBootOptions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "StandInWindowTest.h"
#include "app/BaseWindows.h"
#include "app/StringTable.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TFont.h"
#include "platform/ui/TApplication.h"
#include "platform/win/InputInjection.h"
#include "platform/win/VirtualKeys.h"
#include "skin/SkButton.h"
#include "skin/SkCheckBox.h"
#include "skin/SkImageButton.h"
#include "skin/SkListBox.h"

namespace {

using namespace apptest;
using namespace zorbit;
using Names = std::vector<std::string>;
using Codes = std::vector<std::string>;

class BootOptionsTest : public StandInWindowTest {
 protected:
  void TearDown() override {
    delete FWindow;
    StandInWindowTest::TearDown();
  }

  void Open() {
    delete FWindow;
    FWindow = new TfmSetBootOptions(plat::Application);
    FWindow->Show();
    Pump();
  }
  // The state file for a boot order (and fast boot off).
  static std::string State(const Codes& Order) {
    return nlohmann::json{{"boot_order", Order}, {"fast_boot", false}}.dump();
  }
  Names Shown() const {
    Names names;
    plat::TStrings* items = FWindow->listboxBootSequence()->Items();
    for (int i = 0; i < items->Count(); ++i) names.push_back(items->Strings(i));
    return names;
  }
  Codes StoredOrder() const { return BiosState()["boot_order"].get<Codes>(); }
  bool StoredFastBoot() const { return BiosState()["fast_boot"].get<bool>(); }
  bool ApplyEnabled() const { return FWindow->imgbClose()->Enabled(); }
  void Select(int Index) {
    FWindow->listboxBootSequence()->SetItemIndex(Index);
    Pump();
  }
  void Click(plat::TControl* Control) {
    ClickControl(Control);
    Pump();
  }
  // Presses the mouse on item From and lets go over item To (-1: below the last item).
  void Drag(int From, int To) {
    TskListBox* list = FWindow->listboxBootSequence();
    const auto centre = [list](plat::TRect Rect) {
      return list->ClientToScreen({(Rect.Left + Rect.Right) / 2, (Rect.Top + Rect.Bottom) / 2});
    };
    const plat::TRect last = list->ItemRect(list->Items()->Count() - 1);
    const plat::TPoint to = To >= 0 ? centre(list->ItemRect(To))
                                    : list->ClientToScreen({last.Left + 10, list->ClientHeight() - 3});
    // Out sideways first, so that a drop on the item pressed passes the drag threshold too.
    const plat::TPoint from = centre(list->ItemRect(From));
    plat::InjectMouseDown(from);
    plat::InjectMouseMove({from.X + 40, from.Y});
    plat::InjectMouseMove(to);
    plat::InjectMouseUp(to);
    Pump();
  }

  TfmSetBootOptions* FWindow = nullptr;
};

const Names kDefaultNames{"1st HDD", "CD-ROM/DVD Drive", "Floppy Devices", "Network Boot"};

TEST_F(BootOptionsTest, ReorderAndFastBootAreAppliedAndReadBackAfterARestart) {
  StartService("{}\n");
  Open();
  EXPECT_EQ(Shown(), kDefaultNames);
  EXPECT_FALSE(FWindow->imgcFastBoot()->Checked());
  EXPECT_FALSE(ApplyEnabled());
  // The arrow buttons show their arrows, enabled and disabled side by side.
  for (const TskButton* arrow : {FWindow->btnUp(), FWindow->btnDown()}) {
    EXPECT_EQ(arrow->Glyph()->Width(), 18) << arrow->Name();
    EXPECT_EQ(arrow->Glyph()->Height(), 9) << arrow->Name();
  }
  Screenshot(*FWindow, "boot-options");

  // Up on the first, Down on the last and either without a selection change nothing.
  for (auto [index, button] : {std::pair{0, FWindow->btnUp()}, std::pair{3, FWindow->btnDown()},
                               std::pair{-1, FWindow->btnUp()}, std::pair{-1, FWindow->btnDown()}}) {
    Select(index);
    Click(button);
    EXPECT_EQ(Shown(), kDefaultNames);
    EXPECT_FALSE(ApplyEnabled());
  }

  Select(2);
  Click(FWindow->btnUp());
  EXPECT_EQ(Shown(), (Names{"1st HDD", "Floppy Devices", "CD-ROM/DVD Drive", "Network Boot"}));
  EXPECT_EQ(FWindow->listboxBootSequence()->ItemIndex(), 1);
  EXPECT_TRUE(ApplyEnabled());
  EXPECT_EQ(FWindow->imgbClose()->Font()->Color(), TfmSetBootOptions::kApplyEnabledColor);
  Select(0);
  Click(FWindow->btnDown());
  EXPECT_EQ(Shown(), (Names{"Floppy Devices", "1st HDD", "CD-ROM/DVD Drive", "Network Boot"}));
  Click(FWindow->imgcFastBoot());
  EXPECT_TRUE(FWindow->imgcFastBoot()->Checked());

  Click(FWindow->imgbClose());
  EXPECT_TRUE(Messages.empty());
  EXPECT_FALSE(ApplyEnabled());
  EXPECT_EQ(FWindow->imgbClose()->Font()->Color(), TfmSetBootOptions::kApplyUsedColor);
  EXPECT_EQ(StoredOrder(), (Codes{"00", "01", "02", "07", "FF"}));
  EXPECT_TRUE(StoredFastBoot());

  RestartService();
  Open();
  EXPECT_EQ(Shown(), (Names{"Floppy Devices", "1st HDD", "CD-ROM/DVD Drive", "Network Boot"}));
  EXPECT_TRUE(FWindow->imgcFastBoot()->Checked());
  EXPECT_FALSE(ApplyEnabled());
}

struct OrderCase {
  Codes Bios;
  Names Shown;
  Codes Written;  // after Down on the first item and Apply
};

class BootOrderTable : public BootOptionsTest, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(BootOrderTable, TheListShowsKnownDevicesToTheEndMarkAndApplyKeepsTheRestInPlace) {
  StartService(State(GetParam().Bios));
  Open();
  EXPECT_EQ(Shown(), GetParam().Shown);
  Select(0);
  Click(FWindow->btnDown());
  Click(FWindow->imgbClose());
  EXPECT_EQ(StoredOrder(), GetParam().Written);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, BootOrderTable,
    ::testing::Values(
        // Nothing after the end mark is shown or written back.
        OrderCase{{"02", "01", "00", "FF", "07"}, {"CD-ROM/DVD Drive", "1st HDD", "Floppy Devices"},
                  {"01", "02", "00", "FF"}},
        // A code outside the table is not shown and keeps its place.
        OrderCase{{"01", "0F", "02", "FF"}, {"1st HDD", "CD-ROM/DVD Drive"}, {"02", "0F", "01", "FF"}},
        OrderCase{{"0F", "0E", "0A", "FF"}, {"2nd HDD", "USB HDD"}, {"0F", "0A", "0E", "FF"}},
        // Lower-case codes read as numbers too; they are written in upper case.
        OrderCase{{"0d", "0c", "FF"}, {"USB Key", "USB Floppy"}, {"0C", "0D", "FF"}}));

TEST_F(BootOptionsTest, DraggingMovesAnItemWithinTheList) {
  StartService("{}\n");
  Open();
  Drag(0, 2);  // down: after the target
  EXPECT_EQ(Shown(), (Names{"CD-ROM/DVD Drive", "Floppy Devices", "1st HDD", "Network Boot"}));
  EXPECT_TRUE(ApplyEnabled());
  Drag(3, 0);  // up: at the target
  EXPECT_EQ(Shown(), (Names{"Network Boot", "CD-ROM/DVD Drive", "Floppy Devices", "1st HDD"}));
  Drag(1, -1);  // below the items: after the last
  EXPECT_EQ(Shown(), (Names{"Network Boot", "Floppy Devices", "1st HDD", "CD-ROM/DVD Drive"}));
  Click(FWindow->imgbClose());
  EXPECT_EQ(StoredOrder(), (Codes{"07", "00", "01", "02", "FF"}));
}

TEST_F(BootOptionsTest, DroppingAnItemOnItselfEnablesApplyAndChangesNothing) {
  StartService("{}\n");
  Open();
  Drag(1, 1);
  EXPECT_EQ(Shown(), kDefaultNames);
  EXPECT_TRUE(ApplyEnabled());
}

TEST_F(BootOptionsTest, AFailedOrderReadIsNeverWrittenBack) {
  StartService(State({"02", "01", "FF"}), {"--fail", "bootorder"});
  Open();
  EXPECT_TRUE(Shown().empty());
  Click(FWindow->imgcFastBoot());
  EXPECT_TRUE(ApplyEnabled());
  Click(FWindow->imgbClose());
  EXPECT_TRUE(Messages.empty());
  EXPECT_FALSE(ApplyEnabled());
  EXPECT_EQ(StoredOrder(), (Codes{"02", "01", "FF"}));
  EXPECT_TRUE(StoredFastBoot());
}

TEST_F(BootOptionsTest, AFailedFlagReadIsWrittenOnlyWhenTheUserSetsIt) {
  StartService(nlohmann::json{{"boot_order", {"02", "01", "FF"}}, {"fast_boot", true}}.dump(), {"--fail", "bootflag"});
  Open();
  EXPECT_FALSE(FWindow->imgcFastBoot()->Checked());
  Select(1);
  Click(FWindow->btnUp());
  Click(FWindow->imgbClose());
  // The flag's write was not even tried: the refusing BIOS would have failed it.
  EXPECT_TRUE(Messages.empty());
  EXPECT_FALSE(ApplyEnabled());
  EXPECT_EQ(StoredOrder(), (Codes{"01", "02", "FF"}));
  EXPECT_TRUE(StoredFastBoot());
}

TEST_F(BootOptionsTest, AWriteTheBiosRefusesShowsAFailureAndKeepsApplyEnabled) {
  StartService("{}\n");
  Open();
  Select(1);
  Click(FWindow->btnUp());
  BlockStateWrites();
  Answer(Press("OK"));
  Click(FWindow->imgbClose());
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0], StringTable()->Lookup("Messages", "HM0020"));
  EXPECT_TRUE(ApplyEnabled());
  EXPECT_EQ(FWindow->imgbClose()->Font()->Color(), TfmSetBootOptions::kApplyEnabledColor);
  EXPECT_EQ(Shown(), (Names{"CD-ROM/DVD Drive", "1st HDD", "Floppy Devices", "Network Boot"}));

  // Once the BIOS takes writes again, Apply goes through.
  std::filesystem::remove(StateFile());
  Click(FWindow->imgbClose());
  EXPECT_EQ(Messages.size(), 1u);
  EXPECT_FALSE(ApplyEnabled());
  EXPECT_EQ(StoredOrder(), (Codes{"02", "01", "00", "07", "FF"}));
}

TEST_F(BootOptionsTest, F1ClicksTheMainWindowsHelpButton) {
  StartService("{}\n");
  TfmBaseForm* main = nullptr;
  plat::Application->CreateForm(main);
  int helped = 0;
  static_cast<TskImageButton*>(main->FindComponent("btnHelp"))->OnClick = [&helped](plat::TObject*) { ++helped; };
  Open();
  FWindow->listboxBootSequence()->SetFocus();
  plat::InjectKeyPress(plat::VK_F1);
  Pump();
  EXPECT_EQ(helped, 1);
}

}  // namespace
