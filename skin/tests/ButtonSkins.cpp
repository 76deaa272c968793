#include "skin/tests/ButtonSkins.h"

#include "platform/gdi/TBitmap.h"
#include "skin/tests/SkinFiles.h"

namespace skintest {

zorbit::TskFileTheme* LoadButtonSkin(plat::TComponent* Owner, zorbit::testing::TTempFolder& Folder) {
  zorbit::skinwriter::TSkinFileWriter writer;
  writer.AddBitmap("ButtonImage", StripPicture(6, 6, {kButtonNormal, kButtonMouseOn, kButtonPressed}));
  writer.AddByte("ButtonTransparentBool", 0);
  writer.AddBitmap("CheckBoxImage",
                   StripPicture(13, 13, {kBoxChecked, kBoxUnchecked, kBoxCheckedDisabled, kBoxUncheckedDisabled}));
  auto* theme = new zorbit::TskFileTheme(Owner);
  theme->SetThemeFile(Folder.Write("buttons.skn", writer.Image()));
  return theme;
}

void FillPicture(plat::TPicture& Picture, plat::TColor Color, int Width, int Height) {
  plat::TBitmap* bitmap = Picture.Bitmap();
  bitmap->SetSize(Width, Height);
  bitmap->Canvas()->Brush()->SetColor(Color);
  bitmap->Canvas()->FillRect({0, 0, Width, Height});
}

}  // namespace skintest
