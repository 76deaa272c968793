#pragma once
// A form taken over by a skinned frame, shown in the headless display, with
// its whole window (frame included) read back as pixels, ASCII rows and
// PNG screenshots kept in the build folder for a person to look at.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/ui/TForm.h"
#include "skin/SkForm.h"
#include "testing/FormTest.h"

namespace skintest {

class FrameTest : public zorbit::testing::FormTest {
 protected:
  void SetUp() override;

  // The colour of a pixel of the form's window, in window coordinates.
  plat::COLORREF WindowPixel(int X, int Y) const;
  // Row Y from X0 to X1 (excluded) as one character per pixel, by Legend;
  // '?' for colours it does not name.
  std::string WindowRow(int Y, int X0, int X1, const std::map<plat::COLORREF, char>& Legend) const;
  // Writes the form's window as <build>/skin/screenshots/<Name>.png.
  void Screenshot(const std::string& Name) const;
  // A point of the form's window on the screen.
  plat::TPoint WindowPointOnScreen(int X, int Y) const;
  // A point of the title bar on the screen.
  plat::TPoint TitleBarPoint(int X, int Y) const;

  plat::TForm* FForm = nullptr;
  zorbit::TskForm* FFrame = nullptr;
};

// The texts of the message boxes shown while Action runs, each answered
// with Enter.
std::vector<plat::String> MessagesDuring(plat::HeadlessDisplay& Display, const std::function<void()>& Action);

// Writes a bitmap's picture as <build>/skin/screenshots/<Name>.png.
void KeepPicture(const plat::Bitmap& Picture, const std::string& Name);

}  // namespace skintest
