#include "platform/rtl/MulDiv.h"

#include <cstdint>
#include <limits>

namespace plat {

int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) {
    return -1;
  }
  const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
  const bool negative = (product < 0) != (denominator < 0);
  // Magnitudes fit: |product| <= 2^62 and |denominator| <= 2^31.
  const std::uint64_t magnitude = product < 0 ? -static_cast<std::uint64_t>(product) : static_cast<std::uint64_t>(product);
  const std::uint64_t divisor =
      denominator < 0 ? -static_cast<std::uint64_t>(static_cast<std::int64_t>(denominator)) : static_cast<std::uint64_t>(denominator);
  const std::uint64_t quotient = (magnitude + divisor / 2) / divisor;
  const std::uint64_t limit = negative ? std::uint64_t{1} << 31 : static_cast<std::uint64_t>(std::numeric_limits<int>::max());
  if (quotient > limit) {
    return -1;
  }
  return negative ? static_cast<int>(-static_cast<std::int64_t>(quotient)) : static_cast<int>(quotient);
}

}  // namespace plat
