#pragma once
// TEsgSpinButton: a pair of repeating buttons (TExtTimerSpeedButton) in a
// window of its own, up and down (vertical, at least 15 wide: the up button
// the top half, the down button the rest from one pixel higher, so they
// share a line) or left and right (horizontal, at least 20 wide: the down
// button the left half, the up button the right half). A held button
// repeats; every click fires OnUpClick or OnDownClick.
//
// Focus: it wants the arrow keys; Up and Down focus and click their button,
// Space clicks the focused one (the up button at first), which shows a
// focus rectangle while the pair has the focus. Pressing a button makes it
// the focused one and then moves the focus to FocusControl (a tab stop that
// can take it and has not), else to the pair itself when that is a tab stop.
// FocusControl is forgotten when that control goes.
//
// Glyphs: null loads the program's pictures "EsgSpinUp" and "EsgSpinDown"
// (one frame each); the pair starts with them.
#include "grid/ExtTimerSpeedButton.h"
#include "platform/ui/TComponentRef.h"
#include "platform/ui/TWinControl.h"

namespace plat {
class TBitmap;
}

namespace zorbit {

enum class TSpinDirection { spVertical, spHorizontal };

class TEsgSpinButton : public plat::TWinControl {
 public:
  explicit TEsgSpinButton(plat::TComponent* AOwner);

  // Recreates the window and gives the pair its width (15 or 20).
  TSpinDirection Direction() const { return FDirection; }
  void SetDirection(TSpinDirection Value);
  plat::TBitmap* UpGlyph() const { return FUpButton->Glyph(); }
  void SetUpGlyph(const plat::TBitmap* Value);
  plat::TBitmap* DownGlyph() const { return FDownButton->Glyph(); }
  void SetDownGlyph(const plat::TBitmap* Value);
  int UpNumGlyphs() const { return FUpButton->NumGlyphs(); }
  void SetUpNumGlyphs(int Value) { FUpButton->SetNumGlyphs(Value); }
  int DownNumGlyphs() const { return FDownButton->NumGlyphs(); }
  void SetDownNumGlyphs(int Value) { FDownButton->SetNumGlyphs(Value); }
  plat::TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(plat::TWinControl* Value);
  // Passed to both buttons.
  bool Themed() const { return FUpButton->Themed(); }
  void SetThemed(bool Value);

  TExtTimerSpeedButton* UpButton() const { return FUpButton; }
  TExtTimerSpeedButton* DownButton() const { return FDownButton; }
  TExtTimerSpeedButton* FocusedButton() const { return FFocusedButton; }

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  plat::TNotifyEvent OnUpClick;
  plat::TNotifyEvent OnDownClick;

 protected:
  void WndProc(plat::TMessage& Message) override;
  void KeyDown(std::uint16_t& Key, plat::TShiftState Shift) override;

 private:
  TExtTimerSpeedButton* MakeButton(TExtButtonDirection Direction, bool Up);
  void ButtonMouseDown(TExtTimerSpeedButton* Button, plat::TMouseButton MouseButton);
  void SetFocusedButton(TExtTimerSpeedButton* Button);
  void ShowFocus(bool Shown);
  void LayOutButtons();
  int MinimumWidth() const { return FDirection == TSpinDirection::spVertical ? 15 : 20; }

  TSpinDirection FDirection = TSpinDirection::spVertical;
  TExtTimerSpeedButton* FUpButton = nullptr;
  TExtTimerSpeedButton* FDownButton = nullptr;
  TExtTimerSpeedButton* FFocusedButton = nullptr;
  plat::TComponentRef<plat::TWinControl> FFocusControl;
};

}  // namespace zorbit
