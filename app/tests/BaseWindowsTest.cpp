// The base windows read from their inherited layouts in the headless
// display, and the styling walks over real skinned controls nested in
// panels and group boxes.
#include "app/BaseWindows.h"

#include <gtest/gtest.h>

#include "WindowTestSupport.h"
#include "app/ApplyStyle.h"
#include "platform/gdi/TFont.h"
#include "platform/ui/TCustomLabel.h"
#include "platform/ui/TCustomPanel.h"
#include "skin/SkButton.h"
#include "skin/SkCheckBox.h"
#include "skin/SkEdit.h"
#include "skin/SkForm.h"
#include "skin/SkGroupBox.h"
#include "skin/SkImageButton.h"
#include "skin/SkListBox.h"
#include "skin/SkMgr.h"

namespace {

using namespace apptest;
using namespace zorbit;

class BaseWindowsTest : public WindowTest {
 protected:
  // A dialog whose body holds a panel and a group box with one skinned control of each kind styled.
  template <typename T>
  T* Put(plat::TWinControl* Parent) {
    auto* control = new T(FDialog);
    control->SetParent(Parent);
    return control;
  }
  void SetUp() override {
    WindowTest::SetUp();
    FDialog = new TfmBaseDialog(plat::Application);
    FPanel = Put<plat::TPanel>(FDialog->PanelBody());
    FGroup = Put<TskGroupBox>(FPanel);
  }
  TfmBaseDialog* FDialog = nullptr;
  plat::TPanel* FPanel = nullptr;
  TskGroupBox* FGroup = nullptr;
};

TEST_F(BaseWindowsTest, ADialogTakesItsFrameAndSizesItsClientToTheBody) {
  EXPECT_EQ(FDialog->fmBase()->Caption(), "  The Base UI");
  EXPECT_EQ(FDialog->fmBase()->FileTheme(), FDialog->OvraFileTheme());
  EXPECT_EQ(FDialog->fmBase()->UIStyle(), TskUIStyle::FromThemeFile);
  EXPECT_EQ(FDialog->PanelTitle()->Height(), 45);
  EXPECT_EQ(FDialog->lbTitle()->Left(), 16);
  EXPECT_EQ(FDialog->PanelBody()->Width(), 400);
  EXPECT_EQ(FDialog->PanelBody()->Height(), 200);
  auto* form = new TfmBaseForm(plat::Application);
  EXPECT_EQ(form->PanelBody()->Width(), 646);
  EXPECT_EQ(form->PanelBody()->Height(), 458);
  EXPECT_EQ(form->lbWWW()->Hint(), "");  // no string table
}

TEST_F(BaseWindowsTest, TheThemeWalkReachesNestedControlsButNotImageButtons) {
  auto* button = Put<TskButton>(FGroup);
  auto* check = Put<TskCheckBox>(FPanel);
  auto* edit = Put<TskEdit>(FGroup);
  auto* list = Put<TskListBox>(FPanel);
  auto* image = Put<TskImageButton>(FGroup);
  GiveFileTheme(FDialog, FDialog->OvraFileTheme());
  EXPECT_EQ(button->FileTheme(), FDialog->OvraFileTheme());
  EXPECT_EQ(check->FileTheme(), FDialog->OvraFileTheme());
  EXPECT_EQ(edit->FileTheme(), FDialog->OvraFileTheme());
  EXPECT_EQ(list->FileTheme(), FDialog->OvraFileTheme());
  EXPECT_EQ(FGroup->FileTheme(), FDialog->OvraFileTheme());
  EXPECT_EQ(image->FileTheme(), nullptr);
}

TEST_F(BaseWindowsTest, ApplyStyleSetsEachKindItsValues) {
  auto* edit = Put<TskEdit>(FGroup);
  auto* list = Put<TskListBox>(FPanel);
  auto* button = Put<TskButton>(FGroup);
  auto* image = Put<TskImageButton>(FPanel);
  ApplyStyle(nullptr);
  ApplyStyle(FDialog);
  EXPECT_EQ(edit->BorderColor(), plat::TColor(0x669100));
  EXPECT_EQ(list->BorderColor(), plat::TColor(0x699001));
  EXPECT_EQ(button->FocusedRectMargin(), 5);
  EXPECT_EQ(image->FocusedRectMargin(), 5);
  EXPECT_EQ(FGroup->BorderColor(), plat::TColor(0xACA87F));
  EXPECT_EQ(FGroup->Font()->Color(), plat::clBlack);
  EXPECT_EQ(FGroup->Font()->Name(), "Arial Bold");
  EXPECT_EQ(FGroup->Font()->Size(), 9);
}

TEST_F(BaseWindowsTest, AStyledCheckBoxGreysOutAndBack) {
  auto* check = Put<TskCheckBox>(FPanel);
  DisableStyledCheckBox(check);
  EXPECT_FALSE(check->Enabled());
  EXPECT_EQ(check->Font()->Color(), plat::clGrayText);
  EnableStyledCheckBox(check);
  EXPECT_TRUE(check->Enabled());
  EXPECT_EQ(check->Font()->Color(), plat::clBlack);
}

}  // namespace
