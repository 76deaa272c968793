#pragma once
// An editable advanced grid on a shown form in the headless display, with
// the focus in it: 5 columns and 6 rows of 64 x 22 cells, goEditing on.
// Keys and text are injected as a user would type them; the grid's
// cells-changed reports are kept in order in Log.
#include <string>
#include <vector>

#include "extgrid/tests/ExtGridPaintFixture.h"
#include "platform/rtl/Format.h"
#include "platform/ui/TInplaceEdit.h"
#include "platform/win/InputInjection.h"
#include "platform/win/VirtualKeys.h"

namespace zorbit::testing {

class EditingTest : public ExtGridPaintTest {
 protected:
  void SetUp() override {
    ExtGridPaintTest::SetUp();
    FGrid->SetOptions(FGrid->Options().Include(plat::TGridOption::goEditing));
    FGrid->OnCellsChanged = [this](plat::TObject*, const plat::TRect& r) {
      Log.push_back(plat::Format("changed %d,%d", {r.Left, r.Top}));
    };
    Show(5, 6);
    FGrid->SetDefaultRowHeight(22);
    FGrid->SetFocus();
    Pump();
  }

  void Press(plat::UINT Key, std::initializer_list<plat::UINT> Modifiers = {}) {
    plat::InjectKeyPress(Key, Modifiers);
    Pump();
  }
  void Type(const std::string& Text) {
    plat::InjectText(Text);
    Pump();
  }
  // Makes the cell current and opens its editor with F2.
  void Open(int Col, int Row) {
    FGrid->SetCol(Col);
    FGrid->SetRow(Row);
    Pump();
    Press(plat::VK_F2);
  }
  plat::TInplaceEdit* Inplace() { return FGrid->InplaceEditor(); }
  bool InplaceShown() { return Inplace() && Inplace()->Visible(); }
  std::size_t Beeps() { return Display().Beeps().size(); }

  std::vector<std::string> Log;
};

}  // namespace zorbit::testing
