#pragma once
// TLocalization picks the language pack (<name>.lpk in the language folder),
// has the global file pool unpack it, and loads its "strtab*" files into the
// global string table. A pack that is not there changes nothing, so the
// program runs with its English texts.
#include <functional>

#include "app/FilePool.h"
#include "platform/rtl/Types.h"

namespace zorbit {

// Waits the given milliseconds between the tries of SetLanguage.
using TRetryPause = std::function<void(plat::DWORD Milliseconds)>;

class TLocalization : public plat::TObject {
 public:
  // Both folders get a trailing delimiter.
  TLocalization(const plat::String& LanguageFolder, const plat::String& ExtractFolder);

  // SetLanguage, then LoadStrings.
  void Load(const plat::String& Name);
  // Opens the language folder + Name + ".lpk": the first pack found makes the
  // global pool and unpacks it; later ones are added to the pool. Adding is
  // tried again once, after 2.2 seconds in which window messages run; a
  // failure of the second try is raised.
  void SetLanguage(const plat::String& Name);
  // Loads every "strtab*" file of the pool into the global string table.
  void LoadStrings();

  const plat::String& LanguageFolder() const { return FLanguageFolder; }
  const plat::String& ExtractFolder() const { return FExtractFolder; }
  // The file name of the pack last opened ("<name>.lpk"); "" before.
  const plat::String& CurrentLanguage() const { return FCurrentLanguage; }

  // How the retry waits; by default the thread sleeps. Window messages run
  // after each pause either way.
  void SetRetryPause(TRetryPause Pause) { FRetryPause = std::move(Pause); }

 private:
  plat::String FLanguageFolder;
  plat::String FCurrentLanguage;
  plat::String FExtractFolder;
  TRetryPause FRetryPause;
};

// The global localization object: made by the program's start (null before).
TLocalization* Localization();
TLocalization& CreateLocalization(const plat::String& LanguageFolder, const plat::String& ExtractFolder);
// The global pool: made by the first SetLanguage that finds its pack; null
// until then, and every caller then finds nothing.
TFilePool* FilePool();

// Unit start: the empty global string table; no pool, no localization object.
void InitializeLocalization();
// Unit end: frees the localization object, the string table and the pool, in
// that order. The unpacked files stay on disk.
void FinalizeLocalization();

}  // namespace zorbit
