#pragma once
// Text routines of the runtime. Positions count from 1; 0 means "not found".
// The plain routines (UpperCase, CompareText) work on ASCII letters only; the
// "Ansi" ones know every letter (UTF-8, case mapped per code point).
#include "platform/rtl/Types.h"

namespace plat {

// Remove characters with codes up to 32 (blanks and control characters).
String Trim(const String& s);
String TrimLeft(const String& s);
String TrimRight(const String& s);

String UpperCase(const String& s);
String LowerCase(const String& s);
String AnsiUpperCase(const String& s);
String AnsiLowerCase(const String& s);

// <0, 0, >0 like strcmp.
int CompareStr(const String& a, const String& b);
int CompareText(const String& a, const String& b);  // ASCII letters without case
bool SameStr(const String& a, const String& b);
bool SameText(const String& a, const String& b);
int AnsiCompareStr(const String& a, const String& b);
int AnsiCompareText(const String& a, const String& b);  // every letter without case
bool AnsiSameText(const String& a, const String& b);
bool AnsiSameStr(const String& a, const String& b);

// 1-based position of sub in s, 0 when absent or sub is empty.
int Pos(const String& sub, const String& s);
// The same, starting the search at 1-based offset; 0 when offset is out of range.
int PosEx(const String& sub, const String& s, int offset = 1);
int AnsiPos(const String& sub, const String& s);
// The count bytes from 1-based index; out-of-range parts are clipped.
String Copy(const String& s, int index, int count);
// Removes count bytes from 1-based index, clipped like Copy.
void Delete(String& s, int index, int count);
// Inserts source before 1-based index (clipped to the ends).
void Insert(const String& source, String& s, int index);

enum class TReplaceFlag { rfReplaceAll = 1, rfIgnoreCase = 2 };
constexpr int rfReplaceAll = static_cast<int>(TReplaceFlag::rfReplaceAll);
constexpr int rfIgnoreCase = static_cast<int>(TReplaceFlag::rfIgnoreCase);
// flags: a combination of rfReplaceAll and rfIgnoreCase.
String StringReplace(const String& s, const String& oldPattern, const String& newPattern, int flags);

String StringOfChar(char c, int count);
// 1-based position of the last character of s found in delimiters, 0 if none.
int LastDelimiter(const String& delimiters, const String& s);

// s between quote characters, inner quote characters doubled.
String QuotedStr(const String& s);  // with '
String AnsiQuotedStr(const String& s, char quote);
// Reads a quoted text that starts at pos (0-based): doubled quotes stand for
// one; stops after the closing quote or at the end. Advances pos past what it
// read. Returns "" without moving when s[pos] is not the quote.
String AnsiExtractQuotedStr(const String& s, std::size_t& pos, char quote);
// s without its surrounding quotes when it is quoted, else s itself.
String AnsiDequotedStr(const String& s, char quote);

}  // namespace plat
