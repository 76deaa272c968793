#pragma once
// Reading the mark-up of the HTML mini-language: case-blind searches, tag
// attributes, numbers and the CONTROL tags of a text. Internal to grid/.
#include <string_view>
#include <vector>

#include "platform/rtl/Types.h"

namespace zorbit::detail {

char UpperAscii(char c);
// Whether s holds prefix at pos, ASCII letters without case.
bool StartsWithNoCase(std::string_view s, std::size_t pos, std::string_view prefix);
// The first position of what in s from `from` on, without case; npos when none.
std::size_t FindNoCase(std::string_view s, std::string_view what, std::size_t from = 0);

// The value of attribute Name in the tag text Tag (from "<" to ">"): the
// name, in any case, at the start of a word and followed by "=" (blanks
// allowed around it), and the value between the next two double quotes of
// the tag. False when any part is missing.
bool TagAttribute(std::string_view Tag, std::string_view Name, plat::String& Value);
// The first double-quoted value of the tag, whatever its attribute.
bool FirstQuotedValue(std::string_view Tag, plat::String& Value);
// A decimal number of at most 32767 either way, blanks round it allowed.
bool ParseTagNumber(const plat::String& Text, int& Value);

// A CONTROL tag as it stands in a text.
struct ControlTag {
  std::size_t Start = 0;  // its "<"
  std::size_t End = 0;    // just after its ">"
  plat::String ID, Type, Value, Width, Prop;
  bool HasProp = false;
};
// Every complete CONTROL tag, in text order (Type upper-cased, Value as written).
std::vector<ControlTag> ControlTags(const plat::String& Html);

}  // namespace zorbit::detail
