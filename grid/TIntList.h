#pragma once
// A list of integers that tells one handler of its changes. Col and Row are
// fixed at creation and passed with every change, so that a handler shared
// by many lists knows whose list changed.
//
// Replacing an item, Add and Delete fire OnChange after the change; Insert
// and Clear do not. Setting AsText clears the list and adds each
// comma-separated item, firing OnChange per item; an item that is not an
// integer raises EConvertError and leaves the items before it in the list.
// An index outside the list raises EListError.
#include <functional>
#include <vector>

#include "platform/rtl/Object.h"
#include "platform/rtl/Types.h"

namespace zorbit {

using TIntListChangeEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow)>;

class TIntList : public plat::TObject {
 public:
  TIntList(int ACol, int ARow) : FCol(ACol), FRow(ARow) {}

  int Col() const { return FCol; }
  int Row() const { return FRow; }
  int Count() const { return static_cast<int>(FItems.size()); }

  int Item(int Index) const;
  void SetItem(int Index, int Value);
  void Add(int Value);
  void Delete(int Index);
  void Insert(int Index, int Value);
  void Clear() { FItems.clear(); }

  // The items as decimal numbers joined by ",".
  plat::String AsText() const;
  void SetAsText(const plat::String& Value);

  TIntListChangeEvent OnChange;

 private:
  void CheckIndex(int Index, int Limit) const;
  void Changed();

  std::vector<int> FItems;
  int FCol;
  int FRow;
};

}  // namespace zorbit
