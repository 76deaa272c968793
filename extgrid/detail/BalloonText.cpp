#include "extgrid/detail/BalloonText.h"

#include <cstddef>

namespace zorbit::detail {

namespace {

constexpr std::size_t kMaxTextChars = 1024;
constexpr std::size_t kMaxTitleChars = 100;
const plat::String kEllipsis = "...";

bool StartsCharacter(char C) { return (static_cast<unsigned char>(C) & 0xC0) != 0x80; }

// Text cut to Keep characters and "..." when it has more than Max.
plat::String Shortened(const plat::String& Text, std::size_t Max) {
  const std::size_t keep = Max - kEllipsis.size();
  std::size_t chars = 0;
  std::size_t cut = plat::String::npos;
  for (std::size_t i = 0; i < Text.size(); ++i) {
    if (!StartsCharacter(Text[i])) continue;
    if (chars == keep) cut = i;
    if (++chars > Max) return Text.substr(0, cut) + kEllipsis;
  }
  return Text;
}

}  // namespace

plat::String BalloonText(const plat::String& Text) {
  std::size_t start = 0;
  while (start < Text.size() && (Text[start] == '\n' || Text[start] == '\t' || Text[start] == '\r')) ++start;
  plat::String text = Text.substr(start);
  for (std::size_t i = 0; i + 1 < text.size(); ++i)
    if (text[i] == '\t') text[i] = ' ';
  return Shortened(text, kMaxTextChars);
}

plat::String BalloonTitle(const plat::String& Title) { return Shortened(Title, kMaxTitleChars); }

int BalloonIcon(int Icon) { return Icon >= 0 && Icon <= 3 ? Icon : 0; }

}  // namespace zorbit::detail
