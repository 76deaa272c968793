#pragma once
// The registry hives as their files hold them. A hive file is read and
// parsed again only when it changed (another file, size or change time), so
// a run of registry reads costs one parse however large the hive; a write
// records the hive it stored for the reads after it. A file that cannot be
// read, or that holds keys deeper than a hive may (ERROR_BADDB), gives
// nothing, so that a write never replaces what could not be read. A missing
// file is an empty hive. Safe to use from any thread.
#include <memory>

#include "platform/os/RegistryHive.h"

namespace plat::detail {

// The hive for reading; shared with other readers until its file changes.
std::shared_ptr<const TRegistryHive> ReadHive(const String& path, const String& rootName);

// The hive parsed afresh for a change; the caller holds the hive's lock.
std::unique_ptr<TRegistryHive> ReadHiveForChange(const String& path, const String& rootName);

// Writes the changed hive over its file and keeps it for the reads after;
// false (with the last error) when it could not be stored.
bool WriteHive(const String& path, std::unique_ptr<TRegistryHive> hive);

}  // namespace plat::detail
