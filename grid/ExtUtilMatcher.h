#pragma once
// The condition matcher behind the grid's filter and its find routine.
//
// A condition is a row of terms joined by "&" (and) or by ";", "^", "|" (all
// three or), combined strictly from left to right. A term either compares
// the text with an operand (">", ">=", "<", "<="; as numbers, else as dates,
// else byte by byte) or matches it as a pattern anchored at both ends: "*"
// any run of characters, "?" one character, "\" takes the next character
// literally, double quotes are ignored and "!" negates. Matching takes time
// proportional to the text times the pattern at worst, never more.
#include "platform/rtl/Types.h"

namespace zorbit {

// Blanks around the operators and a leading "=" are dropped first; "a* | b*"
// matches "abc" and "bcd". Without MatchCase both sides are upper-cased.
bool EvaluateFilterCondition(const plat::String& Condition, const plat::String& Text, bool MatchCase);

// One term: upper-cases both (every letter) unless MatchCase, then
// MatchPatternTerm.
bool MatchConditionTerm(const plat::String& Term, const plat::String& Text, bool MatchCase);

// A comparison that holds answers true; otherwise (no comparison, or one that
// fails) the whole term is matched as a pattern, so a failed ">5" still
// matches the text ">5". An empty pattern matches only an empty text.
bool MatchPatternTerm(const plat::String& Term, const plat::String& Text);

}  // namespace zorbit
