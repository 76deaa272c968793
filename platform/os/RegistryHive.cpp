#include "platform/os/RegistryHive.h"

#include <algorithm>
#include <cstdio>

#include "platform/rtl/StringUtils.h"
#include "platform/rtl/Unicode.h"

namespace plat {

namespace {

const char* const kHeader4 = "REGEDIT4";
const char* const kHeader5 = "Windows Registry Editor Version 5.00";

// Keys with at most this many values find them by a scan, without an index.
constexpr std::size_t kScannedValues = 8;

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameAsciiText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
}

bool HasControlCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7f;
  });
}

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// The line of text at pos without its CR and the blanks around it; pos moves
// past its LF.
std::string_view NextLine(std::string_view text, std::size_t& pos) {
  auto end = text.find('\n', pos);
  if (end == std::string_view::npos) end = text.size();
  std::string_view line = text.substr(pos, end - pos);
  pos = end + 1;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return TrimBlanks(line);
}

// Whether "=hex" occurs in the line, in any case.
bool HasHexData(std::string_view line) {
  for (std::size_t at = line.find('='); at != std::string_view::npos; at = line.find('=', at + 1))
    if (SameAsciiText(line.substr(at + 1, 3), "HEX")) return true;
  return false;
}

bool ValidKeyName(std::string_view name) {
  return !name.empty() && name.size() <= 255 && !HasControlCharacter(name) && name.find('\\') == String::npos;
}

// The names of a path written with "\" between them, empty ones dropped.
void SplitNames(std::string_view path, std::vector<std::string_view>& names) {
  names.clear();
  std::size_t start = 0;
  while (start <= path.size()) {
    auto slash = path.find('\\', start);
    if (slash == std::string_view::npos) slash = path.size();
    if (slash > start) names.push_back(path.substr(start, slash - start));
    start = slash + 1;
  }
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A quoted text starting at pos (on the opening quote); pos moves past the
// closing quote. False when the quote is not closed.
bool ReadQuoted(std::string_view line, std::size_t& pos, String& text) {
  text.clear();
  for (++pos; pos < line.size(); ++pos) {
    const char c = line[pos];
    if (c == '"') {
      ++pos;
      return true;
    }
    if (c == '\\' && pos + 1 < line.size()) ++pos;
    text += line[pos];
  }
  return false;
}

String Quoted(const String& text) {
  String out = "\"";
  for (const char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

// "01,ab, ff" into bytes; false on anything else. An empty list is valid.
bool ParseHexList(const String& list, String& bytes) {
  bytes.clear();
  const String trimmed(TrimBlanks(list));
  if (trimmed.empty()) return true;
  std::size_t start = 0;
  for (;;) {
    const auto comma = trimmed.find(',', start);
    const std::string_view item =
        TrimBlanks(std::string_view(trimmed).substr(start, comma == String::npos ? String::npos : comma - start));
    if (item.empty() || item.size() > 2) return false;
    int value = 0;
    for (const char c : item) {
      const int digit = HexDigit(c);
      if (digit < 0) return false;
      value = value * 16 + digit;
    }
    bytes += static_cast<char>(value);
    if (comma == String::npos) return true;
    start = comma + 1;
  }
}

String HexList(const String& bytes) {
  String out;
  char item[4];
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(item, sizeof item, i == 0 ? "%02x" : ",%02x", static_cast<unsigned char>(bytes[i]));
    out += item;
  }
  return out;
}

// The text of hex(1)/hex(2) bytes, without the terminating 0.
String TextFromBytes(const String& bytes, bool utf16) {
  if (!utf16) {
    String text = bytes;
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
  }
  WideString wide;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    wide +=
        static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8));
  }
  if (!wide.empty() && wide.back() == u'\0') wide.pop_back();
  return WideToUtf8(wide);
}

