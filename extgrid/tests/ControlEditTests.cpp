// The edit over an HTML form control of a cell, driven by real keys and
// clicks: losing the focus, Return and Tab hand its text to the grid as the
// control's VALUE (once); it wants Tab but leaves Return to the form's
// default button; with AdvanceAuto the Tab goes on to the grid.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "extgrid/ExtGridClasses.h"
#include "extgrid/TControlEdit.h"
#include "extgrid/TExtStringGrid.h"
#include "grid/HtmlRenderer.h"
#include "grid/HtmlText.h"
#include "platform/ui/LayoutHandlers.h"
#include "platform/ui/LayoutReader.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/ui/TForm.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/InputInjection.h"
#include "platform/win/Messages.h"
#include "platform/win/VirtualKeys.h"
#include "testing/FormTest.h"
#include "testing/ReferencePicture.h"

namespace zorbit {
namespace {

constexpr const char* kCell = R"(<B>Name:</B> <CONTROL TYPE="EDIT" ID="name" VALUE="old" WIDTH="80">)";

class ControlEdit : public testing::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    FForm = new plat::TForm(nullptr);
    FForm->SetBounds(0, 0, 500, 300);
    FGrid = new TExtStringGrid(FForm);
    FGrid->SetParent(FForm);
    FGrid->SetBounds(8, 8, 420, 200);
    FGrid->SetColWidths(1, 160);
    FOther = new plat::TEdit(FForm);
    FOther->SetParent(FForm);
    FOther->SetBounds(8, 220, 120, 21);
    FEdit = new TControlEdit(FGrid);
    FEdit->SetParent(FGrid);
    FEdit->SetBorderStyle(plat::TBorderStyle::bsNone);
    FEdit->SetVisible(false);
    FGrid->OnControlEditDone = [this](plat::TObject*, int ARow, int ACol, const plat::String& CtrlID,
                                      const plat::String& CtrlType, const plat::String& CtrlVal) {
      FDone.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + " " + CtrlID + " " + CtrlType + " " +
                      CtrlVal);
    };
    FForm->Show();
    Open();
  }
  void TearDown() override {
    delete FForm;
    FormTest::TearDown();
  }

  // Opens the edit on the control of cell (1, 1) as the grid's click on it
  // does: placed over the control, holding its value, focused.
  void Open() {
    FGrid->SetCol(1);
    FGrid->SetRow(1);
    FGrid->SetCells(1, 1, kCell);
    const plat::TRect cell =
        FGrid->CellRect(1, 1).Translated(TExtStringGrid::CellHorzMargin + 1, TExtStringGrid::CellVertMargin + 1);
    THtmlRenderOptions options;
    options.CheckOnly = true;
    options.CheckControlID = "name";
    THtmlRenderResult found;
    RenderHtml(*FGrid->Canvas(), kCell, cell, options, found);
    const plat::TRect& at = found.ControlRect;
    FEdit->SetBounds(at.Left + 1, at.Top + 4, at.Width() - 4, at.Height() - 4);
    FEdit->SetCol(1);
    FEdit->SetRow(1);
    FEdit->SetControlID(found.ControlID);
    FEdit->SetControlType(found.ControlType);
    FEdit->SetText(found.ControlValue);
    FEdit->SetVisible(true);
    FEdit->SetFocus();
    Pump();
  }
  // Replaces the edit's text as a user would.
  void Type(const plat::String& Text) {
    FEdit->SelectAll();
    plat::InjectText(Text);
    Pump();
  }
  void Press(plat::UINT Key) {
    plat::InjectKeyPress(Key);
    Pump();
  }
  plat::String CellValue() { return ReadCellControlValue(FGrid->Cells(1, 1), "name"); }

  plat::TForm* FForm = nullptr;
  TExtStringGrid* FGrid = nullptr;
  plat::TEdit* FOther = nullptr;
  TControlEdit* FEdit = nullptr;
  std::vector<std::string> FDone;
};

