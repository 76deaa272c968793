#pragma once
// File helpers shared by the platform/os units that keep state in files:
// folders made on demand, whole-file reads with a size limit, atomic
// replacement, advisory locks and file names derived from object names.
#include <cstddef>
#include <optional>

#include "platform/rtl/Types.h"

namespace plat {

// Makes the folder and its missing parents; true when it exists afterwards.
bool MakeFolders(const String& path, unsigned mode = 0755);

// The folder part of a path ("" for a bare name).
String ParentFolder(const String& path);

// The whole file, or nothing when it cannot be read or is larger than maxSize.
std::optional<String> ReadWholeFile(const String& path, std::size_t maxSize);

// Writes a sibling temporary file and renames it over path, so readers see
// the old or the new content, never a mixture. Sets the last error on failure.
bool ReplaceFileAtomically(const String& path, const String& content);

// A file name for an object name: letters, digits, "-", "_" and "." stay,
// everything else becomes %XX; names too long for a file name keep a prefix
// and end in a hash of the whole name. Case is kept (names are case-sensitive).
String EscapeFileName(const String& name);

// An exclusive advisory lock on a lock file, held for the object's life.
class TFileLock {
 public:
  explicit TFileLock(const String& path);
  ~TFileLock();
  TFileLock(const TFileLock&) = delete;
  TFileLock& operator=(const TFileLock&) = delete;

  bool Locked() const { return FFd >= 0; }

 private:
  int FFd = -1;
};

}  // namespace plat
