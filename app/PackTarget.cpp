#include "app/PackTarget.h"

#include <utility>

#include "platform/rtl/FileUtils.h"
#include "platform/rtl/StringUtils.h"

namespace zorbit {

using plat::String;

namespace {

// Names compare as AnsiSameText compares them: code point by code point, lower case.
String Folded(const String& Name) { return plat::AnsiLowerCase(Name); }

}  // namespace

TTargetFolder::TTargetFolder(std::unique_ptr<plat::TFolderHandle> Handle) : FHandle(std::move(Handle)) {
  std::vector<String> names;
  FHandle->List(names);
  for (const String& name : names) {
    FNames.emplace(Folded(name), name);
    FExact.insert(name);
  }
}

String TTargetFolder::Find(const String& Name) const {
  if (FExact.count(Name) != 0) {
    return Name;
  }
  const auto found = FNames.find(Folded(Name));
  return found == FNames.end() ? String() : found->second;
}

TPackTarget::TPackTarget(const String& Folder) : FFolder(Folder) {}

TPackTarget::~TPackTarget() = default;

TTargetFolder* TPackTarget::Enter(const std::vector<String>& Folders) {
  TTargetFolder* folder = nullptr;
  if (const auto root = FFolders.find(String()); root != FFolders.end()) {
    folder = root->second.get();
  } else {
    plat::ForceDirectories(FFolder);
    std::unique_ptr<plat::TFolderHandle> handle = plat::TFolderHandle::Open(FFolder);
    if (!handle) {
      return nullptr;
    }
    folder = (FFolders[String()] = std::make_unique<TTargetFolder>(std::move(handle))).get();
  }
  String key;
  for (const String& name : Folders) {
    key += "/" + Folded(name);
    const auto found = FFolders.find(key);
    folder = found != FFolders.end() ? found->second.get() : Open(*folder, name, key);
    if (!folder) {
      return nullptr;
    }
  }
  return folder;
}

TTargetFolder* TPackTarget::Open(TTargetFolder& Parent, const String& Name, const String& Key) {
  const String existing = Parent.Find(Name);
  std::unique_ptr<plat::TFolderHandle> handle =
      Parent.FHandle->OpenFolder(existing.empty() ? Name : existing, existing.empty());
  if (!handle) {
    return nullptr;
  }
  if (existing.empty()) {
    Made(Parent, Name, true);
  }
  return (FFolders[Key] = std::make_unique<TTargetFolder>(std::move(handle))).get();
}

int TPackTarget::CreateFile(TTargetFolder& Folder, const String& Name) {
  const int handle = Folder.FHandle->CreateFile(Name);
  if (handle >= 0) {
    Made(Folder, Name, false);
  }
  return handle;
}

bool TPackTarget::DeleteFile(TTargetFolder& Folder, const String& Name) {
  if (!Folder.FHandle->DeleteFile(Name)) {
    return false;
  }
  Gone(Folder, Name);
  return true;
}

std::vector<String> TPackTarget::Files() const {
  std::vector<String> files;
  for (const TMade& made : FMade) {
    if (!made.IsFolder && !made.Gone) {
      files.push_back(made.Folder->Path() + made.Name);
    }
  }
  return files;
}

void TPackTarget::Undo() {
  for (auto made = FMade.rbegin(); made != FMade.rend(); ++made) {
    if (made->Gone) {
      continue;
    }
    const plat::TFolderHandle& folder = *made->Folder->FHandle;
    if (made->IsFolder ? folder.RemoveDir(made->Name) : folder.DeleteFile(made->Name)) {
      Gone(*made->Folder, made->Name);
    }
  }
}

void TPackTarget::Made(TTargetFolder& Folder, const String& Name, bool IsFolder) {
  const String key = Folded(Name);
  Folder.FNames[key] = Name;
  Folder.FExact.insert(Name);
  Folder.FMade[key] = FMade.size();
  FMade.push_back({&Folder, Name, IsFolder, false});
}

void TPackTarget::Gone(TTargetFolder& Folder, const String& Name) {
  const String key = Folded(Name);
  Folder.FExact.erase(Name);
  if (const auto named = Folder.FNames.find(key); named != Folder.FNames.end() && named->second == Name) {
    Folder.FNames.erase(named);
  }
  if (const auto made = Folder.FMade.find(key); made != Folder.FMade.end()) {
    FMade[made->second].Gone = true;
    Folder.FMade.erase(made);
  }
}

}  // namespace zorbit
