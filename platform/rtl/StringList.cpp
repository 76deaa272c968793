#include "platform/rtl/StringList.h"

#include <algorithm>
#include <numeric>

#include "platform/rtl/Exception.h"
#include "platform/rtl/RtlConsts.h"
#include "platform/rtl/StringUtils.h"
#include "platform/rtl/Streams.h"

namespace plat {

namespace {

bool IsSkippedBlank(char c) { return c >= 1 && c <= ' '; }

// Closes an update bracket also when the work in it fails.
class TUpdateScope {
 public:
  explicit TUpdateScope(TStrings& strings) : FStrings(strings) { FStrings.BeginUpdate(); }
  ~TUpdateScope() { FStrings.EndUpdate(); }
  TUpdateScope(const TUpdateScope&) = delete;
  TUpdateScope& operator=(const TUpdateScope&) = delete;

 private:
  TStrings& FStrings;
};

}  // namespace

// --- TStrings --------------------------------------------------------------

void TStrings::ListIndexError(int index) { throw EStringListError(FmtLoadResString(SListIndexError, {index})); }

TObjectPtr TStrings::Objects(int index) const {
  if (index < 0 || index >= Count()) {
    ListIndexError(index);
  }
  return nullptr;
}

void TStrings::SetObjects(int index, TObjectPtr) {
  if (index < 0 || index >= Count()) {
    ListIndexError(index);
  }
}

void TStrings::SetStrings(int index, const String& s) {
  TUpdateScope update(*this);
  TObjectPtr object = Objects(index);
  Delete(index);
  InsertObject(index, s, object);
}

int TStrings::Add(const String& s) {
  const int index = Count();
  Insert(index, s);
  return index;
}

int TStrings::AddObject(const String& s, TObjectPtr object) {
  const int index = Add(s);
  SetObjects(index, object);
  return index;
}

void TStrings::InsertObject(int index, const String& s, TObjectPtr object) {
  Insert(index, s);
  SetObjects(index, object);
}

void TStrings::AddStrings(const TStrings& strings) {
  TUpdateScope update(*this);
  const int count = strings.Count();
  for (int i = 0; i < count; ++i) {
    AddObject(strings.Strings(i), strings.Objects(i));
  }
}

void TStrings::Assign(const TStrings& source) {
  if (&source == this) {
    return;
  }
  TUpdateScope update(*this);
  Clear();
  FDelimiter = source.FDelimiter;
  FQuoteChar = source.FQuoteChar;
  FNameValueSeparator = source.FNameValueSeparator;
  AddStrings(source);
}

void TStrings::Exchange(int index1, int index2) {
  TUpdateScope update(*this);
  const String s1 = Strings(index1);
  const String s2 = Strings(index2);
  TObjectPtr o1 = Objects(index1);
  TObjectPtr o2 = Objects(index2);
  SetStrings(index1, s2);
  SetObjects(index1, o2);
  SetStrings(index2, s1);
  SetObjects(index2, o1);
}

void TStrings::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex) {
    return;
  }
  TUpdateScope update(*this);
  const String s = Strings(curIndex);
  TObjectPtr object = Objects(curIndex);
  if (newIndex < 0 || newIndex >= Count()) {
    ListIndexError(newIndex);
  }
  Delete(curIndex);
  InsertObject(newIndex, s, object);
}

bool TStrings::Equals(const TStrings& other) const {
  const int count = Count();
  if (count != other.Count()) {
    return false;
  }
  for (int i = 0; i < count; ++i) {
    if (Strings(i) != other.Strings(i)) {
      return false;
    }
  }
  return true;
}

int TStrings::CompareStrings(const String& a, const String& b) const { return AnsiCompareText(a, b); }

int TStrings::IndexOf(const String& s) const {
  const int count = Count();
  for (int i = 0; i < count; ++i) {
    if (CompareStrings(Strings(i), s) == 0) {
      return i;
    }
  }
  return -1;
}

int TStrings::IndexOfName(const String& name) const {
  const int count = Count();
  for (int i = 0; i < count; ++i) {
    const String s = Strings(i);
    const std::size_t sep = s.find(FNameValueSeparator);
    if (sep != String::npos && CompareStrings(s.substr(0, sep), name) == 0) {
      return i;
    }
  }
  return -1;
}

int TStrings::IndexOfObject(TObjectPtr object) const {
  const int count = Count();
  for (int i = 0; i < count; ++i) {
    if (Objects(i) == object) {
      return i;
    }
  }
  return -1;
}

String TStrings::Names(int index) const {
  const String s = Strings(index);
  const std::size_t sep = s.find(FNameValueSeparator);
  return sep == String::npos ? String() : s.substr(0, sep);
}

