// The main window in the headless display against the real stand-in
// service: its layout, every part of the Security and Boot Options links
// opening their windows, translated and read from the BIOS, About, and
// Help asking the help launcher for the start topic.
#include "app/ZorbitMain.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

#include "WindowTestSupport.h"
#include "app/About.h"
#include "app/DebugLog.h"
#include "app/HtmlHelpControl.h"
#include "app/SetBootOptions.h"
#include "app/SetSystemPassword.h"
#include "app/StringTable.h"
#include "app/SystemInfo.h"
#include "grid/TMarkupLabel.h"
#include "platform/gdi/TPicture.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomLabel.h"
#include "platform/ui/TCustomPanel.h"
#include "platform/ui/TImage.h"
#include "service/ServiceUnits.h"
#include "service/tcpClient.h"
#include "skin/SkCheckBox.h"
#include "skin/SkForm.h"
#include "skin/SkImageButton.h"
#include "skin/SkImagePanel.h"
#include "skin/SkListBox.h"
#include "testing/FileContent.h"
#include "testing/ProjectPaths.h"
#include "testing/StandInService.h"
#include "testing/TempFolder.h"

namespace {

using namespace apptest;
using namespace zorbit;
using zorbit::testing::TStandInService;

constexpr const char* kTitle = "Ovra Zorbit Management";

class MainWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    InitializeServiceUnits();
    plat::Application->SetTitle(kTitle);
    InitializeStringTable();
    for (const char* file : {"strtab_Messages.ini", "strtab_Windows.ini"})
      StringTable()->LoadFromIni(zorbit::testing::SourcePath("app/lang/English/") + file);
    zorbit::testing::WriteFileContent(FFolder.Path() + "/bios.json", R"({"supervisor_password": "1E"})");
    FService = std::make_unique<TStandInService>(std::vector<std::string>{"--state", FFolder.Path() + "/bios.json"});
    ServLink() = std::make_shared<TtcpServOpr>(ServiceHost, true, FService->Port());
    FWindow = new TfmZorbitMain(plat::Application);
    FWindow->Show();
    Pump();
  }
  void TearDown() override {
    delete FWindow;
    ServLink().reset();
    FinalizeServiceUnits();
    FinalizeStringTable();
    WindowTest::TearDown();
  }

  // A control's top-left corner in the frame's client area.
  plat::TPoint InFrame(plat::TControl* Control) const {
    return FWindow->fmBase()->ScreenToClient(Control->ClientToScreen({0, 0}));
  }

  // Clicks each part of a link and checks that the window it opens is shown
  // modally (Check looks at it) and freed when its modal run ends.
  template <typename TWindow>
  void ExpectEachPartOpens(std::initializer_list<const char*> Parts, const char* WindowName,
                           const std::function<void(TWindow&)>& Check) {
    for (const char* part : Parts) {
      bool opened = false;
      Answer([&opened, &Check](plat::TCustomForm& Window) {
        auto* window = dynamic_cast<TWindow*>(&Window);
        ASSERT_TRUE(window) << Window.Name();
        opened = true;
        Check(*window);
        Window.SetModalResult(plat::mrCancel);
      });
      auto* control = dynamic_cast<plat::TControl*>(FWindow->FindComponent(part));
      ASSERT_TRUE(control) << part;
      ClickControl(control);
      Pump();
      EXPECT_TRUE(opened) << part;
      EXPECT_FALSE(FWindow->FindComponent(WindowName)) << part;
    }
  }

  zorbit::testing::TTempFolder FFolder{"zorbit-main"};
  std::unique_ptr<TStandInService> FService;
  TfmZorbitMain* FWindow = nullptr;
};

TEST_F(MainWindowTest, OpensWithItsLinksInPlace) {
  EXPECT_TRUE(FWindow->Visible());
  EXPECT_EQ(FWindow->fmBase()->Caption(), kTitle);
  EXPECT_EQ(FWindow->PanelBody()->Width(), 640);
  EXPECT_EQ(FWindow->PanelBody()->Height(), 480);
  struct Case {
    const char* Picture;
    plat::TPoint At;
  };
  for (const Case& c :
       {Case{"imgSecurity", {158, 199}}, Case{"imgBootOptions", {158, 348}}, Case{"imgSysInfo", {458, 199}}}) {
    auto* picture = dynamic_cast<plat::TControl*>(FWindow->FindComponent(c.Picture));
    ASSERT_TRUE(picture) << c.Picture;
    EXPECT_EQ(InFrame(picture), c.At) << c.Picture;
  }
  const plat::TControl* security = FWindow->imgSecurity();
  EXPECT_EQ(FWindow->hlbSecurity()->Left(), security->Left());
  EXPECT_EQ(FWindow->hlbSecurity()->Top(), security->Top() + security->Height() + 6);
  EXPECT_TRUE(Unexpected.empty());
  Screenshot(*FWindow, "main-window");
}

