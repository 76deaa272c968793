// TArrowWindow: a hidden pop-up owned by the grid's window, cut to its
// arrow (an ASCII picture of the window region per direction, each pixel
// of which the window paints lime) and shown where the grid puts it.
#include <gtest/gtest.h>

#include <string>

#include "grid/TArrowWindow.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Region.h"
#include "platform/ui/TCustomPanel.h"
#include "platform/ui/tests/StdControlsFixture.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/WindowPos.h"
#include "platform/win/Windows.h"
#include "platform/win/WindowStyles.h"
#include "testing/ReferencePicture.h"

namespace zorbit {
namespace {

class ArrowWindowTest : public plat::testing::StdControlsTest {
 protected:
  // The window's region over its 11 x 11 pixels: "#" inside and painted
  // lime, "?" inside and another colour, "." outside; rows joined by "|".
  std::string Picture(TArrowWindow* Arrow) {
    const plat::HRGN region = plat::CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(plat::GetWindowRgn(Arrow->Handle(), region), 0);
    const auto pixels = plat::WindowPicture(Arrow->Handle());
    std::string out;
    for (int y = 0; y < 11; ++y) {
      if (y > 0) out += '|';
      for (int x = 0; x < 11; ++x) {
        if (!plat::PtInRegion(region, x, y)) {
          out += '.';
          continue;
        }
        const plat::COLORREF c = plat::ColorRefFromPixel(pixels->Row(y)[x]) & 0xFFFFFF;
        out += c == 0x00FF00 ? '#' : '?';
      }
    }
    plat::DeleteObject(region);
    return out;
  }
};

TEST_F(ArrowWindowTest, EachDirectionIsCutToItsArrow) {
  struct Case {
    TArrowDirection Dir;
    const char* Picture;
  };
  const Case cases[] = {
      {TArrowDirection::adUp,
       "....#......|...###.....|..#####....|.#######...|#########..|...####....|...####....|...####....|"
       "...####....|...........|..........."},
      {TArrowDirection::adDown,
       "...####....|...####....|...####....|...####....|.#######...|..#####....|...###.....|....#......|"
       "...........|...........|..........."},
      {TArrowDirection::adRight,
       "...........|....#......|....##.....|#######....|########...|########...|#######....|....##.....|"
       "....#......|...........|..........."},
      {TArrowDirection::adLeft,
       "...........|...#.......|..##.......|.#######...|########...|########...|.#######...|..##.......|"
       "...#.......|...........|..........."},
  };
  auto* grid = Make<plat::TPanel>({10, 10, 210, 110});
  for (const Case& c : cases) {
    auto* arrow = new TArrowWindow(grid, c.Dir);
    EXPECT_EQ(arrow->Dir(), c.Dir);
    EXPECT_FALSE(arrow->Visible());
    EXPECT_EQ(static_cast<plat::DWORD>(plat::GetWindowLong(arrow->Handle(), plat::GWL_STYLE)) & ~plat::WS_VISIBLE,
              plat::WS_POPUP);
    EXPECT_EQ(plat::GetWindow(arrow->Handle(), plat::GW_OWNER), plat::GetAncestor(grid->Handle(), plat::GA_ROOT));
    const plat::TPoint at = OnScreen(grid, {40, 20});
    arrow->SetBounds(at.X, at.Y, 11, 11);
    arrow->SetVisible(true);
    Pump();
    EXPECT_EQ(Picture(arrow), c.Picture) << static_cast<int>(c.Dir);
    testing::KeepForInspection(*plat::WindowPicture(arrow->Handle()),
                               "grid/arrow-" + std::to_string(static_cast<int>(c.Dir)) + ".png");
    delete arrow;
  }
}

}  // namespace
}  // namespace zorbit
