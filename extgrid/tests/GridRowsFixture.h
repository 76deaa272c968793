#pragma once
// A placed TExtStringGrid whose column 1 holds each row's real index as a
// tag, and pictures of what the grid shows: the tags of the display rows
// and the real indexes of the hidden rows.
#include <functional>
#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "platform/ui/TForm.h"
#include "testing/FormTest.h"

namespace zorbit::testing {

class GridRowsTest : public FormTest {
 protected:
  using Steps = std::function<void(TExtStringGrid*)>;
  // One row of a table: the steps run on a fresh grid, then what it shows
  // (Shown()) and the real indexes of its hidden rows (Hidden()).
  struct RowsCase {
    const char* Name;
    Steps Run;
    const char* Shown;
    std::vector<int> Hidden;
  };

  void TearDown() override {
    delete FForm;
    FormTest::TearDown();
  }
  // Rows real rows of 3 columns, tagged "0", "1"... in column 1.
  TExtStringGrid* MakeGrid(int Rows) {
    FForm->SetBounds(0, 0, 600, 400);
    FGrid->SetParent(FForm);
    FGrid->SetColCount(3);
    FGrid->SetRowCount(Rows);
    for (int r = 0; r < Rows; ++r) FGrid->SetCells(1, r, std::to_string(r));
    FGrid->HandleNeeded();
    return FGrid;
  }
  // Column 1 of every display row, blanks shown as "_".
  std::string Shown() const {
    std::string picture;
    for (int r = 0; r < FGrid->RowCount(); ++r) {
      const std::string& tag = FGrid->Cells(1, r);
      picture += (r ? " " : "") + (tag.empty() ? std::string("_") : tag);
    }
    return picture;
  }
  std::vector<int> Hidden() const {
    std::vector<int> rows;
    for (int i = 0; i < FGrid->HiddenRowCount(); ++i) rows.push_back(FGrid->HiddenRow(i)->Idx());
    return rows;
  }

  plat::TForm* FForm = new plat::TForm(nullptr);
  TExtStringGrid* FGrid = new TExtStringGrid(FForm);
};

}  // namespace zorbit::testing
