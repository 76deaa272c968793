#pragma once
// TComboBoxStrings (the Unicode editors' own, not the class library's): a
// combo box's items as a TWideStrings. The box is referenced, not owned;
// every operation goes to the box's items (the class library's item list,
// its CB_* messages), converting between UTF-16 and the items' UTF-8,
// which holds every character, so what is added reads back the same (an
// unpaired surrogate, which has no UTF-8 form, reads as U+FFFD).
//
// An item the box refuses raises EOutOfResources ("Unable to insert a
// line"); an index outside the items raises EListError. IndexOf finds the
// first item equal without regard to case. Clear keeps the text of an
// editable box.
#include "platform/rtl/WideStrings.h"

namespace plat {
class TCustomComboBox;
}

namespace zorbit {

class TComboBoxStrings : public plat::TWideStrings {
 public:
  explicit TComboBoxStrings(plat::TCustomComboBox& ComboBox) : FComboBox(ComboBox) {}

  int Add(const plat::WideString& S) override;
  void Clear() override;
  void Delete(int Index) override;
  int IndexOf(const plat::WideString& S) const override;
  void Insert(int Index, const plat::WideString& S) override;

 protected:
  plat::WideString Get(int Index) const override;
  int GetCount() const override;
  plat::TObjectPtr GetObject(int Index) const override;
  void PutObject(int Index, plat::TObjectPtr Obj) override;
  void SetUpdateState(bool Updating) override;

 private:
  plat::TCustomComboBox& FComboBox;
};

}  // namespace zorbit
