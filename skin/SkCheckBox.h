#pragma once
// The skinned check box: one of four frames of the theme's "CheckBoxImage"
// (checked, unchecked, checked disabled, unchecked disabled) with the
// caption beside it, painted off screen; with AutoSize it takes the width
// of frame, caption and 8 pixels.
//
// OnClick fires once for every change of Checked, whoever makes it (not
// while a layout is being read, and not for a value it already has). The
// mouse, Space, Enter and the accelerator all toggle through Click; a
// focused box takes Enter for itself rather than leaving it to the form's
// default button.
#include "platform/ui/TCustomCheckBox.h"
#include "platform/ui/TCustomControl.h"
#include "skin/ThemeElements.h"

namespace zorbit {

class TskFileTheme;

class TskCheckBox : public plat::TCustomControl {
 public:
  // 93 x 17, with the owner form's style.
  explicit TskCheckBox(plat::TComponent* AOwner);

  TskUIStyle UIStyle() const { return FUIStyle; }
  void SetUIStyle(TskUIStyle Value);
  TskFileTheme* FileTheme() const { return FFileTheme; }
  void SetFileTheme(TskFileTheme* Value);

  bool Checked() const { return FChecked; }
  // A new value repaints and fires OnClick (DoClick).
  void SetChecked(bool Value);
  // cbChecked or cbUnchecked; writing anything but cbChecked unchecks.
  plat::TCheckBoxState State() const;
  void SetState(plat::TCheckBoxState Value) { SetChecked(Value == plat::TCheckBoxState::cbChecked); }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  void SetAutoSize(bool Value) override;

  // The user's toggle: Toggle, whose change of Checked fires OnClick.
  void Click() override;

 protected:
  virtual bool IsFocusedDraw() { return Focused() && TabStop(); }
  virtual bool PictureTransparent() const { return false; }
  // The element whose four frames are drawn.
  virtual TskThemeElement PictureElement() const { return element::CheckBoxImage; }
  // OnClick, unless a layout is being read.
  virtual void DoClick();
  virtual void BeforeToggle() {}
  virtual void Toggle();
  // Whether Space and Enter toggle it.
  virtual bool TogglesOnKey() const { return true; }

  void Paint() override;
  void WndProc(plat::TMessage& Message) override;
  void Notification(plat::TComponent* AComponent, plat::TOperation Operation) override;
  void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
  void KeyUp(std::uint16_t& Key, plat::TShiftState Shift) override;

 private:
  // The frame for the state, from the file theme or the built-in style.
  void StateFrame(plat::TBitmap& Frame);
  // Height of "W" in Font, as the caption line is laid out.
  int LineHeight(plat::TCanvas& Canvas);
  // AutoSize: height max("W" + 2, frame) + 4, width frame + caption + 8.
  void UpdateAutoSize();
  void FocusIfPossible();

  TskUIStyle FUIStyle;
  TskFileTheme* FFileTheme = nullptr;
  bool FChecked = false;
  bool FTransparent = false;
};

}  // namespace zorbit
