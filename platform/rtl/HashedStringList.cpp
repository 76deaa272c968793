#include "platform/rtl/HashedStringList.h"

#include "platform/rtl/StringUtils.h"

namespace plat {

String THashedStringList::KeyOf(const String& text) const {
  // Equal keys exactly when CompareStrings finds the texts equal.
  return CaseSensitive() ? text : AnsiLowerCase(text);
}

void THashedStringList::NoteValue(int index) const { FValues.First.try_emplace(KeyOf(Strings(index)), index); }

void THashedStringList::NoteName(int index) const {
  const String entry = Strings(index);
  const std::size_t separator = entry.find(NameValueSeparator());
  if (separator != String::npos) FNames.First.try_emplace(KeyOf(entry.substr(0, separator)), index);
}

void THashedStringList::Build(TIndex& index, void (THashedStringList::*Note)(int) const) const {
  if (Current(index)) return;
  index.First.clear();
  const int count = Count();
  for (int i = 0; i < count; ++i) (this->*Note)(i);
  index.Built = true;
  index.CaseSensitive = CaseSensitive();
}

int THashedStringList::IndexOf(const String& s) const {
  if (Sorted()) return TStringList::IndexOf(s);
  Build(FValues, &THashedStringList::NoteValue);
  const auto found = FValues.First.find(KeyOf(s));
  return found == FValues.First.end() ? -1 : found->second;
}

int THashedStringList::IndexOfName(const String& name) const {
  Build(FNames, &THashedStringList::NoteName);
  const auto found = FNames.First.find(KeyOf(name));
  return found == FNames.First.end() ? -1 : found->second;
}

int THashedStringList::AddObject(const String& s, TObjectPtr object) {
  const int before = Count();
  const bool valuesCurrent = Current(FValues);
  const bool namesCurrent = Current(FNames);
  const std::uint64_t changes = FChanges;
  const int index = TStringList::AddObject(s, object);
  // An entry that went to the end, with no other change on the way (an
  // OnChange handler may have changed the list too), moved no other entry:
  // a built index only grows.
  if (FChanges == changes + 1 && index == before && Count() == before + 1) {
    if (valuesCurrent) {
      FValues.Built = true;
      NoteValue(index);
    }
    if (namesCurrent) {
      FNames.Built = true;
      NoteName(index);
    }
  }
  return index;
}

void THashedStringList::Changed() {
  ++FChanges;
  FValues.Built = false;
  FNames.Built = false;
  TStringList::Changed();
}

}  // namespace plat
