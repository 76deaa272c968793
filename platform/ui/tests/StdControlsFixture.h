#pragma once
// The standard controls' tests' common ground: the headless display and a
// virtual clock, the class library and the application started, one form
// on the screen to place controls on, and typing written as key scripts.
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/TForm.h"
#include "platform/win/Clock.h"
#include "platform/win/HeadlessDisplay.h"

namespace plat::testing {

class StdControlsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A control of class T on the form (or on Parent), with these bounds.
  template <typename T>
  T* Make(TRect Bounds, TWinControl* Parent = nullptr) {
    T* control = new T(FForm);
    control->SetParent(Parent ? Parent : FForm);
    control->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
    return control;
  }

  // Runs the queue until nothing is left.
  void Pump();
  // Types a key script: characters are typed as they are; a key in braces
  // is pressed, with S-, C- and A- for Shift, Ctrl and Alt held:
  // "ab{BS}{S-HOME}{C-V}". Keys: BS DEL HOME END LEFT RIGHT UP DOWN PGUP PGDN
  // INS TAB ENTER ESC SPACE F2 F4, or one letter.
  void Type(const std::string& Script);
  // A point of a control's client area, on the screen.
  TPoint OnScreen(TControl* Control, TPoint Client);
  // The colour (00BBGGRR) at a point of a control's client area as its
  // top-level window's bitmap holds it; CLR_INVALID outside it.
  COLORREF PixelAt(TControl* Control, TPoint Client);

  TForm* Form() const { return FForm; }
  VirtualClock& Clock() { return *FClock; }
  HeadlessDisplay& Display() { return *FDisplay; }

 private:
  std::shared_ptr<VirtualClock> FClock;
  HeadlessDisplay* FDisplay = nullptr;
  TForm* FForm = nullptr;
};

}  // namespace plat::testing
