#include "platform/rtl/AnsiStringsForWideStrings.h"

#include "platform/rtl/Unicode.h"
#include "platform/rtl/WideStrings.h"

namespace plat {

int TAnsiStringsForWideStrings::Count() const { return FWideStrings.Count(); }

String TAnsiStringsForWideStrings::Strings(int index) const { return WideToAnsi(FWideStrings.Strings(index)); }

void TAnsiStringsForWideStrings::Insert(int index, const String& s) { FWideStrings.Insert(index, AnsiToWide(s)); }

void TAnsiStringsForWideStrings::Delete(int index) { FWideStrings.Delete(index); }

void TAnsiStringsForWideStrings::Clear() { FWideStrings.Clear(); }

TObjectPtr TAnsiStringsForWideStrings::Objects(int index) const { return FWideStrings.Objects(index); }

void TAnsiStringsForWideStrings::SetObjects(int index, TObjectPtr object) { FWideStrings.SetObjects(index, object); }

void TAnsiStringsForWideStrings::SetUpdateState(bool updating) {
  if (updating)
    FWideStrings.BeginUpdate();
  else
    FWideStrings.EndUpdate();
}

}  // namespace plat
