#pragma once
// The registry as the class library presents it. The hives HKEY_LOCAL_MACHINE,
// HKEY_CURRENT_USER and HKEY_CLASSES_ROOT are .reg files (see RegistryHive.h)
// below the platform root. Every call reads the hive file afresh, so changes
// of other processes are seen at once; every change is written back at once,
// atomically and under a lock file, so two processes never lose or mix each
// other's changes.
//
// Key paths may start with "\" (then they are absolute from the root key);
// without it they are relative to the open key when one is open. Key and
// value names are matched without case; the empty value name is the key's
// default value.
#include <cstdint>

#include "platform/rtl/Exception.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/StringList.h"

namespace plat {

using HKEY = std::uintptr_t;
inline constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;
inline constexpr HKEY HKEY_USERS = 0x80000003;
inline constexpr HKEY HKEY_CURRENT_CONFIG = 0x80000005;

enum TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

// "Invalid data type for '%s'", "Failed to get data for '%s'",
// "Failed to set data for '%s'".
class ERegistryException : public Exception {
  using Exception::Exception;
};

class TRegistry : public TObject {
 public:
  TRegistry();  // root key HKEY_CURRENT_USER, no key open
  ~TRegistry() override;

  HKEY RootKey() const { return FRootKey; }
  // Closes the open key. HKEY_USERS and HKEY_CURRENT_CONFIG have no store
  // here: keys under them never open.
  void SetRootKey(HKEY rootKey);

  // The open key's path below the root ("" when none is open or it is the root).
  const String& CurrentPath() const { return FCurrentPath; }

  bool OpenKey(const String& key, bool canCreate);
  bool OpenKeyReadOnly(const String& key);
  void CloseKey();
  bool KeyExists(const String& key);
  // Removes a key with all its subkeys.
  bool DeleteKey(const String& key);

  bool ValueExists(const String& name);
  TRegDataType GetDataType(const String& name);
  bool DeleteValue(const String& name);
  // The names of the open key's subkeys and values; the list is cleared first.
  void GetKeyNames(TStrings* strings);
  void GetValueNames(TStrings* strings);

  // A missing value reads as "". A value that is not a string raises
  // ERegistryException; an expandable string is returned unexpanded.
  String ReadString(const String& name);
  // Raises ERegistryException when the value is missing or not an integer.
  int ReadInteger(const String& name);

  // Raise ERegistryException when no key is open for writing or the name
  // cannot be stored (it holds a control character).
  void WriteString(const String& name, const String& value);
  void WriteExpandString(const String& name, const String& value);
  void WriteInteger(const String& name, int value);

 private:
  struct TTarget;
  bool Resolve(const String& key, TTarget& target) const;
  void WriteValue(const String& name, DWORD type, const String& data);

  HKEY FRootKey;
  bool FKeyOpen = false;
  bool FReadOnly = false;
  String FCurrentPath;
};

}  // namespace plat
