#include "grid/HtmlText.h"

#include <vector>

#include "grid/HtmlColors.h"
#include "grid/detail/HtmlMarkup.h"

namespace zorbit {

using detail::FindNoCase;
using detail::StartsWithNoCase;
using plat::String;

String StripHtml(const String& Html) {
  String text;
  text.reserve(Html.size());
  for (std::size_t pos = 0; pos < Html.size();) {
    if (StartsWithNoCase(Html, pos, "<BR>") || StartsWithNoCase(Html, pos, "<HR>")) {
      text += "\r\n";
      pos += 4;
    } else {
      text += Html[pos++];
    }
  }
  String out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    if (text[pos] == '<') {
      const std::size_t close = text.find('>', pos);
      if (close == String::npos) {
        out.append(text, pos);
        break;
      }
      pos = close + 1;
    } else {
      out += text[pos++];
    }
  }
  return out;
}

String HighlightHtmlText(const String& Html, const String& SearchText, const String& Tag, bool MatchCase) {
  if (SearchText.empty()) return Html;
  // The visible characters and where each stands in the mark-up.
  String visible;
  std::vector<std::size_t> at;
  for (std::size_t pos = 0; pos < Html.size();) {
    if (Html[pos] == '<') {
      const std::size_t close = Html.find('>', pos);
      if (close != String::npos) {
        pos = close + 1;
        continue;
      }
    }
    visible += Html[pos];
    at.push_back(pos++);
  }
  auto fold = [MatchCase](char c) { return MatchCase ? c : detail::UpperAscii(c); };
  auto matchesAt = [&](std::size_t start) {
    for (std::size_t i = 0; i < SearchText.size(); ++i)
      if (fold(visible[start + i]) != fold(SearchText[i])) return false;
    return true;
  };
  // Insertions (position in the mark-up, text), in order.
  std::vector<std::pair<std::size_t, String>> inserts;
  for (std::size_t start = 0; start + SearchText.size() <= visible.size();) {
    if (!matchesAt(start)) {
      ++start;
      continue;
    }
    const std::size_t end = start + SearchText.size();
    inserts.emplace_back(at[start], "<" + Tag + ">");
    inserts.emplace_back(end < at.size() ? at[end] : Html.size(), "</" + Tag + ">");
    start = end;
  }
  String out;
  out.reserve(Html.size() + inserts.size() * (Tag.size() + 3));
  std::size_t copied = 0;
  for (const auto& [pos, text] : inserts) {
    out.append(Html, copied, pos - copied);
    out += text;
    copied = pos;
  }
  out.append(Html, copied);
  return out;
}

String RemoveHtmlHighlight(const String& Html, const String& Tag) {
  const String open = "<" + Tag + ">", close = "</" + Tag + ">";
  String out;
  out.reserve(Html.size());
  for (std::size_t pos = 0; pos < Html.size();) {
    if (StartsWithNoCase(Html, pos, open)) {
      pos += open.size();
    } else if (StartsWithNoCase(Html, pos, close)) {
      pos += close.size();
    } else {
      out += Html[pos++];
    }
  }
  return out;
}

bool ContainsCellControlTag(const String& Html) { return FindNoCase(Html, "<CONTROL") != String::npos; }

String NextCellControlID(const String& Html, const String& ID) {
  const std::vector<detail::ControlTag> tags = detail::ControlTags(Html);
  std::size_t from = 0;
  if (!ID.empty()) {
    while (from < tags.size() && tags[from].ID != ID) ++from;
    ++from;
  }
  for (std::size_t i = from; i < tags.size(); ++i) {
    const String& type = tags[i].Type;
    if (type != "BUTTON" && type != "CHECK" && type != "RADIO") return tags[i].ID;
  }
  return ID;
}

String ReadCellControlValue(const String& Html, const String& ID) {
  for (const detail::ControlTag& tag : detail::ControlTags(Html))
    if (tag.ID == ID) return UnescapeHtmlValue(tag.Value);
  return {};
}

bool WriteCellControlValue(String& Html, const String& ID, const String& Value) {
  for (const detail::ControlTag& tag : detail::ControlTags(Html)) {
    if (tag.ID != ID) continue;
    auto attribute = [](const char* name, const String& value) { return String(name) + "=\"" + value + "\""; };
    String rewritten = "<CONTROL " + attribute("ID", tag.ID) + " " + attribute("VALUE", EscapeHtmlValue(Value)) + " " +
                       attribute("WIDTH", tag.Width) + " " + attribute("TYPE", tag.Type);
    if (tag.HasProp) rewritten += " " + attribute("PROP", tag.Prop);
    rewritten += ">";
    Html.replace(tag.Start, tag.End - tag.Start, rewritten);
    return true;
  }
  return false;
}

}  // namespace zorbit
