#include "skin/tests/ControlForm.h"

#include "skin/SkMgr.h"
#include "skin/tests/SkinFiles.h"
#include "skin/tests/TestFrame.h"

namespace skintest {

void ControlForm::SetUp() {
  FormTest::SetUp();
  RegisterTestFrame();
  FForm = new plat::TForm(plat::Application);
  FForm->SetBounds(0, 0, 400, 300);
  FForm->SetColor(plat::clWhite);
}

void ControlForm::ShowForm() {
  FForm->Show();
  Pump();
}

zorbit::TskFileTheme* ControlForm::ThemeWith(const std::vector<std::pair<std::string, plat::TColor>>& Colors,
                                             const std::vector<std::pair<std::string, std::string>>& Pictures) {
  zorbit::skinwriter::TSkinFileWriter writer;
  for (const auto& [name, color] : Colors) writer.AddInteger(name, static_cast<std::int32_t>(color));
  for (const auto& [name, picture] : Pictures) writer.AddBitmap(name, picture);
  auto* theme = new zorbit::TskFileTheme(FForm);
  theme->SetThemeFile(FFolder.Write("theme.skn", writer.Image()));
  return theme;
}

std::string ControlForm::Row(plat::TControl* Control, int Y, int X0, int X1, plat::TColor Ink, char Mark) {
  std::string row;
  for (int x = X0; x < X1; ++x) row += PixelAt(Control, {x, Y}) == static_cast<plat::COLORREF>(Ink) ? Mark : '.';
  return row;
}

std::string ControlForm::Column(plat::TControl* Control, int X, int Y0, int Y1, plat::TColor Ink, char Mark) {
  std::string column;
  for (int y = Y0; y < Y1; ++y) column += PixelAt(Control, {X, y}) == static_cast<plat::COLORREF>(Ink) ? Mark : '.';
  return column;
}

}  // namespace skintest
