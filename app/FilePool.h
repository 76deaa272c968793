#pragma once
// TFilePool unpacks a language pack and hands out the local paths of its
// files and its named pictures. A pack is unpacked whole into the extraction
// folder ("folder mode"); when that folder cannot be made, single files are
// unpacked on demand instead, into a folder of the pool's own that it makes
// in the temporary folder (only the user may enter it; it goes with the
// pool), since in the shared temporary folder another user could have placed
// files or links under the members' names. File names are matched without case.
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "app/cabfiles.h"
#include "platform/gdi/TBitmap.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Types.h"

namespace zorbit {

class TFilePool : public plat::TObject {
 public:
  // LPKFile: the pack (its contents are read when the path is not empty);
  // TmpPath: the extraction folder, kept as given until CreateLPKFolder.
  TFilePool(const plat::String& LPKFile, const plat::String& TmpPath);
  ~TFilePool() override;
  TFilePool(const TFilePool&) = delete;
  TFilePool& operator=(const TFilePool&) = delete;

  // Unpacks every pack of the pool into the extraction folder, which gains
  // "__LanguageFiles" (the program's folder + "__LanguageFiles" when none was
  // given). Failures are logged; a folder that cannot be made leaves folder mode off.
  void CreateLPKFolder();
  // Adds a further pack; its files replace same-named ones of earlier packs.
  // False when the pack is already in the pool or not there.
  bool AddCab(const plat::String& LPKFile);
  // The local path of a pack file, or "" (in folder mode) when the pack lacks it.
  plat::String GetFile(const plat::String& FileName);
  // The local paths of the unpacked files matching Mask, sorted by name
  // without case so that the order never depends on the file system. Only in folder mode.
  void FindFiles(const plat::String& Mask, plat::TStrings& List);
  // Loads a ".bmp" or ".jpg" pack file into Bitmap (emptied first); false
  // when the file is missing or cannot be decoded. Outside folder mode the
  // copy the pool unpacked for it is removed again.
  bool LoadBitmap(const plat::String& Name, plat::TBitmap& Bitmap);
  // Replaces the named pictures by those listed in Section of the INI file
  // (picture name = pack file name); pictures that do not load are left out.
  void LoadImages(const plat::String& IniFile, const plat::String& Section);
  // The picture of that name (without case), or null.
  plat::TBitmap* GetImage(const plat::String& Name) const;

  bool FolderMode() const { return FFolderMode; }
  const plat::String& ExtractFolder() const { return FExtractFolder; }
  // The cabinet reader the pool unpacks with.
  TCABFile& Reader() { return *FReader; }

 private:
  // The folder single files are unpacked into, made when first needed; "" when it cannot be.
  plat::String PrivateFolder();

  std::unique_ptr<TCABFile> FReader;
  std::vector<std::pair<plat::String, std::unique_ptr<plat::TBitmap>>> FImages;
  plat::TStringList FExtracted;
  // The local paths of the single files the pool unpacked and has not removed.
  std::set<plat::String> FUnpacked;
  plat::String FPrivateFolder;
  plat::TStringList FCabinets;
  plat::String FExtractFolder;
  bool FFolderMode = false;
};

}  // namespace zorbit
