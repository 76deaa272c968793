#include "platform/win/detail/AtomTable.h"

#include <unordered_map>
#include <vector>

#include "platform/rtl/StringUtils.h"
#include "platform/win/WinErrors.h"

namespace plat {
namespace {

struct Atoms {
  std::vector<String> Names;                  // index = atom - First
  std::unordered_map<String, UINT> ByFolded;  // upper-cased name -> atom
};

Atoms& Table() {
  static Atoms atoms;
  return atoms;
}

}  // namespace

UINT AtomTable::Add(const String& name) {
  if (name.empty() || name.size() > MaxNameLength) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  Atoms& t = Table();
  const String key = AnsiUpperCase(name);
  if (auto it = t.ByFolded.find(key); it != t.ByFolded.end()) return it->second;
  if (t.Names.size() > Last - First) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return 0;
  }
  const UINT atom = First + static_cast<UINT>(t.Names.size());
  t.Names.push_back(name);
  t.ByFolded.emplace(key, atom);
  return atom;
}

UINT AtomTable::Find(const String& name) {
  const Atoms& t = Table();
  auto it = t.ByFolded.find(AnsiUpperCase(name));
  return it == t.ByFolded.end() ? 0 : it->second;
}

std::optional<String> AtomTable::Name(UINT atom) {
  const Atoms& t = Table();
  if (atom < First || atom - First >= t.Names.size()) return std::nullopt;
  return t.Names[atom - First];
}

}  // namespace plat
