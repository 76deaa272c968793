#pragma once
// Field routines of the CSV reader and the grid's text streams. Positions
// count from 1; 0 means "not found".
#include <string_view>

#include "platform/rtl/Types.h"

namespace zorbit {

int CharPosition(char C, const plat::String& Text);

// Runs of C: the first run of odd length (at the end of the text or followed
// by another character) ends a quoted field; the position of its last
// character, 0 when every run pairs up.
int FindUnpairedChar(char C, std::string_view Text);
// The number of such odd runs.
int CountUnpairedChars(char C, std::string_view Text);
int CountCharOccurrences(char C, std::string_view Text);
// A doubled C becomes one C, a single C is dropped.
plat::String UndoubleChar(char C, std::string_view Text);

// Each CR LF becomes character 11; the result stands between double quotes.
plat::String QuoteMultiLineField(const plat::String& Text);
// Each character 11 becomes CR LF.
plat::String RestoreMultiLineField(const plat::String& Text);
// Each "~" becomes CR LF; a text that is only "^" becomes empty.
plat::String TildeToLineBreak(const plat::String& Text);
plat::String OemTextToAnsi(const plat::String& Text);
plat::String RemoveCarriageReturns(const plat::String& Text);
// Each backslash followed by "n" becomes CR.
plat::String ExpandNewlineEscapes(const plat::String& Text);

// A cell text as one line of a text stream, and back. MaskLineBreaks writes
// CR as character 9 and LF as character 8; a tab, a character 8 or a
// character 16 of the text itself is written after a character 16 so that
// it comes back as it was. UnmaskLineBreaks(MaskLineBreaks(t), true) == t
// for every text; a text holding none of characters 8, 9 and 16 was never
// masked and is left as it is. Without AllLines a masked text gives only its
// first line.
plat::String MaskLineBreaks(const plat::String& Text);
plat::String UnmaskLineBreaks(const plat::String& Text, bool AllLines);

// The text up to the first CR; Text keeps the rest, less that CR and an LF
// after it (nothing when there is no CR).
plat::String TakeFirstLine(plat::String& Text);
// The number of CRs + 1 with MultiLine, else 1.
int CountTextLines(const plat::String& Text, bool MultiLine);
// The text before the first Delimiter; Source keeps what follows the
// delimiter (nothing when there is none).
plat::String TakeUntilDelimiter(plat::String& Source, const plat::String& Delimiter);

}  // namespace zorbit
