#pragma once
// The skinned edit: the platform's single-line edit with its border
// replaced by a thin frame in the theme's "ControlBorderColor".
//
// It has no border of its own and a border width of 2 pixels; after each
// paint and background erase it frames its window with BorderColor outside
// and Color inside, so the border shows one pixel of each. A new edit takes
// the style of its owner form's frame (GetOwnerFormUIStyle); every style
// change sets BorderColor from the theme (UsingFileTheme's rule) and then
// calls StyleChanged. A deleted file theme is forgotten and DeepBlue taken.
#include "platform/ui/TCustomEdit.h"
#include "skin/ThemeElements.h"

namespace zorbit {

class TskFileTheme;

class TskEdit : public plat::TCustomEdit {
 public:
  explicit TskEdit(plat::TComponent* AOwner);

  TskFileTheme* FileTheme() const { return FFileTheme; }
  // Stores the theme and applies UIStyle again.
  void SetFileTheme(TskFileTheme* Value);
  TskUIStyle UIStyle() const { return FUIStyle; }
  void SetUIStyle(TskUIStyle Value);
  plat::TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(plat::TColor Value);

 protected:
  // Called after each style change; does nothing here.
  virtual void StyleChanged() {}

  void WndProc(plat::TMessage& Message) override;
  void Notification(plat::TComponent* AComponent, plat::TOperation Operation) override;

 private:
  TskFileTheme* FFileTheme = nullptr;
  TskUIStyle FUIStyle = TskUIStyle::DeepBlue;
  plat::TColor FBorderColor = plat::clBlack;
};

}  // namespace zorbit
