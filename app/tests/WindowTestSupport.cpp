#include "WindowTestSupport.h"

#include <algorithm>
#include <memory>

#include "app/OvraMessageBox.h"
#include "platform/ui/TCustomLabel.h"
#include "platform/win/HeadlessDisplay.h"
#include "skin/SkButton.h"
#include "extgrid/ExtGridClasses.h"
#include "grid/MarkupLabelClasses.h"
#include "skin/SkinClasses.h"
#include "testing/ProjectPaths.h"
#include "testing/ReferencePicture.h"

namespace apptest {

void WindowTest::SetUp() {
  FormTest::SetUp();
  zorbit::RegisterSkinClasses();
  zorbit::RegisterMarkupLabelClass();
  zorbit::RegisterExtGridClasses();
  zorbit::InitializeMessageBox();
  Display().SetModalHook([this](plat::HWND Window) {
    auto* form = dynamic_cast<plat::TCustomForm*>(plat::FindControl(Window));
    if (!form) return;
    if (auto* box = dynamic_cast<zorbit::TfmOvraMessageBox*>(form)) Messages.push_back(box->lblText()->Caption());
    if (FAnswers.empty()) {
      Unexpected.push_back(form->Name());
      form->SetModalResult(plat::mrCancel);
      return;
    }
    const TAnswer answer = std::move(FAnswers.front());
    FAnswers.pop_front();
    answer(*form);
  });
}

void WindowTest::TearDown() {
  Display().SetModalHook(nullptr);
  EXPECT_TRUE(FAnswers.empty()) << FAnswers.size() << " answers left unused";
  FormTest::TearDown();
}

WindowTest::TAnswer WindowTest::Press(const std::string& Caption) {
  return [Caption](plat::TCustomForm& Window) {
    for (int i = 0; i < Window.ComponentCount(); ++i) {
      auto* button = dynamic_cast<zorbit::TskButton*>(Window.Components(i));
      if (button && button->Caption() == Caption) {
        ClickControl(button);
        return;
      }
    }
    ADD_FAILURE() << "no button \"" << Caption << "\" on " << Window.Name();
    Window.SetModalResult(plat::mrCancel);
  };
}

std::vector<zorbit::TskButton*> WindowTest::ButtonsOn(plat::TWinControl* Parent) {
  std::vector<zorbit::TskButton*> buttons;
  for (int i = 0; i < Parent->ControlCount(); ++i)
    if (auto* button = dynamic_cast<zorbit::TskButton*>(Parent->Controls(i))) buttons.push_back(button);
  std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->Left() < b->Left(); });
  return buttons;
}

void WindowTest::Screenshot(plat::TCustomForm& Window, const std::string& Name) {
  const std::unique_ptr<plat::Bitmap> shot = plat::WindowPicture(Window.Handle());
  ASSERT_TRUE(shot);
  const std::string kept = zorbit::testing::KeepForInspection(*shot, "app/" + Name + ".png");
  const zorbit::testing::TPictureMatch match =
      zorbit::testing::MatchReference(*shot, zorbit::testing::SourcePath("app/tests/data/" + Name + ".png"), 24);
  EXPECT_TRUE(match.Loaded && match.Differing * 1000 <= shot->Width() * shot->Height())
      << Name << " does not match its reference (" << match.Differing << " pixels differ); see " << kept;
}

}  // namespace apptest
