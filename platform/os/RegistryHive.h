#pragma once
// The registry store: one hive (HKLM, HKCU or HKCR) as a tree of keys with
// values, read from and written to a ".reg" text file in the classic
// "REGEDIT4" format:
//
//   REGEDIT4
//
//   [HKEY_LOCAL_MACHINE\Software\Ovra\Zorbit]
//   @="the key's default value"
//   "Language"="English"            strings: \\ and \" are the only escapes
//   "Count"=dword:0000001f
//   "Path"=hex(2):25,53,00          expandable string: its UTF-8 bytes and a 0
//   "Blob"=hex:01,02,ff             binary; hex(N): any other type N
//
// A string holding a line break or another control character is written as
// hex(1) (its UTF-8 bytes and a 0) so that it survives the line format. Files
// with the header "Windows Registry Editor Version 5.00" are read too; there
// hex(1) and hex(2) hold UTF-16LE text. Long hex lists may continue on the
// next line after a trailing "\". Lines that cannot be read (unknown forms,
// values outside a key of this hive, broken quoting) are skipped. A key
// deeper than MaxKeyDepth makes the whole text unreadable: it is a broken or
// hostile file, and storing the rest would lose what it holds.
//
// Keys are found among their siblings in an ordered map and values through
// an index, so neither a wide nor a deep hive costs more than its size; a key
// that comes in order after the one before it is placed without a search, as
// keys come in a written file. Nothing here recurses, so no depth can exhaust
// the stack.
#include <cstddef>
#include <map>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/rtl/Types.h"

namespace plat {

inline constexpr DWORD REG_NONE = 0;
inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_EXPAND_SZ = 2;
inline constexpr DWORD REG_BINARY = 3;
inline constexpr DWORD REG_DWORD = 4;
inline constexpr DWORD REG_MULTI_SZ = 7;

// The deepest key below a hive's root that can be stored, as on the platform.
inline constexpr std::size_t MaxKeyDepth = 512;

// Data: the text (UTF-8, no terminator) for REG_SZ and REG_EXPAND_SZ, four
// little-endian bytes for REG_DWORD, the raw bytes for every other type.
struct TRegValue {
  DWORD Type = REG_NONE;
  String Data;
};

// Key and value names are matched without regard to ASCII case and keep the
// case they were created with.
class TRegKeyNode {
 public:
  // Ordered by CompareText, as the platform enumerates subkeys; names are
  // looked up without being copied.
  struct TNameLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
  };
  using TSubKeys = std::map<String, std::unique_ptr<TRegKeyNode>, TNameLess>;

  explicit TRegKeyNode(String name) : FName(std::move(name)), FLastAdded(FSubKeys.end()) {}
  ~TRegKeyNode();
  TRegKeyNode(const TRegKeyNode&) = delete;
  TRegKeyNode& operator=(const TRegKeyNode&) = delete;

  const String& Name() const { return FName; }

  TRegKeyNode* FindSubKey(std::string_view name) const;
  TRegKeyNode& AddSubKey(std::string_view name);  // the existing one when present
  bool RemoveSubKey(const String& name);
  // By name without case, as the platform enumerates them.
  const TSubKeys& SubKeys() const { return FSubKeys; }

  const TRegValue* FindValue(const String& name) const;
  void SetValue(const String& name, TRegValue value);
  bool RemoveValue(const String& name);
  // In the order they were first written.
  const std::vector<std::pair<String, TRegValue>>& Values() const { return FValues; }

 private:
  // The place of the value in FValues; FValues.size() when there is none.
  std::size_t ValuePlace(const String& name) const;
  void IndexValues();

  String FName;
  TSubKeys FSubKeys;
  // The subkey added or found last: files list keys in order, so the next
  // one is looked for beside it first.
  TSubKeys::iterator FLastAdded;
  std::vector<std::pair<String, TRegValue>> FValues;
  // Upper-case name to its place in FValues, made only for keys with more
  // values than a scan finds quickly: most keys hold one or two, and a node
  // without it stays small.
  std::unique_ptr<std::unordered_map<String, std::size_t>> FValueIndex;
};

class TRegistryHive {
 public:
  // rootName: the hive's name as section lines write it ("HKEY_LOCAL_MACHINE").
  explicit TRegistryHive(String rootName);

  const String& RootName() const { return FRoot.Name(); }
  TRegKeyNode& Root() { return FRoot; }

  // Path: key names from the root down (see SplitKeyPath); null when missing.
  TRegKeyNode* Find(const std::vector<String>& path);
  const TRegKeyNode* Find(const std::vector<String>& path) const;
  // The path must be at most MaxKeyDepth names long.
  TRegKeyNode& Create(const std::vector<String>& path);
  // Removes the key with its subkeys; the root cannot be removed.
  bool Remove(const std::vector<String>& path);

  // Adds the content of a .reg text; unreadable lines are skipped. False when
  // the text names a key deeper than MaxKeyDepth (the hive is then partly
  // read and must not be stored).
  bool Parse(const String& text);
  String Serialize() const;

 private:
  TRegKeyNode FRoot;
};

// The key names of a path written with "\" between them; empty names (a
// leading, trailing or doubled "\") are dropped.
std::vector<String> SplitKeyPath(const String& path);

// Whether a key name can be stored: not empty, at most 255 bytes, no control
// characters and no "\", which separates names.
bool IsValidKeyName(const String& name);

}  // namespace plat
