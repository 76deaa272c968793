// Cell texts read and written as integers, floats and dates.
#include <cstdint>

#include "extgrid/ExtGridError.h"
#include "extgrid/TExtStringGrid.h"
#include "grid/ExtUtilText.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/FormatSettings.h"

namespace zorbit {

namespace {

const char* const NoInteger = "Cell does not contain integer value";
const char* const NoFloat = "Cell does not contain a float value";

bool ReadsAsZero(const plat::String& Text) { return Text.empty() || Text == "-"; }

// A whole decimal number: an optional sign and digits, blanks around it
// allowed; false for anything else or a value beyond 32 bits.
bool ParseWholeNumber(const plat::String& Text, int& Value) {
  std::size_t i = Text.find_first_not_of(' ');
  const std::size_t end = Text.find_last_not_of(' ') + 1;
  if (i == plat::String::npos) return false;
  const bool negative = Text[i] == '-';
  if (Text[i] == '-' || Text[i] == '+') ++i;
  if (i == end) return false;
  std::int64_t magnitude = 0;
  for (; i < end; ++i) {
    if (Text[i] < '0' || Text[i] > '9') return false;
    magnitude = magnitude * 10 + (Text[i] - '0');
    if (magnitude > static_cast<std::int64_t>(INT32_MAX) + 1) return false;
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > INT32_MAX) return false;
  Value = static_cast<int>(value);
  return true;
}

double ReadFloat(const plat::String& Text) {
  if (ReadsAsZero(Text)) return 0;
  double value = 0;
  if (!plat::TryStrToFloat(ExtractNumberText(Text), value, plat::TFormatSettings::English()))
    throw EExtGridError(NoFloat);
  return value;
}

}  // namespace

int TExtStringGrid::GetCellInt(int ACol, int ARow) {
  const plat::String text = GetCellText(ACol, ARow);
  if (ReadsAsZero(text)) return 0;
  int value = 0;
  if (!ParseWholeNumber(text, value)) throw EExtGridError(NoInteger);
  return value;
}

double TExtStringGrid::GetCellFloat(int ACol, int ARow) { return ReadFloat(GetCellText(ACol, ARow)); }

double TExtStringGrid::GetRealCellFloat(int ACol, int ARow) { return ReadFloat(GetHiddenAwareCellText(ACol, ARow)); }

void TExtStringGrid::SetCellFloat(int ACol, int ARow, double Value) {
  SetCellText(ACol, ARow, plat::Format(FFloatFormat, {Value}));
}

void TExtStringGrid::SetCellDate(int ACol, int ARow, plat::TDateTime Value) {
  SetCellText(ACol, ARow, Value <= 0 && !FFormatZeroDates ? plat::String() : plat::DateToStr(Value));
}

}  // namespace zorbit
