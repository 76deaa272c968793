#pragma once
// Path texts. Every routine accepts "\" and "/" as delimiters (the system
// builds paths with "\" literals) and treats doubled delimiters as one.
// Results use "/", the native delimiter.
#include "platform/rtl/Types.h"

namespace plat {

constexpr char PathDelim = '/';
constexpr char DriveDelim = '\0';  // no drives here
constexpr char PathSep = ':';

bool IsPathDelimiter(char c);
// "\" to "/", doubled delimiters collapsed; a leading delimiter kept.
String NormalizePath(const String& path);

// Up to and including the last delimiter.
String ExtractFilePath(const String& fileName);
// Up to the last delimiter (the root keeps its delimiter).
String ExtractFileDir(const String& fileName);
String ExtractFileName(const String& fileName);
// From the last "." of the name part, including it; "" when none.
String ExtractFileExt(const String& fileName);
String ChangeFileExt(const String& fileName, const String& extension);
String IncludeTrailingPathDelimiter(const String& path);
String ExcludeTrailingPathDelimiter(const String& path);
// Absolute path with "." and ".." resolved against the current folder.
String ExpandFileName(const String& fileName);

}  // namespace plat
