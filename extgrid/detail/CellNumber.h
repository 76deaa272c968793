#pragma once
// A cell text read as a floating value the way the typed readers read it:
// the number inside the text (currency signs, parentheses and thousand
// separators allowed, the locale's decimal separator), parsed with "." as
// the separator. An empty text and "-" hold no number here; the typed
// readers read them as 0 themselves.
#include "grid/ExtUtilText.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Types.h"

namespace zorbit::detail {

inline bool TryReadCellNumber(const plat::String& Text, double& Value) {
  if (Text.empty() || Text == "-") return false;
  return plat::TryStrToFloat(ExtractNumberText(Text), Value, plat::TFormatSettings::English());
}

}  // namespace zorbit::detail
