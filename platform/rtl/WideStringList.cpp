#include "platform/rtl/WideStringList.h"

#include "platform/rtl/Exception.h"
#include "platform/rtl/RtlConsts.h"

namespace plat {

void TWideStringList::CheckIndex(int Index) const {
  if (Index < 0 || Index >= Count()) throw EStringListError(FmtLoadResString(SListIndexError, {Index}));
}

WideString TWideStringList::Get(int Index) const {
  CheckIndex(Index);
  return FList[static_cast<std::size_t>(Index)].FString;
}

void TWideStringList::Put(int Index, const WideString& S) {
  CheckIndex(Index);
  FList[static_cast<std::size_t>(Index)].FString = S;
}

TObjectPtr TWideStringList::GetObject(int Index) const {
  CheckIndex(Index);
  return FList[static_cast<std::size_t>(Index)].FObject;
}

void TWideStringList::PutObject(int Index, TObjectPtr Obj) {
  CheckIndex(Index);
  FList[static_cast<std::size_t>(Index)].FObject = Obj;
}

int TWideStringList::GetCapacity() const { return static_cast<int>(FList.capacity()); }

void TWideStringList::SetCapacity(int NewCapacity) {
  if (NewCapacity > 0) FList.reserve(static_cast<std::size_t>(NewCapacity));
}

void TWideStringList::Clear() { FList.clear(); }

void TWideStringList::Delete(int Index) {
  CheckIndex(Index);
  FList.erase(FList.begin() + Index);
}

void TWideStringList::Insert(int Index, const WideString& S) {
  if (Index < 0 || Index > Count()) throw EStringListError(FmtLoadResString(SListIndexError, {Index}));
  FList.insert(FList.begin() + Index, TWideStringItem{S, nullptr});
}

}  // namespace plat
