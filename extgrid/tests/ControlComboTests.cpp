// The combo box over an HTML "COMBO" control of a cell, driven by real keys
// and clicks: losing the focus, Return and Tab hand its text to the grid as
// the control's VALUE (once); it wants Tab, and Return only while its list
// is down, where Return takes the highlighted item and keeps the edit open.
#include "extgrid/TControlCombo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "grid/HtmlText.h"
#include "platform/ui/TForm.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/InputInjection.h"
#include "platform/win/Messages.h"
#include "platform/win/VirtualKeys.h"
#include "testing/FormTest.h"
#include "testing/ReferencePicture.h"

namespace zorbit {
namespace {

constexpr const char* kCell = R"(Size: <CONTROL TYPE="COMBO" ID="size" VALUE="small" WIDTH="90">)";

class ControlCombo : public testing::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    FForm = new plat::TForm(plat::Application);
    FForm->SetBounds(100, 80, 460, 300);
    FGrid = new TExtStringGrid(FForm);
    FGrid->SetParent(FForm);
    FGrid->SetBounds(8, 8, 420, 200);
    FGrid->SetColWidths(1, 160);
    FGrid->SetCells(1, 1, kCell);
    FGrid->OnControlEditDone = [this](plat::TObject*, int ARow, int ACol, const plat::String& CtrlID,
                                      const plat::String& CtrlType, const plat::String& CtrlVal) {
      FDone.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + " " + CtrlID + " " + CtrlType + " " +
                      CtrlVal);
    };
    FCombo = new TControlCombo(FGrid);
    FCombo->SetParent(FGrid);
    FCombo->SetVisible(false);
    for (const char* item : {"small", "medium", "large"}) FCombo->Items()->Add(item);
    FForm->Show();
    Pump();
    // Opened as the grid opens it on the cell's control.
    FGrid->SetCol(1);
    FGrid->SetRow(1);
    const plat::TRect cell = FGrid->CellRect(1, 1);
    FCombo->SetBounds(cell.Left + 40, cell.Top, 100, 0);
    FCombo->SetCol(1);
    FCombo->SetRow(1);
    FCombo->SetControlID("size");
    FCombo->SetControlType("COMBO");
    FCombo->SetItemIndex(0);
    FCombo->SetVisible(true);
    FCombo->SetFocus();
    Pump();
  }
  void Press(plat::UINT Key) {
    plat::InjectKeyPress(Key);
    Pump();
  }
  plat::String CellValue() { return ReadCellControlValue(FGrid->Cells(1, 1), "size"); }

  plat::TForm* FForm = nullptr;  // freed with the application
  TExtStringGrid* FGrid = nullptr;
  TControlCombo* FCombo = nullptr;
  std::vector<std::string> FDone;
};

TEST_F(ControlCombo, IsTheGridsFlatComboOnTheGrid) {
  EXPECT_EQ(FCombo->Grid(), FGrid);
  EXPECT_TRUE(FCombo->Flat());
  EXPECT_EQ(FCombo->Version(), "1.2.0.0");
  EXPECT_TRUE(FCombo->Focused());
}

TEST_F(ControlCombo, ReturnHandsTheChosenItemToTheCellOnce) {
  Press(plat::VK_DOWN);
  EXPECT_EQ(FCombo->Text(), "medium");
  Press(plat::VK_RETURN);
  EXPECT_FALSE(FCombo->Visible());
  EXPECT_TRUE(FGrid->Focused());
  EXPECT_EQ(CellValue(), "medium");
  EXPECT_EQ(FDone, std::vector<std::string>{"1,1 size COMBO medium"});
}

TEST_F(ControlCombo, ItWantsTabAndReturnOnlyWhileTheListIsDown) {
  plat::LRESULT code = FCombo->Perform(plat::WM_GETDLGCODE, 0, 0);
  EXPECT_NE(code & plat::DLGC_WANTTAB, 0);
  EXPECT_EQ(code & plat::DLGC_WANTALLKEYS, 0);
  Press(plat::VK_F4);
  ASSERT_TRUE(FCombo->DroppedDown());
  code = FCombo->Perform(plat::WM_GETDLGCODE, 0, 0);
  EXPECT_NE(code & plat::DLGC_WANTALLKEYS, 0);
  testing::KeepForInspection(*plat::WindowPicture(FForm->Handle()), "extgrid/ControlComboOpen.png");
  // Return in the list takes the item and the edit stays open.
  Press(plat::VK_DOWN);
  Press(plat::VK_DOWN);
  Press(plat::VK_RETURN);
  EXPECT_FALSE(FCombo->DroppedDown());
  EXPECT_TRUE(FCombo->Visible());
  EXPECT_EQ(FCombo->Text(), "large");
  EXPECT_TRUE(FDone.empty());
}

TEST_F(ControlCombo, TabEndsTheEditAndWithAdvanceAutoMovesOn) {
  plat::TGridOptions options = FGrid->Options();
  // Tab stops only at cells the grid lets be edited.
  options.Include(plat::TGridOption::goTabs);
  options.Include(plat::TGridOption::goEditing);
  FGrid->SetOptions(options);
  FGrid->Navigation()->SetAdvanceAuto(true);
  Press(plat::VK_TAB);
  EXPECT_FALSE(FCombo->Visible());
  EXPECT_EQ(FDone, std::vector<std::string>{"1,1 size COMBO small"});
  EXPECT_EQ(FGrid->Col(), 2);
}

TEST_F(ControlCombo, LosingTheFocusEndsTheEditOnce) {
  FGrid->SetFocus();
  Pump();
  FGrid->SetFocus();
  Pump();
  EXPECT_FALSE(FCombo->Visible());
  EXPECT_EQ(FDone, std::vector<std::string>{"1,1 size COMBO small"});
}

}  // namespace
}  // namespace zorbit
