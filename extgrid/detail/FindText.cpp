#include "extgrid/detail/FindText.h"

#include "platform/rtl/StringUtils.h"

namespace zorbit::detail {

void UpperCaseInto(const plat::String& Text, plat::String& Out) {
  Out.assign(Text);
  for (char& c : Out) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      Out = plat::AnsiUpperCase(Text);
      return;
    }
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
}

bool TextMatches(const plat::String& Text, const plat::String& Search, TTextMatch How) {
  // An empty search text is found nowhere, except as a whole empty text.
  switch (How) {
    case TTextMatch::tmWhole: return Text == Search;
    case TTextMatch::tmBeginsWith: return !Search.empty() && Text.starts_with(Search);
    case TTextMatch::tmContains: break;
  }
  return !Search.empty() && Text.find(Search) != plat::String::npos;
}

}  // namespace zorbit::detail
