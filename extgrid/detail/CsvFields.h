#pragma once
// The field rules of delimited text files: the delimiter chosen from a
// file's first two lines, and one line cut into fields. A field never spans
// lines. Hostile lines are only text: every input gives fields, none fails.
#include <functional>
#include <string_view>

#include "platform/rtl/Types.h"

namespace zorbit::detail {

// The candidates, in the order they are tried.
inline constexpr char kCsvDelimiterCandidates[] = {',', ';', '#', '\t', '|', '@', '*', '-', '+', '&'};

// The first candidate whose count of odd runs (a run at the line's end
// counting whatever its length) is the same on both lines and the highest;
// else likewise by plain counts; else the candidate that occurs most often
// on either line. '\0' when no candidate occurs at all.
char DetectCsvDelimiter(std::string_view Line1, std::string_view Line2);

// Calls Store with each field of Line in order. A field that starts with a
// double quote runs to the first odd run of quotes (or, unterminated, to
// the end of the line); doubled quotes become one and lone ones go; line
// breaks are decoded: with Tilde "~" becomes CR LF and a field of just "^"
// is empty, else character 11 becomes CR LF. What follows the last
// delimiter is the last field, less one enclosing quote on each side. With
// Delimiter '\0' the whole line is one field; an empty line has none.
void SplitCsvLine(std::string_view Line, char Delimiter, bool Tilde,
                  const std::function<void(plat::String&& Field)>& Store);

}  // namespace zorbit::detail
