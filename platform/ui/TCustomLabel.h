#pragma once
// The label: text painted on its parent, sized to the text (AutoSize),
// wrapped at its width (WordWrap), aligned sideways (Alignment) and
// vertically (Layout), over its colour or see-through (Transparent). An "&"
// marks the accelerator (ShowAccelChar) that moves the focus to
// FocusControl.
#include "platform/ui/TGraphicControl.h"
#include "platform/ui/TComponentRef.h"

namespace plat {

class TWinControl;

enum class TTextLayout { tlTop, tlCenter, tlBottom };

class TCustomLabel : public TGraphicControl {
 public:
  explicit TCustomLabel(TComponent* AOwner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout Value);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool Value);
  bool Transparent() const { return !ControlStyle().Contains(TControlStyleItem::csOpaque); }
  void SetTransparent(bool Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);

 protected:
  // Draws (or with DT_CALCRECT measures) the caption on Canvas.
  virtual void DoDrawText(TRect& Rect, UINT Flags);
  void Paint() override;
  void AdjustSize() override;
  void WndProc(TMessage& Message) override;

 private:
  // The DT_* formats of the caption.
  UINT TextFlags() const;
  String MeasuredText();

  TAlignment FAlignment = TAlignment::taLeftJustify;
  TComponentRef<TWinControl> FFocusControl;
  TTextLayout FLayout = TTextLayout::tlTop;
  bool FShowAccelChar = true;
  bool FWordWrap = false;
};

class TLabel : public TCustomLabel {
 public:
  using TCustomLabel::TCustomLabel;
};

}  // namespace plat
