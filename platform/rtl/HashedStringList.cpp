#include "platform/rtl/HashedStringList.h"

#include "platform/rtl/StringUtils.h"

namespace plat {

String THashedStringList::KeyOf(const String& text) const {
  // Equal keys exactly when CompareStrings finds the texts equal.
  return CaseSensitive() ? text : AnsiLowerCase(text);
}

void THashedStringList::Note(int index) const {
  const String entry = Strings(index);
  FValues.try_emplace(KeyOf(entry), index);
  const std::size_t separator = entry.find(NameValueSeparator());
  if (separator != String::npos) FNames.try_emplace(KeyOf(entry.substr(0, separator)), index);
}

void THashedStringList::BuildIndexes() const {
  if (FIndexed && FIndexedCaseSensitive == CaseSensitive()) return;
  FValues.clear();
  FNames.clear();
  const int count = Count();
  for (int i = 0; i < count; ++i) Note(i);
  FIndexed = true;
  FIndexedCaseSensitive = CaseSensitive();
}

int THashedStringList::IndexOf(const String& s) const {
  if (Sorted()) return TStringList::IndexOf(s);
  BuildIndexes();
  const auto found = FValues.find(KeyOf(s));
  return found == FValues.end() ? -1 : found->second;
}

int THashedStringList::IndexOfName(const String& name) const {
  BuildIndexes();
  const auto found = FNames.find(KeyOf(name));
  return found == FNames.end() ? -1 : found->second;
}

int THashedStringList::AddObject(const String& s, TObjectPtr object) {
  const int before = Count();
  const bool wasIndexed = FIndexed && FIndexedCaseSensitive == CaseSensitive();
  const std::uint64_t changes = FChanges;
  const int index = TStringList::AddObject(s, object);
  // An entry that went to the end, with no other change on the way (an
  // OnChange handler may have changed the list too), moved no other entry:
  // the built index only grows.
  if (wasIndexed && FChanges == changes + 1 && index == before && Count() == before + 1) {
    FIndexed = true;
    Note(index);
  }
  return index;
}

void THashedStringList::Changed() {
  ++FChanges;
  FIndexed = false;
  TStringList::Changed();
}

}  // namespace plat
