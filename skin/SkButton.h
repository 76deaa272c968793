#pragma once
// Skinned push buttons. TskCustomButton holds what every skinned button
// does: its states (hot, pressed, disabled), the keyboard (Space and Enter
// press it down and click it on release), the default and cancel roles, the
// modal result it gives its form, and a repeat while the left button is
// held. TskButton draws the theme's "ButtonImage" at any size, with an
// optional glyph.
//
// Painting goes to an off-screen bitmap of the control's size: the parent's
// background (Transparent) or Color, the state picture, the focus mark, the
// caption; the background is never erased separately.
//
// Roles: Enter clicks the button that is "active default": the focused
// TskButton itself while a TskButton has the focus, otherwise the one with
// Default. A focused button takes Enter for itself and clicks on its
// release, as it does for Space. Escape clicks a Cancel button.
//
// The repeat timer lives from a left press until the click, mouse up,
// mouse leave, disabling or hiding. Freed from inside its own tick (the
// OnMouseContinuouslyDown handler ended the press), it is only disabled
// there and freed later.
#include <memory>

#include "platform/gdi/TBitmap.h"
#include "platform/ui/TCustomControl.h"
#include "platform/ui/TCustomForm.h"
#include "skin/ThemeElements.h"

namespace plat {
class TTimer;
}

namespace zorbit {

class TskFileTheme;

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

class TskCustomButton : public plat::TCustomControl {
 public:
  explicit TskCustomButton(plat::TComponent* AOwner);
  ~TskCustomButton() override;

  virtual TskUIStyle UIStyle() const { return FUIStyle; }
  void SetUIStyle(TskUIStyle Value);
  TskFileTheme* FileTheme() const { return FFileTheme; }
  void SetFileTheme(TskFileTheme* Value);

  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  plat::TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(plat::TModalResult Value) { FModalResult = Value; }
  // Milliseconds between OnMouseContinuouslyDown ticks (below 0 counts as 0).
  int MouseContinuouslyDownInterval() const { return FRepeatInterval; }
  void SetMouseContinuouslyDownInterval(int Value) { FRepeatInterval = Value; }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  void SetAutoSize(bool Value) override;
  // Inset of the focus rectangle from every side.
  int FocusedRectMargin() const { return FFocusedRectMargin; }
  void SetFocusedRectMargin(int Value);
  // Kept for layouts that name it: reads 0, writing does nothing.
  unsigned ResHandle() const { return 0; }
  void SetResHandle(unsigned) {}

  // Ends a press (repaint), gives the parent form ModalResult, then OnClick.
  void Click() override;

  plat::TNotifyEvent OnMouseExit;
  plat::TNotifyEvent OnMouseContinuouslyDown;

 protected:
  virtual void UpdateAutoSize() {}
  virtual void CaptionChanged() {}
  virtual void FontChanged() { Invalidate(); }
  virtual void UpdateTransparent();
  virtual void EnabledChanged() {}
  virtual void ApplyTheme() {}
  // The state picture over the background; the base draws it at the
  // control's size as TskButton does.
  virtual void DrawPicture(plat::TCanvas& Canvas, plat::TBitmap& Picture);
  // The caption word-wrapped and centred, one pixel down and right while
  // pressed, etched in white and grey when disabled.
  virtual void DrawCaption(plat::TCanvas& Canvas);
  // A focus rectangle inset by FocusedRectMargin.
  virtual void DrawFocus(plat::TCanvas& Canvas);
  virtual void GetNormalPicture(plat::TBitmap& Picture) = 0;
  virtual void GetMouseOnPicture(plat::TBitmap& Picture) = 0;
  virtual void GetMouseDownPicture(plat::TBitmap& Picture) = 0;
  virtual void GetDisabledPicture(plat::TBitmap& Picture) = 0;

