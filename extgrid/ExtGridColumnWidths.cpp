// Column widths kept as "Col<i>" integers in an INI file or a registry key.
#include <memory>

#include "extgrid/TExtStringGrid.h"
#include "platform/os/PlatformRoot.h"
#include "platform/os/RegistryIniFile.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Paths.h"

namespace zorbit {

namespace {

// Widths outside this range are taken as damage and ignored.
constexpr int kMaxStoredWidth = 10000;

plat::String ColumnValueName(int ACol) { return "Col" + std::to_string(ACol); }

// The INI file or the registry key (under the current user) of the widths.
// An INI name without a folder lives in the Windows folder.
std::unique_ptr<plat::TCustomIniFile> OpenWidthStore(const TColumnSize& Size) {
  if (Size.Location() == TColumnSizeLocation::clRegistry)
    return std::make_unique<plat::TRegistryIniFile>(Size.Key(), plat::HKEY_CURRENT_USER);
  plat::String path = Size.Key();
  if (plat::ExtractFilePath(path).empty()) path = plat::IncludeTrailingPathDelimiter(plat::WindowsFolder()) + path;
  return std::make_unique<plat::TIniFile>(path);
}

bool WidthStoreNamed(const TColumnSize& Size) { return !Size.Key().empty() && !Size.Section().empty(); }

}  // namespace

void TExtStringGrid::SaveColumnWidths() {
  if (!WidthStoreNamed(*FColumnSize) || Designing()) return;
  auto store = OpenWidthStore(*FColumnSize);
  for (int col = 0; col < ColCount(); ++col)
    store->WriteInteger(FColumnSize->Section(), ColumnValueName(col), ColWidths(col));
  store->UpdateFile();
}

void TExtStringGrid::LoadColumnWidths() {
  if (!WidthStoreNamed(*FColumnSize) || Designing()) return;
  auto store = OpenWidthStore(*FColumnSize);
  for (int col = 0; col < ColCount(); ++col) {
    const int width = store->ReadInteger(FColumnSize->Section(), ColumnValueName(col), ColWidths(col));
    if (width >= 0 && width <= kMaxStoredWidth && width != ColWidths(col)) SetColWidths(col, width);
  }
}

}  // namespace zorbit
