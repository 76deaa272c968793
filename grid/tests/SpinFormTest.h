#pragma once
// The spin editor tests' common ground: a shown form on the headless
// display to place spin editors on, the pointer parked away from it, and
// the steps of a held mouse button on the virtual clock, and a control's
// pixels as an ASCII picture.
#include <map>
#include <string>
#include <vector>

#include "platform/gdi/Colors.h"
#include "platform/ui/TForm.h"
#include "platform/win/InputInjection.h"
#include "testing/FormTest.h"

namespace zorbit::testing {

class SpinFormTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    plat::InjectMouseMove({1000, 700});
    FForm = new plat::TForm(plat::Application);
    FForm->SetBounds(50, 50, 300, 200);
    FForm->Show();
    Pump();
  }

  template <typename T>
  T* Place(plat::TRect Bounds) {
    T* control = new T(FForm);
    control->SetParent(FForm);
    control->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
    return control;
  }

  // Lets Milliseconds pass on the clock and runs what became due.
  void Wait(int Milliseconds) {
    Clock().Advance(Milliseconds);
    Pump();
  }

  // Clicks the middle of a control, then lets the double-click time pass.
  void Click(plat::TControl* Control) {
    ClickControl(Control);
    Pump();
    Clock().Advance(1000);
  }

  // Presses the left button on the middle of a control and keeps it down.
  plat::TPoint Hold(plat::TControl* Control) {
    const plat::TPoint at = OnScreen(Control, {Control->Width() / 2, Control->Height() / 2});
    plat::InjectMouseMove(at);
    plat::InjectMouseDown(at);
    Pump();
    return at;
  }

  // A control's pixels as rows of characters: '#' black, '.' the face,
  // 'w' light and 's' dark edges, 'k' the outer shadow, 'l' the inner light.
  static std::vector<std::string> Picture(plat::TControl* Control) {
    const std::map<plat::COLORREF, char> names{
        {plat::ColorToColorRef(plat::clBlack), '#'},        {plat::ColorToColorRef(plat::clBtnFace), '.'},
        {plat::ColorToColorRef(plat::clBtnHighlight), 'w'}, {plat::ColorToColorRef(plat::clBtnShadow), 's'},
        {plat::ColorToColorRef(plat::cl3DDkShadow), 'k'},   {plat::ColorToColorRef(plat::cl3DLight), 'l'},
    };
    std::vector<std::string> rows;
    for (int y = 0; y < Control->Height(); ++y) {
      std::string row;
      for (int x = 0; x < Control->Width(); ++x) {
        const auto found = names.find(PixelAt(Control, {x, y}));
        row += found == names.end() ? '?' : found->second;
      }
      rows.push_back(row);
    }
    return rows;
  }


  plat::TForm* FForm = nullptr;
};

}  // namespace zorbit::testing