String TStrings::ValueFromIndex(int index) const {
  // An entry without a separator has no value (not the entry less its first character).
  const String s = Strings(index);
  const std::size_t sep = s.find(FNameValueSeparator);
  return sep == String::npos ? String() : s.substr(sep + 1);
}

void TStrings::SetValueFromIndex(int index, const String& value) {
  if (value.empty()) {
    Delete(index);
    return;
  }
  SetStrings(index, Names(index) + FNameValueSeparator + value);
}

String TStrings::Values(const String& name) const {
  const int index = IndexOfName(name);
  return index < 0 ? String() : ValueFromIndex(index);
}

void TStrings::SetValues(const String& name, const String& value) {
  const int index = IndexOfName(name);
  if (value.empty()) {
    if (index >= 0) {
      Delete(index);
    }
    return;
  }
  const String entry = name + FNameValueSeparator + value;
  if (index < 0) {
    Add(entry);  // a sorted list places it itself
  } else {
    SetStrings(index, entry);
  }
}

String TStrings::GetDelimited(char delimiter, char quote) const {
  const int count = Count();
  if (count == 1 && Strings(0).empty()) {
    return String(2, quote);
  }
  String out;
  for (int i = 0; i < count; ++i) {
    const String s = Strings(i);
    const bool needsQuotes =
        std::any_of(s.begin(), s.end(), [&](char c) { return IsSkippedBlank(c) || c == quote || c == delimiter; });
    if (i > 0) {
      out += delimiter;
    }
    out += needsQuotes ? AnsiQuotedStr(s, quote) : s;
  }
  return out;
}

void TStrings::SetDelimited(const String& text, char delimiter, char quote) {
  TUpdateScope update(*this);
  Clear();
  // A NUL ends the text, as it always has for these lists.
  const String source = text.substr(0, text.find('\0'));
  const std::size_t end = source.size();
  std::size_t pos = 0;
  auto skipBlanks = [&] {
    while (pos < end && IsSkippedBlank(source[pos])) {
      ++pos;
    }
  };
  skipBlanks();
  while (pos < end) {
    if (source[pos] == quote) {
      // Whatever follows the closing quote starts the next item unless it is
      // a delimiter: peers write "a"b and mean two items.
      Add(AnsiExtractQuotedStr(source, pos, quote));
    } else {
      const std::size_t start = pos;
      while (pos<end&& static_cast<unsigned char>(source[pos])> ' ' && source[pos] != delimiter) {
        ++pos;
      }
      Add(source.substr(start, pos - start));
    }
    skipBlanks();
    if (pos < end && source[pos] == delimiter) {
      if (pos + 1 == end) {
        Add(String());  // a delimiter that ends the text
      }
      ++pos;
      skipBlanks();
    }
  }
}

String TStrings::CommaText() const { return GetDelimited(',', '"'); }
void TStrings::SetCommaText(const String& text) { SetDelimited(text, ',', '"'); }
String TStrings::DelimitedText() const { return GetDelimited(FDelimiter, FQuoteChar); }
void TStrings::SetDelimitedText(const String& text) { SetDelimited(text, FDelimiter, FQuoteChar); }

String TStrings::Text() const {
  String out;
  const int count = Count();
  for (int i = 0; i < count; ++i) {
    out += Strings(i);
    out += "\r\n";
  }
  return out;
}

void TStrings::SetText(const String& text) {
  TUpdateScope update(*this);
  Clear();
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t brk = text.find_first_of("\r\n", pos);
    if (brk == String::npos) {
      Add(text.substr(pos));
      break;
    }
    Add(text.substr(pos, brk - pos));
    pos = brk + 1;
    if (text[brk] == '\r' && pos < text.size() && text[pos] == '\n') {
      ++pos;
    }
  }
}

void TStrings::BeginUpdate() {
  if (FUpdateCount == 0) {
    SetUpdateState(true);
  }
  ++FUpdateCount;
}

void TStrings::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) {
    SetUpdateState(false);
  }
}

void TStrings::SetUpdateState(bool) {}

void TStrings::LoadFromStream(TStream& stream) {
  const Int64 size = stream.Size() - stream.Position();
  String text;
  if (size > 0) {
    text.resize(static_cast<std::size_t>(size));
    text.resize(static_cast<std::size_t>(stream.Read(text.data(), size)));
  }
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) {
    text.erase(0, 3);
  }
  SetText(text);
}

void TStrings::LoadFromFile(const String& fileName) {
  TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(stream);
}

void TStrings::SaveToStream(TStream& stream) const {
  const String text = Text();
  stream.WriteBuffer(text.data(), static_cast<Int64>(text.size()));
}

void TStrings::SaveToFile(const String& fileName) const {
  TFileStream stream(fileName, fmCreate);
  SaveToStream(stream);
}

// --- TStringList -----------------------------------------------------------

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) {
    ListIndexError(index);
  }
}

