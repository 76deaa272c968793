#include "grid/ExtUtilMatcher.h"

#include <algorithm>
#include <vector>

#include "grid/ExtUtilDates.h"
#include "grid/ExtUtilText.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/StringUtils.h"
#include "platform/rtl/Unicode.h"

namespace zorbit {
namespace {

using plat::String;

// Operands and compared texts are short strings of the classic runtime.
constexpr std::size_t kMaxCompareLength = 255;

bool IsTermOperator(char C) { return C == '&' || C == ';' || C == '^' || C == '|'; }

// --- comparisons ----------------------------------------------------------

int Sign(double Difference) { return (Difference > 0) - (Difference < 0); }

bool ToNumber(const String& Text, double& Value) {
  // After NormalizeNumberText the decimal separator is always ".".
  static const plat::TFormatSettings pointDecimal{};
  return plat::TryStrToFloat(NormalizeNumberText(Text), Value, pointDecimal);
}

// Text against operand: as dates when both are dates, else as numbers when
// both are numbers, else byte by byte over the first 255 bytes. Dates come
// first because where the date separator is the thousand separator a date
// also reads as a number ("31.12.2023" as 31122023).
int CompareWithOperand(const String& Text, const String& Operand) {
  plat::TDateTime da = 0, db = 0;
  if (TryParseLocaleDate(Text, da) && TryParseLocaleDate(Operand, db)) return Sign(da - db);
  double a = 0, b = 0;
  if (ToNumber(Text, a) && ToNumber(Operand, b)) return Sign(a - b);
  const int order = Text.substr(0, kMaxCompareLength).compare(Operand);
  return (order > 0) - (order < 0);
}

// The comparison of the operator at Term[OpPos] (">" or "<", inclusive with
// a "=" right after it).
bool ComparisonHolds(const String& Term, std::size_t OpPos, const String& Text) {
  const bool greater = Term[OpPos] == '>';
  std::size_t i = OpPos + 1;
  const bool inclusive = i < Term.size() && Term[i] == '=';
  if (inclusive) ++i;
  while (i < Term.size() && Term[i] == ' ') ++i;
  std::size_t end = Term.find_first_of(" &|", i);
  if (end == String::npos) end = Term.size();
  String operand = Term.substr(i, end - i);
  if (!operand.empty() && operand.front() == '"') operand.erase(0, 1);
  if (!operand.empty() && operand.back() == '"') operand.pop_back();
  if (operand.size() > kMaxCompareLength) operand.resize(kMaxCompareLength);

  const int order = CompareWithOperand(Text, operand);
  if (order == 0) return inclusive;
  return greater ? order > 0 : order < 0;
}

// --- patterns -------------------------------------------------------------

enum class TokenKind { Literal, AnyChar, AnyRun, Negate };

struct Token {
  TokenKind Kind;
  char Byte = 0;
};

std::vector<Token> Tokenize(const String& Pattern) {
  std::vector<Token> tokens;
  for (std::size_t i = 0; i < Pattern.size(); ++i) {
    const char c = Pattern[i];
    switch (c) {
      case '*':
        if (tokens.empty() || tokens.back().Kind != TokenKind::AnyRun) tokens.push_back({TokenKind::AnyRun});
        break;
      case '?': tokens.push_back({TokenKind::AnyChar}); break;
      case '!': tokens.push_back({TokenKind::Negate}); break;
      case '"': break;
      case '\\':
        // A backslash that ends the pattern stands for itself.
        tokens.push_back({TokenKind::Literal, i + 1 < Pattern.size() ? Pattern[++i] : c});
        break;
      default: tokens.push_back({TokenKind::Literal, c});
    }
  }
  return tokens;
}

std::size_t NextCharacter(const String& Text, std::size_t Pos) {
  plat::DecodeUtf8(Text, Pos);
  return Pos;
}

// Anchored match of tokens without Negate. On a mismatch the text position
// goes back to one character after the last "*" took its start, so each
// "*" is resumed at most once per text position: time is at most the text
// length times the pattern length, whatever the pattern.
bool MatchTokens(const std::vector<Token>& Tokens, const String& Text) {
  constexpr std::size_t none = static_cast<std::size_t>(-1);
  std::size_t ti = 0, si = 0;
  std::size_t starToken = none, starText = 0;
  while (si < Text.size()) {
    if (ti < Tokens.size()) {
      const Token& token = Tokens[ti];
      if (token.Kind == TokenKind::Literal && token.Byte == Text[si]) {
        ++ti;
        ++si;
        continue;
      }
      if (token.Kind == TokenKind::AnyChar) {
        ++ti;
        si = NextCharacter(Text, si);
        continue;
      }
      if (token.Kind == TokenKind::AnyRun) {
        starToken = ti++;
        starText = si;
        continue;
      }
    }
    if (starToken == none) return false;
    ti = starToken + 1;
    starText = NextCharacter(Text, starText);
    si = starText;
  }
  while (ti < Tokens.size() && Tokens[ti].Kind == TokenKind::AnyRun) ++ti;
  return ti == Tokens.size();
}

// A "!" negates the result once the match reaches it. Every way of matching
// the whole text passes every "!", so a full match comes out false; a failed
// match comes out true exactly when some way of matching reached the first
// "!", that is when the pattern before it matches a beginning of the text.
// A leading "!" is always reached and negates the whole pattern.
bool MatchWildcards(const String& Pattern, const String& Text) {
  const std::vector<Token> tokens = Tokenize(Pattern);
  std::vector<Token> plain;
  std::vector<Token> beforeNegate;
  bool negated = false;
  for (const Token& token : tokens) {
    if (token.Kind == TokenKind::Negate) {
      negated = true;
      continue;
    }
    plain.push_back(token);
    if (!negated) beforeNegate.push_back(token);
  }
  const bool full = MatchTokens(plain, Text);
  if (!negated) return full;
  if (full) return false;
  beforeNegate.push_back({TokenKind::AnyRun});
  return MatchTokens(beforeNegate, Text);
}

}  // namespace

bool MatchPatternTerm(const String& Term, const String& Text) {
  const std::size_t greater = Term.find('>');
  if (greater != String::npos && ComparisonHolds(Term, greater, Text)) return true;
  const std::size_t less = Term.find('<');
  if (less != String::npos && ComparisonHolds(Term, less, Text)) return true;
  return MatchWildcards(Term, Text);
}

bool MatchConditionTerm(const String& Term, const String& Text, bool MatchCase) {
  if (MatchCase) return MatchPatternTerm(Term, Text);
  return MatchPatternTerm(plat::AnsiUpperCase(Term), plat::AnsiUpperCase(Text));
}

bool EvaluateFilterCondition(const String& Condition, const String& Text, bool MatchCase) {
  // Blanks around the operators and "=" go, then a leading "=".
  String packed;
  bool afterOperator = false;
  for (const char c : plat::Trim(Condition)) {
    if (IsTermOperator(c) || c == '=') {
      while (!packed.empty() && packed.back() == ' ') packed.pop_back();
      packed += c;
      afterOperator = true;
    } else if (c == ' ' && afterOperator) {
      continue;
    } else {
      packed += c;
      afterOperator = false;
    }
  }
  if (!packed.empty() && packed.front() == '=') packed.erase(0, 1);

  // The text is upper-cased once; each term then as it comes.
  const String text = MatchCase ? Text : plat::AnsiUpperCase(Text);
  auto matches = [&](const String& term) {
    return MatchPatternTerm(MatchCase ? term : plat::AnsiUpperCase(term), text);
  };

  // Strictly left to right, no precedence: "a|b&c" is "(a or b) and c".
  bool result = false;
  char joiner = 0;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = std::min(packed.find_first_of("&;^|", start), packed.size());
    const String term = packed.substr(start, end - start);
    if (joiner == 0)
      result = matches(term);
    else if (joiner == '&')
      result = result && matches(term);
    else
      result = result || matches(term);
    if (end == packed.size()) break;
    joiner = packed[end];
    start = end + 1;
  }
  return result;
}

}  // namespace zorbit
