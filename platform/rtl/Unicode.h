#pragma once
// UTF-8 (String) and UTF-16 (WideString) conversions and moving through UTF-8
// text by code points. UTF-8 is the system ("ANSI") code page, so the Ansi
// conversions are the UTF-8 ones. Invalid input never fails: each bad byte or
// unpaired surrogate becomes U+FFFD.
#include <cstddef>

#include "platform/rtl/Types.h"

namespace plat {

constexpr char32_t kReplacementChar = 0xFFFD;

WideString Utf8ToWide(const String& s);
String WideToUtf8(const WideString& s);
WideString AnsiToWide(const String& s);
String WideToAnsi(const WideString& s);
// Alias names the class library uses.
inline WideString UTF8Decode(const String& s) { return Utf8ToWide(s); }
inline String UTF8Encode(const WideString& s) { return WideToUtf8(s); }

// Decodes the code point at byte pos and advances pos past it (one byte for
// an invalid sequence, which gives U+FFFD). pos must be below s.size().
char32_t DecodeUtf8(const String& s, std::size_t& pos);
void AppendUtf8(String& out, char32_t codePoint);

// Simple case mapping of one code point (Latin, Greek and Cyrillic letters);
// others are returned unchanged.
char32_t UnicodeUpper(char32_t c);
char32_t UnicodeLower(char32_t c);

// Number of code points.
int Utf8Length(const String& s);
// Byte offset of the code point with 0-based index; s.size() when past the end.
std::size_t Utf8ByteOffset(const String& s, int codePointIndex);
// Byte positions of the next and previous code point around byte pos.
std::size_t Utf8NextPos(const String& s, std::size_t pos);
std::size_t Utf8PrevPos(const String& s, std::size_t pos);
// count code points from 1-based code-point index, clipped like Copy.
String Utf8Copy(const String& s, int index, int count);

}  // namespace plat
