// The Security window and the password prompt in the headless display,
// against the real stand-in service with a state file: keys typed through
// the real queue, message boxes answered as they open, and the BIOS state
// read back from the service's file.
#include "app/SetSystemPassword.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "StandInWindowTest.h"
#include "app/CheckPassword.h"
#include "app/StringTable.h"
#include "app/Translate.h"
#include "grid/TMarkupLabel.h"
#include "platform/gdi/TFont.h"
#include "platform/os/Launcher.h"
#include "platform/os/Registry.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TClipboard.h"
#include "platform/ui/TCustomLabel.h"
#include "platform/win/InputInjection.h"
#include "platform/win/VirtualKeys.h"
#include "service/tcpClient.h"
#include "skin/SkButton.h"
#include "skin/SkCheckBox.h"
#include "skin/SkEdit.h"
#include "skin/SkImageButton.h"
#include "testing/FileContent.h"
#include "testing/StandInService.h"
#include "testing/TempFolder.h"

namespace {

using namespace apptest;
using namespace zorbit;
using zorbit::testing::TStandInService;
using Keys = std::vector<plat::UINT>;
using F = TPasswordSection;
using zorbit::testing::WriteFileContent;

// Scan codes of the keys used: A 1E, B 30, 1 02, C 2E, D 20, U 16.
const Keys kAB1{'A', 'B', '1'};
const Keys kCD{'C', 'D'};
const Keys kCE{'C', 'E'};
const Keys kU1{'U', '1'};

class SecurityWindowTest : public StandInWindowTest {
 protected:
  void TearDown() override {
    delete FWindow;
    StandInWindowTest::TearDown();
  }

  // Starts the stand-in on a state file holding State and opens the window.
  void Open(const std::string& State, std::vector<std::string> Switches = {}) {
    StartService(State, std::move(Switches));
    FWindow = new TfmSetSystemPassword(plat::Application);
    FWindow->Show();
    Pump();
  }
  // A text value of the state file.
  std::string Stored(const std::string& Key) const { return BiosState()[Key].get<std::string>(); }
  static void Type(plat::TWinControl* Edit, const Keys& Typed) {
    Edit->SetFocus();
    for (plat::UINT key : Typed) plat::InjectKeyPress(key);
    Pump();
  }
  // Types the fields of an open entry (Old only when given) and clicks Apply.
  void Enter(TPasswordSection& Section, const Keys& Old, const Keys& New, const Keys& Confirm) {
    if (!Old.empty()) Type(Section.Edits[F::fdOld], Old);
    Type(Section.Edits[F::fdNew], New);
    Type(Section.Edits[F::fdConfirm], Confirm);
    ClickControl(Section.Apply);
    Pump();
  }
  // Opens the section's entry by its link, enters the fields and answers the message that follows with OK.
  void EnterThroughLink(TPasswordSection& Section, const Keys& Old, const Keys& New, const Keys& Confirm) {
    ClickControl(Section.InputLink);
    Pump();
    Answer(Press("OK"));
    Enter(Section, Old, New, Confirm);
  }
  // Answers the prompt: the password typed, then OK.
  static TAnswer Prompt(const Keys& Typed) {
    return [Typed](plat::TCustomForm& Window) {
      auto& prompt = dynamic_cast<TfmCheckPassword&>(Window);
      Type(prompt.edtPasswd(), Typed);
      ClickControl(prompt.btnOK());
    };
  }
  static std::string Text(const char* Code) { return StringTable()->Lookup("Messages", Code); }

