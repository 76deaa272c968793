#pragma once
// TGridItem: one hidden row of the advanced grid, an item of its hidden-row
// collection: the row's real index (Idx), its height when it was hidden
// and its cells (Items: the texts, with each cell's properties object as
// the item's object).
//
// Promises: Items is made empty by the constructor; the item owns the
// objects Items holds and frees them with the list, so a hidden row's cell
// properties leave with the row. A caller that gives the objects back to
// the grid empties their places in Items first. The Idx and Height setters
// only store.
#include <memory>

#include "platform/rtl/StringList.h"
#include "platform/ui/TCollection.h"

namespace zorbit {

class TGridItem : public plat::TCollectionItem {
 public:
  explicit TGridItem(plat::TCollection* Collection);
  ~TGridItem() override;

  int Idx() const { return FIdx; }
  void SetIdx(int Value) { FIdx = Value; }
  int Height() const { return FHeight; }
  void SetHeight(int Value) { FHeight = Value; }
  plat::TStrings* Items() const { return FItems.get(); }

 private:
  int FIdx = 0;
  int FHeight = 0;
  std::unique_ptr<plat::TStringList> FItems;
};

}  // namespace zorbit
