// The Boot Options window in the headless display against the real stand-in
// service: the list read from the BIOS, moves by buttons and by dragging,
// Apply written into the stand-in's state file and read back after a
// restart, the BIOS refusing reads or writes, and a service that stops
// answering while Apply waits.
#include "app/SetBootOptions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "StandInWindowTest.h"
#include "app/BaseWindows.h"
#include "app/StringTable.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TFont.h"
#include "platform/ui/TApplication.h"
#include "platform/win/InputInjection.h"
#include "platform/win/VirtualKeys.h"
#include "service/AppHooks.h"
#include "service/tcpClient.h"
#include "skin/SkButton.h"
#include "skin/SkCheckBox.h"
#include "skin/SkImageButton.h"
#include "skin/SkListBox.h"

namespace {

using namespace apptest;
using namespace zorbit;
using Names = std::vector<std::string>;
using Codes = std::vector<std::string>;

// Runs Step whenever a request waiting for its reply lets window messages
// through, for as long as it lives.
class TWhileRequestsWait {
 public:
  explicit TWhileRequestsWait(std::function<void()> Step) : FSaved(AppHooks().ProcessMessages) {
    AppHooks().ProcessMessages = [this, Step = std::move(Step)] {
      if (FSaved) FSaved();
      Step();
    };
  }
  ~TWhileRequestsWait() { AppHooks().ProcessMessages = FSaved; }
  TWhileRequestsWait(const TWhileRequestsWait&) = delete;
  TWhileRequestsWait& operator=(const TWhileRequestsWait&) = delete;

 private:
  std::function<void()> FSaved;
};

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

  // How long the service link waits for a reply from now on, in whole
  // seconds; a read waits a tenth of a second, so that the window messages
  // (and the steps of TWhileRequestsWait) get through several times a second.
  static void SetLinkPatience(int Seconds) {
    static_cast<TtcpServOpr&>(*ServLink()).SetTimings({.ReadTimeoutMs = 100, .DeadlineSeconds = Seconds});
  }
  // The window shows the order and the flag that the BIOS holds.
  void ExpectShowsTheBios() const {
    Names held;
    for (const std::string& code : StoredOrder()) {
      if (code == "FF") break;
      held.push_back(TfmSetBootOptions::BootDevices()[std::stoul(code, nullptr, 16)]);
    }
    EXPECT_EQ(Shown(), held);
    EXPECT_EQ(FWindow->imgcFastBoot()->Checked(), StoredFastBoot());
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
  // Nor by a later Apply: the flag is still unknown.
  Select(1);
  Click(FWindow->btnUp());
  Click(FWindow->imgbClose());
  EXPECT_TRUE(Messages.empty());
  EXPECT_EQ(StoredOrder(), (Codes{"02", "01", "FF"}));
  EXPECT_TRUE(StoredFastBoot());
}

TEST_F(BootOptionsTest, AWriteTheBiosRefusesShowsAFailureAndWhatTheBiosHolds) {
  StartService("{}\n");
  Open();
  Select(1);
  Click(FWindow->btnUp());
  BlockStateWrites();
  Answer(Press("OK"));
  Click(FWindow->imgbClose());
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0], StringTable()->Lookup("Messages", "HM0020"));
  EXPECT_EQ(Shown(), kDefaultNames);
  EXPECT_FALSE(ApplyEnabled());
  EXPECT_EQ(FWindow->imgbClose()->Font()->Color(), TfmSetBootOptions::kApplyUsedColor);

  // Once the BIOS takes writes again, the move made anew is applied.
  std::filesystem::remove(StateFile());
  Select(1);
  Click(FWindow->btnUp());
  Click(FWindow->imgbClose());
  EXPECT_EQ(Messages.size(), 1u);
  EXPECT_FALSE(ApplyEnabled());
  EXPECT_EQ(StoredOrder(), (Codes{"02", "01", "00", "07", "FF"}));
}

TEST_F(BootOptionsTest, AnApplyTheServiceTakesUpOnlyAfterTheLinkGaveUpIsNotSavedAndTheWindowShowsTheBios) {
  // The service stands still from Apply on. The order's write waits until the
  // link gives up on it and closes its connection; the service goes on while
  // the flag's write waits on a new one, so the order is dropped while the
  // flag is written when its reply comes in time. Either way the window ends
  // showing what the BIOS holds.
  struct Case {
    const char* Name;
    bool SetFastBoot;
  };
  for (const Case& c : {Case{"the order", false}, Case{"the order and fast boot", true}}) {
    SCOPED_TRACE(c.Name);
    StartService(State({"01", "02", "00", "07", "FF"}));
    Open();
    Select(1);
    Click(FWindow->btnUp());
    if (c.SetFastBoot) Click(FWindow->imgcFastBoot());
    SetLinkPatience(1);
    const std::int32_t orderWrite = RequestCounter();
    bool resumed = false;
    const TWhileRequestsWait resuming([&] {
      if (!resumed && RequestCounter() > orderWrite + 1) {
        resumed = true;
        Service().Resume();
      }
    });
    Service().Pause();
    Answer(Press("OK"));
    Click(FWindow->imgbClose());
    EXPECT_TRUE(resumed);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0], StringTable()->Lookup("Messages", "HM0020"));
    EXPECT_EQ(StoredOrder(), (Codes{"01", "02", "00", "07", "FF"})) << "the order given up on is never written";
    ExpectShowsTheBios();
    EXPECT_FALSE(ApplyEnabled());
    if (!c.SetFastBoot) Screenshot(*FWindow, "boot-options-not-saved");
    Messages.clear();
  }
}

TEST_F(BootOptionsTest, AWriteCarriedOutWhoseReplyCameTooLateCountsAsSaved) {
  StartService("{}\n");
  Open();
  Select(1);
  Click(FWindow->btnUp());
  Click(FWindow->imgcFastBoot());
  // The same BIOS behind a service that answers every request 1.2 s after
  // carrying it out: the link gives up on the order's write after a second,
  // and waits long enough for every reply from the flag's write on.
  StartService(BiosState().dump(), {"--delay-ms", "1200"});
  SetLinkPatience(1);
  const std::int32_t orderWrite = RequestCounter();
  const TWhileRequestsWait patient([&] {
    if (RequestCounter() > orderWrite + 1) SetLinkPatience(20);
  });
  Click(FWindow->imgbClose());
  EXPECT_TRUE(Messages.empty()) << "no failure for what the BIOS holds";
  EXPECT_EQ(StoredOrder(), (Codes{"02", "01", "00", "07", "FF"}));
  EXPECT_TRUE(StoredFastBoot());
  ExpectShowsTheBios();
  EXPECT_FALSE(ApplyEnabled());
  EXPECT_EQ(FWindow->imgbClose()->Font()->Color(), TfmSetBootOptions::kApplyUsedColor);
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
