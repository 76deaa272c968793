#pragma once
// The lines a multi-line edit shows: its text (CR LF breaks) cut at the
// breaks and, with a wrap width, at the last blank that fits (blanks at the
// end of a line hang past the width; a word wider than the line is cut
// where it no longer fits). Answers the platform's line questions: the
// count, where a line starts, its length, and the line of a character.
// There is always at least one line; a text ending in a break ends with an
// empty line.
#include <functional>
#include <string>
#include <vector>

namespace plat {

struct TMemoLine {
  int Start = 0;
  int Length = 0;  // without the break
};

class TMemoLayout {
 public:
  // Where each character of a run starts and the last one ends, from 0.
  using TMeasure = std::function<std::vector<int>(const std::u32string&)>;

  // WrapWidth 0: lines end only at breaks.
  void Layout(const std::u32string& Chars, int WrapWidth, const TMeasure& Measure);

  int LineCount() const { return static_cast<int>(FLines.size()); }
  const TMemoLine& Line(int Index) const { return FLines[static_cast<std::size_t>(Index)]; }
  // The line holding a character position; a position where a line was
  // wrapped belongs to the line it starts. Positions past the end give the
  // last line.
  int LineFromChar(int Position) const;

 private:
  std::vector<TMemoLine> FLines{TMemoLine{}};
};

}  // namespace plat
