#pragma once
// A TExtStringGrid that answers the import-text hook itself: it keeps each
// imported text as "col,row=text" and stores it in upper case, so a test
// sees both that every field came through the hook and that the hook's
// answer is what the cell holds.
#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "platform/rtl/StringUtils.h"

namespace zorbit::testing {

class TImportHookGrid : public TExtStringGrid {
 public:
  using TExtStringGrid::TExtStringGrid;
  void SetImportText(int ACol, int ARow, const plat::String& Text) override {
    Imported.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + "=" + Text);
    TExtStringGrid::SetImportText(ACol, ARow, plat::UpperCase(Text));
  }
  std::vector<std::string> Imported;
};

}  // namespace zorbit::testing
