#pragma once
// The fixture of the program's window tests: the form fixture with the skin
// classes registered and the program's message box made, and modal windows
// answered by the test: each modal window that opens takes the next answer
// queued, and every message box's text is recorded in order. A modal window
// without an answer is cancelled and recorded as unexpected.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/TCustomForm.h"
#include "testing/FormTest.h"

namespace zorbit {
class TskButton;
}

namespace apptest {

class WindowTest : public zorbit::testing::FormTest {
 protected:
  using TAnswer = std::function<void(plat::TCustomForm& Window)>;

  void SetUp() override;
  void TearDown() override;

  void Answer(TAnswer Next) { FAnswers.push_back(std::move(Next)); }
  // Clicks the skinned button captioned Caption on the window.
  static TAnswer Press(const std::string& Caption);
  // The skinned buttons directly on Parent, from left to right.
  static std::vector<zorbit::TskButton*> ButtonsOn(plat::TWinControl* Parent);
  // Compares a picture of the window with app/tests/data/Name.png (a few
  // pixels may differ where anti-aliased text rounds otherwise) and keeps it
  // in app/ of the build folder for a person to look at.
  static void Screenshot(plat::TCustomForm& Window, const std::string& Name);

  // The texts of the message boxes shown, oldest first.
  std::vector<std::string> Messages;
  // The names of modal windows that opened with no answer queued.
  std::vector<std::string> Unexpected;

 private:
  std::deque<TAnswer> FAnswers;
};

}  // namespace apptest
