#pragma once
// TRegistryIniFile: the INI-file interface over a registry key, so code that
// keeps settings in an INI file can keep them in the registry unchanged. The
// "file name" is a key path below the root key (HKEY_CURRENT_USER unless
// given), created when the object is made; sections are its subkeys and
// keys are their values. Integers are stored as numbers, everything else as
// strings. Reading a missing section or value gives the default; a failed
// write raises the registry's ERegistryException. Nothing is buffered:
// every call reads or writes the hive, so UpdateFile has nothing to do.
#include "platform/os/Registry.h"
#include "platform/rtl/IniFiles.h"

namespace plat {

class TRegistryIniFile : public TCustomIniFile {
 public:
  explicit TRegistryIniFile(const String& fileName, HKEY rootKey = HKEY_CURRENT_USER);

  HKEY RootKey() const { return FRootKey; }

  // A string value as it is; a number in decimal.
  String ReadString(const String& section, const String& ident, const String& defaultValue) override;
  void WriteString(const String& section, const String& ident, const String& value) override;
  // A number as it is; a string read as a number (the default when it is none).
  int ReadInteger(const String& section, const String& ident, int defaultValue) override;
  void WriteInteger(const String& section, const String& ident, int value) override;
  void ReadSection(const String& section, TStrings& strings) override;
  void ReadSections(TStrings& strings) override;
  void ReadSectionValues(const String& section, TStrings& strings) override;
  void EraseSection(const String& section) override;
  void DeleteKey(const String& section, const String& ident) override;
  void UpdateFile() override {}

 private:
  // The absolute path of the file key or of one of its sections.
  String KeyPath(const String& section) const;
  // A registry on the section's key: opened for reading (false when the
  // section does not exist) or created for writing.
  bool OpenSection(TRegistry& registry, const String& section, bool canCreate) const;

  HKEY FRootKey;
};

}  // namespace plat
