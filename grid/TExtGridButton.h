#pragma once
// The grid search panel's button: a windowless speed button with its own
// look. A flat button (the default) shows its face in Color (a 16-band
// gradient to ColorTo), under the mouse in ColorHot/ColorHotTo with a
// BorderHotColor frame, pressed in ColorDown/ColorDownTo with a
// BorderDownColor frame, checked in ColorChecked/ColorCheckedTo; Rounded
// draws 8 x 8 corners. A raised button draws the desktop's push button (its
// visual style with AutoXPStyle). Under the mouse a Shaded glyph lifts off
// its grey shade. DropDownButton adds a 12-pixel arrow part on the right:
// pressing it fires OnDropDown and pops DropDownMenu up under the button.
//
// Down: a tasCheck button keeps whatever Down it is given; a tasButton
// button can be down only in a group (GroupIndex not 0), where going down
// puts the group's other buttons under the same parent up and hands them
// its AllowAllUp; the down button of a group comes up only with
// AllowAllUp. A tasCheck button toggles Down when released over itself.
//
// Glyph, GlyphHot, GlyphDown and GlyphDisabled are copies, drawn with the
// bottom-left pixel transparent; a state's glyph that is empty falls back
// to Glyph. Setting Glyph while GlyphDisabled is empty makes a grey
// GlyphDisabled, and rebuilds the shade (when Shaded).
//
// AutoThemeAdapt takes one of four colour sets from the desktop's visual
// style (blue, olive, silver, or the default set without one), when it is
// switched on, after loading and whenever the style changes.
#include <memory>

#include "platform/gdi/Colors.h"
#include "platform/gdi/TBitmap.h"
#include "platform/ui/ButtonLayout.h"
#include "platform/ui/TComponentRef.h"
#include "platform/ui/TGraphicControl.h"
#include "platform/ui/TSpeedButton.h"

namespace plat {
class TPopupMenu;
}

namespace zorbit {

enum class TExtGridButtonStyle { tasButton, tasCheck };

class TExtGridButton : public plat::TGraphicControl {
 public:
  // The drop-down part's width at the right edge.
  static constexpr int DropDownWidth = 12;

