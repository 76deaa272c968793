#include "platform/rtl/LocaleIds.h"

#include <array>
#include <cstdlib>
#include <string_view>

#include "platform/rtl/StringUtils.h"

namespace plat {
namespace {

struct LocaleEntry {
  std::string_view Name;  // language_COUNTRY; a language's first entry is its default
  LANGID Id;
};

constexpr std::array<LocaleEntry, 40> Locales{{
    {"en_US", 0x0409}, {"en_GB", 0x0809}, {"en_AU", 0x0C09}, {"en_CA", 0x1009}, {"en_NZ", 0x1409},
    {"en_IE", 0x1809}, {"de_DE", 0x0407}, {"de_CH", 0x0807}, {"de_AT", 0x0C07}, {"fr_FR", 0x040C},
    {"fr_BE", 0x080C}, {"fr_CA", 0x0C0C}, {"fr_CH", 0x100C}, {"it_IT", 0x0410}, {"it_CH", 0x0810},
    {"es_ES", 0x0C0A}, {"es_MX", 0x080A}, {"pt_BR", 0x0416}, {"pt_PT", 0x0816}, {"nl_NL", 0x0413},
    {"nl_BE", 0x0813}, {"sv_SE", 0x041D}, {"da_DK", 0x0406}, {"nb_NO", 0x0414}, {"fi_FI", 0x040B},
    {"pl_PL", 0x0415}, {"cs_CZ", 0x0405}, {"hu_HU", 0x040E}, {"sk_SK", 0x041B}, {"ru_RU", 0x0419},
    {"uk_UA", 0x0422}, {"tr_TR", 0x041F}, {"el_GR", 0x0408}, {"ja_JP", 0x0411}, {"ko_KR", 0x0412},
    {"zh_CN", 0x0804}, {"zh_TW", 0x0404}, {"ar_SA", 0x0401}, {"he_IL", 0x040D}, {"th_TH", 0x041E},
}};

}  // namespace

String EnvironmentLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_TIME", "LC_NUMERIC", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value && *value) {
      return value;
    }
  }
  return "C";
}

LCID LocaleIdFromName(const String& localeName) {
  // "de_DE.UTF-8@euro": the codeset and modifier do not change the id.
  const std::string_view name = std::string_view(localeName).substr(0, localeName.find_first_of(".@"));
  const std::string_view language = name.substr(0, name.find('_'));
  for (const LocaleEntry& entry : Locales) {
    if (SameText(String(entry.Name), String(name))) {
      return MAKELCID(entry.Id, SORT_DEFAULT);
    }
  }
  for (const LocaleEntry& entry : Locales) {
    if (SameText(String(entry.Name.substr(0, 2)), String(language))) {
      return MAKELCID(entry.Id, SORT_DEFAULT);
    }
  }
  return MAKELCID(LANG_ENGLISH_US, SORT_DEFAULT);
}

LCID GetUserDefaultLCID() { return LocaleIdFromName(EnvironmentLocaleName()); }
LCID GetSystemDefaultLCID() { return GetUserDefaultLCID(); }
LANGID GetUserDefaultLangID() { return LANGIDFROMLCID(GetUserDefaultLCID()); }
LANGID GetSystemDefaultLangID() { return LANGIDFROMLCID(GetSystemDefaultLCID()); }

}  // namespace plat
