#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "platform/gdi/Region.h"

namespace plat {
namespace {

std::vector<TRect> RectsOf(const Region& r) { return r.Rects(); }

// Checks the banding rules: rectangles of a band share top and bottom, are
// sorted and apart; bands are sorted and do not overlap.
void ExpectBanded(const Region& region) {
  const auto& rects = region.Rects();
  for (std::size_t i = 0; i < rects.size(); ++i) {
    ASSERT_FALSE(rects[i].IsEmpty());
    if (i == 0) continue;
    const TRect& a = rects[i - 1];
    const TRect& b = rects[i];
    if (a.Top == b.Top) {
      EXPECT_EQ(a.Bottom, b.Bottom);
      EXPECT_LT(a.Right, b.Left) << "touching or overlapping spans in a band";
    } else {
      EXPECT_LE(a.Bottom, b.Top);
    }
  }
}

struct CombineCase {
  const char* name;
  int mode;
  std::vector<TRect> expected;
};

class CombineTest : public ::testing::TestWithParam<CombineCase> {};

TEST_P(CombineTest, TwoOverlappingSquares) {
  // a = (0,0)-(4,4), b = (2,2)-(6,6)
  HRGN a = CreateRectRgn(0, 0, 4, 4);
  HRGN b = CreateRectRgn(2, 2, 6, 6);
  HRGN d = CreateRectRgn(0, 0, 0, 0);
  const int kind = CombineRgn(d, a, b, GetParam().mode);
  EXPECT_EQ(RectsOf(*d), GetParam().expected);
  EXPECT_EQ(kind, GetParam().expected.empty()       ? NULLREGION
                  : GetParam().expected.size() == 1 ? SIMPLEREGION
                                                    : COMPLEXREGION);
  ExpectBanded(*d);
  for (HRGN r : {a, b, d}) EXPECT_TRUE(DeleteObject(r));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, CombineTest,
    ::testing::Values(CombineCase{"And", RGN_AND, {{2, 2, 4, 4}}},
                      CombineCase{"Or", RGN_OR, {{0, 0, 4, 2}, {0, 2, 6, 4}, {2, 4, 6, 6}}},
                      CombineCase{"Xor", RGN_XOR, {{0, 0, 4, 2}, {0, 2, 2, 4}, {4, 2, 6, 4}, {2, 4, 6, 6}}},
                      CombineCase{"Diff", RGN_DIFF, {{0, 0, 4, 2}, {0, 2, 2, 4}}},
                      CombineCase{"Copy", RGN_COPY, {{0, 0, 4, 4}}}),
    [](const auto& test) { return test.param.name; });

TEST(Region, EqualAreasGiveEqualRegionsWhateverTheOrder) {
  const std::array<TRect, 3> rects{TRect{0, 0, 5, 5}, TRect{5, 0, 10, 5}, TRect{0, 5, 10, 10}};
  const Region one = Region::FromRects(rects);
  const std::array<TRect, 3> reversed{rects[2], rects[1], rects[0]};
  EXPECT_EQ(one, Region::FromRects(reversed));
  EXPECT_EQ(one.Rects(), std::vector<TRect>{TRect(0, 0, 10, 10)});
}

TEST(Region, XorWithItselfIsEmptyAndDiffRemovesAHole) {
  const Region ring = Region(TRect{0, 0, 10, 10}).Subtracted(Region(TRect{3, 3, 7, 7}));
  ExpectBanded(ring);
  EXPECT_TRUE(ring.Xored(ring).IsEmpty());
  EXPECT_FALSE(ring.Contains({5, 5}));
  EXPECT_TRUE(ring.Contains({2, 5}));
  EXPECT_TRUE(ring.Contains({7, 5}));
  EXPECT_EQ(ring.Kind(), COMPLEXREGION);
  EXPECT_EQ(ring.Bounds(), TRect(0, 0, 10, 10));
}

TEST(Region, RoundRectHasExclusiveEdgesAndCutCorners) {
  HRGN r = CreateRoundRectRgn(0, 0, 10, 8, 4, 4);
  RECT box{};
  EXPECT_EQ(GetRgnBox(r, &box), COMPLEXREGION);
  EXPECT_EQ(box, TRect(0, 0, 10, 8));
  struct Probe {
    int x, y;
    bool in;
  };
  for (const Probe& p :
       {Probe{0, 0, false}, Probe{9, 0, false}, Probe{0, 7, false}, Probe{9, 7, false}, Probe{0, 4, true},
        Probe{9, 4, true}, Probe{10, 4, false}, Probe{5, 8, false}, Probe{5, 0, true}, Probe{5, 7, true}})
    EXPECT_EQ(PtInRegion(r, p.x, p.y), p.in) << p.x << "," << p.y;
  ExpectBanded(*r);
  DeleteObject(r);
}

TEST(Region, EllipseIsSymmetricAndFillsItsBox) {
  const Region e = Region::Ellipse({0, 0, 9, 7});
  EXPECT_EQ(e.Bounds(), TRect(0, 0, 9, 7));
  ExpectBanded(e);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 9; ++x) {
      EXPECT_EQ(e.Contains({x, y}), e.Contains({8 - x, y})) << x << "," << y;
      EXPECT_EQ(e.Contains({x, y}), e.Contains({x, 6 - y})) << x << "," << y;
    }
  EXPECT_FALSE(e.Contains({0, 0}));
  EXPECT_TRUE(e.Contains({4, 3}));
}

TEST(Region, PolygonFillModes) {
  // A pentagram: its centre is inside when winding, outside when alternating.
  const std::array<TPoint, 5> star{TPoint{50, 0}, TPoint{80, 95}, TPoint{0, 35}, TPoint{100, 35}, TPoint{20, 95}};
  EXPECT_TRUE(Region::Polygon(star, WINDING).Contains({50, 50}));
  EXPECT_FALSE(Region::Polygon(star, ALTERNATE).Contains({50, 50}));
  EXPECT_TRUE(Region::Polygon(star, ALTERNATE).Contains({50, 10}));
  // A rectangle as a polygon covers exactly the half-open rectangle.
  const std::array<TPoint, 4> square{TPoint{1, 1}, TPoint{5, 1}, TPoint{5, 4}, TPoint{1, 4}};
  EXPECT_EQ(Region::Polygon(square, ALTERNATE).Rects(), std::vector<TRect>{TRect(1, 1, 5, 4)});
}

TEST(Region, HitTestsOffsetAndEquality) {
  HRGN a = CreateRectRgn(10, 10, 20, 20);
  HRGN b = CreateRectRgn(0, 0, 10, 10);
  EXPECT_EQ(OffsetRgn(b, 10, 10), SIMPLEREGION);
  EXPECT_TRUE(EqualRgn(a, b));
  struct Case {
    RECT rect;
    bool hit;
  };
  for (const Case& c : {Case{{0, 0, 10, 10}, false}, Case{{0, 0, 11, 11}, true}, Case{{19, 19, 30, 30}, true},
                        Case{{20, 10, 30, 20}, false}, Case{{15, 15, 15, 15}, false}})
    EXPECT_EQ(RectInRegion(a, &c.rect), c.hit) << c.rect.Left << "," << c.rect.Top;
  EXPECT_TRUE(PtInRegion(a, 19, 19));
  EXPECT_FALSE(PtInRegion(a, 20, 19));
  EXPECT_TRUE(SetRectRgn(b, 5, 5, 1, 1));  // reversed corners are put in order
  RECT box{};
  GetRgnBox(b, &box);
  EXPECT_EQ(box, TRect(1, 1, 5, 5));
  DeleteObject(a);
  DeleteObject(b);
}

TEST(Region, BadHandlesFailCleanly) {
  HRGN good = CreateRectRgn(0, 0, 1, 1);
  HRGN gone = CreateRectRgn(0, 0, 1, 1);
  ASSERT_TRUE(DeleteObject(gone));
  EXPECT_EQ(CombineRgn(good, gone, good, RGN_OR), ERROR);
  EXPECT_EQ(CombineRgn(good, good, nullptr, RGN_AND), ERROR);
  EXPECT_EQ(CombineRgn(good, good, good, 99), ERROR);
  EXPECT_EQ(OffsetRgn(nullptr, 1, 1), ERROR);
  EXPECT_FALSE(PtInRegion(gone, 0, 0));
  EXPECT_FALSE(DeleteObject(gone));
  EXPECT_EQ(CreatePolygonRgn(nullptr, 3, ALTERNATE), nullptr);
  DeleteObject(good);
}

TEST(Region, HugeShapesStayBounded) {
  // A shape a billion pixels tall is cut to a window instead of making a band per row.
  const Region e = Region::Ellipse({0, -1000000000, 10, 1000000000});
  EXPECT_LE(e.Rects().size(), 140000u);
  const std::array<TPoint, 3> tri{TPoint{0, -2000000000}, TPoint{5, 2000000000}, TPoint{-5, 2000000000}};
  EXPECT_LE(Region::Polygon(tri, ALTERNATE).Rects().size(), 140000u);
}

}  // namespace
}  // namespace plat
