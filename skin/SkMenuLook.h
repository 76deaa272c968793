#pragma once
// The look the skinned menus share (TskPopupMenu, TskMainMenu): the values
// a style sets (colours, item and separator heights, side bar, font) and
// the measuring and drawing of every item in them. TskSkinnedMenu<TMenuBase>
// publishes these values on a class-library menu and owner-draws all its
// items, sub-items and items added later included.
//
// Rules: OwnerDraw always reads True. In style MacOS the item heights are
// 20 and 12 whatever MenuItemHeight and SeparatorHeight say. A disabled
// item is never drawn selected and its text is grey ($808080). A FileTheme
// that is freed is forgotten and the style becomes DeepBlue.
#include "platform/gdi/Colors.h"
#include "platform/gdi/TFont.h"
#include "platform/rtl/Types.h"
#include "platform/ui/TMenu.h"
#include "skin/ThemeElements.h"

namespace plat {
class TCanvas;
class TImageList;
}  // namespace plat

namespace zorbit {

class TskFileTheme;

template <typename TMenuBase>
class TskSkinnedMenu : public TMenuBase {
 public:
  explicit TskSkinnedMenu(plat::TComponent* AOwner);

  TskUIStyle UIStyle() const { return FUIStyle; }
  void SetUIStyle(TskUIStyle Value);
  TskFileTheme* FileTheme() const { return FFileTheme; }
  void SetFileTheme(TskFileTheme* Value);

  bool OwnerDraw() const override { return true; }
  void SetOwnerDraw(bool) override {}

  int MenuItemHeight() const { return FMenuItemHeight; }
  void SetMenuItemHeight(int Value) { FMenuItemHeight = Value; }
  int SeparatorHeight() const { return FSeparatorHeight; }
  void SetSeparatorHeight(int Value) { FSeparatorHeight = Value; }
  int BarWidth() const { return FBarWidth; }
  void SetBarWidth(int Value) { FBarWidth = Value; }
  plat::TColor BarColor() const { return FBarColor; }
  void SetBarColor(plat::TColor Value) { FBarColor = Value; }
  plat::TColor Color() const { return FColor; }
  void SetColor(plat::TColor Value) { FColor = Value; }
  plat::TColor SeparatorColor() const { return FSeparatorColor; }
  void SetSeparatorColor(plat::TColor Value) { FSeparatorColor = Value; }
  plat::TColor SelectedBorderColor() const { return FSelectedBorderColor; }
  void SetSelectedBorderColor(plat::TColor Value) { FSelectedBorderColor = Value; }
  plat::TColor SelectedColor() const { return FSelectedColor; }
  void SetSelectedColor(plat::TColor Value) { FSelectedColor = Value; }
  plat::TColor SelectedFontColor() const { return FSelectedFontColor; }
  void SetSelectedFontColor(plat::TColor Value) { FSelectedFontColor = Value; }
  plat::TColor FontColor() const { return FFontColor; }
  void SetFontColor(plat::TColor Value) { FFontColor = Value; }
  plat::TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(plat::TColor Value) { FBorderColor = Value; }
  bool FlatMenu() const { return FFlatMenu; }
  void SetFlatMenu(bool Value) { FFlatMenu = Value; }
  const plat::String& FontName() const { return FFontName; }
  void SetFontName(const plat::String& Value) { FFontName = Value; }
  int FontSize() const { return FFontSize; }
  void SetFontSize(int Value) { FFontSize = Value; }
  plat::TFontCharset FontCharset() const { return FFontCharset; }
  void SetFontCharset(plat::TFontCharset Value) { FFontCharset = Value; }
  bool UseSystemFont() const { return FUseSystemFont; }
  virtual void SetUseSystemFont(bool Value) { FUseSystemFont = Value; }

  // The font items are drawn in: the system's menu font with UseSystemFont,
  // else FontName, FontSize and FontCharset.
  void ItemFont(plat::TFont& Font) const;

 protected:
  void Loaded() override;
  void MenuChanged(plat::TObject* Sender, plat::TMenuItem* Source, bool Rebuild) override;
  void Notification(plat::TComponent* AComponent, plat::TOperation Operation) override;
  // The images whose indexes items name (the check marks' list counts).
  virtual plat::TImageList* ItemImages() const { return this->Images(); }

 private:
  void HookItems();
  void MeasureItem(plat::TObject* Sender, plat::TCanvas* Canvas, int& Width, int& Height);
  void DrawItem(plat::TObject* Sender, plat::TCanvas* Canvas, plat::TRect Rect, bool Selected);
  // Right-to-left reading needs the system's support and a right-to-left
  // owner control (menus have no reading direction of their own here).
  bool ReadsRightToLeft() const;
  void DrawCheckMark(plat::TCanvas& Canvas, int X, int Y, bool Enabled) const;

  TskUIStyle FUIStyle = TskUIStyle::DeepBlue;
  TskFileTheme* FFileTheme = nullptr;
  int FMenuItemHeight = 21;
  int FSeparatorHeight = 21;
  int FBarWidth = 0;
  plat::TColor FBarColor = plat::clBtnFace;
  plat::TColor FColor = plat::clWhite;
  plat::TColor FSeparatorColor = 0x808080;
  plat::TColor FSelectedBorderColor = plat::clHighlight;
  plat::TColor FSelectedColor = plat::clHighlight;
  plat::TColor FSelectedFontColor = plat::clWhite;
  plat::TColor FFontColor = plat::clWhite;
  plat::TColor FBorderColor = 0x000000;
  bool FFlatMenu = false;
  plat::String FFontName = "MS Sans Serif";
  int FFontSize = 8;
  plat::TFontCharset FFontCharset = plat::DEFAULT_CHARSET;
  bool FUseSystemFont = true;
};

}  // namespace zorbit
