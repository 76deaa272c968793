#pragma once
// TStrings, the abstract list of texts with an object slot per entry, and
// TStringList, the list that keeps them.
//
// Comma text: splitting skips leading characters with codes 1 to 32; an item
// starting with the quote character runs to the closing quote or, unclosed, to
// the end (doubled quotes stand for one, the outer quotes are dropped); any
// other item ends at the delimiter or at a character with a code from 0 to 32.
// After an item, characters with codes 1 to 32 are skipped, then a delimiter
// with the codes 1 to 32 after it; the next item starts at whatever comes next,
// so "a"b and a b are two items each. A delimiter that ends the text adds one
// empty item; a NUL ends the text. Joining quotes items holding a character
// with a code from 1 to 32, the quote or the delimiter, and writes a list of
// one empty item as "".
//
// Name=value: an entry's name is the text before its first separator; the
// first entry whose name matches (without case by default) wins.
#include <functional>
#include <vector>

#include "platform/rtl/Object.h"
#include "platform/rtl/Types.h"

namespace plat {

class TStream;

using TObjectPtr = TObject*;

class TStrings : public TObject {
 public:
  TStrings() = default;
  TStrings(const TStrings&) = delete;
  TStrings& operator=(const TStrings&) = delete;
  ~TStrings() override = default;

  // The primitives a descendant provides.
  virtual int Count() const = 0;
  virtual String Strings(int index) const = 0;
  virtual void Insert(int index, const String& s) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  // Descendants without objects keep these defaults (none stored).
  virtual TObjectPtr Objects(int index) const;
  virtual void SetObjects(int index, TObjectPtr object);
  // Default: replaces the entry keeping its object.
  virtual void SetStrings(int index, const String& s);

  virtual int Add(const String& s);
  virtual int AddObject(const String& s, TObjectPtr object);
  virtual void InsertObject(int index, const String& s, TObjectPtr object);
  virtual void AddStrings(const TStrings& strings);
  virtual void Assign(const TStrings& source);
  virtual void Exchange(int index1, int index2);
  void Move(int curIndex, int newIndex);
  bool Equals(const TStrings& other) const;

  virtual int IndexOf(const String& s) const;
  virtual int IndexOfName(const String& name) const;
  int IndexOfObject(TObjectPtr object) const;

  String Names(int index) const;
  String ValueFromIndex(int index) const;
  void SetValueFromIndex(int index, const String& value);
  String Values(const String& name) const;
  void SetValues(const String& name, const String& value);

  String CommaText() const;
  void SetCommaText(const String& text);
  String DelimitedText() const;
  void SetDelimitedText(const String& text);
  char Delimiter() const { return FDelimiter; }
  void SetDelimiter(char c) { FDelimiter = c; }
  char QuoteChar() const { return FQuoteChar; }
  void SetQuoteChar(char c) { FQuoteChar = c; }
  char NameValueSeparator() const { return FNameValueSeparator; }
  void SetNameValueSeparator(char c) { FNameValueSeparator = c; }

  // Every entry followed by CR LF.
  virtual String Text() const;
  // Splits at CR LF, LF or CR.
  virtual void SetText(const String& text);

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  // Reads the whole file or stream as text; a UTF-8 byte-order mark is dropped.
  virtual void LoadFromFile(const String& fileName);
  virtual void LoadFromStream(TStream& stream);
  virtual void SaveToFile(const String& fileName) const;
  virtual void SaveToStream(TStream& stream) const;

 protected:
  // Called by BeginUpdate/EndUpdate when the update count leaves or reaches 0.
  virtual void SetUpdateState(bool updating);
  // Name comparison of IndexOfName (default: without case).
  virtual int CompareStrings(const String& a, const String& b) const;
  // Index check for descendants: raises EStringListError "List index out of bounds (%d)".
  [[noreturn]] static void ListIndexError(int index);

 private:
  String GetDelimited(char delimiter, char quote) const;
  void SetDelimited(const String& text, char delimiter, char quote);

  char FDelimiter = ',';
  char FQuoteChar = '"';
  char FNameValueSeparator = '=';
  int FUpdateCount = 0;
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };
using TDuplicates::dupAccept;
using TDuplicates::dupError;
using TDuplicates::dupIgnore;

class TStringList;
// Negative when the first entry sorts before the second.
using TStringListSortCompare = std::function<int(TStringList& list, int index1, int index2)>;

class TStringList : public TStrings {
 public:
  TStringList() = default;

  int Count() const override { return static_cast<int>(FList.size()); }
  String Strings(int index) const override;
  void SetStrings(int index, const String& s) override;
  TObjectPtr Objects(int index) const override;
  void SetObjects(int index, TObjectPtr object) override;

  int Add(const String& s) override;
  int AddObject(const String& s, TObjectPtr object) override;
  void Insert(int index, const String& s) override;
  void InsertObject(int index, const String& s, TObjectPtr object) override;
  void Delete(int index) override;
  void Clear() override;
  void Exchange(int index1, int index2) override;
  void Assign(const TStrings& source) override;

  int IndexOf(const String& s) const override;
  // Binary search of a sorted list: true when found; index gets the position
  // of the match or where s would be inserted.
  virtual bool Find(const String& s, int& index) const;
  virtual void Sort();
  virtual void CustomSort(const TStringListSortCompare& compare);

  bool Sorted() const { return FSorted; }
  void SetSorted(bool value);
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates value) { FDuplicates = value; }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool value);

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  void SetUpdateState(bool updating) override;
  int CompareStrings(const String& a, const String& b) const override;
  virtual void Changed();
  virtual void Changing();

 private:
  struct TStringItem {
    String FString;
    TObjectPtr FObject = nullptr;
  };
  void CheckIndex(int index) const;
  void InsertItem(int index, const String& s, TObjectPtr object);

  std::vector<TStringItem> FList;
  bool FSorted = false;
  bool FCaseSensitive = false;
  TDuplicates FDuplicates = dupIgnore;
};

}  // namespace plat
