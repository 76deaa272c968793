#include "platform/rtl/IniFiles.h"

#include "platform/rtl/Conversions.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/RtlConsts.h"
#include "platform/rtl/Streams.h"

namespace plat {

namespace {

// The file's lines, or none when it does not exist.
void ReadFileLines(const String& fileName, TStringList& lines) {
  if (!fileName.empty() && FileExists(fileName)) {
    lines.LoadFromFile(fileName);
  }
}

}  // namespace

// --- TCustomIniFile ----------------------------------------------------------

int TCustomIniFile::ReadInteger(const String& section, const String& ident, int defaultValue) {
  return StrToIntDef(ReadString(section, ident, String()), defaultValue);
}

void TCustomIniFile::WriteInteger(const String& section, const String& ident, int value) {
  WriteString(section, ident, IntToStr(value));
}

bool TCustomIniFile::ReadBool(const String& section, const String& ident, bool defaultValue) {
  return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const String& section, const String& ident, bool value) {
  WriteString(section, ident, value ? "1" : "0");
}

double TCustomIniFile::ReadFloat(const String& section, const String& ident, double defaultValue) {
  return StrToFloatDef(ReadString(section, ident, String()), defaultValue);
}

void TCustomIniFile::WriteFloat(const String& section, const String& ident, double value) {
  WriteString(section, ident, FloatToStr(value));
}

bool TCustomIniFile::SectionExists(const String& section) {
  TStringList sections;
  ReadSections(sections);
  return sections.IndexOf(section) >= 0;
}

bool TCustomIniFile::ValueExists(const String& section, const String& ident) {
  TStringList keys;
  ReadSection(section, keys);
  return keys.IndexOf(ident) >= 0;
}

// --- TMemIniFile -------------------------------------------------------------

TMemIniFile::TMemIniFile(const String& fileName) : TCustomIniFile(fileName), FContent(false) { LoadValues(); }

void TMemIniFile::LoadValues() {
  TStringList lines;
  ReadFileLines(FFileName, lines);
  FContent.SetLines(lines);
}

String TMemIniFile::ReadString(const String& section, const String& ident, const String& defaultValue) {
  String value;
  return FContent.Read(section, ident, value) ? value : defaultValue;
}

void TMemIniFile::WriteString(const String& section, const String& ident, const String& value) {
  FContent.Write(section, ident, value);
}

void TMemIniFile::ReadSection(const String& section, TStrings& strings) { FContent.ReadKeys(section, strings); }
void TMemIniFile::ReadSections(TStrings& strings) { FContent.SectionNames(strings); }
void TMemIniFile::ReadSectionValues(const String& section, TStrings& strings) { FContent.ReadValues(section, strings); }
void TMemIniFile::EraseSection(const String& section) { FContent.EraseSection(section); }
void TMemIniFile::DeleteKey(const String& section, const String& ident) { FContent.DeleteKey(section, ident); }

void TMemIniFile::UpdateFile() {
  TStringList lines;
  FContent.GetLines(lines);
  lines.SaveToFile(FFileName);
}

void TMemIniFile::Clear() { FContent.Clear(); }
void TMemIniFile::GetStrings(TStrings& list) const { FContent.GetLines(list); }
void TMemIniFile::SetStrings(const TStrings& list) { FContent.SetLines(list); }

void TMemIniFile::Rename(const String& fileName, bool reload) {
  FFileName = fileName;
  if (reload) {
    LoadValues();
  }
}

// --- TIniFile ----------------------------------------------------------------

TIniFile::TIniFile(const String& fileName) : TCustomIniFile(fileName) {}

TIniContent TIniFile::Load() const {
  TStringList lines;
  ReadFileLines(FFileName, lines);
  TIniContent content(true);
  content.SetLines(lines);
  return content;
}

void TIniFile::Store(const TIniContent& content) const {
  TStringList lines;
  content.GetLines(lines);
  try {
    lines.SaveToFile(FFileName);
  } catch (const EStreamError&) {
    throw EIniFileException(FmtLoadResString(SIniFileWriteError, {FFileName}));
  }
}

template <typename Change>
void TIniFile::Modify(Change change) {
  TIniContent content = Load();
  if (change(content)) {
    Store(content);
  }
}

String TIniFile::ReadString(const String& section, const String& ident, const String& defaultValue) {
  String value;
  return Load().Read(section, ident, value) ? value : defaultValue;
}

void TIniFile::WriteString(const String& section, const String& ident, const String& value) {
  Modify([&](TIniContent& content) {
    content.Write(section, ident, value);
    return true;
  });
}

void TIniFile::ReadSection(const String& section, TStrings& strings) { Load().ReadKeys(section, strings); }
void TIniFile::ReadSections(TStrings& strings) { Load().SectionNames(strings); }
void TIniFile::ReadSectionValues(const String& section, TStrings& strings) { Load().ReadValues(section, strings); }

void TIniFile::EraseSection(const String& section) {
  Modify([&](TIniContent& content) { return content.EraseSection(section); });
}

void TIniFile::DeleteKey(const String& section, const String& ident) {
  Modify([&](TIniContent& content) { return content.DeleteKey(section, ident); });
}

}  // namespace plat
