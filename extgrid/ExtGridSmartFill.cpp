// The series a paste continues over the selection: one value copied to
// every cell, integer, float and date steps, or the pasted cells repeated.
#include <functional>

#include "extgrid/TExtStringGrid.h"
#include "grid/ExtUtilDates.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/FormatSettings.h"

namespace zorbit {
namespace {

bool Holds(const plat::String& Text, char C) { return Text.find(C) != plat::String::npos; }

}  // namespace

void TExtStringGrid::SmartFill(const plat::TGridRect& Sel, int Pasted) {
  const int cells = (Sel.Right - Sel.Left + 1) * (Sel.Bottom - Sel.Top + 1);
  if (Pasted == cells + 1) return;  // the block filled the selection exactly
  const auto textAt = [this](int ACol, int ARow) { return GetCellText(DisplayToRealCol(ACol), ARow); };
  // Every cell of the selection, column by column, each top to bottom.
  const auto forEachCell = [&](const std::function<void(int, int)>& Visit) {
    for (int col = Sel.Left; col <= Sel.Right; ++col)
      for (int row = Sel.Top; row <= Sel.Bottom; ++row) Visit(col, row);
  };
  const auto write = [this](int ACol, int ARow, const plat::String& Text) {
    if (ClipboardCanWrite(DisplayToRealCol(ACol), ARow)) PasteCellText(ACol, ARow, Text);
  };

  const plat::String first = textAt(Sel.Left, Sel.Top);
  if (Pasted == 1 && cells > 1) {
    forEachCell([&](int col, int row) {
      if (col != Sel.Left || row != Sel.Top) write(col, row, first);
    });
    return;
  }
  const bool oneColumn = Sel.Left == Sel.Right;
  if (Pasted < 2 || !(oneColumn || Sel.Top == Sel.Bottom)) return;

  const plat::String second = oneColumn ? textAt(Sel.Left, Sel.Top + 1) : textAt(Sel.Left + 1, Sel.Top);
  const plat::TFormatSettings& locale = plat::FormatSettings();
  const bool dated = HasTwoDateSeparators(first) || HasTwoDateSeparators(second) ||
                     Holds(first, locale.TimeSeparator) || Holds(second, locale.TimeSeparator);
  if (dated) {
    plat::TDateTime from = 0, to = 0;
    if (!plat::TryStrToDateTime(first, from) || !plat::TryStrToDateTime(second, to)) return;
    plat::Word y1, m1, d1, y2, m2, d2;
    plat::DecodeDate(from, y1, m1, d1);
    plat::DecodeDate(to, y2, m2, d2);
    const bool asDate = Holds(first, locale.DateSeparator);
    plat::TDateTime value = from;
    forEachCell([&](int col, int row) {
      write(col, row, asDate ? plat::DateToStr(value) : plat::TimeToStr(value));
      value = ShiftDate(y2 - y1, m2 - m1, d2 - d1, to - from, value);
    });
    return;
  }
  const bool decimal = Holds(first, locale.DecimalSeparator) || Holds(second, locale.DecimalSeparator);
  int i1 = 0, i2 = 0;
  if (!decimal && plat::TryStrToInt(first, i1) && plat::TryStrToInt(second, i2)) {
    long long value = i1;
    const long long step = static_cast<long long>(i2) - i1;
    forEachCell([&](int col, int row) {
      write(col, row, std::to_string(value));
      value += step;
    });
    return;
  }
  if (decimal) {
    double f1 = 0, f2 = 0;
    if (!plat::TryStrToFloat(first, f1) || !plat::TryStrToFloat(second, f2)) return;
    int index = 0;
    forEachCell([&](int col, int row) { write(col, row, plat::Format(FFloatFormat, {f1 + (f2 - f1) * index++})); });
    return;
  }
  // Texts: the pasted cells again and again along the selection.
  if (oneColumn) {
    for (int row = Sel.Top + Pasted - 1; row <= Sel.Bottom; ++row)
      write(Sel.Left, row, textAt(Sel.Left, row - Pasted + 1));
  } else {
    for (int col = Sel.Left + Pasted; col <= Sel.Right; ++col) write(col, Sel.Top, textAt(col - Pasted, Sel.Top));
  }
}

}  // namespace zorbit
