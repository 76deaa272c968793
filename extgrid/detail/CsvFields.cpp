#include "extgrid/detail/CsvFields.h"

#include <algorithm>

#include "grid/ExtUtilFields.h"

namespace zorbit::detail {
namespace {

constexpr char kQuote = '"';

// Odd runs of C; a run that reaches the end of the line counts whatever its
// length.
int RunCount(char C, std::string_view Line) {
  int count = CountUnpairedChars(C, Line);
  const std::size_t last = Line.find_last_not_of(C);
  const std::size_t tail = last == std::string_view::npos ? Line.size() : Line.size() - last - 1;
  if (tail > 0 && tail % 2 == 0) ++count;
  return count;
}

template <typename Count>
char FirstEqualBest(std::string_view Line1, std::string_view Line2, Count count) {
  char taken = '\0';
  int best = 0;
  for (const char c : kCsvDelimiterCandidates) {
    const int k = count(c, Line1);
    if (k == count(c, Line2) && k > best) {
      best = k;
      taken = c;
    }
  }
  return taken;
}

plat::String DecodeField(std::string_view Field, bool Tilde) {
  // Most fields hold nothing to decode: taken as they are.
  if (Field.find_first_of(Tilde ? "\"~^" : "\"\x0B") == std::string_view::npos) return plat::String(Field);
  const plat::String text = UndoubleChar(kQuote, Field);
  return Tilde ? TildeToLineBreak(text) : RestoreMultiLineField(text);
}

}  // namespace

char DetectCsvDelimiter(std::string_view Line1, std::string_view Line2) {
  if (const char c = FirstEqualBest(Line1, Line2, RunCount)) return c;
  if (const char c = FirstEqualBest(Line1, Line2, CountCharOccurrences)) return c;
  char taken = '\0';
  int best = 0;
  for (const char c : kCsvDelimiterCandidates) {
    const int k = std::max(CountCharOccurrences(c, Line1), CountCharOccurrences(c, Line2));
    if (k > best) {
      best = k;
      taken = c;
    }
  }
  return taken;
}

void SplitCsvLine(std::string_view Line, char Delimiter, bool Tilde,
                  const std::function<void(plat::String&& Field)>& Store) {
  for (std::size_t d; Delimiter != '\0' && (d = Line.find(Delimiter)) != std::string_view::npos;) {
    std::string_view field;
    if (Line.front() == kQuote) {
      Line.remove_prefix(1);
      const int close = FindUnpairedChar(kQuote, Line);
      if (close == 0) {
        // No closing quote: the rest of the line is the field.
        field = Line;
        Line = {};
      } else {
        field = Line.substr(0, static_cast<std::size_t>(close - 1));
        Line.remove_prefix(static_cast<std::size_t>(close));
        // Text between the closing quote and the delimiter is dropped.
        if (const std::size_t next = Line.find(Delimiter); next != std::string_view::npos) Line.remove_prefix(next + 1);
      }
    } else {
      field = Line.substr(0, d);
      Line.remove_prefix(d + 1);
    }
    Store(DecodeField(field, Tilde));
  }
  if (Line.empty()) return;
  if (Line.front() == kQuote) Line.remove_prefix(1);
  if (!Line.empty() && Line.back() == kQuote) Line.remove_suffix(1);
  Store(DecodeField(Line, Tilde));
}

}  // namespace zorbit::detail
