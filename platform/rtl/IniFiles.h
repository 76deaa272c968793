#pragma once
// INI files: sections of name=value lines. Sections and keys keep their file
// order; their names are matched without case; names and values are trimmed
// of blanks. A missing file reads as an empty file. TMemIniFile works in
// memory until UpdateFile and drops comment lines (";"); TIniFile reads the
// file for every read and writes it on every write, keeping comment lines.
#include <utility>

#include "platform/rtl/Exception.h"
#include "platform/rtl/IniContent.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Types.h"

namespace plat {

// A write that could not reach the file: "Unable to write to %s".
class EIniFileException : public Exception {
  using Exception::Exception;
};

class TCustomIniFile : public TObject {
 public:
  explicit TCustomIniFile(String fileName) : FFileName(std::move(fileName)) {}

  const String& FileName() const { return FFileName; }

  virtual String ReadString(const String& section, const String& ident, const String& defaultValue) = 0;
  virtual void WriteString(const String& section, const String& ident, const String& value) = 0;
  // Decimal, or hexadecimal after "$" or "0x"; the default when not a number.
  // Virtual for stores with a number type of their own (the registry).
  virtual int ReadInteger(const String& section, const String& ident, int defaultValue);
  virtual void WriteInteger(const String& section, const String& ident, int value);
  // Non-zero numbers are true; written as "1"/"0".
  bool ReadBool(const String& section, const String& ident, bool defaultValue);
  void WriteBool(const String& section, const String& ident, bool value);
  // With the process FormatSettings' decimal separator.
  double ReadFloat(const String& section, const String& ident, double defaultValue);
  void WriteFloat(const String& section, const String& ident, double value);

  bool SectionExists(const String& section);
  bool ValueExists(const String& section, const String& ident);
  // The keys of a section.
  virtual void ReadSection(const String& section, TStrings& strings) = 0;
  virtual void ReadSections(TStrings& strings) = 0;
  // The section's lines as name=value entries.
  virtual void ReadSectionValues(const String& section, TStrings& strings) = 0;
  virtual void EraseSection(const String& section) = 0;
  virtual void DeleteKey(const String& section, const String& ident) = 0;
  virtual void UpdateFile() = 0;

 protected:
  String FFileName;
};

class TMemIniFile : public TCustomIniFile {
 public:
  explicit TMemIniFile(const String& fileName);

  String ReadString(const String& section, const String& ident, const String& defaultValue) override;
  void WriteString(const String& section, const String& ident, const String& value) override;
  void ReadSection(const String& section, TStrings& strings) override;
  void ReadSections(TStrings& strings) override;
  void ReadSectionValues(const String& section, TStrings& strings) override;
  void EraseSection(const String& section) override;
  void DeleteKey(const String& section, const String& ident) override;
  // Writes the content to the file (EIniFileException when it cannot).
  void UpdateFile() override;

  void Clear();
  // The content as INI lines, and replacing it from such lines.
  void GetStrings(TStrings& list) const;
  void SetStrings(const TStrings& list);
  // Takes a new file name; with reload, the content is read from it.
  void Rename(const String& fileName, bool reload);

 private:
  void LoadValues();
  TIniContent FContent;
};

class TIniFile : public TCustomIniFile {
 public:
  explicit TIniFile(const String& fileName);

  String ReadString(const String& section, const String& ident, const String& defaultValue) override;
  void WriteString(const String& section, const String& ident, const String& value) override;
  void ReadSection(const String& section, TStrings& strings) override;
  void ReadSections(TStrings& strings) override;
  void ReadSectionValues(const String& section, TStrings& strings) override;
  void EraseSection(const String& section) override;
  void DeleteKey(const String& section, const String& ident) override;
  // Every write already reached the file: nothing to do.
  void UpdateFile() override {}

 private:
  TIniContent Load() const;
  void Store(const TIniContent& content) const;
  // Loads the file, lets change alter it and writes it back when change says so.
  template <typename Change>
  void Modify(Change change);
};

}  // namespace plat
