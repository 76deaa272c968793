#pragma once
// The items of a combo box as a string list: every access is a CB_*
// message to the box, so that a class hooking the box's WindowProc sees
// every change. The box is referenced, not owned. An item the box refuses
// raises EOutOfResources ("Unable to insert a line"); an index outside the
// items raises EListError.
#include "platform/rtl/Exception.h"
#include "platform/rtl/StringList.h"

namespace plat {

class TCustomComboBox;

class TComboBoxStrings : public TStrings {
 public:
  explicit TComboBoxStrings(TCustomComboBox* ComboBox) : FComboBox(ComboBox) {}

  int Count() const override;
  String Strings(int Index) const override;
  // The item keeps its object, and the box its selection.
  void SetStrings(int Index, const String& S) override;
  TObjectPtr Objects(int Index) const override;
  void SetObjects(int Index, TObjectPtr Object) override;
  int Add(const String& S) override;
  int AddObject(const String& S, TObjectPtr Object) override;
  void Insert(int Index, const String& S) override;
  void Delete(int Index) override;
  // The text of an editable box stays.
  void Clear() override;
  // The first item equal to S, without regard to case (CB_FINDSTRINGEXACT).
  int IndexOf(const String& S) const override;

 protected:
  void SetUpdateState(bool Updating) override;

 private:
  void CheckIndex(int Index) const;

  TCustomComboBox* FComboBox;
};

}  // namespace plat
