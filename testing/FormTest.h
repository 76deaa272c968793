#pragma once
// The common ground of tests with windows and controls: a private platform root,
// the headless display, a virtual clock, the class library started
// (InitClassLibrary, InitForms) and stopped again for each test. Exceptions
// that reach the application are collected instead of shown.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/TApplication.h"
#include "platform/ui/TControl.h"
#include "platform/win/Clock.h"
#include "platform/win/HeadlessDisplay.h"
#include "testing/PlatformRoot.h"
#include "testing/WaitUntil.h"

namespace zorbit::testing {

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs the window layer's queue until it is empty.
  static int Pump();
  // Runs the queue, waiting for messages, until Done holds or the bound
  // passes; answers whether Done held. For events that come in real time
  // (an X server's), with the real clock installed.
  static bool PumpUntil(const std::function<bool()>& Done, std::chrono::milliseconds Timeout = kDefaultWait);
  plat::VirtualClock& Clock() { return *FClock; }
  plat::HeadlessDisplay& Display() { return *FDisplay; }
  // The messages of exceptions the application handled, oldest first.
  const std::vector<std::string>& Exceptions() const { return FExceptions; }

  // The colour (00BBGGRR) of a pixel at a point of a control's client
  // area, as its top-level window's bitmap holds it.
  static plat::COLORREF PixelAt(plat::TControl* Control, plat::TPoint Client);
  // A point of a control's client area on the screen.
  static plat::TPoint OnScreen(plat::TControl* Control, plat::TPoint Client) { return Control->ClientToScreen(Client); }
  // Clicks the middle of a control.
  static void ClickControl(plat::TControl* Control);

 private:
  TPlatformRoot FRoot{"zorbit-forms"};
  std::shared_ptr<plat::VirtualClock> FClock;
  plat::HeadlessDisplay* FDisplay = nullptr;
  std::vector<std::string> FExceptions;
};

}  // namespace zorbit::testing
