#include "grid/detail/SpinSteps.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "platform/rtl/DateTime.h"

namespace zorbit::detail {

namespace {

// The index of the part among the separators: 0, 1 or 2.
int PartIndexAt(const plat::String& Text, int Caret, char Separator) {
  int index = 0;
  for (int i = 0; i < static_cast<int>(Text.size()) && index < 2; ++i) {
    if (Text[static_cast<std::size_t>(i)] != Separator) continue;
    if (Caret <= i) return index;
    ++index;
  }
  return index;
}

}  // namespace

TDatePart DatePartAt(const plat::String& Text, int Caret, const plat::String& ShortDateFormat, char DateSeparator) {
  plat::String format = ShortDateFormat;
  std::transform(format.begin(), format.end(), format.begin(),
                 [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
  struct TPlaced {
    TDatePart Part;
    std::size_t At;
  };
  // A part the format lacks goes last, in day, month, year order.
  std::array<TPlaced, 3> order{{{TDatePart::dpDay, format.find('D')},
                                {TDatePart::dpMonth, format.find('M')},
                                {TDatePart::dpYear, format.find('Y')}}};
  std::stable_sort(order.begin(), order.end(), [](const TPlaced& A, const TPlaced& B) { return A.At < B.At; });
  return order[static_cast<std::size_t>(PartIndexAt(Text, Caret, DateSeparator))].Part;
}

TTimePart TimePartAt(const plat::String& Text, int Caret, char TimeSeparator) {
  return static_cast<TTimePart>(PartIndexAt(Text, Caret, TimeSeparator));
}

plat::TDateTime StepDate(plat::TDateTime Date, TDatePart Part, int Sign) {
  switch (Part) {
    case TDatePart::dpDay: return Date + Sign;
    case TDatePart::dpMonth: return plat::IncMonth(Date, Sign);
    case TDatePart::dpYear: return plat::IncMonth(Date, 12 * Sign);
  }
  return Date;
}

plat::TDateTime StepTime(plat::TDateTime Time, TTimePart Part, int Sign) {
  constexpr std::array<double, 3> steps{1.0 / 24, 1.0 / (24 * 60), 1.0 / (24 * 60 * 60)};
  const double step = steps[static_cast<std::size_t>(Part)];
  if (Sign > 0) return Time + step;
  // A day on first, so that the step back never goes below midnight.
  plat::TDateTime result = Time + 1 - step;
  if (result > 1) result -= 1;
  return result;
}

}  // namespace zorbit::detail
