#pragma once
// The form fixture of the skinned controls' tests: the shared form fixture
// with the skin classes registered and a 400 x 300 form to put controls on,
// a folder for skin files, and ASCII rows of a control's pixels.
#include <string>
#include <vector>

#include "platform/ui/TForm.h"
#include "platform/ui/TWinControl.h"
#include "testing/FormTest.h"
#include "testing/TempFolder.h"

namespace zorbit {
class TskFileTheme;
}

namespace skintest {

class ControlForm : public zorbit::testing::FormTest {
 protected:
  void SetUp() override;

  // A control of class T owned by the form, placed on Parent (the form when
  // none).
  template <typename T>
  T* Add(int Left, int Top, int Width, int Height, plat::TWinControl* Parent = nullptr) {
    auto* control = new T(FForm);
    control->SetParent(Parent ? Parent : FForm);
    control->SetBounds(Left, Top, Width, Height);
    return control;
  }
  // Shows the form and lets it paint.
  void ShowForm();
  // A file theme on the form loaded from a skin file holding Colors
  // (element name, colour) and Pictures (element name, bitmap file image).
  zorbit::TskFileTheme* ThemeWith(const std::vector<std::pair<std::string, plat::TColor>>& Colors,
                                  const std::vector<std::pair<std::string, std::string>>& Pictures = {});

  // One row of a control's client pixels, from X0 to X1 (excluded): each
  // pixel of Ink as Mark, any other as '.'.
  static std::string Row(plat::TControl* Control, int Y, int X0, int X1, plat::TColor Ink, char Mark = '#');
  static std::string Column(plat::TControl* Control, int X, int Y0, int Y1, plat::TColor Ink, char Mark = '#');

  plat::TForm* FForm = nullptr;
  zorbit::testing::TTempFolder FFolder{"zorbit-skin-controls"};
};

}  // namespace skintest
