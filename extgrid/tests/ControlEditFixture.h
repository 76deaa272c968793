#pragma once
// A form with a grid whose cell (1, 1) holds an HTML edit control, a plain
// edit below the grid, and the grid's control edit, opened on the control
// as the grid's click on it opens it. What OnControlEditDone reports is
// logged as "col,row ID TYPE value".
#include <string>
#include <vector>

#include "extgrid/TControlEdit.h"
#include "extgrid/TExtStringGrid.h"
#include "grid/HtmlRenderer.h"
#include "grid/HtmlText.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/ui/TForm.h"
#include "testing/FormTest.h"

namespace zorbit::testing {

class ControlEditTest : public FormTest {
 protected:
  static constexpr const char* kCell = R"(<B>Name:</B> <CONTROL TYPE="EDIT" ID="name" VALUE="old" WIDTH="80">)";

  // Makes the form (on the display in use) and shows it.
  void MakeForm() {
    FForm = new plat::TForm(plat::Application);
    FForm->SetBounds(100, 80, 460, 300);
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
  }

  // Opens the edit on the control of cell (1, 1): placed over the control,
  // holding its value, shown and focused.
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

  plat::String CellValue() { return ReadCellControlValue(FGrid->Cells(1, 1), "name"); }

  plat::TForm* FForm = nullptr;  // freed with the application
  TExtStringGrid* FGrid = nullptr;
  plat::TEdit* FOther = nullptr;
  TControlEdit* FEdit = nullptr;
  std::vector<std::string> FDone;
};

}  // namespace zorbit::testing
