#include "grid/TIntList.h"

#include "platform/rtl/Conversions.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/RtlConsts.h"

namespace zorbit {

void TIntList::CheckIndex(int Index, int Limit) const {
  if (Index < 0 || Index >= Limit) throw plat::EListError(plat::FmtLoadResString(plat::SListIndexError, {Index}));
}

void TIntList::Changed() {
  if (OnChange) OnChange(this, FCol, FRow);
}

int TIntList::Item(int Index) const {
  CheckIndex(Index, Count());
  return FItems[static_cast<size_t>(Index)];
}

void TIntList::SetItem(int Index, int Value) {
  CheckIndex(Index, Count());
  FItems[static_cast<size_t>(Index)] = Value;
  Changed();
}

void TIntList::Add(int Value) {
  FItems.push_back(Value);
  Changed();
}

void TIntList::Delete(int Index) {
  CheckIndex(Index, Count());
  FItems.erase(FItems.begin() + Index);
  Changed();
}

void TIntList::Insert(int Index, int Value) {
  // Inserting at the end appends.
  CheckIndex(Index, Count() + 1);
  FItems.insert(FItems.begin() + Index, Value);
}

plat::String TIntList::AsText() const {
  plat::String text;
  for (size_t i = 0; i < FItems.size(); ++i) {
    if (i > 0) text += ',';
    text += plat::IntToStr(FItems[i]);
  }
  return text;
}

void TIntList::SetAsText(const plat::String& Value) {
  Clear();
  if (Value.empty()) return;
  size_t start = 0;
  for (;;) {
    const size_t comma = Value.find(',', start);
    Add(plat::StrToInt(Value.substr(start, comma == plat::String::npos ? plat::String::npos : comma - start)));
    if (comma == plat::String::npos) return;
    start = comma + 1;
  }
}

}  // namespace zorbit
