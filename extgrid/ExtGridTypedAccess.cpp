// Cell texts read and written as integers, floats and dates.
#include "extgrid/ExtGridError.h"
#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/CellNumber.h"
#include "extgrid/detail/WholeNumber.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Format.h"

namespace zorbit {

namespace {

const char* const NoInteger = "Cell does not contain integer value";
const char* const NoFloat = "Cell does not contain a float value";

double ReadFloat(const plat::String& Text) {
  if (detail::ReadsAsZero(Text)) return 0;
  double value = 0;
  if (!detail::TryReadCellNumber(Text, value)) throw EExtGridError(NoFloat);
  return value;
}

}  // namespace

int TExtStringGrid::GetCellInt(int ACol, int ARow) {
  int value = 0;
  if (!detail::ParseWholeNumber(GetCellText(ACol, ARow), value)) throw EExtGridError(NoInteger);
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
