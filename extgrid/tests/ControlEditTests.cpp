// The edit over an HTML form control of a cell, driven by real keys and
// clicks: losing the focus, Return and Tab hand its text to the grid as the
// control's VALUE (once); it wants Tab but leaves Return to the form's
// default button; with AdvanceAuto the Tab goes on to the grid.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "extgrid/ExtGridClasses.h"
#include "extgrid/tests/ControlEditFixture.h"
#include "platform/ui/LayoutHandlers.h"
#include "platform/ui/LayoutReader.h"
#include "platform/ui/TButton.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/InputInjection.h"
#include "platform/win/Messages.h"
#include "platform/win/VirtualKeys.h"
#include "testing/ReferencePicture.h"

namespace zorbit {
namespace {

class ControlEdit : public testing::ControlEditTest {
 protected:
  void SetUp() override {
    ControlEditTest::SetUp();
    MakeForm();
    Open();
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
  // Tab stops only at cells the grid lets be edited.
  options.Include(plat::TGridOption::goTabs);
  options.Include(plat::TGridOption::goEditing);
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
