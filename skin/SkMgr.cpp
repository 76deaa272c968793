#include "skin/SkMgr.h"

#include <array>
#include <cstring>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TGraphic.h"
#include "platform/os/Module.h"
#include "platform/os/ShellFolders.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TypInfo.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "skin/FrameCut.h"
#include "skin/SkThemeFile.h"

namespace zorbit {

using plat::String;

namespace {

constexpr char kMagic[] = "Veneer_TB";
constexpr std::size_t kMagicField = 12;
constexpr char kInvalidSkinFile[] = "Invalid skin file for Veneer!";

bool InRange(TskThemeElement Element) { return Element >= FirstThemeElement && Element <= LastThemeElement; }

// Where a ThemeFile value is looked for: as given, then by its file name in
// the program's folder, the Windows folder and the system folder. Empty when
// it is in none of them.
String FindThemeFile(const String& Value) {
  if (plat::FileExists(Value)) return Value;
  const String name = plat::ExtractFileName(Value);
  if (name.empty()) return String();
  const String folders[] = {plat::ExtractFilePath(plat::GetModuleFileName()), plat::GetWindowsDirectory(),
                            plat::GetSystemDirectory()};
  for (const String& folder : folders) {
    if (folder.empty()) continue;
    const String candidate = plat::IncludeTrailingPathDelimiter(folder) + name;
    if (plat::FileExists(candidate)) return candidate;
  }
  return String();
}

// Whether Component publishes a readable FileTheme that holds Theme; a
// FileTheme of another kind (a file name as text) holds none.
bool HoldsTheme(const plat::TComponent& Component, const TskFileTheme* Theme) {
  if (!plat::IsReadableProp(Component, "FileTheme")) return false;
  try {
    return plat::GetObjectProp(Component, "FileTheme") == Theme;
  } catch (const plat::EPropertyError&) {
    return false;
  }
}

}  // namespace

// TskFileThemeMgr

TskFileThemeMgr::TskFileThemeMgr() = default;
TskFileThemeMgr::~TskFileThemeMgr() = default;

bool TskFileThemeMgr::Load(const String& FileName) {
  if (!plat::FileExists(FileName)) return false;
  auto reader = std::make_unique<TskThemeFileReader>(FileName);  // raises before anything here changes
  FReader = std::move(reader);
  FPictures.Clear();
  return true;
}

void TskFileThemeMgr::GetBitmap(TskThemeElement Element, plat::TBitmap& Bitmap) const {
  if (!InRange(Element) || !FReader) return;
  const String name = ThemeElementName(Element);
  FPictures.Load(name, Bitmap, [this, &name](plat::TBitmap& Picture) {
    plat::TStream* stream = FReader->GetBitmapStream(name);
    if (!stream) return false;
    // A picture that does not decode counts as absent: the bitmap keeps what
    // it had.
    try {
      Picture.LoadFromStream(*stream);
      return true;
    } catch (const plat::EInvalidGraphic&) {
      return false;
    }
  });
}

void TskFileThemeMgr::GetBitmapFrame(TskThemeElement Element, plat::TBitmap& Bitmap, int Count, int Index) const {
  const auto cut = [this, Element, Count, Index](plat::TBitmap& Frame) {
    plat::TBitmap picture;
    GetBitmap(Element, picture);
    FrameCut(picture, Frame, Count, Index);
    return true;
  };
  // Kept only where a kept frame comes out the same (see GetBuiltinBitmapFrame).
  if (Count < 1 || Bitmap.PixelFormat() != plat::TPixelFormat::pfDevice || !InRange(Element)) {
    cut(Bitmap);
    return;
  }
  FPictures.Load(FrameKey(ThemeElementName(Element), Count, Index), Bitmap, cut);
}

bool TskFileThemeMgr::GetBool(TskThemeElement Element) const {
  return InRange(Element) && FReader && FReader->GetBool(ThemeElementName(Element));
}

plat::TColor TskFileThemeMgr::GetColor(TskThemeElement Element) const { return GetInt(Element); }

int TskFileThemeMgr::GetInt(TskThemeElement Element) const {
  if (!InRange(Element)) return -1;
  return FReader ? FReader->GetInt(ThemeElementName(Element)) : 0;
}

// TskFileTheme

TskFileTheme::TskFileTheme(plat::TComponent* AOwner)
    : plat::TComponent(AOwner), FManager(std::make_unique<TskFileThemeMgr>()) {}

TskFileTheme::~TskFileTheme() = default;

void TskFileTheme::SetThemeFile(const String& Value) {
  if (Value == FThemeFile) return;
  const String path = FindThemeFile(Value);
  if (path.empty()) return;
  ApplyFile(path);
}

void TskFileTheme::Reapply() {
  if (FThemeFile.empty() || !plat::FileExists(FThemeFile)) return;
  ApplyFile(FThemeFile);
}

void TskFileTheme::ApplyFile(const String& Path) {
  if (!CheckThemeFile(Path)) throw plat::Exception(kInvalidSkinFile);
  const bool hadFile = !FThemeFile.empty();
  // Load raises before anything changes; it answers False only when the
  // file went away after it was found, which changes nothing either.
  if (!FManager->Load(Path)) return;
  FThemeFile = Path;
  FCanUse = true;
  ++FLoadCount;
  RethemeOwnerForm(hadFile);
}

void TskFileTheme::RethemeOwnerForm(bool HadFile) {
  auto* form = dynamic_cast<plat::TCustomForm*>(Owner());
  if (!form) return;
  bool frameUsesTheme = false;
  // A setter may add components; the count is read again each time.
  for (int i = 0; i < form->ComponentCount(); ++i) {
    plat::TComponent* component = form->Components(i);
    const String className = component->ClassName();
    if (!className.starts_with("Tsk") || !HoldsTheme(*component, this)) continue;
    plat::SetObjectProp(*component, "FileTheme", this);
    frameUsesTheme = frameUsesTheme || className == "TskForm";
  }
  // The frame's sizes come from the theme: the window recomputes its frame.
  if (frameUsesTheme && HadFile && form->HandleAllocated()) {
    plat::SetWindowPos(
        form->Handle(), nullptr, 0, 0, 0, 0,
        plat::SWP_NOMOVE | plat::SWP_NOSIZE | plat::SWP_NOZORDER | plat::SWP_NOACTIVATE | plat::SWP_FRAMECHANGED);
  }
}

bool TskFileTheme::CheckThemeFile(const String& FileName) {
  if (!plat::FileExists(FileName)) return false;
  try {
    plat::TFileStream file(FileName, plat::fmOpenRead | plat::fmShareDenyNone);
    std::array<char, 16> head{};
    file.Read(head.data(), static_cast<plat::Int64>(head.size()));
    return String(head.data(), strnlen(head.data(), kMagicField)) == kMagic;
  } catch (const plat::EStreamError&) {
    return false;
  }
}

void TskFileTheme::GetBitmap(TskThemeElement Element, plat::TBitmap& Bitmap) const {
  FManager->GetBitmap(Element, Bitmap);
}

bool TskFileTheme::GetBool(TskThemeElement Element) const { return FManager->GetBool(Element); }

plat::TColor TskFileTheme::GetColor(TskThemeElement Element) const { return FManager->GetColor(Element); }

int TskFileTheme::GetInt(TskThemeElement Element) const { return FManager->GetInt(Element); }

void TskFileTheme::GetBitmapFrame(TskThemeElement Element, plat::TBitmap& Bitmap, int Count, int Index) const {
  FManager->GetBitmapFrame(Element, Bitmap, Count, Index);
}

}  // namespace zorbit
