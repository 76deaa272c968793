#pragma once
// Locale identifiers: the numbers the platform gives a language and its
// country (0x0409 English, United States), built from the locale name the
// environment sets (LC_ALL, then LC_TIME, LC_NUMERIC and LANG, as the
// format settings read it). A name is matched as language_COUNTRY, then by
// its language alone (the language's first country in the table); "C",
// "POSIX", an empty and an unknown name give English, United States.
#include "platform/rtl/Types.h"

namespace plat {

using LCID = DWORD;
using LANGID = Word;

constexpr LANGID MAKELANGID(Word primary, Word sub) { return static_cast<LANGID>((sub << 10) | primary); }
constexpr Word PRIMARYLANGID(LANGID lang) { return lang & 0x3FF; }
constexpr Word SUBLANGID(LANGID lang) { return lang >> 10; }
constexpr LCID MAKELCID(LANGID lang, Word sort) { return (static_cast<DWORD>(sort) << 16) | lang; }
constexpr LANGID LANGIDFROMLCID(LCID locale) { return static_cast<LANGID>(locale & 0xFFFF); }

inline constexpr Word SORT_DEFAULT = 0;
inline constexpr LANGID LANG_ENGLISH_US = 0x0409;

// The locale name the environment sets for user settings ("C" when none).
String EnvironmentLocaleName();

// The identifier of a locale name ("de_DE.UTF-8", "fr_CA", "pt").
LCID LocaleIdFromName(const String& localeName);

// The user's and the system's locale: both follow the environment, the
// process being the only user the platform knows.
LCID GetUserDefaultLCID();
LCID GetSystemDefaultLCID();
LANGID GetUserDefaultLangID();
LANGID GetSystemDefaultLangID();

}  // namespace plat
