#include "grid/TComboBoxStrings.h"

#include "platform/rtl/Unicode.h"
#include "platform/ui/TCustomComboBox.h"

namespace zorbit {

int TComboBoxStrings::Add(const plat::WideString& S) { return FComboBox.Items()->Add(plat::WideToAnsi(S)); }

void TComboBoxStrings::Clear() { FComboBox.Items()->Clear(); }

void TComboBoxStrings::Delete(int Index) { FComboBox.Items()->Delete(Index); }

int TComboBoxStrings::IndexOf(const plat::WideString& S) const {
  return FComboBox.Items()->IndexOf(plat::WideToAnsi(S));
}

void TComboBoxStrings::Insert(int Index, const plat::WideString& S) {
  FComboBox.Items()->Insert(Index, plat::WideToAnsi(S));
}

plat::WideString TComboBoxStrings::Get(int Index) const { return plat::AnsiToWide(FComboBox.Items()->Strings(Index)); }

int TComboBoxStrings::GetCount() const { return FComboBox.Items()->Count(); }

plat::TObjectPtr TComboBoxStrings::GetObject(int Index) const { return FComboBox.Items()->Objects(Index); }

void TComboBoxStrings::PutObject(int Index, plat::TObjectPtr Obj) { FComboBox.Items()->SetObjects(Index, Obj); }

void TComboBoxStrings::SetUpdateState(bool Updating) {
  if (Updating) {
    FComboBox.Items()->BeginUpdate();
  } else {
    FComboBox.Items()->EndUpdate();
  }
}

}  // namespace zorbit
