#pragma once
// The custom footer's template: each placeholder "<#n>", n a decimal
// column number, becomes the text ColumnText gives for column n; n not
// below ColumnCount (or too large to count) gives an empty text, and a
// placeholder whose number is not decimal ("<#x>", "<#>", "<#-1>") is
// dropped. Text outside placeholders, and a "<#" without its ">", stay as
// they are.
#include <functional>

#include "platform/rtl/Types.h"

namespace zorbit::detail {

plat::String ExpandFooterTemplate(const plat::String& Template, int ColumnCount,
                                  const std::function<plat::String(int Column)>& ColumnText);

}  // namespace zorbit::detail
