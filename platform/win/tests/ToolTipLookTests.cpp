// What a tool tip looks like and where it stands: the plain tip and the
// balloon (its shape read back as an ASCII picture), the text as shown
// (prefixes, tabs, wrapping at the maximum width), margins, colours, the
// title with each standard icon, and the places near the screen's edges.
// Screenshots of each look are kept in platform/win/tooltips/ of the build
// folder for a person to look at.
#include <set>

#include "platform/gdi/Region.h"
#include "platform/win/Display.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/InputInjection.h"
#include "platform/win/LayeredWindows.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "platform/win/tests/ToolTipFixture.h"

namespace plat::testing {
namespace {

constexpr COLORREF kFace = 0xC8D0D4;  // the form's colour
constexpr TRect kTool{20, 20, 180, 60};
constexpr TPixel kInfoBk = 0xFFFFE1;  // the default background, as a pixel
constexpr TPixel kFrame = 0x000000;

class ToolTipLooks : public ToolTipTest {
 protected:
  // A tip of these styles over a painted form, with one tool.
  void Prepare(DWORD styles, const char* text, UINT flags = TTF_SUBCLASS) {
    ASSERT_NE(MakeTip(TTS_ALWAYSTIP | styles), nullptr);
    ASSERT_TRUE(AddTool(flags, 1, kTool, text));
    Fill(Form(), kFace);
    Fill(Form(), 0xFFFFFF, &kTool);
  }
  // Rests on the tool at a point until the tip shows.
  void ShowAt(TPoint client = {40, 30}) {
    PointTo(Form(), client);
    Send(TTM_POPUP);
    Pump();
    ASSERT_TRUE(TipVisible());
  }
  Bitmap TipPicture() const { return *WindowPicture(Tip()); }

