#include "platform/ui/detail/MemoLayout.h"

#include <algorithm>

namespace plat {

namespace {

bool IsBlank(char32_t c) { return c == ' ' || c == '\t'; }

}  // namespace

void TMemoLayout::Layout(const std::u32string& Chars, int WrapWidth, const TMeasure& Measure) {
  FLines.clear();
  const int length = static_cast<int>(Chars.size());
  int paragraph = 0;
  while (true) {
    int end = paragraph;
    while (end < length && !(Chars[end] == '\r' && end + 1 < length && Chars[end + 1] == '\n')) ++end;
    const std::u32string text = Chars.substr(paragraph, end - paragraph);
    const int count = static_cast<int>(text.size());
    if (WrapWidth <= 0 || count == 0) {
      FLines.push_back({paragraph, count});
    } else {
      const std::vector<int> edges = Measure(text);
      int start = 0;
      while (start < count) {
        // The most characters that fit, at least one.
        int fit = start + 1;
        while (fit < count && edges[fit + 1] - edges[start] <= WrapWidth) ++fit;
        int cut = fit;
        if (cut < count) {
          // Blanks after the last fitting character hang on this line.
          while (cut < count && IsBlank(text[cut])) ++cut;
          // Inside a word: go back to the blank before it, if there is one.
          if (cut < count && !IsBlank(text[cut - 1])) {
            int back = cut;
            while (back > start && !IsBlank(text[back - 1])) --back;
            if (back > start) cut = back;
          }
        }
        FLines.push_back({paragraph + start, cut - start});
        start = cut;
      }
    }
    if (end >= length) break;
    paragraph = end + 2;
    if (paragraph >= length) {
      FLines.push_back({length, 0});
      break;
    }
  }
  if (FLines.empty()) FLines.push_back({});
}

int TMemoLayout::LineFromChar(int Position) const {
  // The last line starting at or before the position.
  const auto after = std::upper_bound(FLines.begin(), FLines.end(), Position,
                                      [](int p, const TMemoLine& line) { return p < line.Start; });
  return std::max(static_cast<int>(after - FLines.begin()) - 1, 0);
}

}  // namespace plat
