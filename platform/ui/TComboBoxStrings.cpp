#include "platform/ui/TComboBoxStrings.h"

#include <algorithm>

#include "platform/ui/TCustomComboBox.h"
#include "platform/ui/UiConsts.h"

namespace plat {

int TComboBoxStrings::Count() const { return static_cast<int>(FComboBox->Perform(CB_GETCOUNT, 0, 0)); }

String TComboBoxStrings::Strings(int Index) const {
  const LRESULT length = FComboBox->Perform(CB_GETLBTEXTLEN, static_cast<WPARAM>(Index), 0);
  if (length < 0) ListIndexError(Index);
  String text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied =
      FComboBox->Perform(CB_GETLBTEXT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::clamp<LRESULT>(copied, 0, length)));
  return text;
}

void TComboBoxStrings::SetStrings(int Index, const String& S) {
  const TObjectPtr object = Objects(Index);
  const int selected = FComboBox->ItemIndex();
  Delete(Index);
  InsertObject(Index, S, object);
  FComboBox->SetItemIndex(selected);
}

TObjectPtr TComboBoxStrings::Objects(int Index) const {
  CheckIndex(Index);
  return reinterpret_cast<TObjectPtr>(FComboBox->Perform(CB_GETITEMDATA, static_cast<WPARAM>(Index), 0));
}

void TComboBoxStrings::SetObjects(int Index, TObjectPtr Object) {
  CheckIndex(Index);
  FComboBox->Perform(CB_SETITEMDATA, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(Object));
}

int TComboBoxStrings::Add(const String& S) {
  const LRESULT index = FComboBox->Perform(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(S.c_str()));
  if (index < 0) throw EOutOfResources(LoadResString(SInsertLineError));
  return static_cast<int>(index);
}

int TComboBoxStrings::AddObject(const String& S, TObjectPtr Object) {
  const int index = Add(S);
  SetObjects(index, Object);
  return index;
}

void TComboBoxStrings::Insert(int Index, const String& S) {
  if (Index < 0 || Index > Count()) ListIndexError(Index);
  if (FComboBox->Perform(CB_INSERTSTRING, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(S.c_str())) < 0)
    throw EOutOfResources(LoadResString(SInsertLineError));
}

void TComboBoxStrings::Delete(int Index) {
  if (FComboBox->Perform(CB_DELETESTRING, static_cast<WPARAM>(Index), 0) < 0) ListIndexError(Index);
}

void TComboBoxStrings::Clear() {
  const String text = FComboBox->Text();
  FComboBox->Perform(CB_RESETCONTENT, 0, 0);
  FComboBox->SetText(text);
}

int TComboBoxStrings::IndexOf(const String& S) const {
  return static_cast<int>(
      FComboBox->Perform(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(S.c_str())));
}

void TComboBoxStrings::SetUpdateState(bool Updating) {
  FComboBox->Perform(WM_SETREDRAW, Updating ? FALSE : TRUE, 0);
  if (!Updating) FComboBox->Invalidate();
}

void TComboBoxStrings::CheckIndex(int Index) const {
  if (Index < 0 || Index >= Count()) ListIndexError(Index);
}

}  // namespace plat
