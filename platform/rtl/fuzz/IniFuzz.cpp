// Any bytes given to the INI reader, with and without its layout kept, give
// sections and values and nothing else: no crash, no exception, no outsized
// allocation. A key written afterwards reads back, also once the content has
// been written out and read in again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/rtl/IniContent.h"
#include "platform/rtl/StringList.h"

namespace {

using namespace plat;

void Check(bool condition) {
  if (!condition) std::abort();
}

void Exercise(const String& text, bool keepLayout) {
  TStringList lines;
  lines.SetText(text);
  TIniContent content(keepLayout);
  content.SetLines(lines);
  TStringList names;
  content.SectionNames(names);
  for (int i = 0; i < names.Count(); ++i) {
    TStringList values;
    content.ReadValues(names.Strings(i), values);
    TStringList keys;
    content.ReadKeys(names.Strings(i), keys);
  }
  content.Write("Fuzz", "Key", "Value");
  String value;
  Check(content.Read("fuzz", "KEY", value) && value == "Value");

  TStringList written;
  content.GetLines(written);
  TIniContent reread(keepLayout);
  reread.SetLines(written);
  Check(reread.Read("Fuzz", "Key", value) && value == "Value");
  if (names.Count() > 0) {
    Check(reread.SectionExists(names.Strings(0)));
    content.EraseSection(names.Strings(0));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const String text(reinterpret_cast<const char*>(data), size);
  Exercise(text, false);
  Exercise(text, true);
  return 0;
}
