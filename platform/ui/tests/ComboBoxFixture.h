#pragma once
// The combo box tests' common ground: boxes on the standard controls' form,
// one log of what the form hears from them (CBN_* by name) and of their
// events ("OnChange"...), in the order they came, and the drop-down list's
// window and pixels.
#include <string>
#include <vector>

#include "platform/ui/TCustomComboBox.h"
#include "platform/ui/tests/StdControlsFixture.h"

namespace plat::testing {

class ComboBoxTest : public StdControlsTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A box of Style with Items, 150 wide at (10, 10), every event logged,
  // focused.
  TComboBox* MakeCombo(TComboBoxStyle Style, const std::vector<std::string>& Items);
  // What was logged since the last call.
  std::vector<std::string> Heard();
  void Note(const std::string& Entry) { FLog.push_back(Entry); }

  // The drop-down list's window while it shows (it holds the capture).
  static HWND DropDownWindow();
  // A pixel of the drop-down's client area.
  static COLORREF ListPixelAt(TPoint Client);
  // The middle of the drop-down's item, on the screen (every item ItemHeight high).
  static TPoint ListItemOnScreen(TComboBox* Combo, int Index);
  // The middle of the button, on the screen.
  TPoint ButtonOnScreen(TComboBox* Combo);

 private:
  TWndMethod FFormProc;
  std::vector<std::string> FLog;
};

}  // namespace plat::testing
