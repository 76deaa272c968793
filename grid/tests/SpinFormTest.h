#pragma once
// The spin editor tests' common ground: a shown form on the headless
// display to place spin editors on, the pointer parked away from it, and
// the steps of a held mouse button on the virtual clock.
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

  plat::TForm* FForm = nullptr;
};

}  // namespace zorbit::testing
