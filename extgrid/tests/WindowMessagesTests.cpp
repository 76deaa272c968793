// The window messages the grid answers itself: a child's command handed
// back to it once, control characters of the clipboard short-cuts dropped,
// dialog characters kept from the form's accelerators.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/TCustomControl.h"
#include "platform/ui/TForm.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/VirtualKeys.h"
#include "testing/FormTest.h"

namespace zorbit {
namespace {

// A child that hears its commands handed back and sends one more.
class TCommandChild : public plat::TCustomControl {
 public:
  using plat::TCustomControl::TCustomControl;
  int Reflected = 0;

 protected:
  void WndProc(plat::TMessage& Message) override {
    if (Message.Msg == plat::CN_BASE + plat::WM_COMMAND) {
      ++Reflected;
      plat::SendMessageA(Parent()->Handle(), plat::WM_COMMAND, Message.WParam, Message.LParam);
      Message.Result = 7;
      return;
    }
    plat::TCustomControl::WndProc(Message);
  }
};

class WindowMessages : public testing::FormTest {
 protected:
  plat::TForm* FForm = new plat::TForm(nullptr);
  TExtStringGrid* FGrid = new TExtStringGrid(FForm);

  void SetUp() override {
    FormTest::SetUp();
    FForm->SetBounds(0, 0, 500, 400);
    FGrid->SetParent(FForm);
    FGrid->SetBounds(10, 10, 400, 300);
    FForm->Show();
    FGrid->SetFocus();
    Pump();
  }
  void TearDown() override {
    delete FForm;
    FormTest::TearDown();
  }
};

TEST_F(WindowMessages, AChildsCommandIsHandedBackOnce) {
  auto* child = new TCommandChild(FGrid);
  child->SetParent(FGrid);
  child->SetBounds(0, 0, 10, 10);
  const plat::LRESULT result =
      plat::SendMessageA(FGrid->Handle(), plat::WM_COMMAND, 0, reinterpret_cast<plat::LPARAM>(child->Handle()));
  EXPECT_EQ(child->Reflected, 1);
  EXPECT_EQ(result, 7);
  plat::SendMessageA(FGrid->Handle(), plat::WM_COMMAND, 0, reinterpret_cast<plat::LPARAM>(child->Handle()));
  EXPECT_EQ(child->Reflected, 2);
}

TEST_F(WindowMessages, ClipboardControlCharactersAreDroppedWithTheShortCuts) {
  std::vector<int> pressed;
  FGrid->OnKeyPress = [&](plat::TObject*, char32_t& key) { pressed.push_back(static_cast<int>(key)); };
  plat::InjectKeyPress('C', {plat::VK_CONTROL});
  Pump();
  EXPECT_EQ(pressed, std::vector<int>{3});
  FGrid->Navigation()->SetAllowClipboardShortCuts(true);
  pressed.clear();
  for (const plat::UINT key : {'C', 'V', 'X'}) plat::InjectKeyPress(key, {plat::VK_CONTROL});
  plat::InjectText("a");
  Pump();
  EXPECT_EQ(pressed, std::vector<int>{'a'});
}

TEST_F(WindowMessages, DialogCharactersPassOnlyWithAlt) {
  EXPECT_EQ(plat::SendMessageA(FGrid->Handle(), plat::CM_DIALOGCHAR, 'a', 0), 0);
}

}  // namespace
}  // namespace zorbit
