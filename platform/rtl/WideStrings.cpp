#include "platform/rtl/WideStrings.h"

#include <string>

#include "platform/rtl/AnsiStringsForWideStrings.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/RtlConsts.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Unicode.h"
#include "platform/rtl/WideCompare.h"

namespace plat {

namespace {

bool IsLineBreak(char16_t c) {
  return c == u'\0' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r' || c == u'\u2028' || c == u'\u2029';
}

void CheckIndex(int Index, int Count) {
  if (Index < 0 || Index >= Count) throw EStringListError(FmtLoadResString(SListIndexError, {Index}));
}

}  // namespace

TWideStrings::TWideStrings()
    : FLanguage(GetUserDefaultLCID()), FAnsiStrings(std::make_unique<TAnsiStringsForWideStrings>(*this)) {}

TWideStrings::~TWideStrings() = default;

void TWideStrings::BeginUpdate() {
  if (FUpdateCount++ == 0) SetUpdateState(true);
}

void TWideStrings::EndUpdate() {
  if (--FUpdateCount == 0) SetUpdateState(false);
}

void TWideStrings::SetUpdateState(bool) {}

void TWideStrings::SetCapacity(int) {}

int TWideStrings::GetCapacity() const { return Count(); }

void TWideStrings::SetLanguage(LCID Locale) { FLanguage = Locale; }

TObjectPtr TWideStrings::GetObject(int Index) const {
  CheckIndex(Index, Count());
  return nullptr;
}

void TWideStrings::PutObject(int Index, TObjectPtr) { CheckIndex(Index, Count()); }

void TWideStrings::Put(int Index, const WideString& S) {
  BeginUpdate();
  const ScopeExit updated([this] { EndUpdate(); });
  TObjectPtr object = GetObject(Index);
  Delete(Index);
  Insert(Index, S);
  PutObject(Index, object);
}

WideString TWideStrings::GetTextStr() const {
  WideString text;
  const int count = Count();
  for (int i = 0; i < count; ++i) {
    text += Get(i);
    text += u"\r\n";
  }
  return text;
}

void TWideStrings::SetTextStr(const WideString& Value) {
  BeginUpdate();
  const ScopeExit updated([this] { EndUpdate(); });
  Clear();
  std::size_t start = 0;
  while (start < Value.size()) {
    std::size_t end = start;
    while (end < Value.size() && !IsLineBreak(Value[end])) ++end;
    Add(Value.substr(start, end - start));
    if (end < Value.size() && Value[end] == u'\r' && end + 1 < Value.size() && Value[end + 1] == u'\n') ++end;
    start = end + 1;
  }
}

void TWideStrings::SetText(const char16_t* Value) { SetTextStr(Value ? WideString(Value) : WideString()); }

void TWideStrings::SetAnsiStrings(const TStrings& Value) { FAnsiStrings->Assign(Value); }

int TWideStrings::Add(const WideString& S) {
  const int index = Count();
  Insert(index, S);
  return index;
}

int TWideStrings::AddObject(const WideString& S, TObjectPtr Obj) {
  const int index = Add(S);
  PutObject(index, Obj);
  return index;
}

void TWideStrings::AddStrings(const TStrings& Strings) {
  BeginUpdate();
  const ScopeExit updated([this] { EndUpdate(); });
  // Counted first: the source may be this list's own view.
  const int count = Strings.Count();
  for (int i = 0; i < count; ++i) AddObject(AnsiToWide(Strings.Strings(i)), Strings.Objects(i));
}

void TWideStrings::AddStrings(const TWideStrings& Strings) {
  BeginUpdate();
  const ScopeExit updated([this] { EndUpdate(); });
  // Counted first: the source may be this list.
  const int count = Strings.Count();
  for (int i = 0; i < count; ++i) AddObject(Strings.Get(i), Strings.GetObject(i));
}

void TWideStrings::Exchange(int Index1, int Index2) {
  BeginUpdate();
  const ScopeExit updated([this] { EndUpdate(); });
  const WideString s1 = Get(Index1);
  const TObjectPtr object1 = GetObject(Index1);
  Put(Index1, Get(Index2));
  PutObject(Index1, GetObject(Index2));
  Put(Index2, s1);
  PutObject(Index2, object1);
}

int TWideStrings::IndexOf(const WideString& S) const {
  const int count = Count();
  for (int i = 0; i < count; ++i)
    if (CompareTextWinNT(Get(i), S, FLanguage) == 0) return i;
  return -1;
}

void TWideStrings::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  BeginUpdate();
  const ScopeExit updated([this] { EndUpdate(); });
  const WideString s = Get(CurIndex);
  const TObjectPtr object = GetObject(CurIndex);
  // Checked before the entry leaves, so that a bad target loses nothing.
  CheckIndex(NewIndex, Count());
  Delete(CurIndex);
  Insert(NewIndex, s);
  PutObject(NewIndex, object);
}

void TWideStrings::Assign(const TWideStrings& Source) {
  if (&Source == this) return;
  BeginUpdate();
  const ScopeExit updated([this] { EndUpdate(); });
  Clear();
  AddStrings(Source);
}

void TWideStrings::Assign(const TStrings& Source) {
  if (IsOwnView(Source)) return;
  BeginUpdate();
  const ScopeExit updated([this] { EndUpdate(); });
  Clear();
  AddStrings(Source);
}

void TWideStrings::AssignTo(TStrings& Dest) const {
  if (IsOwnView(Dest)) return;
  Dest.BeginUpdate();
  const ScopeExit updated([&Dest] { Dest.EndUpdate(); });
  Dest.Clear();
  const int count = Count();
  for (int i = 0; i < count; ++i) Dest.AddObject(WideToAnsi(Get(i)), GetObject(i));
}

bool TWideStrings::Equals(const TWideStrings& Strings) const {
  const int count = Count();
  if (count != Strings.Count()) return false;
  for (int i = 0; i < count; ++i)
    if (Get(i) != Strings.Get(i)) return false;
  return true;
}

bool TWideStrings::IsOwnView(const TStrings& Strings) const { return &Strings == FAnsiStrings.get(); }

}  // namespace plat