  // The tip's pixels as characters: ' ' outside its shape, '#' in the frame
  // colour, '.' in the background, 'x' anything else (text, icon).
  std::vector<std::string> Ascii(const TRect& area) const {
    const Bitmap picture = TipPicture();
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    const bool shaped = GetWindowRgn(Tip(), shape) != ERROR;
    std::vector<std::string> rows;
    for (int y = area.Top; y < area.Bottom; ++y) {
      std::string row;
      for (int x = area.Left; x < area.Right; ++x) {
        const TPixel p = picture.At(x, y) & 0xFFFFFF;
        row += shaped && !PtInRegion(shape, x, y) ? ' ' : p == kFrame ? '#' : p == kInfoBk ? '.' : 'x';
      }
      rows.push_back(row);
    }
    DeleteObject(shape);
    return rows;
  }
  int Count(TPixel colour) const {
    const Bitmap picture = TipPicture();
    int n = 0;
    for (int y = 0; y < picture.Height(); ++y)
      for (int x = 0; x < picture.Width(); ++x) n += (picture.At(x, y) & 0xFFFFFF) == colour;
    return n;
  }
};

TEST_F(ToolTipLooks, APlainTipIsTextInAFramedRectangleBelowThePointer) {
  Prepare(0, "Plain tool tip");
  ShowAt();
  Keep(Composed(), "plain");
  const TRect tip = TipRect();
  const TPoint pointer = ClientPointOnScreen(Form(), {40, 30});
  EXPECT_EQ(tip.TopLeft(), (TPoint{pointer.X, pointer.Y + 20}));
  // clang-format off
  EXPECT_EQ(Ascii({0, 0, 6, 4}), (std::vector<std::string>{
      "######",
      "#.....",
      "#.....",
      "#.....",
  }));
  // clang-format on
  EXPECT_EQ(Ascii({tip.Width() - 3, tip.Height() - 2, tip.Width(), tip.Height()}),
            (std::vector<std::string>{"..#", "###"}));
  EXPECT_GT(Count(0x000000), 2 * (tip.Width() + tip.Height())) << "the text is drawn";
}

TEST_F(ToolTipLooks, ABalloonIsARoundedShapeWhoseStemPointsAtThePointer) {
  Prepare(TTS_BALLOON, "Balloon tool tip");
  ShowAt();
  const TRect tip = TipRect();
  const TPoint pointer = ClientPointOnScreen(Form(), {40, 30});
  // The stem's tip is the pixel under the pointer.
  EXPECT_EQ(tip.Top, pointer.Y);
  EXPECT_EQ(tip.Left + 16, pointer.X);
  // clang-format off
  EXPECT_EQ(Ascii({0, 0, 36, 22}), (std::vector<std::string>{
      "                #                   ",
      "                ##                  ",
      "                #.#                 ",
      "                #..#                ",
      "                #...#               ",
      "                #....#              ",
      "                #.....#             ",
      "                #......#            ",
      "                #.......#           ",
      "                #........#          ",
      "                #.........#         ",
      "                #..........#        ",
      "                #...........#       ",
      "                #............#      ",
      "                #.............#     ",
      "                #..............#    ",
      "     ###########................####",
      "   ##...............................",
      "  #.................................",
      " #..................................",
      " #..................................",
      "#...................................",
  }));
  // clang-format on
}

TEST_F(ToolTipLooks, TheTextShowsWithoutPrefixMarksAndEndsAtATabUnlessNoPrefix) {
  struct Side {
    DWORD Style;
    const char* Text;
  };
  struct Case {
    Side Shown, Compared;
    bool Wider;  // else just as wide
  };
  const Case cases[] = {
      {{0, "Save && E&xit\tCtrl+S"}, {TTS_NOPREFIX, "Save & Exit"}, false},
      {{0, "&&&"}, {TTS_NOPREFIX, "&"}, false},
      {{TTS_NOPREFIX, "Save && Exit"}, {0, "Save &&&& Exit"}, false},
      {{TTS_NOPREFIX, "Save\tCtrl+S"}, {0, "Save\tCtrl+S"}, true},
  };
  const auto width = [this](const Side& side) {
    EXPECT_NE(MakeTip(TTS_ALWAYSTIP | side.Style), nullptr);
    EXPECT_TRUE(AddTool(TTF_SUBCLASS, 1, kTool, side.Text));
    ShowAt();
    const int shown = TipRect().Width();
    DestroyWindow(Tip());
    return shown;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Shown.Text);
    const int shown = width(c.Shown), compared = width(c.Compared);
    if (c.Wider) {
      EXPECT_GT(shown, compared);
    } else {
      EXPECT_EQ(shown, compared);
    }
  }
}

TEST_F(ToolTipLooks, AMaximumWidthWrapsTheTextAtBlanksAndLineBreaksAlwaysBreak) {
  const char* text = "A longer tool tip text that wraps onto several lines at the maximum width";
  Prepare(0, text);
  ShowAt();
  const TRect oneLine = TipRect();
  Send(TTM_POP);
  EXPECT_EQ(Send(TTM_SETMAXTIPWIDTH, 0, 150), -1);
  ShowAt({41, 30});
  Keep(Composed(), "multi-line");
  const TRect wrapped = TipRect();
  const int lineHeight = oneLine.Height() - 6;  // the frame and the room above and below
  EXPECT_LE(wrapped.Width(), 150 + 8);
  EXPECT_GE(wrapped.Height(), oneLine.Height() + 2 * lineHeight);
  EXPECT_EQ(Send(TTM_SETMAXTIPWIDTH, 0, -1), 150);
  // Line breaks break with or without a maximum width.
  TOOLINFOA info = Info(1);
  info.lpszText = const_cast<char*>("First line\r\nSecond line");
  Send(TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(TipRect().Height(), oneLine.Height() + lineHeight);
}

TEST_F(ToolTipLooks, MarginsAddRoomAroundTheText) {
  Prepare(0, "Margins");
  ShowAt();
  const TRect plain = TipRect();
  const RECT margin{5, 6, 7, 8};
  Send(TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(&margin));
  EXPECT_EQ(TipRect().Width(), plain.Width() + 12);
  EXPECT_EQ(TipRect().Height(), plain.Height() + 14);
  // Negative margins take no room away.
  const RECT negative{-5, -5, -5, -5};
  Send(TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(&negative));
  EXPECT_EQ(TipRect(), plain);
}

TEST_F(ToolTipLooks, TheTipTakesItsColours) {
  Prepare(0, "Coloured");
  Send(TTM_SETTIPBKCOLOR, RGB(0, 0, 128));
  Send(TTM_SETTIPTEXTCOLOR, RGB(255, 255, 0));
  ShowAt();
  Pump();
  Keep(Composed(), "coloured");
  EXPECT_EQ(Count(kInfoBk), 0);
  EXPECT_GT(Count(0x000080), TipRect().Width() * 4);  // the background, as 00RRGGBB
  EXPECT_GT(Count(0xFFFF00), 10);                     // the text
}

TEST_F(ToolTipLooks, BalloonsShowTheirTitleBoldAfterEachStandardIcon) {
  const char* names[] = {"balloon-no-icon", "balloon-info", "balloon-warning", "balloon-error"};
  Prepare(TTS_BALLOON, "The text of the balloon, below its title.");
  ShowAt();
  const TRect untitled = TipRect();
  std::set<std::vector<std::string>> iconAreas;
  for (WPARAM icon = TTI_NONE; icon <= TTI_ERROR; ++icon) {
    SCOPED_TRACE(icon);
    ASSERT_TRUE(Send(TTM_SETTITLE, icon, reinterpret_cast<LPARAM>("Balloon title")));
    Pump();
    Keep(Composed(), names[icon]);
    EXPECT_GT(TipRect().Height(), untitled.Height() + 12);
    // The icon stands at the start of the title row, below the stem.
    iconAreas.insert(Ascii({10, 16 + 8, 26, 16 + 8 + 16}));
  }
  EXPECT_EQ(iconAreas.size(), 4u) << "no icon and three different ones";
  // Layered, the balloon shows the form through it.
  SetWindowLongPtrA(Tip(), GWL_EXSTYLE, GetWindowLongPtrA(Tip(), GWL_EXSTYLE) | WS_EX_LAYERED);
  ASSERT_TRUE(SetLayeredWindowAttributes(Tip(), 0, 200, LWA_ALPHA));
  EXPECT_EQ(Display().WindowLayer(Tip()), (LayerAttributes{0, 200, LWA_ALPHA}));
  Keep(Composed(), "balloon-layered");
}

struct PlaceCase {
  const char* Name;
  DWORD Style;
  TPoint Pointer;  // on the screen
  bool Above;      // the tip (or the balloon's body) above the pointer
};

const PlaceCase kPlaceCases[] = {
    {"PlainMiddle", 0, {300, 300}, false},
    {"PlainBottomRight", 0, {1015, 730}, true},
    {"BalloonMiddle", TTS_BALLOON, {300, 300}, false},
    {"BalloonBottomRight", TTS_BALLOON, {1015, 730}, true},
    {"BalloonTopLeft", TTS_BALLOON, {30, 2}, false},
};

class ToolTipPlaces : public ToolTipLooks, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(ToolTipPlaces, TipsStayInTheWorkAreaAndBalloonsKeepPointingAtThePointer) {
  const PlaceCase& c = GetParam();
  // A form that covers the whole screen, its whole area one tool.
  MoveWindow(Form(), 0, 0, 1024, 768, true);
  Prepare(c.Style, "A tool tip near the edge of the screen");
  Fill(Form(), kFace);
  InjectMouseMove(c.Pointer);
  Pump();
  ASSERT_TRUE(AddTool(TTF_SUBCLASS, 2, {0, 0, 1024, 768}, "A tool tip near the edge of the screen"));
  InjectMouseMove({c.Pointer.X, c.Pointer.Y});
  Send(TTM_POPUP);
  Pump();
  ASSERT_TRUE(TipVisible());
  const TRect tip = TipRect();
  EXPECT_TRUE(CurrentDisplay().WorkArea().Contains(tip)) << tip.Left << "," << tip.Top;
  EXPECT_EQ(tip.Bottom <= c.Pointer.Y + 1, c.Above);
  if (c.Style & TTS_BALLOON) {
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(Tip(), shape);
    EXPECT_TRUE(PtInRegion(shape, c.Pointer.X - tip.Left, c.Pointer.Y - tip.Top));
    DeleteObject(shape);
  }
  Keep(Composed(), std::string("place-") + c.Name);
}

INSTANTIATE_TEST_SUITE_P(Edges, ToolTipPlaces, ::testing::ValuesIn(kPlaceCases),
                         [](const ::testing::TestParamInfo<PlaceCase>& test) { return test.param.Name; });

TEST_F(ToolTipLooks, ACentredTipStandsUnderTheMiddleOfItsTool) {
  Prepare(0, "Centred", TTF_SUBCLASS | TTF_CENTERTIP);
  ShowAt({30, 30});
  const TRect tip = TipRect();
  const TPoint toolBottom = ClientPointOnScreen(Form(), {(kTool.Left + kTool.Right) / 2, kTool.Bottom});
  EXPECT_EQ(tip.Top, toolBottom.Y);
  EXPECT_LE(std::abs((tip.Left + tip.Right) / 2 - toolBottom.X), 1);
}

}  // namespace
}  // namespace plat::testing
