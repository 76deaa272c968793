#include "grid/detail/HtmlMarkup.h"

#include <charconv>

namespace zorbit::detail {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
}  // namespace

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool StartsWithNoCase(std::string_view s, std::size_t pos, std::string_view prefix) {
  if (pos > s.size() || s.size() - pos < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (UpperAscii(s[pos + i]) != UpperAscii(prefix[i])) return false;
  return true;
}

std::size_t FindNoCase(std::string_view s, std::string_view what, std::size_t from) {
  if (what.empty()) return from <= s.size() ? from : std::string_view::npos;
  for (std::size_t pos = from; pos + what.size() <= s.size(); ++pos)
    if (StartsWithNoCase(s, pos, what)) return pos;
  return std::string_view::npos;
}

bool TagAttribute(std::string_view Tag, std::string_view Name, plat::String& Value) {
  for (std::size_t pos = FindNoCase(Tag, Name); pos != std::string_view::npos; pos = FindNoCase(Tag, Name, pos + 1)) {
    if (pos == 0 || !IsBlank(Tag[pos - 1])) continue;
    std::size_t at = pos + Name.size();
    while (at < Tag.size() && IsBlank(Tag[at])) ++at;
    if (at >= Tag.size() || Tag[at] != '=') continue;
    const std::size_t open = Tag.find('"', at);
    if (open == std::string_view::npos) return false;
    const std::size_t close = Tag.find('"', open + 1);
    if (close == std::string_view::npos) return false;
    Value.assign(Tag.substr(open + 1, close - open - 1));
    return true;
  }
  return false;
}

bool FirstQuotedValue(std::string_view Tag, plat::String& Value) {
  const std::size_t open = Tag.find('"');
  if (open == std::string_view::npos) return false;
  const std::size_t close = Tag.find('"', open + 1);
  if (close == std::string_view::npos) return false;
  Value.assign(Tag.substr(open + 1, close - open - 1));
  return true;
}

bool ParseTagNumber(const plat::String& Text, int& Value) {
  std::size_t first = 0, last = Text.size();
  while (first < last && IsBlank(Text[first])) ++first;
  while (last > first && IsBlank(Text[last - 1])) --last;
  if (first < last && Text[first] == '+') ++first;
  int parsed = 0;
  const char* end = Text.data() + last;
  const auto [ptr, error] = std::from_chars(Text.data() + first, end, parsed);
  if (first == last || error != std::errc() || ptr != end || parsed > 32767 || parsed < -32767) return false;
  Value = parsed;
  return true;
}

std::vector<ControlTag> ControlTags(const plat::String& Html) {
  std::vector<ControlTag> tags;
  for (std::size_t start = FindNoCase(Html, "<CONTROL"); start != plat::String::npos;
       start = FindNoCase(Html, "<CONTROL", start + 1)) {
    const std::size_t close = Html.find('>', start);
    if (close == plat::String::npos) break;
    const std::string_view text(Html.data() + start, close - start + 1);
    ControlTag tag;
    tag.Start = start;
    tag.End = close + 1;
    TagAttribute(text, "ID", tag.ID);
    TagAttribute(text, "VALUE", tag.Value);
    TagAttribute(text, "WIDTH", tag.Width);
    TagAttribute(text, "TYPE", tag.Type);
    for (char& c : tag.Type) c = UpperAscii(c);
    tag.HasProp = TagAttribute(text, "PROP", tag.Prop);
    tags.push_back(std::move(tag));
  }
  return tags;
}

}  // namespace zorbit::detail
