// 3-D edges, frame controls and the focus rectangle against reference pixels
// in the classic scheme.
#include <gtest/gtest.h>

#include "platform/gdi/StandardLooks.h"
#include "platform/gdi/tests/RasterFixture.h"

namespace plat {
namespace {

using testing::Surface;
using Picture = std::vector<std::string>;

constexpr COLORREF Red = RGB(255, 0, 0);

// W highlight/window (white), F face and 3-D light, S shadow, D dark shadow,
// K text (black), r untouched background.
const std::map<COLORREF, char> Scheme{{RGB(255, 255, 255), 'W'}, {RGB(212, 208, 200), 'F'}, {RGB(128, 128, 128), 'S'},
                                      {RGB(64, 64, 64), 'D'},    {RGB(0, 0, 0), 'K'},       {Red, 'r'}};

struct EdgeCase {
  const char* name;
  UINT edge;
  UINT flags;
  TRect adjusted;
  Picture expected;
};

class EdgeTest : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(EdgeTest, MatchesTheReference) {
  Surface s(5, 5, Red);
  RECT r{0, 0, 5, 5};
  EXPECT_TRUE(DrawEdge(s.Dc(), &r, GetParam().edge, GetParam().flags));
  EXPECT_EQ(s.Picture(Scheme), GetParam().expected);
  EXPECT_EQ(r, GetParam().adjusted);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Kinds, EdgeTest,
    ::testing::Values(
        EdgeCase{"Raised", EDGE_RAISED, BF_RECT, {0, 0, 5, 5},
                 {"FFFFD",
                  "FWWSD",
                  "FWrSD",
                  "FSSSD",
                  "DDDDD"}},
        EdgeCase{"Sunken", EDGE_SUNKEN, BF_RECT | BF_ADJUST, {2, 2, 3, 3},
                 {"SSSSW",
                  "SDDFW",
                  "SDrFW",
                  "SFFFW",
                  "WWWWW"}},
        EdgeCase{"Etched", EDGE_ETCHED, BF_RECT, {0, 0, 5, 5},
                 {"SSSSW",
                  "SWWSW",
                  "SWrSW",
                  "SSSSW",
                  "WWWWW"}},
        EdgeCase{"Bump", EDGE_BUMP, BF_RECT, {0, 0, 5, 5},
                 {"FFFFD",
                  "FDDFD",
                  "FDrFD",
                  "FFFFD",
                  "DDDDD"}},
        EdgeCase{"SoftRaisedMiddle", EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE, {0, 0, 5, 5},
                 {"WWWWD",
                  "WFFSD",
                  "WFFSD",
                  "WSSSD",
                  "DDDDD"}},
        EdgeCase{"Flat", EDGE_SUNKEN, BF_RECT | BF_FLAT | BF_MIDDLE, {0, 0, 5, 5},
                 {"SSSSS",
                  "SFFFS",
                  "SFFFS",
                  "SFFFS",
                  "SSSSS"}},
        EdgeCase{"Mono", BDR_RAISEDOUTER, BF_RECT | BF_MONO | BF_MIDDLE | BF_ADJUST, {1, 1, 4, 4},
                 {"KKKKK",
                  "KWWWK",
                  "KWWWK",
                  "KWWWK",
                  "KKKKK"}},
        EdgeCase{"TopLeftOnly", BDR_SUNKENOUTER, BF_TOPLEFT | BF_ADJUST, {1, 1, 5, 5},
                 {"SSSSS",
                  "Srrrr",
                  "Srrrr",
                  "Srrrr",
                  "Srrrr"}},
        EdgeCase{"BottomOnly", BDR_RAISEDINNER, BF_BOTTOM, {0, 0, 5, 5},
                 {"rrrrr",
                  "rrrrr",
                  "rrrrr",
                  "rrrrr",
                  "SSSSS"}},
        EdgeCase{"Diagonal", BDR_RAISEDOUTER, BF_DIAGONAL_ENDTOPRIGHT, {0, 0, 5, 5},
                 {"rrrrF",
                  "rrrFr",
                  "rrFrr",
                  "rFrrr",
                  "Frrrr"}}),
    [](const auto& test) { return test.param.name; });
// clang-format on

TEST(FrameControl, CheckedCheckBox) {
  Surface s(13, 13, Red);
  RECT r{0, 0, 13, 13};
  EXPECT_TRUE(DrawFrameControl(s.Dc(), &r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED));
  EXPECT_EQ(s.Picture(Scheme),
            // clang-format off
            (Picture{"SSSSSSSSSSSSW",
                     "SDDDDDDDDDDFW",
                     "SDWWWWWWWWWFW",
                     "SDWWWWWWWKWFW",
                     "SDWWWWWWKKWFW",
                     "SDWKWWWKKKWFW",
                     "SDWKKWKKKWWFW",
                     "SDWKKKKKWWWFW",
                     "SDWWKKKWWWWFW",
                     "SDWWWKWWWWWFW",
                     "SDWWWWWWWWWFW",
                     "SFFFFFFFFFFFW",
                     "WWWWWWWWWWWWW"}));
  // clang-format on
}

TEST(FrameControl, CheckBoxStates) {
  struct Case {
    UINT state;
    char inside;  // at (3, 3)
    char mark;    // at (6, 7)
  };
  for (const Case& c : {Case{DFCS_BUTTONCHECK, 'W', 'W'}, Case{DFCS_BUTTONCHECK | DFCS_PUSHED, 'F', 'F'},
                        Case{DFCS_BUTTONCHECK | DFCS_INACTIVE | DFCS_CHECKED, 'F', 'S'},
                        Case{DFCS_BUTTON3STATE | DFCS_CHECKED, 'F', 'S'}}) {
    Surface s(13, 13, Red);
    RECT r{0, 0, 13, 13};
    DrawFrameControl(s.Dc(), &r, DFC_BUTTON, c.state);
    const Picture pic = s.Picture(Scheme);
    EXPECT_EQ(pic[3][3], c.inside) << c.state;
    EXPECT_EQ(pic[7][6], c.mark) << c.state;
  }
  // A flat box has a one-colour frame.
  Surface s(13, 13, Red);
  RECT r{0, 0, 13, 13};
  DrawFrameControl(s.Dc(), &r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT);
  const Picture pic = s.Picture(Scheme);
  EXPECT_EQ(pic[0], "SSSSSSSSSSSSS");
  EXPECT_EQ(pic[12][0], 'S');
}

TEST(FrameControl, RadioButtonsAreRoundAndShaded) {
  Surface off(12, 12, Red), on(12, 12, Red);
  RECT r{0, 0, 12, 12};
  DrawFrameControl(off.Dc(), &r, DFC_BUTTON, DFCS_BUTTONRADIO);
  DrawFrameControl(on.Dc(), &r, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED);
  const Picture a = off.Picture(Scheme), b = on.Picture(Scheme);
  EXPECT_EQ(a[0][0], 'r');  // corners stay
  EXPECT_EQ(a[11][11], 'r');
  EXPECT_EQ(a[0][5], 'S');   // top: shadow outside
  EXPECT_EQ(a[11][6], 'W');  // bottom: highlight outside
  EXPECT_EQ(a[1][5], 'D');
  EXPECT_EQ(a[10][6], 'F');
  EXPECT_EQ(a[5][5], 'W');
  EXPECT_EQ(b[5][5], 'K');
  EXPECT_EQ(b[3][3], 'W');
  for (int y = 0; y < 12; ++y)  // the dot is centred
    for (int x = 0; x < 12; ++x) EXPECT_EQ(b[y][x] == 'K', b[11 - y][11 - x] == 'K') << x << "," << y;
}

TEST(FrameControl, PushButtonsRaiseAndSink) {
  Surface up(6, 5, Red), down(6, 5, Red);
  RECT r1{0, 0, 6, 5}, r2{0, 0, 6, 5};
  DrawFrameControl(up.Dc(), &r1, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT);
  DrawFrameControl(down.Dc(), &r2, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
  // clang-format off
  EXPECT_EQ(up.Picture(Scheme), (Picture{"WWWWWD",
                                         "WFFFSD",
                                         "WFFFSD",
                                         "WSSSSD",
                                         "DDDDDD"}));
  EXPECT_EQ(down.Picture(Scheme), (Picture{"DDDDDW",
                                           "DSSSFW",
                                           "DSFFFW",
                                           "DFFFFW",
                                           "WWWWWW"}));
  // clang-format on
  EXPECT_EQ(r1, TRect(2, 2, 4, 3));
  EXPECT_EQ(r2, TRect(0, 0, 6, 5));
}

TEST(FrameControl, ScrollArrows) {
  Surface s(16, 16, Red);
  RECT r{0, 0, 16, 16};
  EXPECT_TRUE(DrawFrameControl(s.Dc(), &r, DFC_SCROLL, DFCS_SCROLLUP));
  const Picture pic = s.Picture(Scheme);
  EXPECT_EQ(pic[5].substr(2, 12), "FFFFFFFFFFFF");
  EXPECT_EQ(pic[6].substr(2, 12), "FFFFFKFFFFFF");
  EXPECT_EQ(pic[7].substr(2, 12), "FFFFKKKFFFFF");
  EXPECT_EQ(pic[8].substr(2, 12), "FFFKKKKKFFFF");
  EXPECT_EQ(pic[9].substr(2, 12), "FFKKKKKKKFFF");
  EXPECT_EQ(pic[10].substr(2, 12), "FFFFFFFFFFFF");
  // Down and the combo box arrow are the same glyph; pushed moves it down-right.
  Surface down(16, 16, Red), combo(16, 16, Red), pushed(16, 16, Red);
  DrawFrameControl(down.Dc(), &r, DFC_SCROLL, DFCS_SCROLLDOWN);
  DrawFrameControl(combo.Dc(), &r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
  DrawFrameControl(pushed.Dc(), &r, DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_PUSHED);
  EXPECT_EQ(down.Snapshot(), combo.Snapshot());
  EXPECT_EQ(down.Picture(Scheme)[6].substr(4, 7), "KKKKKKK");
  EXPECT_EQ(pushed.Picture(Scheme)[7].substr(5, 7), "KKKKKKK");
  EXPECT_EQ(pushed.Picture(Scheme)[0][0], 'S');
  // Disabled: embossed in shadow over highlight.
  Surface off(16, 16, Red);
  DrawFrameControl(off.Dc(), &r, DFC_SCROLL, DFCS_SCROLLLEFT | DFCS_INACTIVE);
  const Picture o = off.Picture(Scheme);
  EXPECT_EQ(o[7][6], 'S');
  EXPECT_EQ(o[8][7], 'S');
  EXPECT_EQ(o[11][10], 'W');
}

TEST(FrameControl, CaptionButtons) {
  for (UINT kind : {DFCS_CAPTIONCLOSE, DFCS_CAPTIONMIN, DFCS_CAPTIONMAX, DFCS_CAPTIONRESTORE, DFCS_CAPTIONHELP}) {
    Surface s(16, 14, Red);
    RECT r{0, 0, 16, 14};
    EXPECT_TRUE(DrawFrameControl(s.Dc(), &r, DFC_CAPTION, kind));
    const Picture pic = s.Picture(Scheme);
    int glyph = 0;
    for (const auto& row : pic) glyph += static_cast<int>(std::count(row.begin(), row.end(), 'K'));
    EXPECT_GT(glyph, 4) << kind;
    EXPECT_EQ(pic[13][0], 'D') << kind;
  }
  // The close cross is symmetric about its vertical axis.
  Surface s(16, 14, Red);
  RECT r{0, 0, 16, 14};
  DrawFrameControl(s.Dc(), &r, DFC_CAPTION, DFCS_CAPTIONCLOSE);
  const Picture pic = s.Picture(Scheme);
  for (int y = 3; y < 11; ++y)
    for (int x = 3; x < 13; ++x) EXPECT_EQ(pic[y][x] == 'K', pic[y][15 - x] == 'K') << x << "," << y;
  EXPECT_FALSE(DrawFrameControl(s.Dc(), &r, DFC_CAPTION, 9));
  EXPECT_FALSE(DrawFrameControl(s.Dc(), &r, 77, 0));
}

struct MenuGlyphCase {
  const char* name;
  UINT state;
  Picture expected;
};

class MenuGlyphTest : public ::testing::TestWithParam<MenuGlyphCase> {};

// Menu glyphs are black-on-white masks over the whole rectangle, centred.
TEST_P(MenuGlyphTest, MatchesTheReference) {
  Surface s(13, 13, Red);
  RECT r{0, 0, 13, 13};
  EXPECT_TRUE(DrawFrameControl(s.Dc(), &r, DFC_MENU, GetParam().state));
  EXPECT_EQ(s.Picture(), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Kinds, MenuGlyphTest,
    ::testing::Values(
        MenuGlyphCase{"Check",
                      DFCS_MENUCHECK,
                      {".............",
                       ".............",
                       ".............",
                       ".........#...",
                       "........##...",
                       "...#...###...",
                       "...##.###....",
                       "...#####.....",
                       "....###......",
                       ".....#.......",
                       ".............",
                       ".............",
                       "............."}},
        MenuGlyphCase{"Bullet",
                      DFCS_MENUBULLET,
                      {".............",
                       ".............",
                       ".............",
                       ".............",
                       ".....###.....",
                       "....#####....",
                       "....#####....",
                       "....#####....",
                       ".....###.....",
                       ".............",
                       ".............",
                       ".............",
                       "............."}},
        MenuGlyphCase{"ArrowPointsRight",
                      DFCS_MENUARROW,
                      {".............",
                       ".............",
                       ".............",
                       "....#........",
                       "....##.......",
                       "....###......",
                       "....####.....",
                       "....###......",
                       "....##.......",
                       "....#........",
                       ".............",
                       ".............",
                       "............."}},
        MenuGlyphCase{"ArrowRightPointsLeft",
                      DFCS_MENUARROWRIGHT,
                      {".............",
                       ".............",
                       ".............",
                       ".......#.....",
                       "......##.....",
                       ".....###.....",
                       "....####.....",
                       ".....###.....",
                       "......##.....",
                       ".......#.....",
                       ".............",
                       ".............",
                       "............."}}),
    [](const auto& test) { return test.param.name; });
// clang-format on

TEST(FrameControl, MenuGlyphsIgnoreTheSchemeAndRefuseUnknownKinds) {
  Surface s(13, 13, Red);
  RECT r{0, 0, 13, 13};
  EXPECT_FALSE(DrawFrameControl(s.Dc(), &r, DFC_MENU, 3));
  EXPECT_EQ(s.Picture(Scheme)[0], "rrrrrrrrrrrrr");  // refused: nothing drawn
  // A larger square scales the check mark.
  Surface big(26, 26, Red);
  RECT rb{0, 0, 26, 26};
  EXPECT_TRUE(DrawFrameControl(big.Dc(), &rb, DFC_MENU, DFCS_MENUCHECK | DFCS_INACTIVE));
  int marked = 0;
  for (const auto& row : big.Picture()) marked += static_cast<int>(std::count(row.begin(), row.end(), '#'));
  EXPECT_EQ(marked, 21 * 4);
}

TEST(FocusRect, DottedAndUndoneByASecondCall) {
  Surface s(6, 5);
  const auto before = s.Snapshot();
  RECT r{0, 0, 6, 5};
  EXPECT_TRUE(DrawFocusRect(s.Dc(), &r));
  // clang-format off
  EXPECT_EQ(s.Picture(), (Picture{"#.#.#.",
                                  ".....#",
                                  "#.....",
                                  ".....#",
                                  "#.#.#."}));
  // clang-format on
  DrawFocusRect(s.Dc(), &r);
  EXPECT_EQ(s.Snapshot(), before);
}

}  // namespace
}  // namespace plat
