// Cell editing driven by real keys in the headless display: which editor a
// cell gets, the editors opened and closed without typing, the filters of
// the in-place edit, the commit of every key that ends an edit, refusals,
// Esc, and the editing option following the selected cell.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "extgrid/TControlEdit.h"
#include "extgrid/TExtInplaceEdit.h"
#include "extgrid/TGridButton.h"
#include "extgrid/TGridCheckBox.h"
#include "extgrid/TGridDatePicker.h"
#include "extgrid/TGridEditBtn.h"
#include "extgrid/TGridSpin.h"
#include "extgrid/TGridUnitEditBtn.h"
#include "extgrid/tests/EditingFixture.h"
#include "grid/TCellGraphic.h"
#include "grid/TCellProperties.h"
#include "grid/HtmlText.h"
#include "grid/TExtGridUndoRedo.h"
#include "platform/rtl/DateTime.h"
#include "platform/ui/TClipboard.h"
#include "testing/LocaleScope.h"

namespace zorbit {
namespace {

using testing::EditingTest;

class Editing : public EditingTest {
 protected:
  void SetUp() override {
    EditingTest::SetUp();
    FUndo = new TExtGridUndoRedo(FForm);
    FGrid->SetUndoRedo(FUndo);
  }
  int UndoCount() { return FUndo->Items()->Count(); }
  testing::TLocaleScope FEnglish{plat::TFormatSettings::English()};
  TExtGridUndoRedo* FUndo = nullptr;
};

struct UntouchedCase {
  const char* Name;
  TEditorType Type;
  std::string Text;
  bool PickerCheckBox = false;
};

class UntouchedEditor : public Editing, public ::testing::WithParamInterface<UntouchedCase> {};

TEST_P(UntouchedEditor, OpenAndClosedWithoutTypingLeavesTheCellAsItWas) {
  const UntouchedCase& c = GetParam();
  if (c.PickerCheckBox) FGrid->Editors().DatePicker()->SetShowCheckbox(true);
  FGrid->SetDefaultEditor(c.Type);
  FGrid->SetCells(1, 1, c.Text);
  Open(1, 1);
  ASSERT_TRUE(FGrid->EditorActive());
  ASSERT_NE(FGrid->ActiveEditorControl(), nullptr);
  EXPECT_TRUE(FGrid->ActiveEditorControl()->Visible());
  EXPECT_TRUE(FGrid->ActiveEditorControl()->Focused());
  Press(plat::VK_RETURN);
  EXPECT_FALSE(FGrid->EditorActive());
  EXPECT_EQ(FGrid->ActiveEditorControl(), nullptr);
  EXPECT_EQ(FGrid->Cells(1, 1), c.Text);
  EXPECT_EQ(UndoCount(), 0);
  EXPECT_TRUE(Log.empty());
}

// clang-format off
const UntouchedCase kUntouched[] = {
  {"Spin",               TEditorType::edSpinEdit,       "42"},
  {"FloatSpin",          TEditorType::edFloatSpinEdit,  "12.50"},
  {"DateSpin",           TEditorType::edDateSpinEdit,   "12/24/2026"},
  {"TimeSpin",           TEditorType::edTimeSpinEdit,   "10:30:00 AM"},
  {"EditButton",         TEditorType::edEditBtn,        "abc"},
  {"NumericEditButton",  TEditorType::edNumericEditBtn, "-17"},
  {"UnitEditButton",     TEditorType::edUnitEditBtn,    "12 kg"},
  {"UnitWithDigits",     TEditorType::edUnitEditBtn,    "5 m2"},
  {"DatePickerChecked",  TEditorType::edDateEdit,       "12/24/2026", true},
  {"DatePickerUnchecked",TEditorType::edDateEdit,       "",           true},
  {"DateUpDown",         TEditorType::edDateEditUpDown, "1/2/2025"},
  {"Time",               TEditorType::edTimeEdit,       "10:30:00 AM"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(EveryEditor, UntouchedEditor, ::testing::ValuesIn(kUntouched),
                         [](const ::testing::TestParamInfo<UntouchedCase>& Case) { return Case.param.Name; });

TEST_F(Editing, ACellOfTypeNoneShowsNoEditor) {
  FGrid->OnGetEditorType = [](plat::TObject*, int, int row, TEditorType& type) {
    if (row == 2) type = TEditorType::edNone;
  };
  Open(1, 2);
  EXPECT_FALSE(InplaceShown());
  EXPECT_FALSE(FGrid->EditorActive());
  EXPECT_EQ(FGrid->ActiveEditorControl(), nullptr);
  Type("x");
  EXPECT_EQ(FGrid->Cells(1, 2), "");
  Open(1, 3);
  EXPECT_TRUE(InplaceShown());
}

class ExposedGrid : public TExtStringGrid {
 public:
  using TExtStringGrid::CanEditShow;
  using TExtStringGrid::TExtStringGrid;
};

TEST_F(Editing, AControlCellAnswersThatNoEditorShows) {
  auto* grid = new ExposedGrid(FForm);
  grid->SetParent(FForm);
  grid->SetBounds(4, 310, 300, 40);
  grid->SetOptions(grid->Options().Include(plat::TGridOption::goEditing));
  grid->CreateCellGraphic(1, 1)->SetCellType(TCellType::ctCheckBox);
  grid->SetFocus();
  Pump();
  EXPECT_FALSE(grid->CanEditShow());
  EXPECT_FALSE(grid->EditorActive());
  grid->SetCol(2);
  EXPECT_TRUE(grid->CanEditShow());
}

TEST_F(Editing, AReadOnlyCellTakesTheEditingOptionAwayAndAnEditableOneGivesItBack) {
  FGrid->GetCellProperties(2, 2)->SetReadOnly(true);
  FGrid->SetCol(2);
  FGrid->SetRow(2);
  EXPECT_FALSE(FGrid->Options().Contains(plat::TGridOption::goEditing));
  EXPECT_TRUE(FGrid->EditOptionSuspended());
  Press(plat::VK_F2);
  EXPECT_FALSE(InplaceShown());
  Press(plat::VK_RIGHT);
  EXPECT_EQ(FGrid->Col(), 3);
  EXPECT_TRUE(FGrid->Options().Contains(plat::TGridOption::goEditing));
  EXPECT_FALSE(FGrid->EditOptionSuspended());
  Press(plat::VK_F2);
  EXPECT_TRUE(InplaceShown());
}

// The in-place edit's filters through typed keys.
TEST_F(Editing, AtMaxEditLengthAFourthCharacterIsIgnoredAndBackspaceWorks) {
  FGrid->SetMaxEditLength(3);
  Open(1, 1);
  Type("abcd");
  EXPECT_EQ(Inplace()->Text(), "abc");
  Press(plat::VK_BACK);
  EXPECT_EQ(Inplace()->Text(), "ab");
}

TEST_F(Editing, RefusedCharactersBeepAndTheThousandSeparatorIsDroppedSilently) {
  FGrid->SetDefaultEditor(TEditorType::edFloat);
  Open(1, 1);
  Type("1.5");
  const std::size_t beeps = Beeps();
  Type(".");
  EXPECT_EQ(Beeps(), beeps + 1);
  Type(",");
  EXPECT_EQ(Beeps(), beeps + 1);
  Type("x");
  EXPECT_EQ(Beeps(), beeps + 2);
  EXPECT_EQ(Inplace()->Text(), "1.5");
}

TEST_F(Editing, MixedCaseRewritesTheWholeText) {
  FGrid->SetDefaultEditor(TEditorType::edMixedCase);
  Open(1, 1);
  Type("mary ANN");
  EXPECT_EQ(Inplace()->Text(), "Mary Ann");
  Press(plat::VK_RETURN);
  EXPECT_EQ(FGrid->Cells(1, 1), "Mary Ann");
}

TEST_F(Editing, PastingALetterAfterDigitsIntoANumericCellChangesNothing) {
  FGrid->SetDefaultEditor(TEditorType::edNumeric);
  FGrid->SetCells(1, 1, "5");
  Open(1, 1);
  ASSERT_TRUE(plat::Clipboard()->SetAsText("12a"));
  Press('V', {plat::VK_CONTROL});
  EXPECT_EQ(Inplace()->Text(), "5");
  ASSERT_TRUE(plat::Clipboard()->SetAsText("12"));
  Press('V', {plat::VK_CONTROL});
  EXPECT_EQ(Inplace()->Text(), "12");
}

TEST_F(Editing, APastePassingMaxEditLengthIsRefusedWhole) {
  FGrid->SetMaxEditLength(4);
  FGrid->SetCells(1, 1, "ab");
  Open(1, 1);
  Press(plat::VK_END);
  ASSERT_TRUE(plat::Clipboard()->SetAsText("cde"));
  Press('V', {plat::VK_CONTROL});
  EXPECT_EQ(Inplace()->Text(), "ab");
  ASSERT_TRUE(plat::Clipboard()->SetAsText("cd"));
  Press('V', {plat::VK_CONTROL});
  EXPECT_EQ(Inplace()->Text(), "abcd");
}

TEST_F(Editing, LookupCompletesFromLookupItems) {
  FGrid->SetLookup(true);
  FGrid->LookupItems()->Add("Berlin");
  FGrid->LookupItems()->Add("Bern");
  Open(1, 1);
  Type("be");
  EXPECT_EQ(Inplace()->Text(), "berlin");
  EXPECT_EQ(Inplace()->SelText(), "rlin");
  Type("r");
  EXPECT_EQ(Inplace()->Text(), "berlin");
  Type("n");
  EXPECT_EQ(Inplace()->Text(), "bern");
  EXPECT_EQ(Inplace()->SelLength(), 0);
}

// Committing.
struct CommitKey {
  const char* Name;
  plat::UINT Key;
};

class CommitByKey : public Editing, public ::testing::WithParamInterface<CommitKey> {};

TEST_P(CommitByKey, TheKeyCommitsWithUndoAndReport) {
  FGrid->SetOptions(FGrid->Options().Include(plat::TGridOption::goTabs));
  FGrid->SetCells(2, 2, "old");
  Open(2, 2);
  Type("new");
  Press(GetParam().Key);
  EXPECT_EQ(FGrid->Cells(2, 2), "new");
  ASSERT_EQ(UndoCount(), 1);
  const TUndoRedoItem* item = FUndo->Items()->Items(0);
  EXPECT_EQ(item->OrigValue(), "old");
  EXPECT_EQ(item->Value(), "new");
  EXPECT_EQ(Log, std::vector<std::string>{"changed 2,2"});
}

INSTANTIATE_TEST_SUITE_P(Keys, CommitByKey,
                         ::testing::Values(CommitKey{"Tab", plat::VK_TAB}, CommitKey{"Enter", plat::VK_RETURN},
                                           CommitKey{"Up", plat::VK_UP}, CommitKey{"Down", plat::VK_DOWN}),
                         [](const ::testing::TestParamInfo<CommitKey>& Case) { return Case.param.Name; });

TEST_P(CommitByKey, ARefusalReloadsTheCellAndKeepsTheEditor) {
  FGrid->SetOptions(FGrid->Options().Include(plat::TGridOption::goTabs));
  FGrid->OnCellValidate = [](plat::TObject*, int, int, plat::String&, bool& valid) { valid = false; };
  FGrid->SetCells(2, 2, "old");
  Open(2, 2);
  Type("new");
  Press(GetParam().Key);
  EXPECT_EQ(FGrid->Cells(2, 2), "old");
  EXPECT_TRUE(InplaceShown());
  EXPECT_EQ(Inplace()->Text(), "old");
  EXPECT_EQ(FGrid->Col(), 2);
  EXPECT_EQ(FGrid->Row(), 2);
  EXPECT_EQ(UndoCount(), 0);
  EXPECT_TRUE(Log.empty());
}

TEST_F(Editing, AValidatorsOwnTextIsStoredWhenItRefuses) {
  FGrid->OnCellValidate = [](plat::TObject*, int, int, plat::String& value, bool& valid) {
    value = "fixed";
    valid = false;
  };
  Open(1, 1);
  Type("typed");
  Press(plat::VK_RETURN);
  EXPECT_EQ(FGrid->Cells(1, 1), "fixed");
  EXPECT_TRUE(InplaceShown());
}

TEST_F(Editing, EscRestoresTheTextFromBeforeTheEdit) {
  FGrid->SetCells(1, 1, "start");
  Open(1, 1);
  Type("other");
  Press(plat::VK_ESCAPE);
  EXPECT_FALSE(InplaceShown());
  EXPECT_EQ(FGrid->Cells(1, 1), "start");
  EXPECT_EQ(UndoCount(), 0);
}

TEST_F(Editing, TypingIntoACellOpensTheEditorWithTheCharacter) {
  FGrid->SetCells(1, 1, "before");
  FGrid->SetCol(1);
  FGrid->SetRow(1);
  Type("x");
  ASSERT_TRUE(InplaceShown());
  EXPECT_EQ(Inplace()->Text(), "x");
  Press(plat::VK_RETURN);
  EXPECT_EQ(FGrid->Cells(1, 1), "x");
}

TEST_F(Editing, ATypedCharacterReachesAControlEditor) {
  FGrid->SetDefaultEditor(TEditorType::edEditBtn);
  FGrid->SetCol(1);
  FGrid->SetRow(1);
  Type("q");
  ASSERT_EQ(FGrid->ActiveEditorControl(), FGrid->Editors().EditBtn());
  EXPECT_EQ(FGrid->Editors().EditBtn()->Text(), "q");
}

TEST_F(Editing, AControlEditorCommitsByEnterAndKeepsOpenOnARefusal) {
  FGrid->SetDefaultEditor(TEditorType::edSpinEdit);
  FGrid->SetCells(1, 1, "5");
  bool refuse = true;
  FGrid->OnCellValidate = [&refuse](plat::TObject*, int, int, plat::String&, bool& valid) { valid = !refuse; };
  Open(1, 1);
  TGridSpin* spin = FGrid->Editors().Spin();
  spin->SetText("7");
  Press(plat::VK_RETURN);
  EXPECT_EQ(FGrid->Cells(1, 1), "5");
  EXPECT_TRUE(spin->Visible());
  EXPECT_EQ(spin->Text(), "5");
  refuse = false;
  spin->SetText("8");
  Press(plat::VK_RETURN);
  EXPECT_FALSE(spin->Visible());
  EXPECT_EQ(FGrid->Cells(1, 1), "8");
  EXPECT_EQ(UndoCount(), 1);
}

TEST_F(Editing, EscInAControlEditorPutsTheStartTextBack) {
  FGrid->SetDefaultEditor(TEditorType::edEditBtn);
  FGrid->SetCells(1, 1, "start");
  Open(1, 1);
  Type("zz");
  Press(plat::VK_ESCAPE);
  EXPECT_FALSE(FGrid->Editors().EditBtn()->Visible());
  EXPECT_EQ(FGrid->Cells(1, 1), "start");
}

TEST_F(Editing, TheSpinsPageKeysKeepWithinTheLimits) {
  FGrid->SetDefaultEditor(TEditorType::edSpinEdit);
  FGrid->SetCells(1, 1, "100");
  std::vector<std::string> clicks;
  FGrid->OnSpinClick = [&clicks](plat::TObject*, int, int, int value, bool up) {
    clicks.push_back(std::to_string(value) + (up ? " up" : " down"));
  };
  Open(1, 1);
  TGridSpin* spin = FGrid->Editors().Spin();
  Press(plat::VK_PRIOR);
  EXPECT_EQ(spin->Value(), 100);
  Press(plat::VK_END);
  EXPECT_EQ(spin->Value(), 0);
  Press(plat::VK_NEXT);
  EXPECT_EQ(spin->Value(), 0);
  Press(plat::VK_HOME);
  EXPECT_EQ(spin->Value(), 100);
  const std::vector<std::string> expected{"100 up", "0 down", "0 down", "100 up"};
  EXPECT_EQ(clicks, expected);
}

TEST_F(Editing, TheUnitEditorSplitsNumberAndUnitKeepingTheUnitWhole) {
  FGrid->SetDefaultEditor(TEditorType::edUnitEditBtn);
  FGrid->SetCells(1, 1, "1.5 m2 x");
  Open(1, 1);
  TGridUnitEditBtn* unit = FGrid->Editors().UnitEditBtn();
  EXPECT_EQ(unit->Text(), "1.5");
  EXPECT_EQ(unit->UnitID(), " m2 x");
  Press(plat::VK_RETURN);
  EXPECT_EQ(FGrid->Cells(1, 1), "1.5 m2 x");
}

TEST_F(Editing, TheEllipsisButtonAsksTheGrid) {
  FGrid->SetDefaultEditor(TEditorType::edEditBtn);
  FGrid->SetCells(1, 1, "a");
  FGrid->OnEllipsClick = [](plat::TObject*, int col, int row, plat::String& s) {
    s += plat::Format(" from %d,%d", {col, row});
  };
  Open(1, 1);
  FGrid->Editors().EditBtn()->ClickButton();
  EXPECT_EQ(FGrid->Editors().EditBtn()->Text(), "a from 1,1");
  EXPECT_EQ(FGrid->Editors().EditBtn()->SelLength(), 10);
}

TEST_F(Editing, TheEditorsAreMadeOnceAndGoWithTheGrid) {
  TGridSpin* spin = FGrid->Editors().Spin();
  EXPECT_EQ(FGrid->Editors().Spin(), spin);
  EXPECT_EQ(spin->Owner(), FGrid);
  EXPECT_FALSE(spin->Visible());
  EXPECT_FALSE(spin->Enabled());
  plat::TComponentRef<TGridSpin> watched(spin);
  delete FGrid;
  FGrid = nullptr;
  EXPECT_EQ(watched.Get(), nullptr);
}

// Pictures of each editor open in a cell, for a person to look at; the
// editor stands inside the cell and covers it.
struct ShotCase {
  const char* Name;
  TEditorType Type;
  std::string Text;
};

class EditorPicture : public Editing, public ::testing::WithParamInterface<ShotCase> {};

TEST_P(EditorPicture, TheEditorCoversItsCell) {
  const ShotCase& c = GetParam();
  FGrid->SetColWidths(2, 120);
  FGrid->SetDefaultEditor(c.Type);
  for (int col = 1; col < 5; ++col) FGrid->SetCells(col, 2, "cell");
  FGrid->SetCells(2, 2, c.Text);
  Open(2, 2);
  plat::TWinControl* editor = FGrid->ActiveEditorControl();
  if (!editor) editor = Inplace();
  ASSERT_NE(editor, nullptr);
  ASSERT_TRUE(editor->Visible());
  const plat::TRect cell = FGrid->CellRect(2, 2);
  EXPECT_EQ(editor->Left(), cell.Left);
  EXPECT_EQ(editor->Top(), cell.Top);
  EXPECT_EQ(editor->Width(), cell.Width() - 1);
  Repaint();
  Keep(std::string("editor-") + c.Name);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Editors, EditorPicture, ::testing::Values(
  ShotCase{"InPlace",    TEditorType::edNormal,       "typed text"},
  ShotCase{"Spin",       TEditorType::edSpinEdit,     "42"},
  ShotCase{"EditButton", TEditorType::edEditBtn,      "pick me"},
  ShotCase{"Unit",       TEditorType::edUnitEditBtn,  "12 kg"},
  ShotCase{"DatePicker", TEditorType::edDateEdit,     "12/24/2026"},
  ShotCase{"Time",       TEditorType::edTimeEdit,     "10:30:00 AM"}),
  [](const ::testing::TestParamInfo<ShotCase>& Case) { return Case.param.Name; });
// clang-format on

TEST_F(Editing, LeavingAControlEditorByTheMouseWritesAndCommitsItsValue) {
  FGrid->SetDefaultEditor(TEditorType::edEditBtn);
  Open(1, 1);
  Type("via mouse");
  const plat::TRect other = FGrid->CellRect(3, 4);
  plat::InjectClick(OnScreen(FGrid, {(other.Left + other.Right) / 2, (other.Top + other.Bottom) / 2}));
  Pump();
  EXPECT_FALSE(FGrid->Editors().EditBtn()->Visible());
  EXPECT_EQ(FGrid->Cells(1, 1), "via mouse");
  EXPECT_EQ(FGrid->Col(), 3);
  EXPECT_EQ(UndoCount(), 1);
}

TEST_F(Editing, TheCheckBoxEditorTogglesAndWritesNothing) {
  FGrid->SetDefaultEditor(TEditorType::edCheckBox);
  FGrid->SetCells(1, 1, "agree");
  Open(1, 1);
  TGridCheckBox* box = FGrid->Editors().CheckBox();
  ASSERT_TRUE(box->Visible());
  EXPECT_EQ(box->Caption(), "agree");
  EXPECT_FALSE(box->Checked());
  Press(plat::VK_SPACE);
  EXPECT_TRUE(box->Checked());
  Press(plat::VK_DOWN);
  EXPECT_FALSE(box->Visible());
  EXPECT_EQ(FGrid->Row(), 2);
  EXPECT_EQ(FGrid->Cells(1, 1), "agree");
}

TEST_F(Editing, TheButtonEditorAsksTheGridForItsCaption) {
  FGrid->SetDefaultEditor(TEditorType::edButton);
  FGrid->SetCells(1, 1, "Go");
  FGrid->OnEllipsClick = [](plat::TObject*, int, int, plat::String& s) { s += "ne"; };
  Open(1, 1);
  TGridButton* button = FGrid->Editors().Button();
  ASSERT_TRUE(button->Visible());
  Press(plat::VK_SPACE);
  EXPECT_EQ(button->Caption(), "Gone");
  Press(plat::VK_ESCAPE);
  EXPECT_FALSE(button->Visible());
  EXPECT_EQ(FGrid->Cells(1, 1), "Go");
}

TEST_F(Editing, PasswordCellsEditBehindThePasswordCharacter) {
  FGrid->SetDefaultEditor(TEditorType::edPassword);
  FGrid->SetPasswordChar('#');
  Open(1, 1);
  EXPECT_EQ(Inplace()->PasswordChar(), '#');
  FGrid->SetDefaultEditor(TEditorType::edNormal);
  Press(plat::VK_ESCAPE);
  Open(2, 1);
  EXPECT_EQ(Inplace()->PasswordChar(), '\0');
}

TEST_F(Editing, WithoutEditSelectAllTheCaretGoesToTheEnd) {
  FGrid->Navigation()->SetEditSelectAll(false);
  FGrid->SetCells(1, 1, "abc");
  Open(1, 1);
  EXPECT_EQ(Inplace()->SelLength(), 0);
  EXPECT_EQ(Inplace()->SelStart(), 3);
  Type("d");
  EXPECT_EQ(Inplace()->Text(), "abcd");
}

TEST_F(Editing, LineFeedOnEnterBreaksTheLine) {
  FGrid->Navigation()->SetLineFeedOnEnter(true);
  Open(1, 1);
  Type("one");
  Press(plat::VK_RETURN);
  Type("two");
  EXPECT_TRUE(InplaceShown());
  EXPECT_NE(Inplace()->Text().find("two"), std::string::npos);
  EXPECT_NE(Inplace()->Text().find('\n'), std::string::npos);
}

TEST_F(Editing, CursorWalkingCommitsAndMovesToTheNeighbour) {
  FGrid->Navigation()->SetCursorWalkEditor(true);
  Open(1, 1);
  Type("ab");
  Press(plat::VK_RIGHT);
  EXPECT_EQ(FGrid->Cells(1, 1), "ab");
  EXPECT_EQ(FGrid->Col(), 2);
  EXPECT_EQ(UndoCount(), 1);
}

TEST_F(Editing, CellRowAndColumnChangesAreAskedInOrder) {
  std::vector<std::string> asked;
  FGrid->OnRowChanging = [&asked](plat::TObject*, int from, int to, bool&) {
    asked.push_back(plat::Format("row %d>%d", {from, to}));
  };
  FGrid->OnColChanging = [&asked](plat::TObject*, int from, int to, bool&) {
    asked.push_back(plat::Format("col %d>%d", {from, to}));
  };
  FGrid->OnCellChanging = [&asked](plat::TObject*, int oldRow, int oldCol, int newRow, int newCol, bool&) {
    asked.push_back(plat::Format("cell %d,%d>%d,%d", {oldCol, oldRow, newCol, newRow}));
  };
  FGrid->OnRowUpdate = [&asked](plat::TObject*, int from, int to) {
    asked.push_back(plat::Format("update %d>%d", {from, to}));
  };
  const plat::TRect target = FGrid->CellRect(3, 2);
  plat::InjectClick(OnScreen(FGrid, {target.Left + 5, target.Top + 5}));
  Pump();
  const std::vector<std::string> expected{"row 1>2", "col 1>3", "cell 1,1>3,2", "update -1>2"};
  EXPECT_EQ(asked, expected);
}

TEST_F(Editing, AClickOnAnHtmlEditControlOpensTheControlEditOnIt) {
  FGrid->SetColWidths(1, 160);
  FGrid->SetCells(1, 1, R"(<B>Name:</B> <CONTROL TYPE="EDIT" ID="name" VALUE="old" WIDTH="80">)");
  FGrid->HandleCellControlClick(1, 1, "name");
  TControlEdit* edit = FGrid->Editors().ControlEdit();
  ASSERT_TRUE(edit->Visible());
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(edit->Text(), "old");
  EXPECT_GT(edit->Left(), FGrid->CellRect(1, 1).Left + 20);
  Type("X");
  FGrid->SetFocus();
  Pump();
  EXPECT_FALSE(edit->Visible());
  EXPECT_EQ(ReadCellControlValue(FGrid->Cells(1, 1), "name"), "X");
}

TEST_F(Editing, AClickOnAMissingControlGivesTheGridTheFocus) {
  FGrid->SetCells(1, 1, R"(<CONTROL TYPE="EDIT" ID="name" VALUE="old" WIDTH="80">)");
  FGrid->HandleCellControlClick(1, 1, "name");
  ASSERT_TRUE(FGrid->Editors().ControlEdit()->Focused());
  FGrid->HandleCellControlClick(1, 1, "other");
  Pump();
  EXPECT_TRUE(FGrid->Focused());
  EXPECT_FALSE(FGrid->Editors().ControlEdit()->Visible());
}

// The advance after Enter.
TEST_F(Editing, EnterAdvancesToTheNextEditableCell) {
  FGrid->Navigation()->SetAdvanceOnEnter(true);
  FGrid->OnCanEditCell = [](plat::TObject*, int, int col, bool& can) { can = col != 2; };
  Open(1, 1);
  Type("v");
  Press(plat::VK_RETURN);
  EXPECT_EQ(FGrid->Cells(1, 1), "v");
  EXPECT_EQ(FGrid->Col(), 3);
  EXPECT_EQ(FGrid->Row(), 1);
  EXPECT_FALSE(InplaceShown());
}

TEST_F(Editing, AnAdvanceWithoutAnyEditableCellStopsAndKeepsTheStartCell) {
  FGrid->OnCanEditCell = [](plat::TObject*, int, int, bool& can) { can = false; };
  FGrid->SetCol(2);
  FGrid->SetRow(3);
  FGrid->AdvanceCell(2, 3, false, true, false, true);
  EXPECT_EQ(FGrid->Col(), 2);
  EXPECT_EQ(FGrid->Row(), 3);
  FGrid->AdvanceCell(2, 3, false, false, false, true);
  EXPECT_EQ(FGrid->Col(), 2);
  EXPECT_EQ(FGrid->Row(), 3);
}

TEST_F(Editing, AnAdvancePastTheLastCellAddsARowOnlyWithConsent) {
  FGrid->Navigation()->SetAdvanceInsert(true);
  bool consent = false;
  std::vector<int> added;
  FGrid->OnCanAddRow = [&consent](plat::TObject*, bool& can) { can = consent; };
  FGrid->OnAutoAddRow = [&added](plat::TObject*, int row) { added.push_back(row); };
  FGrid->SetCol(4);
  FGrid->SetRow(5);
  FGrid->AdvanceCell(4, 5, false, true, false, true);
  EXPECT_EQ(FGrid->RowCount(), 6);
  EXPECT_EQ(FGrid->Row(), 5);
  consent = true;
  FGrid->AdvanceCell(4, 5, false, true, false, true);
  EXPECT_EQ(FGrid->RowCount(), 7);
  EXPECT_EQ(added, std::vector<int>{6});
  EXPECT_EQ(FGrid->Row(), 6);
  EXPECT_EQ(FGrid->Col(), 1);
}

TEST_F(Editing, OnAutoAdvanceMayRedirectOrRefuse) {
  bool allow = true;
  FGrid->OnAutoAdvance = [&allow](plat::TObject*, int, int, int& row, int& col, bool& ok) {
    row = 4;
    col = 3;
    ok = allow;
  };
  FGrid->SetCol(1);
  FGrid->SetRow(1);
  FGrid->AdvanceCell(1, 1, false, true, false, true);
  EXPECT_EQ(FGrid->Col(), 3);
  EXPECT_EQ(FGrid->Row(), 4);
  allow = false;
  FGrid->AdvanceCell(3, 4, false, true, false, true);
  EXPECT_EQ(FGrid->Col(), 3);
  EXPECT_EQ(FGrid->Row(), 4);
}

TEST_F(Editing, CellChangingMayRefuseTheMove) {
  FGrid->OnCellChanging = [](plat::TObject*, int, int, int newRow, int, bool& allow) { allow = newRow != 3; };
  FGrid->SetRow(2);
  Press(plat::VK_DOWN);
  EXPECT_EQ(FGrid->Row(), 2);
}

}  // namespace
}  // namespace zorbit
