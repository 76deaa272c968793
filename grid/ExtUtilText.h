#pragma once
// The rules that tell what a cell text holds (plain text, HTML, rich text, a
// formula, encoded Unicode; a number), and small conversions of cell texts.
// Sorting, filtering, find and import share them. Number texts use the
// separators of the process-wide locale record.
#include "platform/rtl/Types.h"

namespace zorbit {

// Kinds of ClassifyCellText.
inline constexpr int CellTextPlain = 0;
inline constexpr int CellTextHtml = 1;
inline constexpr int CellTextRich = 2;
inline constexpr int CellTextFormula = 3;
inline constexpr int CellTextUnicode = 5;

// "=..." a formula; "|\..." encoded Unicode (a formula when its fourth
// character is "="); "{\..." rich text; with HtmlAllowed, HTML when it holds
// "</", "<B" or "<I" (these exact forms); else plain.
int ClassifyCellText(const plat::String& Text, bool HtmlAllowed);

// Kinds of ClassifyNumberText.
inline constexpr int NumberTextInteger = 0;
inline constexpr int NumberTextDecimal = 1;
inline constexpr int NumberTextNone = 2;

// An integer is digits with an optional leading "-"; a decimal number may
// also hold one decimal and one thousand separator (the latter not first).
// A text without a digit is no number.
int ClassifyNumberText(const plat::String& Text);

// The number inside a text such as "$ -1,234.50" or "(12)": leading
// non-number characters are dropped (a "-" among them, or surrounding
// parentheses, make it negative), thousand separators skipped, the decimal
// separator written as "."; the first other character ends it.
plat::String ExtractNumberText(const plat::String& Text);

// Each decimal separator becomes ".", each thousand separator is dropped.
plat::String NormalizeNumberText(const plat::String& Text);

// "R<row>C<col>" in any case, more than 3 characters, both decimal numbers.
bool ParseCellReference(const plat::String& Text, int& Col, int& Row);

// Holds "://" or "mailto:".
bool IsLinkText(const plat::String& Text);
// Deletes up to and including "://", else up to and including "mailto:".
void StripLinkProtocol(plat::String& Text);

// The first letter of each word upper case, the others lower case. Words
// break at blank, apostrophe, comma, hyphen and period. The letter after a
// leading "Mc" or " Mc" is upper case ("McDonald"); among the last three
// characters, letters after " I" and " II" keep an upper case they had
// (Roman numerals: "HENRY IV" gives "Henry IV").
plat::String CapitalizeWords(const plat::String& Text);

}  // namespace zorbit
