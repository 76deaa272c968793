#pragma once
// TEsgEditButton: the button part of an edit-with-button, a window filled
// by one TExtSpeedButton (at least 15 wide; 20 x 25 at creation). It acts
// when the left mouse button goes down on it, not on the release: OnClick
// first, then the focus goes to FocusControl (a tab stop that can take it
// and has not), else to the button part itself when that is a tab stop.
// FocusControl is forgotten when that control goes.
#include "grid/ExtSpeedButton.h"
#include "platform/ui/TComponentRef.h"
#include "platform/ui/TWinControl.h"

namespace zorbit {

class TEsgEditButton : public plat::TWinControl {
 public:
  explicit TEsgEditButton(plat::TComponent* AOwner);

  plat::TBitmap* Glyph() const { return FButton->Glyph(); }
  void SetGlyph(const plat::TBitmap* Value) { FButton->SetGlyph(Value); }
  plat::String ButtonCaption() { return FButton->Caption(); }
  void SetButtonCaption(const plat::String& Value) { FButton->SetCaption(Value); }
  int NumGlyphs() const { return FButton->NumGlyphs(); }
  void SetNumGlyphs(int Value) { FButton->SetNumGlyphs(Value); }
  bool Flat() const { return FButton->Flat(); }
  void SetFlat(bool Value) { FButton->SetFlat(Value); }
  plat::TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(plat::TWinControl* Value);

  TExtSpeedButton* Button() const { return FButton; }

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  plat::TNotifyEvent OnClick;

 protected:
  void WndProc(plat::TMessage& Message) override;

 private:
  void ButtonMouseDown(plat::TMouseButton MouseButton);

  TExtSpeedButton* FButton = nullptr;
  plat::TComponentRef<plat::TWinControl> FFocusControl;
};

}  // namespace zorbit
