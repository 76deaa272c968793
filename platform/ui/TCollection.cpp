#include "platform/ui/TCollection.h"

#include <algorithm>

#include "platform/rtl/Exception.h"
#include "platform/rtl/RtlConsts.h"

namespace plat {

namespace {

// Holds the collection's updates for a scope, failures included.
class TUpdateScope {
 public:
  explicit TUpdateScope(TCollection& collection) : FCollection(collection) { FCollection.BeginUpdate(); }
  ~TUpdateScope() { FCollection.EndUpdate(); }
  TUpdateScope(const TUpdateScope&) = delete;
  TUpdateScope& operator=(const TUpdateScope&) = delete;

 private:
  TCollection& FCollection;
};

}  // namespace

TCollectionItem::TCollectionItem(TCollection* Collection) {
  if (Collection) {
    Collection->InsertItem(this);
  }
}

TCollectionItem::~TCollectionItem() {
  if (FCollection) {
    TCollection* collection = FCollection;
    collection->RemoveItem(this);
    collection->Changed();
  }
}

void TCollectionItem::SetCollection(TCollection* Value) {
  if (Value == FCollection) {
    return;
  }
  if (TCollection* old = FCollection) {
    old->RemoveItem(this);
    old->Changed();
  }
  if (Value) {
    Value->InsertItem(this);
    Value->Changed();
  }
}

int TCollectionItem::Index() const {
  if (!FCollection) {
    return -1;
  }
  const auto& items = FCollection->FItems;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int Value) {
  const int current = Index();
  if (current < 0 || current == Value) {
    return;
  }
  FCollection->CheckIndex(Value, FCollection->Count() - 1);
  auto& items = FCollection->FItems;
  items.erase(items.begin() + current);
  items.insert(items.begin() + Value, this);
  Changed(true);
}

TPersistent* TCollectionItem::GetOwner() const { return FCollection; }

void TCollectionItem::Changed(bool AllItems) {
  if (FCollection && FCollection->FUpdateCount == 0) {
    FCollection->Update(AllItems ? nullptr : this);
  }
}

TCollection::TCollection(TCollectionItemClass ItemClass) : FItemClass(std::move(ItemClass)) {}

TCollection::~TCollection() {
  // The derived parts are gone: no Update while the items go.
  ++FUpdateCount;
  while (!FItems.empty()) {
    delete FItems.back();
  }
}

TCollectionItem* TCollection::Add() {
  TCollectionItem* item = FItemClass(this);
  Changed();
  return item;
}

TCollectionItem* TCollection::Insert(int Index) {
  CheckIndex(Index, Count());
  TUpdateScope scope(*this);
  TCollectionItem* item = Add();
  item->SetIndex(Index);
  return item;
}

void TCollection::Delete(int Index) { delete Items(Index); }

void TCollection::Clear() {
  if (FItems.empty()) {
    return;
  }
  TUpdateScope scope(*this);
  while (!FItems.empty()) {
    delete FItems.back();
  }
}

void TCollection::DeleteItems(const std::vector<int>& Indexes) {
  for (std::size_t i = 0; i < Indexes.size(); ++i) {
    CheckIndex(Indexes[i], Count() - 1);
    if (i > 0 && Indexes[i] <= Indexes[i - 1]) throw EListError(FmtLoadResString(SListIndexError, {Indexes[i]}));
  }
  if (Indexes.empty()) return;
  TUpdateScope scope(*this);
  std::vector<TCollectionItem*> doomed;
  doomed.reserve(Indexes.size());
  std::size_t next = 0, kept = 0;
  for (std::size_t i = 0; i < FItems.size(); ++i) {
    if (next < Indexes.size() && static_cast<std::size_t>(Indexes[next]) == i) {
      doomed.push_back(FItems[i]);
      ++next;
    } else {
      FItems[kept++] = FItems[i];
    }
  }
  FItems.resize(kept);
  // Out of the list already: their destructors need not look for them.
  for (TCollectionItem* item : doomed) {
    item->FCollection = nullptr;
    delete item;
  }
}

void TCollection::Sort(const std::function<bool(const TCollectionItem*, const TCollectionItem*)>& Less) {
  if (std::is_sorted(FItems.begin(), FItems.end(), Less)) return;
  std::stable_sort(FItems.begin(), FItems.end(), Less);
  Changed();
}

TCollectionItem* TCollection::Items(int Index) const {
  CheckIndex(Index, Count() - 1);
  return FItems[static_cast<std::size_t>(Index)];
}

void TCollection::SetItems(int Index, const TCollectionItem* Value) { Items(Index)->Assign(Value); }

TCollectionItem* TCollection::FindItemID(int ID) const {
  for (TCollectionItem* item : FItems) {
    if (item->FID == ID) {
      return item;
    }
  }
  return nullptr;
}

void TCollection::BeginUpdate() { ++FUpdateCount; }

void TCollection::EndUpdate() {
  if (FUpdateCount == 0) {
    return;
  }
  if (--FUpdateCount == 0) {
    Changed();
  }
}

void TCollection::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TCollection*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  if (source == this) {
    return;
  }
  TUpdateScope scope(*this);
  Clear();
  for (const TCollectionItem* item : source->FItems) {
    Add()->Assign(item);
  }
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Changed() {
  if (FUpdateCount == 0) {
    Update(nullptr);
  }
}

void TCollection::InsertItem(TCollectionItem* Item) {
  FItems.push_back(Item);
  Item->FCollection = this;
  Item->FID = FNextID++;
}

void TCollection::RemoveItem(TCollectionItem* Item) {
  // From the end: clearing takes the last item each time.
  const auto found = std::find(FItems.rbegin(), FItems.rend(), Item);
  if (found != FItems.rend()) {
    FItems.erase(std::next(found).base());
  }
  Item->FCollection = nullptr;
}

void TCollection::CheckIndex(int Index, int Limit) const {
  if (Index < 0 || Index > Limit) {
    throw EListError(FmtLoadResString(SListIndexError, {Index}));
  }
}

}  // namespace plat
