#pragma once
// Collections: ordered lists of items of one class that the collection
// creates, owns and deletes (a grid's columns, a title bar's buttons).
// Every change ends in Update, which an owner overrides to follow it.
#include <functional>
#include <utility>
#include <vector>

#include "platform/ui/TPersistent.h"

namespace plat {

class TCollection;

class TCollectionItem : public TPersistent {
 public:
  // Joins Collection (when given) at its end, without telling it: Add and
  // Insert tell it once the item is whole.
  explicit TCollectionItem(TCollection* Collection);
  // Leaves the collection, which then hears of the change.
  ~TCollectionItem() override;

  TCollection* Collection() const { return FCollection; }
  // Moves the item to the end of Value (or out of any collection).
  void SetCollection(TCollection* Value);
  // A number unique in the collection, kept when the item moves inside it.
  int ID() const { return FID; }
  // The position in the collection; -1 outside one.
  int Index() const;
  // Moves the item to position Value; EListError when Value lies outside the list.
  virtual void SetIndex(int Value);
  TPersistent* GetOwner() const override;

 protected:
  // Tells the collection that this item (AllItems: every item) changed.
  void Changed(bool AllItems);

 private:
  friend class TCollection;

  TCollection* FCollection = nullptr;
  int FID = 0;
};

// Makes one item of the collection's class, joined to the collection.
using TCollectionItemClass = std::function<TCollectionItem*(TCollection* Collection)>;

template <typename TItem>
TCollectionItemClass CollectionItemClass() {
  return [](TCollection* collection) -> TCollectionItem* { return new TItem(collection); };
}

class TCollection : public TPersistent {
 public:
  explicit TCollection(TCollectionItemClass ItemClass);
  ~TCollection() override;

  // A new item at the end.
  TCollectionItem* Add();
  // A new item at Index (0..Count()); EListError outside.
  TCollectionItem* Insert(int Index);
  // Deletes the item at Index; EListError outside the list.
  void Delete(int Index);
  void Clear();
  // Deletes the items at Indexes (ascending, no repeats, each inside the
  // list) in one pass and one change; EListError for a bad list, deleting
  // nothing.
  void DeleteItems(const std::vector<int>& Indexes);
  // Orders the items by Less, keeping the order of equal ones; one change.
  // A list already in order is only checked.
  void Sort(const std::function<bool(const TCollectionItem* A, const TCollectionItem* B)>& Less);
  int Count() const { return static_cast<int>(FItems.size()); }
  // EListError for an index outside the list.
  TCollectionItem* Items(int Index) const;
  // Assigns Value to the item at Index.
  void SetItems(int Index, const TCollectionItem* Value);
  // The item with that ID, or nullptr.
  TCollectionItem* FindItemID(int ID) const;

  // Changes between BeginUpdate and the matching EndUpdate end in one Update.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  // Copies the items of another collection: clears this one and adds one
  // item per source item, assigned from it.
  void Assign(const TPersistent* Source) override;

 protected:
  // Called after each change outside BeginUpdate/EndUpdate: Item is the one
  // item that changed, or nullptr when the list or several items did. The
  // default does nothing.
  virtual void Update(TCollectionItem* Item);
  // Update(nullptr) unless updates are held.
  void Changed();

 private:
  friend class TCollectionItem;

  void InsertItem(TCollectionItem* Item);
  void RemoveItem(TCollectionItem* Item);
  void CheckIndex(int Index, int Limit) const;

  TCollectionItemClass FItemClass;
  std::vector<TCollectionItem*> FItems;
  int FNextID = 0;
  int FUpdateCount = 0;
};

// A collection that belongs to an object, which GetOwner reports.
class TOwnedCollection : public TCollection {
 public:
  TOwnedCollection(TPersistent* AOwner, TCollectionItemClass ItemClass)
      : TCollection(std::move(ItemClass)), FOwner(AOwner) {}
  TPersistent* GetOwner() const override { return FOwner; }

 private:
  TPersistent* FOwner;
};

}  // namespace plat
