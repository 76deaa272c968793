// A custom editor through TEditLink: keys that end the edit write the
// editor's value to the cell and hand the focus back to the grid; keys the
// link wants stay in the editor; Escape puts the saved text back first.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "extgrid/TEditLink.h"
#include "extgrid/TExtRichEdit.h"
#include "extgrid/TExtStringGrid.h"
#include "extgrid/TGridTransEdit.h"
#include "platform/ui/TComponentRef.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/ui/TForm.h"
#include "platform/win/InputInjection.h"
#include "platform/win/VirtualKeys.h"
#include "testing/FormTest.h"

namespace zorbit {
namespace {

// An editor link whose control is a plain edit on the grid.
class TTextLink : public TEditLink {
 public:
  TTextLink(plat::TComponent* AOwner, TExtStringGrid* Grid) : TEditLink(AOwner) {
    SetGrid(Grid);
    FEdit = new plat::TEdit(Grid);
    FEdit->SetParent(Grid);
    FEdit->SetVisible(false);
  }
  plat::TWinControl* EditControl() override { return FEdit; }
  void ReadEditorValue(plat::String& S) override { S = FEdit ? FEdit->Text() : ""; }
  void WriteEditorValue(const plat::String& S) override {
    if (FEdit) FEdit->SetText(S);
  }
  plat::TEdit* Edit() const { return FEdit; }

 private:
  plat::TComponentRef<plat::TEdit> FEdit;
};

class EditLink : public testing::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    FForm = new plat::TForm(nullptr);
    FForm->SetBounds(0, 0, 500, 300);
    FGrid = new TExtStringGrid(FForm);
    FGrid->SetParent(FForm);
    FForm->Show();
    FGrid->SetCol(1);
    FGrid->SetRow(1);
    FLink = new TTextLink(FForm, FGrid);
    FLink->SetSavedText("before");
    FLink->PlaceEditor(FGrid->CellRect(1, 1));
    FLink->ActivateEditor(true);
    FLink->Edit()->SetText("typed");
    Pump();
  }
  void TearDown() override {
    delete FForm;
    FormTest::TearDown();
  }
  plat::TForm* FForm = nullptr;
  TExtStringGrid* FGrid = nullptr;
  TTextLink* FLink = nullptr;
};

TEST_F(EditLink, TheEditorIsPlacedShownAndFocused) {
  EXPECT_TRUE(FLink->Edit()->Visible());
  EXPECT_TRUE(FLink->Edit()->Focused());
  const plat::TRect cell = FGrid->CellRect(1, 1);
  EXPECT_EQ(FLink->Edit()->Width(), cell.Width() - FGrid->GridLineWidth());
}

TEST_F(EditLink, AWantedKeyStaysInTheEditor) {
  FLink->SetWantKeyUpDown(true);
  plat::InjectKeyPress(plat::VK_DOWN);
  Pump();
  EXPECT_TRUE(FLink->Edit()->Visible());
  EXPECT_EQ(FGrid->Cells(1, 1), "");
}

TEST_F(EditLink, AnEndingKeyWritesTheValueAndReturnsToTheGrid) {
  plat::InjectKeyPress(plat::VK_DOWN);
  Pump();
  EXPECT_FALSE(FLink->Edit()->Visible());
  EXPECT_EQ(FGrid->Cells(1, 1), "typed");
  EXPECT_TRUE(FGrid->Focused());
  EXPECT_FALSE(FLink->ForcedExit());
}

TEST_F(EditLink, EscapePutsTheSavedTextBack) {
  plat::InjectKeyPress(plat::VK_ESCAPE);
  Pump();
  EXPECT_EQ(FGrid->Cells(1, 1), "before");
}

TEST_F(EditLink, TheBaseHooksAreEmpty) {
  TEditLink plain(nullptr);
  plat::String value = "x";
  plain.ReadEditorValue(value);
  EXPECT_EQ(value, "");
  EXPECT_EQ(plain.EditControl(), nullptr);
  EXPECT_EQ(plain.PopupLeft(), -1);
  EXPECT_EQ(plain.PopupTop(), -1);
  EXPECT_EQ(plain.EditStyle(), TEditStyle::esInplace);
  EXPECT_FALSE(plain.ForcedExit());
}

}  // namespace
}  // namespace zorbit

namespace zorbit {
namespace {

// The invisible edit of a cell takes a valid text into the cell and hides;
// an invalid one keeps the focus and the grid's current cell.
TEST_F(EditLink, ATransparentEditValidatesOnExit) {
  auto* trans = new TGridTransEdit(FGrid);
  trans->SetParent(FGrid);
  trans->SetCol(2);
  trans->SetRow(3);
  trans->SetVisible(true);
  int done = 0;
  FGrid->OnEditingDone = [&](plat::TObject*) { ++done; };
  FGrid->OnCellValidate = [](plat::TObject*, int, int, plat::String& Value, bool& Valid) {
    Valid = Value != "bad";
    Value += "!";
  };
  trans->SetText("bad");
  trans->SetFocus();
  FGrid->SetFocus();
  Pump();
  EXPECT_TRUE(trans->Focused());
  EXPECT_EQ(FGrid->Col(), 2);
  EXPECT_EQ(FGrid->Row(), 3);
  EXPECT_EQ(done, 0);
  trans->SetText("good");
  FGrid->SetFocus();
  Pump();
  EXPECT_EQ(FGrid->Cells(2, 3), "good!");
  EXPECT_FALSE(trans->Visible());
  EXPECT_EQ(done, 1);
}

}  // namespace
}  // namespace zorbit

