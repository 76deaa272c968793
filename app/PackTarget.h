#pragma once
// The folder one unpacking of a pack writes into (TCABFile). Stored names
// find existing entries without case through an index of each folder, which
// is listed once when first entered and then learns what the unpacking makes,
// so that unpacking stays linear in the number of members. Folders and files
// are made relative to their open folder, never through a link: a folder
// whose name is taken by a link or a file is not entered, and removing an
// entry removes a link, never what it points at. What the unpacking made can
// be listed and taken back.
#include <cstddef>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/rtl/FolderHandle.h"
#include "platform/rtl/Types.h"

namespace zorbit {

class TTargetFolder {
 public:
  explicit TTargetFolder(std::unique_ptr<plat::TFolderHandle> Handle);

  // With a trailing delimiter.
  const plat::String& Path() const { return FHandle->Path(); }
  // The entry's name as it stands on disk, matched without case (an exact
  // match wins); "" when there is none.
  plat::String Find(const plat::String& Name) const;

 private:
  friend class TPackTarget;

  std::unique_ptr<plat::TFolderHandle> FHandle;
  // Folded name -> a name on disk; the names on disk.
  std::unordered_map<plat::String, plat::String> FNames;
  std::unordered_set<plat::String> FExact;
  // Folded name -> its place in the target's list of what it made.
  std::unordered_map<plat::String, std::size_t> FMade;
};

class TPackTarget {
 public:
  // Folder is made when first needed.
  explicit TPackTarget(const plat::String& Folder);
  ~TPackTarget();
  TPackTarget(const TPackTarget&) = delete;
  TPackTarget& operator=(const TPackTarget&) = delete;

  // The folder below the target named by Folders (matched without case),
  // entered or made; null when it cannot be, or one of them is a link or a file.
  TTargetFolder* Enter(const std::vector<plat::String>& Folders);
  // A new file in Folder, open for writing; -1 when the name is taken.
  int CreateFile(TTargetFolder& Folder, const plat::String& Name);
  // Removes an existing file (or link) of Folder.
  bool DeleteFile(TTargetFolder& Folder, const plat::String& Name);
  // The paths of the files this unpacking made and has not removed.
  std::vector<plat::String> Files() const;
  // Removes every file and folder this unpacking made, the newest first.
  void Undo();

 private:
  struct TMade {
    TTargetFolder* Folder;
    plat::String Name;
    bool IsFolder;
    bool Gone;
  };

  void Made(TTargetFolder& Folder, const plat::String& Name, bool IsFolder);
  void Gone(TTargetFolder& Folder, const plat::String& Name);

  TTargetFolder* Open(TTargetFolder& Parent, const plat::String& Name, const plat::String& Key);

  plat::String FFolder;
  // Folded path below the target ("" for the target) -> its folder.
  std::unordered_map<plat::String, std::unique_ptr<TTargetFolder>> FFolders;
  std::vector<TMade> FMade;
};

}  // namespace zorbit
