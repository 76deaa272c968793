#include "app/FilePool.h"

#include <algorithm>
#include <exception>

#include "platform/gdi/TJPEGImage.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/FolderHandle.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/StringUtils.h"
#include "service/GenericAPI.h"
#include "service/GenericShellAPI.h"

namespace zorbit {

using plat::String;

namespace {

const char kLanguageFiles[] = "__LanguageFiles";
// Longer temporary folders are not used (single files are then not unpacked).
constexpr std::size_t kMaxTempPath = 255;
const char kPrivateFolderPrefix[] = "zorbit-lpk-";

// The existing file of that path, matched without case; "" when there is none.
String ExistingFile(const String& Path) {
  const String found = plat::FindFileNoCase(Path);
  return !found.empty() && plat::FileExists(found) ? found : String();
}

}  // namespace

TFilePool::TFilePool(const String& LPKFile, const String& TmpPath)
    : FReader(std::make_unique<TCABFile>()), FExtractFolder(TmpPath) {
  FReader->SetCABFile(LPKFile);
  if (!LPKFile.empty()) {
    FReader->ReadContents();
  }
  FCabinets.Add(LPKFile);
}

TFilePool::~TFilePool() {
  if (!FPrivateFolder.empty()) {
    plat::DeleteTree(FPrivateFolder);
  }
}

void TFilePool::CreateLPKFolder() {
  for (int i = 0; i < FCabinets.Count(); ++i) {
    if (FExtractFolder.empty()) {
      FExtractFolder = GetExeDir() + kLanguageFiles;
    } else if (FExtractFolder.find(kLanguageFiles) == String::npos) {
      FExtractFolder += kLanguageFiles;
    }
    FExtractFolder = plat::IncludeTrailingPathDelimiter(FExtractFolder);
    if (!plat::ForceDirectories(FExtractFolder)) {
      continue;
    }
    try {
      FReader->SetCABFile(FCabinets.Strings(i));
      FReader->ReadContents();
      FReader->SetTargetPath(FExtractFolder);
      if (!FReader->ExtractAll()) {
        WriteLog("[TFilePool.CreateLPKFolder]:" + FCabinets.Strings(i) + " was not unpacked whole");
      }
      FFolderMode = true;
    } catch (const std::exception& e) {
      WriteLog(String("[TFilePool.CreateLPKFolder]:") + e.what());
    }
  }
}

bool TFilePool::AddCab(const String& LPKFile) {
  if (FCabinets.IndexOf(LPKFile) >= 0 || !plat::FileExists(LPKFile)) {
    return false;
  }
  FReader->SetCABFile(LPKFile);
  FReader->ReadContents();
  FExtracted.Clear();
  if (FFolderMode) {
    FReader->ExtractAll();
    FCabinets.Add(LPKFile);
  }
  return true;
}

String TFilePool::GetFile(const String& FileName) {
  if (FFolderMode) {
    return ExistingFile(plat::IncludeTrailingPathDelimiter(FReader->TargetPath()) + FileName);
  }
  const String folder = PrivateFolder();
  if (folder.empty()) {
    return String();
  }
  FReader->ReadContents();
  FReader->SetTargetPath(folder);
  const String path = plat::NormalizePath(folder + FileName);
  if (ExistingFile(path).empty() || FExtracted.IndexOf(FileName) < 0) {
    FExtracted.Add(FileName);
    try {
      FReader->ExtractFile(FileName);
    } catch (const std::exception&) {
      // The caller finds no file at the path.
    }
    FUnpacked.insert(FReader->Unpacked().begin(), FReader->Unpacked().end());
  }
  const String unpacked = ExistingFile(path);
  return unpacked.empty() ? path : unpacked;
}

String TFilePool::PrivateFolder() {
  if (FPrivateFolder.empty()) {
    const String temp = plat::GetTempDir();
    if (temp.empty() || temp.size() > kMaxTempPath) {
      return String();
    }
    plat::ForceDirectories(temp);
    FPrivateFolder = plat::CreatePrivateFolder(temp, kPrivateFolderPrefix);
  }
  return FPrivateFolder;
}

void TFilePool::FindFiles(const String& Mask, plat::TStrings& List) {
  List.Clear();
  if (!FFolderMode) {
    return;
  }
  std::vector<String> names;
  plat::TSearchRec found;
  if (plat::FindFirst(plat::IncludeTrailingPathDelimiter(FReader->TargetPath()) + Mask, plat::faAnyFile, found) == 0) {
    do {
      names.push_back(found.Name);
    } while (plat::FindNext(found) == 0);
    plat::FindClose(found);
  }
  std::sort(names.begin(), names.end(),
            [](const String& a, const String& b) { return plat::AnsiCompareText(a, b) < 0; });
  for (const String& name : names) {
    const String path = GetFile(name);
    if (!path.empty()) {
      List.Add(path);
    }
  }
}

bool TFilePool::LoadBitmap(const String& Name, plat::TBitmap& Bitmap) {
  Bitmap.SetSize(0, 0);
  const String path = GetFile(Name);
  if (path.empty() || !plat::FileExists(path)) {
    return false;
  }
  bool decoded = true;
  const String extension = plat::AnsiLowerCase(plat::ExtractFileExt(Name));
  try {
    if (extension == ".bmp") {
      Bitmap.LoadFromFile(path);
    } else if (extension == ".jpg") {
      plat::TJPEGImage jpeg;
      jpeg.LoadFromFile(path);
      jpeg.AssignTo(Bitmap);
    }
  } catch (const plat::Exception&) {
    // A broken picture in a pack is left out rather than stopping the window that asked.
    Bitmap.SetSize(0, 0);
    decoded = false;
  }
  // Only a copy the pool unpacked itself is removed, never a file that was there before.
  if (FFolderMode || FUnpacked.erase(path) == 0) {
    return decoded;
  }
  return plat::DeleteFile(path) && decoded;
}

void TFilePool::LoadImages(const String& IniFile, const String& Section) {
  FImages.clear();
  if (!plat::FileExists(IniFile)) {
    return;
  }
  plat::TMemIniFile ini(IniFile);
  plat::TStringList keys;
  ini.ReadSection(Section, keys);
  auto bitmap = std::make_unique<plat::TBitmap>();
  for (int i = 0; i < keys.Count(); ++i) {
    const String key = keys.Strings(i);
    LoadBitmap(ini.ReadString(Section, key, String()), *bitmap);
    if (bitmap->Width() > 0) {
      FImages.emplace_back(key, std::move(bitmap));
      bitmap = std::make_unique<plat::TBitmap>();
    }
  }
}

plat::TBitmap* TFilePool::GetImage(const String& Name) const {
  const auto found = std::find_if(FImages.begin(), FImages.end(),
                                  [&](const auto& entry) { return plat::AnsiSameText(entry.first, Name); });
  return found == FImages.end() ? nullptr : found->second.get();
}

}  // namespace zorbit
