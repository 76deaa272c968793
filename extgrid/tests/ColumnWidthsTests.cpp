// Column widths written at destruction and taken by the next grid with the
// same key and section, in an INI file and in the registry; damaged values
// and unreachable stores.
#include <gtest/gtest.h>

#include <string>

#include "extgrid/TExtStringGrid.h"
#include "platform/os/PlatformRoot.h"
#include "platform/os/RegistryIniFile.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Paths.h"
#include "platform/ui/TForm.h"
#include "testing/FormTest.h"
#include "testing/TempFolder.h"

namespace zorbit {
namespace {

class ColumnWidths : public testing::FormTest {
 protected:
  void TearDown() override {
    delete FForm;
    FormTest::TearDown();
  }
  // A grid on the form that keeps its widths in Key and Section.
  TExtStringGrid* MakeGrid(TColumnSizeLocation Location, const std::string& Key) {
    auto* grid = new TExtStringGrid(FForm);
    grid->ColumnSize()->SetLocation(Location);
    grid->ColumnSize()->SetKey(Key);
    grid->ColumnSize()->SetSection("Widths");
    grid->ColumnSize()->SetSave(true);
    grid->SetParent(FForm);
    grid->HandleNeeded();  // window creation loads the widths
    return grid;
  }
  // Sets widths 10, 20, ... and frees the grid, which saves them.
  void SaveThroughDestruction(TColumnSizeLocation Location, const std::string& Key) {
    TExtStringGrid* grid = MakeGrid(Location, Key);
    for (int col = 0; col < grid->ColCount(); ++col) grid->SetColWidths(col, 10 * (col + 1));
    delete grid;
  }
  static void ExpectSavedWidths(TExtStringGrid* Grid) {
    for (int col = 0; col < Grid->ColCount(); ++col) EXPECT_EQ(Grid->ColWidths(col), 10 * (col + 1)) << col;
  }

  plat::TForm* FForm = new plat::TForm(nullptr);
  testing::TTempFolder FFolder{"extgrid-widths"};
};

TEST_F(ColumnWidths, AnIniFileKeepsThemForTheNextGrid) {
  const std::string path = FFolder.File("grid.ini");
  SaveThroughDestruction(TColumnSizeLocation::clIniFile, path);
  EXPECT_EQ(FFolder.Read("grid.ini"), "[Widths]\r\nCol0=10\r\nCol1=20\r\nCol2=30\r\nCol3=40\r\nCol4=50\r\n");
  ExpectSavedWidths(MakeGrid(TColumnSizeLocation::clIniFile, path));
}

TEST_F(ColumnWidths, AnIniNameWithoutFolderLivesInTheWindowsFolder) {
  SaveThroughDestruction(TColumnSizeLocation::clIniFile, "gridwidths.ini");
  plat::TIniFile ini(plat::IncludeTrailingPathDelimiter(plat::WindowsFolder()) + "gridwidths.ini");
  EXPECT_EQ(ini.ReadInteger("Widths", "Col4", 0), 50);
}

TEST_F(ColumnWidths, TheRegistryKeepsThemUnderTheCurrentUser) {
  SaveThroughDestruction(TColumnSizeLocation::clRegistry, "Software\\Zorbit\\Grid");
  plat::TRegistryIniFile registry("Software\\Zorbit\\Grid", plat::HKEY_CURRENT_USER);
  EXPECT_EQ(registry.ReadInteger("Widths", "Col2", 0), 30);
  ExpectSavedWidths(MakeGrid(TColumnSizeLocation::clRegistry, "Software\\Zorbit\\Grid"));
}

TEST_F(ColumnWidths, StoredWidthsOutsideTheRangeAreIgnored) {
  const std::string path =
      FFolder.Write("damaged.ini", "[Widths]\nCol0=-5\nCol1=10001\nCol2=10000\nCol3=0\nCol4=abc\n");
  TExtStringGrid* grid = MakeGrid(TColumnSizeLocation::clIniFile, path);
  EXPECT_EQ(grid->ColWidths(0), 64);
  EXPECT_EQ(grid->ColWidths(1), 64);
  EXPECT_EQ(grid->ColWidths(2), 10000);
  EXPECT_EQ(grid->ColWidths(3), 0);
  EXPECT_EQ(grid->ColWidths(4), 64);
}

TEST_F(ColumnWidths, AnEmptyKeyOrSectionNeitherReadsNorWrites) {
  TExtStringGrid* grid = MakeGrid(TColumnSizeLocation::clIniFile, FFolder.File("none.ini"));
  grid->ColumnSize()->SetSection("");
  delete grid;
  EXPECT_EQ(FFolder.Read("none.ini"), "");
}

// A store that cannot be written is logged at destruction, not thrown out
// of the destructor.
TEST_F(ColumnWidths, AnUnwritableStoreAtDestructionIsLoggedNotThrown) {
  FFolder.Write("file", "x");
  TExtStringGrid* grid = MakeGrid(TColumnSizeLocation::clIniFile, FFolder.File("file/grid.ini"));
  EXPECT_NO_THROW(delete grid);
}

}  // namespace
}  // namespace zorbit
