#include "tools/uidrive/GridHarness.h"

#include <string>

#include "extgrid/TExtStringGrid.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TForm.h"

namespace uidrive {

namespace {

class TfmGridHarness : public plat::TForm {
 public:
  explicit TfmGridHarness(plat::TComponent* AOwner) : plat::TForm(AOwner) {
    SetName("fmGridHarness");
    SetCaption("Grid harness");
    SetBounds(40, 40, 320, 180);
    auto* grid = new zorbit::TExtStringGrid(this);
    grid->SetName("esgHarness");
    grid->SetParent(this);
    grid->SetBounds(8, 8, 290, 120);
    grid->SetColCount(3);
    grid->SetRowCount(4);
    grid->SetOptions(grid->Options().Include(plat::TGridOption::goEditing));
    for (int row = 1; row < 4; ++row)
      for (int col = 1; col < 3; ++col) grid->SetCells(col, row, std::string(1, "AB"[col - 1]) + std::to_string(row));
    OnClose = [](plat::TObject*, plat::TCloseAction& Action) { Action = plat::TCloseAction::caFree; };
  }
};

}  // namespace

void ShowGridHarness() {
  auto* form = new TfmGridHarness(plat::Application);  // owned by the application
  form->Show();
}

}  // namespace uidrive
