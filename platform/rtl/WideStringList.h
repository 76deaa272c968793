#pragma once
// TWideStringList, the TWideStrings that keeps its entries and objects in
// order (no sorting). Indexes out of range raise EStringListError
// "List index out of bounds (%d)"; Insert takes 0..Count.
#include <vector>

#include "platform/rtl/WideStrings.h"

namespace plat {

class TWideStringList : public TWideStrings {
 public:
  TWideStringList() = default;

  void Clear() override;
  void Delete(int Index) override;
  void Insert(int Index, const WideString& S) override;
  void SetCapacity(int NewCapacity) override;

 protected:
  WideString Get(int Index) const override;
  int GetCapacity() const override;
  int GetCount() const override { return static_cast<int>(FList.size()); }
  TObjectPtr GetObject(int Index) const override;
  void PutObject(int Index, TObjectPtr Obj) override;
  void Put(int Index, const WideString& S) override;

 private:
  struct TWideStringItem {
    WideString FString;
    TObjectPtr FObject = nullptr;
  };
  void CheckIndex(int Index) const;

  std::vector<TWideStringItem> FList;
};

}  // namespace plat
