#pragma once
// The speed button: a windowless button with a glyph and a caption laid
// out by Layout, Margin and Spacing. Buttons with the same GroupIndex (not
// 0) under one parent act as a group: pressing one puts it Down and the
// others up; a Down button comes up again only with AllowAllUp. Flat
// buttons show their edge only under the mouse or when down; a flat button
// lets its parent show through unless Transparent is off, when its face is
// filled with its Color first.
//
// Glyph holds NumGlyphs pictures side by side: up, disabled, pressed and
// down; a missing one falls back to the first (disabled: the first, greyed).
// The glyph's bottom-left pixel is its transparent colour.
#include <memory>

#include "platform/gdi/TBitmap.h"
#include "platform/ui/ButtonLayout.h"
#include "platform/ui/TGraphicControl.h"

namespace plat {

enum class TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* AOwner);
  ~TSpeedButton() override;

  bool AllowAllUp() const { return FAllowAllUp; }
  // Shared by the whole group.
  void SetAllowAllUp(bool Value);
  bool Down() const { return FDown; }
  // Ignored for a button outside a group, and refused for the down button
  // of a group without AllowAllUp.
  void SetDown(bool Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(const TBitmap* Value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  // Pixels from the edge to the glyph; -1 centres glyph and caption.
  int Margin() const { return FMargin; }
  void SetMargin(int Value);
  // 1 to 4.
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int Value);
  // Pixels between glyph and caption; -1 spreads them evenly.
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  TButtonState State() const { return FState; }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void WndProc(TMessage& Message) override;

  // Draws frame Frame of the glyph at At without its transparent colour;
  // Greyed embosses it. For descendants that lay out their own face.
  void DrawGlyph(TPoint At, int Frame, bool Greyed);

 private:
  void ButtonPressed(TSpeedButton* Sender);

  std::unique_ptr<TBitmap> FGlyph;
  TButtonState FState = TButtonState::bsUp;
  bool FAllowAllUp = false;
  bool FDown = false;
  bool FFlat = false;
  bool FTransparent = true;
  int FGroupIndex = 0;
  TButtonLayout FLayout = TButtonLayout::blGlyphLeft;
  int FMargin = -1;
  int FNumGlyphs = 1;
  int FSpacing = 4;
  bool FDragging = false;        // the left button went down on it
  bool FMouseInControl = false;  // for the flat look
};

}  // namespace plat
