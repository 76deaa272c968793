#pragma once
// The parsed content of an INI file: sections in file order, each a list of
// lines. Sections and keys are found without regard to case; names and values
// are trimmed of blanks when read from text. In layout mode comment lines,
// blank lines and lines before the first section are kept as they are, so a
// rewrite changes only what was written; otherwise they are dropped and each
// section is followed by one blank line.
#include <vector>

#include "platform/rtl/StringList.h"
#include "platform/rtl/Types.h"

namespace plat {

class TIniContent {
 public:
  explicit TIniContent(bool keepLayout) : FKeepLayout(keepLayout) {}

  void Clear() { FSections.clear(); }
  void SetLines(const TStrings& lines);
  void GetLines(TStrings& lines) const;

  bool SectionExists(const String& section) const { return FindSection(section) != nullptr; }
  // Value of the first matching key of the first matching section.
  bool Read(const String& section, const String& ident, String& value) const;
  void Write(const String& section, const String& ident, const String& value);
  // Keys of the section, in order.
  void ReadKeys(const String& section, TStrings& keys) const;
  // Key lines as "name=value", and other non-comment lines as they are.
  void ReadValues(const String& section, TStrings& values) const;
  void SectionNames(TStrings& names) const;
  // Both return whether anything was removed.
  bool EraseSection(const String& section);
  bool DeleteKey(const String& section, const String& ident);

 private:
  struct TLine {
    String Name;   // trimmed key; empty for lines that are not keys
    String Value;  // trimmed value (or the whole line when not a key)
    bool IsKey = false;
    bool IsRaw = false;  // a comment or blank line kept in layout mode
  };
  struct TSection {
    String Name;
    bool HasHeader = true;  // false for the lines before the first section
    std::vector<TLine> Lines;
  };

  const TSection* FindSection(const String& section) const;
  TSection* FindSection(const String& section);

  bool FKeepLayout;
  std::vector<TSection> FSections;
};

}  // namespace plat