String TStringList::Strings(int index) const {
  CheckIndex(index);
  return FList[static_cast<std::size_t>(index)].FString;
}

void TStringList::SetStrings(int index, const String& s) {
  if (FSorted) {
    throw EStringListError(LoadResString(SSortedListError));
  }
  CheckIndex(index);
  Changing();
  FList[static_cast<std::size_t>(index)].FString = s;
  Changed();
}

TObjectPtr TStringList::Objects(int index) const {
  CheckIndex(index);
  return FList[static_cast<std::size_t>(index)].FObject;
}

void TStringList::SetObjects(int index, TObjectPtr object) {
  CheckIndex(index);
  Changing();
  FList[static_cast<std::size_t>(index)].FObject = object;
  Changed();
}

int TStringList::Add(const String& s) { return AddObject(s, nullptr); }

int TStringList::AddObject(const String& s, TObjectPtr object) {
  int index = Count();
  if (FSorted && Find(s, index)) {
    switch (FDuplicates) {
      case dupIgnore: return index;
      case dupError: throw EStringListError(LoadResString(SDuplicateString));
      case dupAccept: break;
    }
  }
  InsertItem(index, s, object);
  return index;
}

void TStringList::Insert(int index, const String& s) { InsertObject(index, s, nullptr); }

void TStringList::InsertObject(int index, const String& s, TObjectPtr object) {
  if (FSorted) {
    throw EStringListError(LoadResString(SSortedListError));
  }
  if (index < 0 || index > Count()) {
    ListIndexError(index);
  }
  InsertItem(index, s, object);
}

void TStringList::InsertItem(int index, const String& s, TObjectPtr object) {
  Changing();
  FList.insert(FList.begin() + index, TStringItem{s, object});
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index);
  Changing();
  FList.erase(FList.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (FList.empty()) {
    return;
  }
  Changing();
  FList.clear();
  Changed();
}

void TStringList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  Changing();
  std::swap(FList[static_cast<std::size_t>(index1)], FList[static_cast<std::size_t>(index2)]);
  Changed();
}

void TStringList::Assign(const TStrings& source) {
  if (auto* list = dynamic_cast<const TStringList*>(&source); list && list != this) {
    TUpdateScope update(*this);
    Clear();
    FSorted = list->FSorted;
    FCaseSensitive = list->FCaseSensitive;
    FDuplicates = list->FDuplicates;
    TStrings::Assign(source);
    return;
  }
  TStrings::Assign(source);
}

int TStringList::CompareStrings(const String& a, const String& b) const {
  return FCaseSensitive ? AnsiCompareStr(a, b) : AnsiCompareText(a, b);
}

int TStringList::IndexOf(const String& s) const {
  if (!FSorted) {
    return TStrings::IndexOf(s);
  }
  int index = 0;
  return Find(s, index) ? index : -1;
}

bool TStringList::Find(const String& s, int& index) const {
  // Binary search for the first match (the insertion point when none).
  int low = 0;
  int high = Count() - 1;
  bool found = false;
  while (low <= high) {
    const int mid = low + (high - low) / 2;
    const int cmp = CompareStrings(FList[static_cast<std::size_t>(mid)].FString, s);
    if (cmp < 0) {
      low = mid + 1;
    } else {
      high = mid - 1;
      if (cmp == 0) {
        found = true;
        if (FDuplicates != dupAccept) {
          low = mid;
        }
      }
    }
  }
  index = low;
  return found;
}

void TStringList::Sort() {
  CustomSort([](TStringList& list, int a, int b) {
    return list.CompareStrings(list.FList[static_cast<std::size_t>(a)].FString,
                               list.FList[static_cast<std::size_t>(b)].FString);
  });
}

void TStringList::CustomSort(const TStringListSortCompare& compare) {
  if (FList.size() < 2) {
    return;
  }
  Changing();
  // Sort a permutation so that the comparison sees the list as it was.
  std::vector<int> order(FList.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
  std::vector<TStringItem> sorted;
  sorted.reserve(FList.size());
  for (int i : order) {
    sorted.push_back(std::move(FList[static_cast<std::size_t>(i)]));
  }
  FList = std::move(sorted);
  Changed();
}

void TStringList::SetSorted(bool value) {
  if (FSorted == value) {
    return;
  }
  if (value) {
    Sort();
  }
  FSorted = value;
}

void TStringList::SetCaseSensitive(bool value) {
  if (FCaseSensitive == value) {
    return;
  }
  FCaseSensitive = value;
  if (FSorted) {
    Sort();
  }
}

void TStringList::SetUpdateState(bool updating) {
  if (updating) {
    Changing();
  } else {
    Changed();
  }
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) {
    OnChanging(this);
  }
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) {
    OnChange(this);
  }
}

}  // namespace plat