// One value line's data part into a value; false when it is not readable.
bool ParseData(const String& data, bool utf16, TRegValue& value) {
  if (!data.empty() && data.front() == '"') {
    std::size_t pos = 0;
    if (!ReadQuoted(data, pos, value.Data) || !TrimBlanks(std::string_view(data).substr(pos)).empty()) return false;
    value.Type = REG_SZ;
    return true;
  }
  const String lower = LowerCase(data);
  if (lower.rfind("dword:", 0) == 0) {
    const std::string_view digits = TrimBlanks(std::string_view(data).substr(6));
    if (digits.empty() || digits.size() > 8) return false;
    DWORD number = 0;
    for (const char c : digits) {
      const int digit = HexDigit(c);
      if (digit < 0) return false;
      number = number * 16 + static_cast<DWORD>(digit);
    }
    value.Type = REG_DWORD;
    value.Data.clear();
    for (int shift = 0; shift < 32; shift += 8) value.Data += static_cast<char>((number >> shift) & 0xff);
    return true;
  }
  if (lower.rfind("hex", 0) != 0) return false;
  std::size_t pos = 3;
  DWORD type = REG_BINARY;
  if (pos < data.size() && data[pos] == '(') {
    const auto close = data.find(')', pos);
    if (close == String::npos || close == pos + 1 || close - pos - 1 > 8) return false;
    type = 0;
    for (std::size_t i = pos + 1; i < close; ++i) {
      const int digit = HexDigit(data[i]);
      if (digit < 0) return false;
      type = type * 16 + static_cast<DWORD>(digit);
    }
    pos = close + 1;
  }
  if (pos >= data.size() || data[pos] != ':') return false;
  String bytes;
  if (!ParseHexList(data.substr(pos + 1), bytes)) return false;
  value.Type = type;
  value.Data = (type == REG_SZ || type == REG_EXPAND_SZ) ? TextFromBytes(bytes, utf16) : bytes;
  return true;
}

String SerializeData(const TRegValue& value) {
  switch (value.Type) {
    case REG_SZ:
      if (!HasControlCharacter(value.Data)) return Quoted(value.Data);
      return "hex(1):" + HexList(value.Data + '\0');
    case REG_EXPAND_SZ: return "hex(2):" + HexList(value.Data + '\0');
    case REG_DWORD: {
      DWORD number = 0;
      for (std::size_t i = 0; i < 4 && i < value.Data.size(); ++i)
        number |= static_cast<DWORD>(static_cast<unsigned char>(value.Data[i])) << (8 * i);
      char text[16];
      std::snprintf(text, sizeof text, "dword:%08x", number);
      return text;
    }
    case REG_BINARY: return "hex:" + HexList(value.Data);
    default: {
      char prefix[24];
      std::snprintf(prefix, sizeof prefix, "hex(%x):", value.Type);
      return prefix + HexList(value.Data);
    }
  }
}

void SerializeKey(const TRegKeyNode& key, const String& path, bool isRoot, String& out) {
  // The root's own line is needed only for values stored directly in it.
  if (!isRoot || !key.Values().empty()) out += "[" + path + "]\r\n";
  for (const auto& [name, value] : key.Values())
    out += (name.empty() ? String("@") : Quoted(name)) + "=" + SerializeData(value) + "\r\n";
  if (!isRoot || !key.Values().empty()) out += "\r\n";
}

}  // namespace

bool TRegKeyNode::TNameLess::operator()(std::string_view a, std::string_view b) const {
  // CompareText's order: ASCII letters without case, then the shorter first.
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (a[i] == b[i]) continue;
    const auto ca = static_cast<unsigned char>(AsciiUpper(a[i]));
    const auto cb = static_cast<unsigned char>(AsciiUpper(b[i]));
    if (ca != cb) return ca < cb;
  }
  return a.size() < b.size();
}