TEST_F(ControlEdit, OpensOverTheCellsControl) {
  EXPECT_EQ(FEdit->Grid(), FGrid);
  EXPECT_TRUE(FEdit->Focused());
  EXPECT_EQ(FEdit->Text(), "old");
  Type("typed");
  testing::KeepForInspection(*plat::WindowPicture(FForm->Handle()), "extgrid/ControlEditOpen.png");
}

TEST_F(ControlEdit, ReturnHandsTheValueToTheCellAndFocusesTheGrid) {
  Type("new");
  Press(plat::VK_RETURN);
  EXPECT_FALSE(FEdit->Visible());
  EXPECT_TRUE(FGrid->Focused());
  EXPECT_EQ(CellValue(), "new");
  EXPECT_EQ(FGrid->Cells(1, 1).substr(0, 13), "<B>Name:</B> ");
  EXPECT_EQ(FDone, std::vector<std::string>{"1,1 name EDIT new"});
  EXPECT_EQ(FGrid->Col(), 1);
  Pump();
  testing::KeepForInspection(*plat::WindowPicture(FForm->Handle()), "extgrid/ControlEditDone.png");
}

TEST_F(ControlEdit, ItWantsTabButLeavesReturnToTheDefaultButton) {
  const plat::LRESULT code = FEdit->Perform(plat::WM_GETDLGCODE, 0, 0);
  EXPECT_NE(code & plat::DLGC_WANTTAB, 0);
  EXPECT_EQ(code & plat::DLGC_WANTALLKEYS, 0);

  auto* ok = new plat::TButton(FForm);
  ok->SetParent(FForm);
  ok->SetBounds(300, 220, 75, 25);
  ok->SetDefault(true);
  int clicks = 0;
  ok->OnClick = [&clicks](plat::TObject*) { ++clicks; };
  Type("kept");
  Press(plat::VK_RETURN);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(FEdit->Visible());
  EXPECT_TRUE(FEdit->Focused());
  EXPECT_EQ(FEdit->Text(), "kept");
  EXPECT_TRUE(FDone.empty());
  EXPECT_EQ(CellValue(), "old");
}

TEST_F(ControlEdit, TabEndsTheEditAndMovesOnWithAdvanceAuto) {
  struct TCase {
    bool AdvanceAuto;
    int ColAfter;
  };
  const TCase cases[] = {{false, 1}, {true, 2}};
  plat::TGridOptions options = FGrid->Options();
  options.Include(plat::TGridOption::goTabs);
  FGrid->SetOptions(options);
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.AdvanceAuto);
    FDone.clear();
    FGrid->Navigation()->SetAdvanceAuto(c.AdvanceAuto);
    Open();
    Type("tabbed");
    Press(plat::VK_TAB);
    EXPECT_FALSE(FEdit->Visible());
    EXPECT_TRUE(FGrid->Focused());
    EXPECT_EQ(CellValue(), "tabbed");
    EXPECT_EQ(FDone, std::vector<std::string>{"1,1 name EDIT tabbed"});
    EXPECT_EQ(FGrid->Col(), c.ColAfter);
    EXPECT_EQ(FGrid->Row(), 1);
  }
}

TEST_F(ControlEdit, LosingTheFocusEndsTheEditOnce) {
  Type("clicked away");
  ClickControl(FOther);
  Pump();
  EXPECT_TRUE(FOther->Focused());
  EXPECT_FALSE(FEdit->Visible());
  EXPECT_EQ(CellValue(), "clicked away");
  ClickControl(FGrid);
  Pump();
  EXPECT_EQ(FDone, std::vector<std::string>{"1,1 name EDIT clicked away"});
}

