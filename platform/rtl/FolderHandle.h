#pragma once
// A folder held open by its descriptor, with the entries inside it made,
// opened and removed by name relative to that descriptor. Nothing below the
// folder is reached through a symbolic link: a link where a folder or a new
// file is asked for is refused, and removing an entry removes a link itself,
// never what it points at. A link planted in a shared place therefore cannot
// send a write elsewhere, and a folder renamed meanwhile is still the one
// written into. Names are single components, without a delimiter. Failures
// give null, -1 or false and set the last error (LastError.h).
#include <memory>
#include <vector>

#include "platform/rtl/Types.h"

namespace plat {

class TFolderHandle {
 public:
  // The folder at path, which may itself be reached through links (the
  // caller chose it); null when it is no folder or path is empty.
  static std::unique_ptr<TFolderHandle> Open(const String& path);
  ~TFolderHandle();
  TFolderHandle(const TFolderHandle&) = delete;
  TFolderHandle& operator=(const TFolderHandle&) = delete;

  // The path it was opened by (or its parent's path and its name), with a
  // trailing "/"; for messages and for callers that need a path.
  const String& Path() const { return FPath; }
  // The names of its entries, without "." and "..".
  bool List(std::vector<String>& names) const;
  // The subfolder of that name, made first when create is set and it is
  // missing; null when the name is a link or no folder.
  std::unique_ptr<TFolderHandle> OpenFolder(const String& name, bool create) const;
  // A new file, open for writing through the handle routines (FileHandles.h);
  // -1 when an entry of that name exists, a link included.
  int CreateFile(const String& name) const;
  // Removes a file, or a link (not what it points at).
  bool DeleteFile(const String& name) const;
  // Removes an empty subfolder.
  bool RemoveDir(const String& name) const;

 private:
  TFolderHandle(int descriptor, String path);

  int FDescriptor;
  String FPath;
};

// A new folder in parent that only this user may enter (mode 0700), named
// prefix and six random characters as mkdtemp makes them; its path with a
// trailing "/", or "" on failure.
String CreatePrivateFolder(const String& parent, const String& prefix);

// Removes the folder and everything in it; links inside are removed as
// links, never followed. True when it is gone.
bool DeleteTree(const String& path);

}  // namespace plat