  explicit TExtGridButton(plat::TComponent* AOwner);
  ~TExtGridButton() override;

  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value);
  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(bool Value);
  bool AutoXPStyle() const { return FAutoXPStyle; }
  void SetAutoXPStyle(bool Value);
  plat::TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(plat::TColor Value);
  plat::TColor BorderDownColor() const { return FBorderDownColor; }
  void SetBorderDownColor(plat::TColor Value);
  plat::TColor BorderHotColor() const { return FBorderHotColor; }
  void SetBorderHotColor(plat::TColor Value);
  plat::TColor ColorTo() const { return FColorTo; }
  void SetColorTo(plat::TColor Value);
  plat::TColor ColorDown() const { return FColorDown; }
  void SetColorDown(plat::TColor Value);
  plat::TColor ColorDownTo() const { return FColorDownTo; }
  void SetColorDownTo(plat::TColor Value);
  plat::TColor ColorHot() const { return FColorHot; }
  void SetColorHot(plat::TColor Value);
  plat::TColor ColorHotTo() const { return FColorHotTo; }
  void SetColorHotTo(plat::TColor Value);
  plat::TColor ColorChecked() const { return FColorChecked; }
  void SetColorChecked(plat::TColor Value);
  plat::TColor ColorCheckedTo() const { return FColorCheckedTo; }
  void SetColorCheckedTo(plat::TColor Value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  bool DropDownButton() const { return FDropDownButton; }
  void SetDropDownButton(bool Value);
  plat::TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
  void SetDropDownMenu(plat::TPopupMenu* Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  plat::TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(const plat::TBitmap* Value);
  plat::TBitmap* GlyphHot() const { return FGlyphHot.get(); }
  void SetGlyphHot(const plat::TBitmap* Value);
  plat::TBitmap* GlyphDown() const { return FGlyphDown.get(); }
  void SetGlyphDown(const plat::TBitmap* Value);
  plat::TBitmap* GlyphDisabled() const { return FGlyphDisabled.get(); }
  void SetGlyphDisabled(const plat::TBitmap* Value);
  plat::TButtonLayout Layout() const { return FLayout; }
  void SetLayout(plat::TButtonLayout Value);
  // -1 centres the content; values below -1 are refused.
  int Margin() const { return FMargin; }
  void SetMargin(int Value);
  bool Rounded() const { return FRounded; }
  void SetRounded(bool Value);
  bool Shaded() const { return FShaded; }
  void SetShaded(bool Value);
  bool ShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool Value);
  // -1 spreads the content evenly.
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  TExtGridButtonStyle Style() const { return FStyle; }
  void SetStyle(TExtGridButtonStyle Value);
  plat::TButtonState State() const { return FState; }
  bool MouseInControl() const { return FMouseInControl; }

  plat::TNotifyEvent OnDropDown;

 protected:
  void Paint() override;
  void Loaded() override;
  void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
  void MouseMove(plat::TShiftState Shift, int X, int Y) override;
  void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
  void WndProc(plat::TMessage& Message) override;
  std::unique_ptr<plat::TControlActionLink> CreateActionLink() override;

 private:
  friend class TExtGridButtonActionLink;

  // Takes Value and repaints.
  template <typename T>
  void Store(T& Field, T Value);
  // Takes Value and repaints only when it differs.
  template <typename T>
  void StoreChanged(T& Field, T Value);
  void CopyGlyph(plat::TBitmap& Target, const plat::TBitmap* Value);
  void BuildShade();
  bool Loading() const;
  bool Hovered() const;
  // The group hears of this button's Down and AllowAllUp.
  void NotifyGroup();
  void GroupButtonPressed(TExtGridButton* Sender);
  void AdaptToTheme();
  void CheckMouseInControl();
  void UpdateState();
  void PaintFlatFace(plat::TRect& Frame);
  void PaintRaisedFace(const plat::TRect& Frame);
  void FillFace(const plat::TRect& Rect, plat::TColor From, plat::TColor To);
  void PaintBorder(const plat::TRect& Rect, plat::TColor Color);
  void PaintDropDownArrow();
  void PaintContent(plat::TPoint Offset);
  plat::TBitmap* GlyphToDraw();

  std::unique_ptr<plat::TBitmap> FGlyph;
  std::unique_ptr<plat::TBitmap> FGlyphHot;
  std::unique_ptr<plat::TBitmap> FGlyphDown;
  std::unique_ptr<plat::TBitmap> FGlyphDisabled;
  std::unique_ptr<plat::TBitmap> FShade;
  plat::TComponentRef<plat::TPopupMenu> FDropDownMenu;
  plat::TButtonState FState = plat::TButtonState::bsUp;
  bool FAllowAllUp = false;
  bool FAutoThemeAdapt = false;
  bool FAutoXPStyle = false;
  plat::TColor FBorderColor = plat::clNone;
  plat::TColor FBorderDownColor = plat::clNone;
  plat::TColor FBorderHotColor = plat::clNone;
  plat::TColor FColorTo = plat::clNone;
  plat::TColor FColorDown = static_cast<plat::TColor>(0xD8D3D2);  // RGB 210, 211, 216
  plat::TColor FColorDownTo = plat::clNone;
  plat::TColor FColorHot = static_cast<plat::TColor>(0xCAC7C7);  // RGB 199, 199, 202
  plat::TColor FColorHotTo = plat::clNone;
  plat::TColor FColorChecked = static_cast<plat::TColor>(0x808080);
  plat::TColor FColorCheckedTo = plat::clNone;
  int FGroupIndex = 0;
  bool FDown = false;
  bool FDropDownButton = false;
  bool FFlat = true;
  plat::TButtonLayout FLayout = plat::TButtonLayout::blGlyphLeft;
  int FMargin = -1;
  bool FRounded = false;
  bool FShaded = true;
  bool FShowCaption = true;
  int FSpacing = 4;
  TExtGridButtonStyle FStyle = TExtGridButtonStyle::tasButton;
  bool FDragging = false;        // the left button went down on it
  bool FMouseInControl = false;  // for the hot look
};

}  // namespace zorbit
