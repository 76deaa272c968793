// Message dialogs answered as a user would: buttons clicked, Enter and
// Escape pressed in the modal run, texts translated, the picture checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCustomLabel.h"
#include "platform/ui/tests/FormTestFixture.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/InputInjection.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowText.h"
#include "testing/FileContent.h"

namespace uitest {
namespace {

using B = TMsgDlgBtn;

class MessageDialogs : public FormTest {
 protected:
  static TForm* DialogOf(HWND window) { return dynamic_cast<TForm*>(FindControl(window)); }
  static TControl* Part(HWND window, const String& name) {
    return dynamic_cast<TControl*>(DialogOf(window)->FindComponent(name));
  }
  // The dialog's buttons from left to right, by caption.
  static std::vector<String> ButtonCaptions(TForm* dialog) {
    std::vector<std::pair<int, String>> found;
    for (int i = 0; i < dialog->ComponentCount(); ++i)
      if (auto* b = dynamic_cast<TButton*>(dialog->Components(i))) found.emplace_back(b->Left(), b->Caption());
    std::sort(found.begin(), found.end());
    std::vector<String> captions;
    for (const auto& [left, caption] : found) captions.push_back(caption);
    return captions;
  }
};

struct ButtonSetCase {
  const char* Name;
  TMsgDlgButtons Buttons;
  std::vector<String> Captions;       // left to right
  std::vector<TModalResult> Results;  // of each button, left to right
  TModalResult OnEnter;               // the default button's
  TModalResult OnEscape;              // mrNone: Escape does nothing
};

class MessageDialogButtons : public MessageDialogs, public ::testing::WithParamInterface<ButtonSetCase> {};

TEST_P(MessageDialogButtons, EachButtonAnswersItsResult) {
  const ButtonSetCase& c = GetParam();
  for (std::size_t i = 0; i < c.Results.size(); ++i) {
    Display().SetModalHook([&](HWND window) {
      TForm* dialog = DialogOf(window);
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(ButtonCaptions(dialog), c.Captions);
      std::vector<TButton*> buttons;
      for (const String& caption : c.Captions)
        for (int k = 0; k < dialog->ComponentCount(); ++k)
          if (auto* b = dynamic_cast<TButton*>(dialog->Components(k)); b && b->Caption() == caption)
            buttons.push_back(b);
      ClickControl(buttons[i]);
    });
    Clock().Advance(1000);
    EXPECT_EQ(MessageDlg("Go on?", TMsgDlgType::mtConfirmation, c.Buttons, 0), c.Results[i]) << "button " << i;
  }
}

TEST_P(MessageDialogButtons, EnterPressesTheDefaultAndEscapeTheCancelButton) {
  const ButtonSetCase& c = GetParam();
  Display().SetModalHook([](HWND) { InjectKeyPress(VK_RETURN); });
  EXPECT_EQ(MessageDlg("Go on?", TMsgDlgType::mtWarning, c.Buttons, 0), c.OnEnter);

  bool stayedOpen = false;
  Display().SetModalHook([&](HWND window) {
    InjectKeyPress(VK_ESCAPE);
    if (c.OnEscape != mrNone) return;
    Pump();
    stayedOpen = DialogOf(window)->ModalResult() == mrNone;
    InjectKeyPress(VK_RETURN);
  });
  const TModalResult answer = MessageDlg("Go on?", TMsgDlgType::mtWarning, c.Buttons, 0);
  if (c.OnEscape != mrNone) {
    EXPECT_EQ(answer, c.OnEscape);
  } else {
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(answer, c.OnEnter);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sets, MessageDialogButtons,
    ::testing::Values(
        ButtonSetCase{"OK", {B::mbOK}, {"OK"}, {mrOk}, mrOk, mrOk},
        ButtonSetCase{"OKCancel", mbOKCancel, {"OK", "Cancel"}, {mrOk, mrCancel}, mrOk, mrCancel},
        ButtonSetCase{"YesNo", {B::mbYes, B::mbNo}, {"&Yes", "&No"}, {mrYes, mrNo}, mrYes, mrNo},
        ButtonSetCase{
            "YesNoCancel", mbYesNoCancel, {"&Yes", "&No", "Cancel"}, {mrYes, mrNo, mrCancel}, mrYes, mrCancel},
        ButtonSetCase{"AbortRetryIgnore",
                      mbAbortRetryIgnore,
                      {"&Abort", "&Retry", "&Ignore"},
                      {mrAbort, mrRetry, mrIgnore},
                      mrAbort,
                      mrNone},
        ButtonSetCase{"YesAllNoAllCancel",
                      mbYesAllNoAllCancel,
                      {"&Yes", "&No", "Cancel", "N&o to All", "Yes to &All"},
                      {mrYes, mrNo, mrCancel, mrNoToAll, mrYesToAll},
                      mrYes,
                      mrCancel},
        ButtonSetCase{"RetryAllHelp",
                      {B::mbRetry, B::mbAll, B::mbHelp},
                      {"&Retry", "&All", "&Help"},
                      {mrRetry, mrAll},
                      mrRetry,
                      mrNone}),
    [](const auto& test) { return std::string(test.param.Name); });

TEST_F(MessageDialogs, HelpAnswersNothingAndTheDialogStaysOpen) {
  bool stayedOpen = false;
  Display().SetModalHook([&](HWND window) {
    ClickControl(Part(window, "Help"));
    Pump();
    stayedOpen = IsWindowVisible(window) && DialogOf(window)->ModalResult() == mrNone;
    ClickControl(Part(window, "OK"));
  });
  EXPECT_EQ(MessageDlg("With help", TMsgDlgType::mtInformation, {B::mbOK, B::mbHelp}, 12), mrOk);
  EXPECT_TRUE(stayedOpen);
}

TEST_F(MessageDialogs, TheTypeGivesTheCaptionAndTheTextIsShownWhole) {
  Application->SetTitle("Ovra Tool");
  const std::vector<std::pair<TMsgDlgType, String>> titles{{TMsgDlgType::mtWarning, "Warning"},
                                                           {TMsgDlgType::mtError, "Error"},
                                                           {TMsgDlgType::mtInformation, "Information"},
                                                           {TMsgDlgType::mtConfirmation, "Confirm"},
                                                           {TMsgDlgType::mtCustom, "Ovra Tool"}};
  const String text =
      "A text long enough to need more than one line when the dialog wraps it at half the "
      "width of the screen, so the dialog grows in height & keeps the ampersand.";
  for (const auto& [type, title] : titles) {
    std::unique_ptr<TForm> dialog(CreateMessageDialog(text, type, {B::mbOK}));
    EXPECT_EQ(dialog->Caption(), title);
    auto* label = dynamic_cast<TLabel*>(dialog->FindComponent("Message"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Caption(), text);
    EXPECT_GT(label->Height(), 20) << "wrapped";
    EXPECT_LE(label->Left() + label->Width(), dialog->ClientWidth());
    auto* ok = dynamic_cast<TButton*>(dialog->FindComponent("OK"));
    ASSERT_NE(ok, nullptr);
    EXPECT_GT(ok->Top(), label->Top() + label->Height());
    EXPECT_LE(ok->Top() + ok->Height(), dialog->ClientHeight());
    EXPECT_TRUE(ok->Default());
  }
}

TEST_F(MessageDialogs, ATranslatorChangesTitlesAndButtons) {
  SetResourceTextTranslator([](const String& text) -> String {
    if (text == "Confirm") return "Bestätigen";
    if (text == "&Yes") return "&Ja";
    if (text == "&No") return "&Nein";
    return text;
  });
  const ScopeExit untranslated([] { SetResourceTextTranslator(nullptr); });
  String caption;
  std::vector<String> buttons;
  Display().SetModalHook([&](HWND window) {
    caption = WindowText(window);
    buttons = ButtonCaptions(DialogOf(window));
    InjectKeyPress('N', {VK_MENU});
  });
  EXPECT_EQ(MessageDlg("Weiter?", TMsgDlgType::mtConfirmation, {B::mbYes, B::mbNo}, 0), mrNo);
  EXPECT_EQ(caption, "Bestätigen");
  EXPECT_EQ(buttons, (std::vector<String>{"&Ja", "&Nein"}));
}

TEST_F(MessageDialogs, MessageDlgPosPlacesTheDialog) {
  TRect placed;
  Display().SetModalHook([&](HWND window) {
    placed = DialogOf(window)->BoundsRect();
    InjectKeyPress(VK_RETURN);
  });
  EXPECT_EQ(MessageDlgPos("Here", TMsgDlgType::mtInformation, {B::mbOK}, 0, 40, 50), mrOk);
  EXPECT_EQ(placed.TopLeft(), (TPoint{40, 50}));
  EXPECT_EQ(MessageDlg("Centred", TMsgDlgType::mtInformation, {B::mbOK}, 0), mrOk);
  EXPECT_EQ(placed.Left, (Display().ScreenSize().cx - placed.Width()) / 2);
}

TEST_F(MessageDialogs, TheErrorDialogShowsItsIconTextAndButton) {
  Display().SetModalHook([&](HWND window) {
    Pump();
    TForm* dialog = DialogOf(window);
    // The error icon is a red disc with a white cross at the top left.
    EXPECT_EQ(PixelAt(dialog, {8 + 16, 8 + 3}), RGB(220, 0, 0));
    EXPECT_EQ(PixelAt(dialog, {8, 8}), ColorToColorRef(clBtnFace)) << "outside the disc";
    int white = 0;
    for (int y = 8; y < 8 + 32; ++y)
      for (int x = 8; x < 8 + 32; ++x) white += PixelAt(dialog, {x, y}) == RGB(255, 255, 255);
    EXPECT_GT(white, 20) << "the cross";
    const std::vector<Byte> png = WindowScreenshot(window);
    EXPECT_FALSE(png.empty());
    // For a look at it: ZORBIT_KEEP_SCREENSHOTS names a folder to write it to.
    if (const char* keep = std::getenv("ZORBIT_KEEP_SCREENSHOTS"))
      zorbit::testing::WriteFileContent(String(keep) + "/error-dialog.png", String(png.begin(), png.end()));
    InjectKeyPress(VK_RETURN);
  });
  EXPECT_EQ(
      MessageDlg("Sorry, you can't select the Form assign to FormPanel property", TMsgDlgType::mtError, {B::mbOK}, 0),
      mrOk);
}

}  // namespace
}  // namespace uitest