  TfmSetSystemPassword* FWindow = nullptr;
};

TEST_F(SecurityWindowTest, SetChangeAndRemoveBothPasswords) {
  Open("{}\n");
  TPasswordSection& sup = FWindow->Supervisor();
  TPasswordSection& user = FWindow->User();
  EXPECT_FALSE(sup.Box->Checked());
  EXPECT_FALSE(FWindow->UserSectionEnabled());
  EXPECT_FALSE(user.Box->Enabled());
  EXPECT_EQ(user.Box->Font()->Color(), plat::clGrayText);
  EXPECT_FALSE(user.InputLink->Enabled());
  Screenshot(*FWindow, "security-empty");

  // A first supervisor password: New and Confirm only.
  ClickControl(sup.InputLink);
  Pump();
  ASSERT_TRUE(sup.EntryOpen);
  EXPECT_FALSE(sup.Edits[F::fdOld]->Visible());
  EXPECT_TRUE(sup.Edits[F::fdNew]->Visible());
  Screenshot(*FWindow, "security-entry");
  Answer(Press("OK"));
  Enter(sup, {}, kAB1, kAB1);
  EXPECT_EQ(Stored("supervisor_password"), "1E,30,02");
  EXPECT_TRUE(sup.Box->Checked());
  EXPECT_TRUE(FWindow->UserSectionEnabled());
  EXPECT_FALSE(sup.EntryOpen);

  // Differing new and confirmation: the entry stays open.
  EnterThroughLink(sup, kAB1, kCD, kCE);
  EXPECT_TRUE(sup.EntryOpen);
  ClickControl(sup.Cancel);
  Pump();
  // A wrong old password changes nothing.
  EnterThroughLink(sup, kCD, kCD, kCD);
  EXPECT_EQ(Stored("supervisor_password"), "1E,30,02");
  // The right one changes it.
  EnterThroughLink(sup, kAB1, kCD, kCD);
  EXPECT_EQ(Stored("supervisor_password"), "2E,20");

  // A user password beside it.
  EnterThroughLink(user, {}, kU1, kU1);
  EXPECT_EQ(Stored("user_password"), "16,02");
  EXPECT_TRUE(user.Box->Checked());
  // Removed on its own, after the prompt.
  Answer(Press("Yes"));
  Answer(Prompt(kU1));
  Answer(Press("OK"));
  ClickControl(user.RemoveLink);
  Pump();
  EXPECT_EQ(Stored("user_password"), "");
  EXPECT_FALSE(user.Box->Checked());
  EXPECT_EQ(Stored("supervisor_password"), "2E,20");
  // And set again.
  EnterThroughLink(user, {}, kU1, kU1);
  EXPECT_EQ(Stored("user_password"), "16,02");
  Screenshot(*FWindow, "security-both-set");

  // Removing the supervisor password takes the user password along.
  Answer(Press("Yes"));
  Answer(Prompt(kCD));
  Answer(Press("OK"));
  ClickControl(sup.RemoveLink);
  Pump();
  EXPECT_EQ(Stored("supervisor_password"), "");
  EXPECT_EQ(Stored("user_password"), "");
  EXPECT_FALSE(sup.Box->Checked());
  EXPECT_FALSE(user.Box->Checked());
  EXPECT_FALSE(FWindow->UserSectionEnabled());

  EXPECT_EQ(Messages, (std::vector<std::string>{Text("HM000B"), Text("HM000C"), Text("HM000A"), Text("HM0009"),
                                                Text("HM000D"), Text("HM0006"), Text("HM0008"), Text("HM000D"),
                                                Text("HM0001"), Text("HM0004")}));
  EXPECT_TRUE(Unexpected.empty());
}

TEST_F(SecurityWindowTest, RefreshedAfterTranslationTheLinksShowTheirTexts) {
  Open(R"({"supervisor_password": "1E"})");
  Translate(kFormComponentSection, FWindow);
  FWindow->Refresh();
  EXPECT_EQ(FWindow->Supervisor().InputLink->PlainText(), "Change Password");
  EXPECT_EQ(FWindow->User().InputLink->PlainText(), "Set Password");
  EXPECT_TRUE(FWindow->Supervisor().RemoveLink->Visible());
  EXPECT_FALSE(FWindow->User().RemoveLink->Visible());
  EXPECT_TRUE(FWindow->UserSectionEnabled());
}

TEST_F(SecurityWindowTest, ASetTheBiosRefusesIsNeverMarkedSet) {
  struct Case {
    const char* Fail;
    bool User;
    const char* Message;
  };
  for (const Case& c : {Case{"supervisor", false, "HM0010"}, Case{"user", true, "HM0012"}}) {
    Messages.clear();
    Open(R"({"supervisor_password": "1E"})", {"--fail", c.Fail});
    TPasswordSection& section = c.User ? FWindow->User() : FWindow->Supervisor();
    EnterThroughLink(section, {}, kU1, kU1);
    EXPECT_EQ(Messages, std::vector<std::string>{Text(c.Message)}) << c.Fail;
    EXPECT_FALSE(section.Box->Checked()) << c.Fail;
    EXPECT_FALSE(section.PasswordSet) << c.Fail;
    EXPECT_FALSE(section.EntryOpen) << c.Fail;
    delete FWindow;
    FWindow = nullptr;
  }
}

TEST_F(SecurityWindowTest, AFailedUserRemovalLeavesTheBoxChecked) {
  Open(R"({"supervisor_password": "1E", "user_password": "16,02"})");
  ASSERT_TRUE(FWindow->User().Box->Checked());
  // The prompt verifies against this service; the removal then meets one that refuses it.
  TStandInService refusing({"--state", StateFile(), "--fail", "user"});
  Answer(Press("Yes"));
  Answer([&](plat::TCustomForm& Window) {
    auto& prompt = dynamic_cast<TfmCheckPassword&>(Window);
    Type(prompt.edtPasswd(), kU1);
    prompt.btnOK()->Click();
    ServLink() = std::make_shared<TtcpServOpr>(ServiceHost, true, refusing.Port());
  });
  Answer(Press("OK"));
  ClickControl(FWindow->User().RemoveLink);
  Pump();
  EXPECT_EQ(Messages, (std::vector<std::string>{Text("HM0006"), Text("HM0007")}));
  EXPECT_TRUE(FWindow->User().Box->Checked());
  EXPECT_TRUE(FWindow->User().PasswordSet);
}

TEST_F(SecurityWindowTest, CancellingTheConfirmationKeepsThePassword) {
  Open(R"({"supervisor_password": "1E"})");
  Answer(Press("No"));
  ClickControl(FWindow->Supervisor().Box);
  Pump();
  EXPECT_TRUE(FWindow->Supervisor().Box->Checked());
  EXPECT_EQ(Stored("supervisor_password"), "1E");
}

TEST_F(SecurityWindowTest, TheKeyboardTogglesTheBoxesAsTheMouseDoes) {
  Open("{}\n");
  FWindow->Supervisor().Box->SetFocus();
  plat::InjectKeyPress(plat::VK_SPACE);
  Pump();
  EXPECT_TRUE(FWindow->Supervisor().EntryOpen);
  EXPECT_FALSE(FWindow->Supervisor().Box->Checked());
  // Apply with nothing typed does nothing and says nothing.
  ClickControl(FWindow->Supervisor().Apply);
  Pump();
  EXPECT_TRUE(FWindow->Supervisor().EntryOpen);
  EXPECT_TRUE(Messages.empty());
}

TEST_F(SecurityWindowTest, F1ClicksTheMainWindowsHelpButton) {
  TfmBaseForm* main = nullptr;
  plat::Application->CreateForm(main);
  int helped = 0;
  static_cast<TskImageButton*>(main->FindComponent("btnHelp"))->OnClick = [&helped](plat::TObject*) { ++helped; };
  Open("{}\n");
  FWindow->Supervisor().Box->SetFocus();
  plat::InjectKeyPress(plat::VK_F1);
  Pump();
  EXPECT_EQ(helped, 1);
}

TEST_F(SecurityWindowTest, PasswordFieldsTakeKeysButNoPasteAndNoCharacters) {
  Open("{}\n");
  ClickControl(FWindow->Supervisor().InputLink);
  Pump();
  TskEdit* edit = FWindow->Supervisor().Edits[F::fdNew];
  plat::Clipboard()->SetAsText("secret");
  edit->SetFocus();
  plat::InjectKeyPress('V', {plat::VK_CONTROL});
  plat::InjectKeyPress(plat::VK_INSERT, {plat::VK_SHIFT});
  edit->PasteFromClipboard();
  Pump();
  EXPECT_EQ(edit->Text(), "");
  Type(edit, {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I'});
  EXPECT_EQ(edit->Text().size(), 8u);
  EXPECT_EQ(edit->PasswordChar(), '*');
}

TEST_F(SecurityWindowTest, ThePromptStaysOpenOnAWrongPasswordAndForgetsEveryResult) {
  Open(R"({"supervisor_password": "1E,30,02"})");
  TfmCheckPassword* prompt = FWindow->Prompt();
  // A wrong password, then one the pool never made (as a paste would leave): both wrong, then Cancel.
  Answer([&](plat::TCustomForm&) {
    Answer(Press("OK"));
    Type(prompt->edtPasswd(), kCD);
    ClickControl(prompt->btnOK());
    Pump();
    EXPECT_TRUE(prompt->Visible());
    Answer(Press("OK"));
    prompt->edtPasswd()->SetText("x");
    ClickControl(prompt->btnOK());
    Pump();
    Screenshot(*prompt, "password-prompt");
    ClickControl(prompt->btnCancel());
  });
  prompt->SetMode(pmSupervisor);
  prompt->ShowModal();
  EXPECT_FALSE(prompt->Verified());
  EXPECT_EQ(Messages, (std::vector<std::string>{Text("HM000A"), Text("HM000A")}));

  Answer(Prompt(kAB1));
  prompt->ShowModal();
  EXPECT_TRUE(prompt->Verified());
  // Closed by its close box next time: not verified.
  Answer([](plat::TCustomForm& Window) { Window.Close(); });
  prompt->ShowModal();
  EXPECT_FALSE(prompt->Verified());
}

TEST_F(SecurityWindowTest, TheSmartCardProgramIsNamedByTheRegistry) {
  zorbit::testing::TTempFolder product{"zorbit-smartcard"};
  const std::string program = product.Path() + "/VXconfig.exe";
  WriteFileContent(program, "#!/bin/sh\nexit 0\n");
  std::filesystem::permissions(program, std::filesystem::perms::owner_all);
  {
    plat::TRegistry registry;
    registry.SetRootKey(plat::HKEY_CLASSES_ROOT);
    ASSERT_TRUE(registry.OpenKey("EncryptFileInfo\\INIT", true));
    registry.WriteString("InstallFolder", product.Path());
  }
  plat::TRecordingLauncher launcher;
  plat::SetProgramLauncher(&launcher);
  Open("{}\n");
  ASSERT_TRUE(FWindow->imgbSetSmart()->Enabled());
  ClickControl(FWindow->imgbSetSmart());
  Pump();
  plat::SetProgramLauncher(nullptr);
  ASSERT_EQ(launcher.Calls().size(), 1u);
  EXPECT_EQ(launcher.Calls()[0].Argv.at(0), program);
}

TEST_F(SecurityWindowTest, WithoutTheSmartCardProgramItsButtonIsDisabled) {
  Open("{}\n");
  EXPECT_EQ(FWindow->SmartCardPath(), "c:\\Vaultix\\VXconfig.exe");
  EXPECT_FALSE(FWindow->imgbSetSmart()->Enabled());
}

}  // namespace