TRegKeyNode::~TRegKeyNode() {
  // Unlink the subtree level by level, so freeing a deep one never recurses.
  // Keys without subkeys are freed on the way; only the others wait here, so
  // a wide hive needs no list of all its keys.
  std::vector<std::unique_ptr<TRegKeyNode>> doomed;
  const auto unlink = [&doomed](TSubKeys& subKeys) {
    for (auto& [name, sub] : subKeys) {
      if (sub->FSubKeys.empty()) {
        sub.reset();
      } else {
        doomed.push_back(std::move(sub));
      }
    }
  };
  unlink(FSubKeys);
  while (!doomed.empty()) {
    std::unique_ptr<TRegKeyNode> node = std::move(doomed.back());
    doomed.pop_back();
    unlink(node->FSubKeys);
    node->FSubKeys.clear();
  }
}

TRegKeyNode* TRegKeyNode::FindSubKey(std::string_view name) const {
  const auto found = FSubKeys.find(name);
  return found == FSubKeys.end() ? nullptr : found->second.get();
}

TRegKeyNode& TRegKeyNode::AddSubKey(std::string_view name) {
  const auto& less = FSubKeys.key_comp();
  const auto end = FSubKeys.end();
  auto place = end;
  bool placed = false;
  if (FLastAdded != end) {
    if (!less(FLastAdded->first, name)) {
      if (!less(name, FLastAdded->first)) return *FLastAdded->second;
    } else {
      const auto next = std::next(FLastAdded);
      placed = next == end || less(name, next->first);
      if (placed) place = next;
    }
  }
  if (!placed) {
    place = FSubKeys.lower_bound(name);
    if (place != end && !less(name, place->first)) {
      FLastAdded = place;
      return *place->second;
    }
  }
  FLastAdded = FSubKeys.emplace_hint(place, String(name), std::make_unique<TRegKeyNode>(String(name)));
  return *FLastAdded->second;
}

bool TRegKeyNode::RemoveSubKey(const String& name) {
  const auto found = FSubKeys.find(name);
  if (found == FSubKeys.end()) return false;
  if (found == FLastAdded) FLastAdded = FSubKeys.end();
  FSubKeys.erase(found);
  return true;
}

std::size_t TRegKeyNode::ValuePlace(const String& name) const {
  if (FValues.size() <= kScannedValues) {
    const auto found = std::find_if(FValues.begin(), FValues.end(),
                                    [&name](const auto& value) { return SameText(value.first, name); });
    return static_cast<std::size_t>(found - FValues.begin());
  }
  const auto found = FValueIndex->find(UpperCase(name));
  return found == FValueIndex->end() ? FValues.size() : found->second;
}

const TRegValue* TRegKeyNode::FindValue(const String& name) const {
  const std::size_t place = ValuePlace(name);
  return place == FValues.size() ? nullptr : &FValues[place].second;
}

void TRegKeyNode::SetValue(const String& name, TRegValue value) {
  const std::size_t place = ValuePlace(name);
  if (place < FValues.size()) {
    FValues[place].second = std::move(value);
    return;
  }
  FValues.emplace_back(name, std::move(value));
  if (FValues.size() == kScannedValues + 1) {
    IndexValues();
  } else if (FValues.size() > kScannedValues) {
    FValueIndex->emplace(UpperCase(name), place);
  }
}

bool TRegKeyNode::RemoveValue(const String& name) {
  const std::size_t place = ValuePlace(name);
  if (place == FValues.size()) return false;
  FValues.erase(FValues.begin() + static_cast<std::ptrdiff_t>(place));
  IndexValues();
  return true;
}

void TRegKeyNode::IndexValues() {
  FValueIndex.reset();
  if (FValues.size() <= kScannedValues) return;
  FValueIndex = std::make_unique<std::unordered_map<String, std::size_t>>();
  for (std::size_t i = 0; i < FValues.size(); ++i) FValueIndex->emplace(UpperCase(FValues[i].first), i);
}

TRegistryHive::TRegistryHive(String rootName) : FRoot(std::move(rootName)) {}