namespace zorbit {
namespace {

// The in-place rich editor grows the current row as its content asks for
// more height, and not while locked; the measuring one only records.
TEST_F(EditLink, TheInPlaceRichEditGrowsTheRowWhileTyping) {
  FGrid->SizeWhileTyping()->SetHeight(true);
  std::vector<int> sized;
  FGrid->OnEndRowSize = [&](plat::TObject*, int ARow) { sized.push_back(ARow); };
  auto* rich = new TExtRichEdit(FGrid, true);
  rich->SetParent(FGrid);
  rich->SetBounds(0, 0, 120, 20);
  rich->Perform(plat::EM_SETEVENTMASK, 0, plat::ENM_REQUESTRESIZE);
  rich->Lock();
  rich->SetText("one\r\ntwo\r\nthree");
  EXPECT_EQ(FGrid->RowHeights(1), 21);
  EXPECT_GT(rich->RequestedSize().Height(), 21);
  rich->Unlock();
  rich->SetText("one\r\ntwo\r\nthree\r\nfour");
  const int h = rich->RequestedSize().Height();
  EXPECT_EQ(FGrid->RowHeights(1), h + 5);
  EXPECT_EQ(rich->Height(), h + 4);
  EXPECT_EQ(sized, std::vector<int>{1});

  auto* measuring = new TExtRichEdit(FGrid, false);
  measuring->SetParent(FGrid);
  measuring->Perform(plat::EM_SETEVENTMASK, 0, plat::ENM_REQUESTRESIZE);
  measuring->SetText("a\r\nb\r\nc\r\nd\r\ne");
  EXPECT_GT(measuring->RequestedSize().Height(), h);
  EXPECT_EQ(FGrid->RowHeights(1), h + 5);
}

}  // namespace
}  // namespace zorbit

namespace zorbit {
namespace {

// An editor link whose control sits on a popup form of its own.
class TPopupLink : public TEditLink {
 public:
  // The popup form belongs to PopupOwner.
  TPopupLink(plat::TComponent* PopupOwner, TExtStringGrid* Grid) : TEditLink(nullptr) {
    SetGrid(Grid);
    FPopup = new plat::TForm(PopupOwner);
    FPopup->SetBounds(50, 50, 120, 60);
    FEdit = new plat::TEdit(FPopup);
    FEdit->SetParent(FPopup);
  }
  plat::TWinControl* EditControl() override { return FEdit; }
  void ReadEditorValue(plat::String& S) override { S = FEdit->Text(); }
  plat::TForm* Popup() const { return FPopup; }
  plat::TEdit* Edit() const { return FEdit; }

 private:
  plat::TForm* FPopup;
  plat::TEdit* FEdit;
};

TEST_F(EditLink, EndingAPopupEditHidesItsForm) {
  TPopupLink link(FForm, FGrid);
  link.SetEditStyle(TEditStyle::esPopup);
  link.Popup()->Show();
  link.ActivateEditor(true);
  link.Edit()->SetText("picked");
  Pump();
  link.EndEdit();
  EXPECT_FALSE(link.Popup()->Visible());
  EXPECT_EQ(FGrid->Cells(FGrid->Col(), FGrid->Row()), "picked");
  EXPECT_TRUE(FForm->Visible());
}

TEST_F(EditLink, EndingAnInPlaceEditLeavesTheControlsFormShown) {
  TPopupLink link(FForm, FGrid);
  link.Popup()->Show();
  link.ActivateEditor(true);
  Pump();
  link.EndEdit();
  EXPECT_FALSE(link.Edit()->Visible());
  EXPECT_TRUE(link.Popup()->Visible());
}

}  // namespace
}  // namespace zorbit

namespace zorbit {
namespace {

// A link outlives the grid it serves and the control it routes: it forgets
// both as they go, and ending or freeing it afterwards touches neither. The
// link and the grid share their owner, so no link of their own ties them.
class EditLinkLifetime : public testing::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    FForm = new plat::TForm(nullptr);
    FForm->SetBounds(0, 0, 500, 300);
    FGrid = new TExtStringGrid(FForm);
    FGrid->SetParent(FForm);
    FForm->Show();
    FLink = new TTextLink(FForm, FGrid);
    FLink->PlaceEditor(FGrid->CellRect(1, 1));
    FLink->ActivateEditor(true);
    Pump();
  }
  void TearDown() override {
    delete FLink;
    delete FForm;
    FormTest::TearDown();
  }
  plat::TForm* FForm = nullptr;
  TExtStringGrid* FGrid = nullptr;
  TTextLink* FLink = nullptr;
};

TEST_F(EditLinkLifetime, TheGridFreedFirst) {
  delete FGrid;  // and the edit it owns
  EXPECT_EQ(FLink->Grid(), nullptr);
  EXPECT_EQ(FLink->EditControl(), nullptr);
  std::uint16_t key = plat::VK_RETURN;
  FLink->HandleEditKey(FLink, key, {});
  FLink->EndEdit();
  FLink->ActivateEditor(false);
  delete std::exchange(FLink, nullptr);
}

TEST_F(EditLinkLifetime, TheEditControlFreedFirst) {
  delete FLink->Edit();
  EXPECT_EQ(FLink->EditControl(), nullptr);
  EXPECT_EQ(FLink->Grid(), FGrid);
  FGrid->SetCells(1, 1, "before");
  FLink->EndEdit();
  EXPECT_EQ(FGrid->Cells(1, 1), "");
  delete std::exchange(FLink, nullptr);
  delete std::exchange(FGrid, nullptr);
}

}  // namespace
}  // namespace zorbit
