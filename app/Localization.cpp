#include "app/Localization.h"

#include <exception>
#include <memory>

#include "app/StringTable.h"
#include "platform/os/SysTime.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Paths.h"
#include "service/AppHooks.h"

namespace zorbit {

using plat::String;

namespace {

// The second try of adding a pack comes after this many pauses of this length.
constexpr int kRetryPauses = 11;
constexpr plat::DWORD kRetryPauseMs = 200;

struct TLocalizationGlobals {
  std::unique_ptr<TLocalization> Localization;
  std::unique_ptr<TFilePool> Pool;
};

TLocalizationGlobals& Globals() {
  static TLocalizationGlobals globals;
  return globals;
}

}  // namespace

TLocalization::TLocalization(const String& LanguageFolder, const String& ExtractFolder)
    : FLanguageFolder(plat::IncludeTrailingPathDelimiter(LanguageFolder)),
      FExtractFolder(plat::IncludeTrailingPathDelimiter(ExtractFolder)),
      FRetryPause([](plat::DWORD Milliseconds) { plat::Sleep(Milliseconds); }) {}

void TLocalization::Load(const String& Name) {
  SetLanguage(Name);
  LoadStrings();
}

void TLocalization::SetLanguage(const String& Name) {
  const String fileName = Name + ".lpk";
  const String path = FLanguageFolder + fileName;
  if (!plat::FileExists(path)) {
    return;
  }
  std::unique_ptr<TFilePool>& pool = Globals().Pool;
  if (!pool) {
    pool = std::make_unique<TFilePool>(path, FExtractFolder);
    pool->CreateLPKFolder();
  } else {
    try {
      pool->AddCab(path);
    } catch (const std::exception&) {
      // The pack may still be held by another program: give it a moment.
      for (int i = 0; i < kRetryPauses; ++i) {
        FRetryPause(kRetryPauseMs);
        HookProcessMessages();
      }
      pool->AddCab(path);
    }
  }
  FCurrentLanguage = fileName;
}

void TLocalization::LoadStrings() {
  TFilePool* pool = FilePool();
  TStringTable* table = StringTable();
  if (!pool || !table) {
    return;
  }
  plat::TStringList files;
  pool->FindFiles("strtab*", files);
  for (int i = 0; i < files.Count(); ++i) {
    table->LoadFromIni(files.Strings(i));
  }
}

TLocalization* Localization() { return Globals().Localization.get(); }

TLocalization& CreateLocalization(const String& LanguageFolder, const String& ExtractFolder) {
  Globals().Localization = std::make_unique<TLocalization>(LanguageFolder, ExtractFolder);
  return *Globals().Localization;
}

TFilePool* FilePool() { return Globals().Pool.get(); }

void InitializeLocalization() { InitializeStringTable(); }

void FinalizeLocalization() {
  Globals().Localization.reset();
  FinalizeStringTable();
  Globals().Pool.reset();
}

}  // namespace zorbit
