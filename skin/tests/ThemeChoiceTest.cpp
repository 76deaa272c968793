// The one rule by which a control chooses file or built-in values, and the
// style a new control takes from the frame on its owner form (a test class
// named TskForm, found by its name and read through its published UIStyle).
#include <gtest/gtest.h>

#include "platform/ui/TCustomPanel.h"
#include "platform/ui/TForm.h"
#include "testing/FormTest.h"
#include "skin/SkMgr.h"
#include "skin/ThemeChoice.h"
#include "skin/tests/SkinFiles.h"
#include "skin/tests/TestFrame.h"
#include "testing/TempFolder.h"

namespace skintest {
namespace {

using namespace zorbit;

class ThemeChoice : public zorbit::testing::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    RegisterTestFrame();
    FForm = new plat::TForm(plat::Application);
  }

  TskForm* Frame(plat::TWinControl* Parent, TskUIStyle Style) {
    auto* frame = new TskForm(FForm);
    frame->SetParent(Parent);
    frame->SetUIStyle(Style);
    return frame;
  }

  plat::TForm* FForm = nullptr;
};

TEST_F(ThemeChoice, UsingFileThemeTakesTheFileOnlyWhenAskedAndLoaded) {
  zorbit::testing::TTempFolder folder{"zorbit-skin"};
  auto* loaded = new TskFileTheme(FForm);
  loaded->SetThemeFile(folder.Write("good.skn", AllKindsSkin().Image()));
  auto* neverLoaded = new TskFileTheme(FForm);
  const struct {
    const char* Name;
    const TskFileTheme* Theme;
    TskUIStyle Style;
    bool UsesFile;
    TskUIStyle Out;
  } cases[] = {
      {"built-in style with a loaded theme", loaded, TskUIStyle::WinXP, false, TskUIStyle::WinXP},
      {"built-in style without a theme", nullptr, TskUIStyle::Protein, false, TskUIStyle::Protein},
      {"file style with a loaded theme", loaded, TskUIStyle::FromThemeFile, true, TskUIStyle::FromThemeFile},
      {"file style without a theme", nullptr, TskUIStyle::FromThemeFile, false, TskUIStyle::DeepBlue},
      {"file style, theme never loaded", neverLoaded, TskUIStyle::FromThemeFile, false, TskUIStyle::DeepBlue},
  };
  for (const auto& c : cases) {
    TskUIStyle out = TskUIStyle::MacOS;
    EXPECT_EQ(UsingFileTheme(c.Theme, c.Style, out), c.UsesFile) << c.Name;
    EXPECT_EQ(out, c.Out) << c.Name;
  }
}

TEST_F(ThemeChoice, ANewControlTakesTheStyleOfTheFrameOnItsOwnerForm) {
  EXPECT_EQ(GetOwnerFormUIStyle(nullptr), TskUIStyle::DeepBlue);
  EXPECT_EQ(GetOwnerFormUIStyle(FForm), TskUIStyle::DeepBlue);  // no frame

  auto* panel = new plat::TPanel(FForm);
  panel->SetParent(FForm);
  Frame(panel, TskUIStyle::MacOS);  // not a direct child of the form
  EXPECT_EQ(GetOwnerFormUIStyle(FForm), TskUIStyle::DeepBlue);
  EXPECT_EQ(GetOwnerFormUIStyle(panel), TskUIStyle::DeepBlue);  // not a form

  Frame(FForm, TskUIStyle::BlueGlass);
  Frame(FForm, TskUIStyle::WinXP);
  EXPECT_EQ(GetOwnerFormUIStyle(FForm), TskUIStyle::BlueGlass);  // the first one
}

}  // namespace
}  // namespace skintest
