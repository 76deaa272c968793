#pragma once
// TWideStrings, the abstract list of UTF-16 texts with an object slot per
// entry, the wide counterpart of TStrings. A descendant provides Get,
// GetCount, Insert, Delete and Clear (and, to keep objects, GetObject and
// PutObject); everything else is built on them here.
//
// Text: Text() is every entry followed by CR LF. SetText cuts at NUL, LF,
// VT, FF, CR, U+2028 and U+2029, CR LF counting as one break; a break at the
// very end adds no empty entry. IndexOf compares without case for the list's
// Language (the user's locale at creation); Equals compares exactly.
//
// AnsiStrings() is a TStrings view of the same entries in UTF-8 (the ANSI
// code page): reading converts, inserting converts back. An unpaired
// surrogate has no UTF-8 form and reads there as U+FFFD.
//
// Assigning a list to itself, or to or from its own ANSI view, leaves it as
// it is; adding a list to itself adds each entry once. Move checks both
// indexes before the entry leaves. Every change of several steps runs in
// one update bracket, closed also when a step fails.
#include <memory>

#include "platform/rtl/LocaleIds.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Types.h"

namespace plat {

class TAnsiStringsForWideStrings;

class TWideStrings : public TObject {
 public:
  TWideStrings();
  TWideStrings(const TWideStrings&) = delete;
  TWideStrings& operator=(const TWideStrings&) = delete;
  ~TWideStrings() override;

  // The entries, their objects and their number.
  WideString Strings(int Index) const { return Get(Index); }
  void SetStrings(int Index, const WideString& S) { Put(Index, S); }
  TObjectPtr Objects(int Index) const { return GetObject(Index); }
  void SetObjects(int Index, TObjectPtr Obj) { PutObject(Index, Obj); }
  int Count() const { return GetCount(); }
  int Capacity() const { return GetCapacity(); }
  virtual void SetCapacity(int NewCapacity);

  WideString Text() const { return GetTextStr(); }
  void SetText(const WideString& Value) { SetTextStr(Value); }
  // A zero-terminated text (null: empty).
  void SetText(const char16_t* Value);

  LCID Language() const { return FLanguage; }
  virtual void SetLanguage(LCID Locale);

  // The ANSI view of this list; assigning to it replaces this list's entries.
  TAnsiStringsForWideStrings& AnsiStrings() const { return *FAnsiStrings; }
  void SetAnsiStrings(const TStrings& Value);

  virtual int Add(const WideString& S);
  virtual int AddObject(const WideString& S, TObjectPtr Obj);
  virtual void AddStrings(const TStrings& Strings);
  virtual void AddStrings(const TWideStrings& Strings);
  virtual void Clear() = 0;
  virtual void Delete(int Index) = 0;
  virtual void Exchange(int Index1, int Index2);
  virtual int IndexOf(const WideString& S) const;
  virtual void Insert(int Index, const WideString& S) = 0;
  virtual void Move(int CurIndex, int NewIndex);

  // Replaces the entries and objects with Source's (converted to UTF-16).
  void Assign(const TWideStrings& Source);
  void Assign(const TStrings& Source);
  // Replaces Dest's entries and objects with this list's (converted to UTF-8).
  void AssignTo(TStrings& Dest) const;
  // Same count and every entry equal, case counting.
  bool Equals(const TWideStrings& Strings) const;

  void BeginUpdate();
  void EndUpdate();

 protected:
  virtual WideString Get(int Index) const = 0;
  virtual int GetCapacity() const;
  virtual int GetCount() const = 0;
  // Descendants without objects keep these: none stored.
  virtual TObjectPtr GetObject(int Index) const;
  virtual void PutObject(int Index, TObjectPtr Obj);
  virtual WideString GetTextStr() const;
  // Default: replaces the entry keeping its object.
  virtual void Put(int Index, const WideString& S);
  virtual void SetTextStr(const WideString& Value);
  // Called when the update count leaves or returns to 0.
  virtual void SetUpdateState(bool Updating);

 private:
  bool IsOwnView(const TStrings& Strings) const;

  int FUpdateCount = 0;
  LCID FLanguage;
  std::unique_ptr<TAnsiStringsForWideStrings> FAnsiStrings;
};

}  // namespace plat
