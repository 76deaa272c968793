#pragma once
// A string list that finds entries by text and by name through hash indexes
// instead of a scan, for the long lists that INI sections and string tables
// grow into. It answers IndexOf and IndexOfName exactly as TStringList does
// (the first match, with or without case as CaseSensitive says); only the
// cost differs. Each index is built on the first look-up of its kind after
// a change, so a list searched only by name never indexes whole entries;
// appending at the end keeps a built index up to date, so a list filled by
// Add with look-ups in between (SetValues) stays linear.
#include <cstdint>
#include <unordered_map>

#include "platform/rtl/StringList.h"

namespace plat {

class THashedStringList : public TStringList {
 public:
  int IndexOf(const String& s) const override;
  int IndexOfName(const String& name) const override;

  int AddObject(const String& s, TObjectPtr object) override;

 protected:
  void Changed() override;

 private:
  // First index of each key (under KeyOf), and whether that still holds for
  // the list as it is.
  struct TIndex {
    std::unordered_map<String, int> First;
    bool Built = false;
    bool CaseSensitive = false;
  };

  String KeyOf(const String& text) const;
  bool Current(const TIndex& index) const { return index.Built && index.CaseSensitive == CaseSensitive(); }
  // The key of entry `index` in FValues (the whole text) or FNames (its name;
  // none without a separator).
  void NoteValue(int index) const;
  void NoteName(int index) const;
  // Builds the index when it is not current, noting every entry with Note.
  void Build(TIndex& index, void (THashedStringList::*Note)(int) const) const;

  mutable TIndex FValues;
  mutable TIndex FNames;
  std::uint64_t FChanges = 0;
};

}  // namespace plat