TEST_F(ControlEdit, HidingTheFocusedEditKeepsWhatWasTyped) {
  Type("hidden");
  FEdit->SetVisible(false);
  Pump();
  EXPECT_FALSE(FEdit->Focused());
  EXPECT_EQ(CellValue(), "hidden");
  EXPECT_EQ(FDone, std::vector<std::string>{"1,1 name EDIT hidden"});
}

TEST_F(ControlEdit, AMaskThatRefusesTheTextKeepsTheEditOpen) {
  FEdit->SetEditMask("000;1;_");
  FEdit->SetControlType("MASK");
  FEdit->SetText("");
  Type("12");
  Press(plat::VK_RETURN);
  EXPECT_EQ(Exceptions().size(), 1u);
  EXPECT_TRUE(FEdit->Visible());
  EXPECT_TRUE(FEdit->Focused());
  EXPECT_TRUE(FDone.empty());
  EXPECT_EQ(CellValue(), "old");

  plat::InjectText("3");
  Press(plat::VK_RETURN);
  EXPECT_FALSE(FEdit->Visible());
  EXPECT_EQ(CellValue(), "123");
  EXPECT_EQ(FDone, std::vector<std::string>{"1,1 name MASK 123"});
}

TEST_F(ControlEdit, AFormFreedWhileTheEditIsOpenHandsNothingOver) {
  Type("unsaved");
  delete FForm;
  FForm = nullptr;
  EXPECT_TRUE(FDone.empty());
}

TEST_F(ControlEdit, TheGridWritesTheValueIntoTheControlItNames) {
  struct TCase {
    const char* Cell;
    const char* ID;
    const char* Value;
    const char* CellAfter;
  };
  // clang-format off
  const TCase cases[] = {
      {kCell, "name", R"(a "b" <c> & d)",
       R"(<B>Name:</B> <CONTROL ID="name" VALUE="a &quot;b&quot; &lt;c&gt; &amp; d" WIDTH="80" TYPE="EDIT">)"},
      {R"(<CONTROL TYPE="EDIT" ID="a" VALUE="1" WIDTH="20"> and <CONTROL TYPE="EDIT" ID="b" VALUE="2" WIDTH="20">)",
       "b", "two",
       R"(<CONTROL TYPE="EDIT" ID="a" VALUE="1" WIDTH="20"> and <CONTROL ID="b" VALUE="two" WIDTH="20" TYPE="EDIT">)"},
      {kCell, "other", "lost", kCell},
      {"plain text", "name", "lost", "plain text"},
  };
  // clang-format on
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Cell);
    FDone.clear();
    FGrid->SetCells(2, 3, c.Cell);
    FGrid->ControlEditDone(2, 3, c.ID, "EDIT", c.Value);
    EXPECT_EQ(FGrid->Cells(2, 3), c.CellAfter);
    EXPECT_EQ(FDone, std::vector<std::string>{"2,3 " + std::string(c.ID) + " EDIT " + c.Value});
  }
}

class ControlEditLayout : public testing::FormTest {
 protected:
  void TearDown() override {
    delete FForm;
    FormTest::TearDown();
  }
  plat::TForm* FForm = nullptr;
};

TEST_F(ControlEditLayout, ALayoutPutsItOnItsGrid) {
  RegisterExtGridClasses();
  FForm = new plat::TForm(nullptr);
  plat::ReadLayoutText(*FForm, R"({
    "Width": 300, "Height": 200,
    "Components": [
      {"Class": "TExtStringGrid", "Name": "grid", "Width": 280, "Height": 180,
       "Components": [{"Class": "TControlEdit", "Name": "ctrlEdit", "EditMask": "00;1;_", "Visible": false}]}
    ]})",
                       "ControlEditForm", plat::TLayoutHandlers());
  auto* edit = dynamic_cast<TControlEdit*>(FForm->FindComponent("ctrlEdit"));
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->Grid(), FForm->FindComponent("grid"));
  EXPECT_EQ(edit->EditMask(), "00;1;_");
}

}  // namespace
}  // namespace zorbit
