#pragma once
// TExtSpeedButton: the speed button of an edit-with-button. With IsWinXP,
// under an active visual style, it draws the style's "button" push-button
// part pressed (3) when down, hot (2) under the mouse, else normal (1), then
// its glyph centred (one pixel right and down when pressed) and its caption
// from (2, 2), (3, 3) when pressed. Without the style the face is a raised
// inner edge (sunken outer when down) when Flat, else a classic push button,
// pushed when down; glyph and caption as above.
#include "platform/ui/TSpeedButton.h"

namespace zorbit {

class TExtSpeedButton : public plat::TSpeedButton {
 public:
  explicit TExtSpeedButton(plat::TComponent* AOwner) : plat::TSpeedButton(AOwner) {}

  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool Value);
  bool MouseOver() const { return FMouseOver; }

 protected:
  void Paint() override;
  void WndProc(plat::TMessage& Message) override;

 private:
  // Answers false when no visual style drew the face.
  bool PaintThemedFace(bool Pressed);
  void PaintClassicFace(bool Pressed);
  void PaintContent(bool Pressed);

  bool FIsWinXP = false;
  bool FMouseOver = false;
};

}  // namespace zorbit