TEST_F(MainWindowTest, TheHeaderTheBodyTheLinksAndTheButtonsHoldTheirPictures) {
  const auto picture = [this](const char* Name) -> const plat::TPicture* {
    plat::TComponent* part = FWindow->FindComponent(Name);
    if (auto* image = dynamic_cast<plat::TImage*>(part)) return image->Picture();
    if (auto* panel = dynamic_cast<TskImagePanel*>(part)) return panel->Picture();
    if (auto* button = dynamic_cast<TskImageButton*>(part)) return button->PicNormal();
    return nullptr;
  };
  struct Case {
    const char* Part;
    int Width, Height;
  };
  for (const Case& c : {Case{"imgMainLeft", 200, 130}, Case{"imgMainMiddle", 246, 130}, Case{"imgMainRight", 200, 130},
                        Case{"SubPanelBody", 640, 321}, Case{"imgSecurity", 165, 27}, Case{"imgBootOptions", 165, 27},
                        Case{"imgSysInfo", 165, 27}, Case{"btnHelp", 64, 24}, Case{"btnAbout", 64, 24}}) {
    const plat::TPicture* shown = picture(c.Part);
    ASSERT_TRUE(shown) << c.Part;
    EXPECT_EQ(shown->Width(), c.Width) << c.Part;
    EXPECT_EQ(shown->Height(), c.Height) << c.Part;
  }
  // The buttons' captions are what translation looks up.
  EXPECT_EQ(dynamic_cast<TskImageButton*>(FWindow->FindComponent("btnHelp"))->Caption(), "Help");
  EXPECT_EQ(dynamic_cast<TskImageButton*>(FWindow->FindComponent("btnAbout"))->Caption(), "About");
}

TEST_F(MainWindowTest, EveryPartOfTheSecurityLinkOpensTheSecurityWindow) {
  ExpectEachPartOpens<TfmSetSystemPassword>({"imgSecurity", "lblSecurity", "lbSecurity"}, "fmSetSystemPassword",
                                            [](TfmSetSystemPassword& Security) {
                                              // Read from the stand-in's state: the supervisor password is set.
                                              EXPECT_TRUE(Security.Supervisor().Box->Checked());
                                              EXPECT_TRUE(Security.UserSectionEnabled());
                                            });
  EXPECT_TRUE(Unexpected.empty());
}

TEST_F(MainWindowTest, EveryPartOfTheBootOptionsLinkOpensTheBootOptionsWindow) {
  ExpectEachPartOpens<TfmSetBootOptions>({"imgBootOptions", "Label1", "lbBootOptions"}, "fmSetBootOptions",
                                         [](TfmSetBootOptions& Boot) {
                                           // Read from the stand-in: its default boot order fills the list.
                                           EXPECT_GT(Boot.listboxBootSequence()->Items()->Count(), 0);
                                         });
  EXPECT_TRUE(Unexpected.empty());
}

TEST_F(MainWindowTest, EveryPartOfTheSystemInfoLinkOpensTheSystemInfoWindow) {
  ExpectEachPartOpens<TfmSystemInfo>({"imgSysInfo", "lblSysInfo", "lbSysInfo"}, "fmSystemInfo",
                                     [](TfmSystemInfo& Info) {
                                       // Translated and on its Summary page, read from the stand-in.
                                       EXPECT_EQ(Info.lbhint()->Caption(), "Summary");
                                       EXPECT_EQ(Info.PageReport().Strings(0), "Product Name      Roamline K510  ");
                                     });
  EXPECT_TRUE(Unexpected.empty());
}

TEST_F(MainWindowTest, TheAboutButtonShowsAnUnownedAboutWindow) {
  bool opened = false;
  Answer([&opened](plat::TCustomForm& Window) {
    auto* about = dynamic_cast<TfmAbout*>(&Window);
    ASSERT_TRUE(about) << Window.Name();
    opened = true;
    EXPECT_EQ(about->Owner(), nullptr);
    EXPECT_EQ(about->lblProductName()->Caption(), kTitle);
    Window.SetModalResult(plat::mrOk);
  });
  ClickControl(dynamic_cast<plat::TControl*>(FWindow->FindComponent("btnAbout")));
  Pump();
  EXPECT_TRUE(opened);
  EXPECT_TRUE(Unexpected.empty());
}

TEST_F(MainWindowTest, TheHelpButtonAsksTheLauncherForTheStartTopic) {
  InitializeHtmlHelp();
  TDLogStart start = CurrentDLogStart();
  start.ModulePath = FFolder.Path() + "/zorbit";
  start.RunPath = start.ModulePath;
  start.Params = {"-debug"};
  InitializeDebugLog(start);
  ClickControl(dynamic_cast<plat::TControl*>(FWindow->FindComponent("btnHelp")));
  Pump();
  const std::string log = zorbit::testing::ReadFileContent(DebugLog().FileName());
  FinalizeDebugLog();
  FinalizeHtmlHelp();
  // No language pack here, so the pool names no file.
  EXPECT_NE(log.find("HHHelpContext(\"\", /html/ZRHELP.htm, \"\", 0)"), std::string::npos) << log;
  EXPECT_TRUE(Unexpected.empty());
}

}  // namespace