  bool Hot() const { return FHot; }
  bool Pressed() const { return FPressed; }
  bool DrawTransparent() const { return FDrawTransparent; }
  // Set by DrawFocus for the one paint in progress.
  void SetBoldCaptionOnce() { FBoldCaptionOnce = true; }
  bool BoldCaptionOnce() const { return FBoldCaptionOnce; }
  // The caption drawn in Font (bold when asked) from Rect's top-left, etched
  // when disabled.
  void DrawCaptionText(plat::TCanvas& Canvas, plat::TRect Rect, plat::UINT Format);
  // The built-in style or file theme in force, by UsingFileTheme.
  bool UsesFileTheme(TskUIStyle& Style) const;

  void Paint() override;
  void WndProc(plat::TMessage& Message) override;
  void CreateHandleNotify() override;
  void Notification(plat::TComponent* AComponent, plat::TOperation Operation) override;
  void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
  void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
  void MouseMove(plat::TShiftState Shift, int X, int Y) override;
  void KeyDown(std::uint16_t& Key, plat::TShiftState Shift) override;
  void KeyUp(std::uint16_t& Key, plat::TShiftState Shift) override;

 private:
  void StatePicture(plat::TBitmap& Picture);
  void StartRepeatTimer();
  void FreeRepeatTimer();
  void RepeatTick();
  void FocusChanged(plat::TWinControl* Focused);

  TskUIStyle FUIStyle = TskUIStyle::DeepBlue;
  TskFileTheme* FFileTheme = nullptr;
  bool FCancel = false;
  bool FDefault = false;
  plat::TModalResult FModalResult = plat::mrNone;
  int FRepeatInterval = 100;
  bool FTransparent = false;
  int FFocusedRectMargin = 2;

  bool FHot = false;
  bool FPressed = false;
  bool FActiveDefault = false;
  bool FDrawTransparent = false;
  bool FBoldCaptionOnce = false;
  std::unique_ptr<plat::TTimer> FRepeatTimer;
  // A timer freed inside its own tick, disabled until it can go.
  std::unique_ptr<plat::TTimer> FRetiredTimer;
  bool FInRepeatTick = false;
  // Expires with the button: a tick whose handler deleted it stops there.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

class TskButton : public TskCustomButton {
 public:
  // 80 x 27, with the owner form's style.
  explicit TskButton(plat::TComponent* AOwner);
  ~TskButton() override;

  plat::TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(const plat::TBitmap* Value);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  // Gap between glyph and caption.
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);

 protected:
  // Transparent := the style's "ButtonTransparentBool".
  void ApplyTheme() override;
  // The built-in "ButtonImage" of UIStyle (never a file theme) gives the
  // size of one frame; an empty picture counts as 74 x 21.
  void UpdateAutoSize() override;
  void DrawPicture(plat::TCanvas& Canvas, plat::TBitmap& Picture) override;
  void DrawCaption(plat::TCanvas& Canvas) override;
  void DrawFocus(plat::TCanvas& Canvas) override;
  void GetNormalPicture(plat::TBitmap& Picture) override { ButtonFrame(Picture, 1); }
  void GetMouseOnPicture(plat::TBitmap& Picture) override { ButtonFrame(Picture, 2); }
  void GetMouseDownPicture(plat::TBitmap& Picture) override { ButtonFrame(Picture, 3); }
  void GetDisabledPicture(plat::TBitmap& Picture) override { ButtonFrame(Picture, 1); }
  void ActionChange(plat::TObject* Sender, bool CheckDefaults) override;

 private:
  struct TGlyphPlaces {
    plat::TPoint Glyph;
    plat::TPoint Caption;
  };
  void ButtonFrame(plat::TBitmap& Picture, int Index);
  // Where glyph and caption go by Layout, moved while pressed.
  TGlyphPlaces PlaceGlyph(plat::TCanvas& Canvas);

  std::unique_ptr<plat::TBitmap> FGlyph;
  TButtonLayout FLayout = TButtonLayout::blGlyphLeft;
  int FSpacing = 4;
};

}  // namespace zorbit
