#include "app/gnugettext.h"

#include "app/StringTable.h"
#include "platform/rtl/ResourceStrings.h"

namespace zorbit {

using plat::String;

namespace {

// Between unit start and unit end. The texts come from one place (the
// string table), so the service needs no list of text domains to search.
bool& ServiceInstalled() {
  static bool installed = false;
  return installed;
}

}  // namespace

String TranslateResourceText(const String& Text) {
  const TStringTable* table = StringTable();
  if (Text.empty() || !ServiceInstalled() || !table) {
    return Text;
  }
  return table->Lookup("General", Text);
}

void InitializeGnuGettext() {
  ServiceInstalled() = true;
  plat::SetResourceTextTranslator(TranslateResourceText);
}

void FinalizeGnuGettext() {
  plat::SetResourceTextTranslator(nullptr);
  ServiceInstalled() = false;
}

}  // namespace zorbit
