#pragma once
// The undo recorder: a component that keeps the committed cell edits of
// the grid linked to it (cell, text before, text after), oldest first.
// MaxLevel above 0 caps the records: the oldest are dropped while the count
// is at or above it (a lowered MaxLevel takes effect at the next change);
// 0 or less keeps all. Nothing plays the records back. The recorder and its
// grid hear of each other's deletion, whoever owns them.
#include <memory>

#include "platform/ui/TCollection.h"
#include "platform/ui/TComponent.h"
#include "platform/ui/TComponentRef.h"

namespace zorbit {

class TBaseGrid;

class TUndoRedoItem : public plat::TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;

  const plat::String& Value() const { return FValue; }
  void SetValue(const plat::String& Value) { FValue = Value; }
  const plat::String& OrigValue() const { return FOrigValue; }
  void SetOrigValue(const plat::String& Value) { FOrigValue = Value; }
  int Col() const { return FCol; }
  void SetCol(int Value) { FCol = Value; }
  int Row() const { return FRow; }
  void SetRow(int Value) { FRow = Value; }

 private:
  int FRow = 0;
  int FCol = 0;
  plat::String FValue;      // the new text
  plat::String FOrigValue;  // the text before the change
};

class TUndoRedoCollection : public plat::TCollection {
 public:
  TUndoRedoCollection() : TCollection(plat::CollectionItemClass<TUndoRedoItem>()) {}
  TUndoRedoItem* Items(int Index) const { return static_cast<TUndoRedoItem*>(TCollection::Items(Index)); }
};

class TExtGridUndoRedo : public plat::TComponent {
 public:
  explicit TExtGridUndoRedo(plat::TComponent* AOwner);
  ~TExtGridUndoRedo() override;

  TUndoRedoCollection* Items() const { return FItems.get(); }
  TBaseGrid* Grid() const { return FGrid; }
  // Links the recorder to a grid (the grid's SetUndoRedo calls it).
  void SetGrid(TBaseGrid* Value);
  // The number of records after the last change.
  int Level() const { return FLevel; }
  int MaxLevel() const { return FMaxLevel; }
  void SetMaxLevel(int Value) { FMaxLevel = Value; }

  // Records one committed edit.
  virtual void AddChange(int ACol, int ARow, const plat::String& OrigValue, const plat::String& Value);

 private:
  std::unique_ptr<TUndoRedoCollection> FItems;
  plat::TComponentRef<TBaseGrid> FGrid;
  int FLevel = 0;
  int FMaxLevel = 0;
};

}  // namespace zorbit