TRegKeyNode* TRegistryHive::Find(const std::vector<String>& path) {
  return const_cast<TRegKeyNode*>(std::as_const(*this).Find(path));
}

const TRegKeyNode* TRegistryHive::Find(const std::vector<String>& path) const {
  const TRegKeyNode* key = &FRoot;
  for (const String& name : path) {
    key = key->FindSubKey(name);
    if (key == nullptr) return nullptr;
  }
  return key;
}

TRegKeyNode& TRegistryHive::Create(const std::vector<String>& path) {
  TRegKeyNode* key = &FRoot;
  for (const String& name : path) key = &key->AddSubKey(name);
  return *key;
}

bool TRegistryHive::Remove(const std::vector<String>& path) {
  if (path.empty()) return false;
  TRegKeyNode* parent = Find(std::vector<String>(path.begin(), path.end() - 1));
  return parent != nullptr && parent->RemoveSubKey(path.back());
}

bool TRegistryHive::Parse(const String& text) {
  std::size_t pos = text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
  bool utf16 = false;
  TRegKeyNode* current = nullptr;
  String joined;                        // a hex list continued over lines
  std::vector<std::string_view> names;  // of a key line's path
  while (pos < text.size()) {
    std::string_view line = NextLine(text, pos);
    if (line.empty()) continue;
    // A hex list continues on the next line after a trailing "\".
    if (line.front() != '[' && line.back() == '\\' && pos < text.size() && HasHexData(line)) {
      joined.assign(line);
      while (joined.back() == '\\' && pos < text.size()) {
        const std::string_view next = NextLine(text, pos);
        joined.pop_back();
        joined += next;
      }
      line = joined;
    }
    if (line.front() == ';') continue;
    if (line == kHeader4 || line == kHeader5) {
      utf16 = line == kHeader5;
      continue;
    }
    if (line.front() == '[') {
      current = nullptr;
      const auto close = line.rfind(']');
      if (close == std::string_view::npos) continue;
      SplitNames(line.substr(1, close - 1), names);
      if (names.empty() || !SameAsciiText(names.front(), FRoot.Name())) continue;
      if (!std::all_of(names.begin() + 1, names.end(), ValidKeyName)) continue;
      if (names.size() - 1 > MaxKeyDepth) return false;
      TRegKeyNode* key = &FRoot;
      for (auto name = names.begin() + 1; name != names.end(); ++name) key = &key->AddSubKey(*name);
      current = key;
      continue;
    }
    if (current == nullptr) continue;
    String name;
    std::size_t at = 0;
    if (line.front() == '@') {
      at = 1;
    } else if (line.front() != '"' || !ReadQuoted(line, at, name) || HasControlCharacter(name)) {
      continue;
    }
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
    if (at >= line.size() || line[at] != '=') continue;
    TRegValue value;
    if (ParseData(String(TrimBlanks(line.substr(at + 1))), utf16, value)) current->SetValue(name, std::move(value));
  }
  return true;
}

String TRegistryHive::Serialize() const {
  String out = String(kHeader4) + "\r\n\r\n";
  // Depth first, subkeys in their order, with a stack of our own.
  std::vector<std::pair<const TRegKeyNode*, String>> pending = {{&FRoot, FRoot.Name()}};
  while (!pending.empty()) {
    auto [key, path] = std::move(pending.back());
    pending.pop_back();
    SerializeKey(*key, path, key == &FRoot, out);
    const auto& subKeys = key->SubKeys();
    for (auto sub = subKeys.rbegin(); sub != subKeys.rend(); ++sub)
      pending.emplace_back(sub->second.get(), path + "\\" + sub->second->Name());
  }
  return out;
}

std::vector<String> SplitKeyPath(const String& path) {
  std::vector<std::string_view> names;
  SplitNames(path, names);
  return {names.begin(), names.end()};
}

bool IsValidKeyName(const String& name) { return ValidKeyName(name); }

}  // namespace plat
