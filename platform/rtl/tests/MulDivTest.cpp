#include "platform/rtl/MulDiv.h"

#include <gtest/gtest.h>

#include <limits>

namespace plat {
namespace {

struct MulDivCase {
  int Number, Numerator, Denominator, Expected;
};

TEST(MulDiv, RoundsHalfAwayFromZeroAndReportsFailureAsMinusOne) {
  constexpr int Max = std::numeric_limits<int>::max();
  constexpr int Min = std::numeric_limits<int>::min();
  const MulDivCase cases[] = {
      {8, 96, 72, 11},          // 10.67
      {-8, 96, 72, -11},
      {5, 1, 2, 3},             // 2.5 away from zero
      {-5, 1, 2, -3},
      {5, -1, 2, -3},
      {5, 1, -2, -3},
      {-5, -1, -2, -3},
      {7, 1, 3, 2},             // 2.33
      {0, 5, 7, 0},
      {Max, Max, Max, Max},     // the product does not overflow in between
      {Min, 1, 1, Min},
      {Min, -1, 1, -1},         // 2^31 does not fit
      {Max, 2, 1, -1},
      {1, 1, 0, -1},            // division by zero
      {0, 0, 0, -1},
  };
  for (const MulDivCase& c : cases) {
    EXPECT_EQ(MulDiv(c.Number, c.Numerator, c.Denominator), c.Expected)
        << c.Number << " * " << c.Numerator << " / " << c.Denominator;
  }
}

}  // namespace
}  // namespace plat
